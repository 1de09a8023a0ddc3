#include "Unit303.h"

#include "Unit3.h"
#include "Unit6.h"

#include <QLineEdit>
#include <QPushButton>

TForm303* Form303 = nullptr;

namespace {

using Align = zui::DBGrid::Align;

zdb::Query* ownList() {
    auto* q = new zdb::Query(DataModule6->ADO_DB);
    q->setObjectName(QStringLiteral("inventory_items"));
    return q;
}

}  // namespace

TForm303::TForm303(QWidget* parent)
    : zui::ListScreen({"Form303", QStringLiteral("ТМЦ (3)"), zui::Placement::AsDesigned, ownList(), QString(), QString(),
                           zui::FilterBox::KeyMode::ConsumeUpDown, 1000, 420},
                          {{QStringLiteral("Наименование"), QStringLiteral("marka"), Align::Auto, 260},
                           {QStringLiteral("Номенклатура"), QStringLiteral("s_nom"), Align::Auto, 190},
                           {QStringLiteral("Ед. изм."), QStringLiteral("s_identification"), Align::Centre, 60},
                           {QStringLiteral("Длина"), QStringLiteral("width"), Align::Auto, 60},
                           {QStringLiteral("Толщина"), QStringLiteral("thick"), Align::Auto, 65},
                           {QStringLiteral("Масса"), QStringLiteral("massa"), Align::Auto, 60},
                           {QStringLiteral("Краска"), QStringLiteral("s_ral"), Align::Centre, 55},
                           {QStringLiteral("Расх. кр."), QStringLiteral("ral_cons"), Align::Auto, 65},
                           {QStringLiteral("Тип ТМЦ"), QStringLiteral("s_type"), Align::Auto, 110}},
                          parent) {
    inventory_items = static_cast<zdb::Query*>(list());
    inventory_items->setParent(this);
    Button1->setVisible(false);
    Button3->setVisible(false);
    new zui::FilterBox(Edit1, inventory_items, zui::FilterBox::contains(QStringLiteral("marka")), zui::FilterBox::KeyMode::ConsumeUpDown);
    sortOnTitle(0, QLatin1String(TForm3::kSortByName), QStringLiteral("marka DESC, s_nom ASC"));
    sortOnTitle(1, QStringLiteral("s_nom, marka ASC"), QStringLiteral("s_nom DESC, marka ASC"));
    setDefaultButton(Button2);
}

void TForm303::FormActivate() {
    inventory_items->open();
    inventory_items->setSort(QLatin1String(TForm3::kSortByName));
    focusFilterIfVisible();
}

void TForm303::FormClose() { inventory_items->close(); }

