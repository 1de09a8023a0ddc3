#include "Unit44.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm44* Form44 = nullptr;

namespace {

const char* kCntIi =
    "SELECT count(*) as cnt FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii  "
    "where id_ii =:id_ii and as1.id_app_doc = :id_app_doc";

const char* kRal =
    "select ii.id, ii.marka as s_code from cmn_inventory_items.inventory_items ii where ii.id_type =3 order by s_code";

const char* kCostPrice =
    "select ii.cost_price from cmn_inventory_items.inventory_items ii\n"
    "where ii.id=:id_ii";

}  // namespace

TForm44::TForm44(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form44"));
    setWindowTitle(QStringLiteral("Ведение данных (44)"));

    cnt_ii = ownQuery(this, "cnt_ii", QString::fromUtf8(kCntIi));
    ral = ownQuery(this, "ral", QString::fromUtf8(kRal));
    cost_price = ownQuery(this, "cost_price", QString::fromUtf8(kCostPrice));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Заявка в производство № ")), "GroupBox1");
    Edit2 = zparts::edit("Edit2", true);
    Edit2->setMinimumWidth(260);
    Button5 = zparts::ellipsis("Button5");
    DBText1 = zparts::dataText("DBText1", cost_price, QStringLiteral("cost_price"));
    Edit3 = zparts::edit("Edit3");
    Label2 = zparts::label("Label2", QString());
    LCB_ral = zparts::named(new zui::LookupBox, "LCB_ral");
    LCB_ral->setListSource(ral, QStringLiteral("id"), QStringLiteral("s_code"));
    Edit1 = zparts::edit("Edit1");
    for (QLineEdit* e : {Edit3, Edit1})
        zui::setKeyFilter(e, zui::Keys::DigitsComma | zui::Keys::PointToComma);

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Изделие:")), Edit2, Button5);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Себестоимость:")), DBText1);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Количество:")), Edit3, Label2);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("RAL:")), LCB_ral);
    zparts::addRow(fields, 4, new QLabel(QStringLiteral("Цена:")), Edit1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2, false);

    setupScreen(zui::Placement::CentredOnDesktop);
}
