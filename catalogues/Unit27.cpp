#include "Unit27.h"

#include "Unit6.h"

#include <QLineEdit>

TForm27* Form27 = nullptr;

TForm27::TForm27(QWidget* parent)
    : zui::EditorScreen({"Form27", QStringLiteral("Ведение должностей"), zui::Placement::AsDesigned, DataModule6->ADO_DB, {}, QStringLiteral("Отмена")}, parent) {
    cb_department = zcat::departmentList(this);
    Edit1 = addEdit("Edit1", QStringLiteral("Наименование"));
    Edit2 = addEdit("Edit2", QStringLiteral("Описание"));
    p_department = addLookup("p_department", QStringLiteral("Подразделение"), cb_department);
}

void TForm27::Button1Click() {
    if (!filled({Edit1})) return;
    const QString department = QString::number(keyOr0(p_department));
    if (Tag == 1)
        writeAndClose(QStringLiteral("insert into hrms_staffpos.staffpos(s_caption, s_description, id_department)VALUES(") +
                          zcat::sqlText(Edit1) + " ," + zcat::sqlText(Edit2) + ", " + department + ")",
                      DataModule6->staffpos);
    else
        updateRememberedAndClose(QStringLiteral("UPDATE hrms_staffpos.staffpos SET s_caption=") + zcat::sqlText(Edit1) + ", s_description=" +
                          zcat::sqlText(Edit2) + ", id_department=" + department + " where id=" + zui::idOf(DataModule6->staffpos),
                      DataModule6->staffpos);
}

// The department list is read afresh at every showing.
void TForm27::FormClose() { cb_department->close(); }

void TForm27::FormActivate() {
    if (Tag != 1)
        rememberRow(DataModule6->staffpos,
                    {{"s_caption", "s_caption"}, {"s_description", "s_description"}, {"id_department", "id_department"}});
}
