#include "Unit28.h"

#include "Unit29.h"
#include "Unit3.h"
#include "Unit6.h"

#include <QLineEdit>

TForm28* Form28 = nullptr;

TForm28::TForm28(QWidget* parent)
    : zui::ListScreen({"Form28", QStringLiteral("Номенклатура"), zui::Placement::AsDesigned, DataModule6->nomenclature,
                           QStringLiteral("delete from cmn_inventory_items.nomenclature where id=%1")},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 260},
                           {QStringLiteral("Подразделение"), QStringLiteral("s_department"), zui::DBGrid::Align::Auto, 200},
                           {{}, {}, zui::DBGrid::Align::Auto, 40}},
                          parent) {
    DBGridEh1->setColumnsResizable(true);
    zui::on(DBGridEh1, &zui::DBGrid::cellButtonClicked, this, [this](int column) {
        if (column == 2) DBGridEh1Columns2EditButtonClick();
    });
}

void TForm28::Button1Click() {
    Form29->Tag = 1;
    Form29->Edit1->clear();
    Form29->cb_department->open();
    Form29->showModal();
}

void TForm28::changeRow() {
    changeKeepingRow([this] {
        Form29->Tag = 0;
        Form29->Edit1->setText(currentText(QStringLiteral("s_caption")));
        Form29->cb_department->open();
        Form29->p_department->setKeyValue(currentInt(QStringLiteral("id_department")));
        Form29->showModal();
    });
}

void TForm28::DBGridEh1Columns2EditButtonClick() {
    if (!hasRows()) return;
    const int kind = currentId();
    zdb::Query* items = DataModule6->inventory_items;
    items->open();
    items->setFilter(QStringLiteral("id_nom=") + QString::number(kind));
    items->setFiltered(true);
    Form3->preset_id_nom = kind;
    Form3->Tag = 0;
    Form3->showModal();
    items->close();
    items->setFiltered(false);
    items->setFilter({});
}
