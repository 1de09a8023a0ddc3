#include "Unit29.h"

#include "Unit6.h"

#include <QLineEdit>

TForm29* Form29 = nullptr;

TForm29::TForm29(QWidget* parent)
    : zui::EditorScreen({"Form29", QStringLiteral("Номенклатура"), zui::Placement::AsDesigned, DataModule6->ADO_DB, {}, QStringLiteral("Отмена")}, parent) {
    cb_department = zcat::departmentList(this);
    Edit1 = addEdit("Edit1", QStringLiteral("Наименование"));
    p_department = addLookup("p_department", QStringLiteral("Склад"), cb_department);
}

void TForm29::Button1Click() {
    if (!filled({Edit1})) return;
    const QString department = QString::number(keyOr0(p_department));
    if (Tag == 1)
        writeAndClose(QStringLiteral("insert into cmn_inventory_items.nomenclature(s_caption, id_department)VALUES(") +
                          zcat::sqlText(Edit1) + " ," + department + ")",
                      DataModule6->nomenclature);
    else
        updateRememberedAndClose(QStringLiteral("UPDATE cmn_inventory_items.nomenclature SET s_caption=") + zcat::sqlText(Edit1) +
                          ", id_department=" + department + " where id=" + zui::idOf(DataModule6->nomenclature),
                      DataModule6->nomenclature);
}

// The department list is read afresh at every showing.
void TForm29::FormClose() { cb_department->close(); }

void TForm29::FormActivate() {
    if (Tag != 1) rememberRow(DataModule6->nomenclature, {{"s_caption", "s_caption"}, {"id_department", "id_department"}});
}
