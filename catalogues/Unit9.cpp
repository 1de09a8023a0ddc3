#include "Unit9.h"

#include "Unit6.h"

#include <QLineEdit>

TForm9* Form9 = nullptr;

TForm9::TForm9(QWidget* parent)
    : zui::EditorScreen({"Form9", QStringLiteral("Ведение оераций"), zui::Placement::ResizableAsDesigned, DataModule6->ADO_DB, {},
                            QStringLiteral("Отмена")}, parent) {
    Edit1 = addEdit("Edit1", QStringLiteral("Операция"));
    Edit2 = addEdit("Edit2", QStringLiteral("Описание"));
}

void TForm9::FormActivate() {
    Edit1->setFocus();
    if (Tag != 1) rememberRow(DataModule6->operation_type, {{"s_caption", "s_caption"}, {"s_description", "s_description"}});
}

void TForm9::Button1Click() {
    if (!filled({Edit1})) return;
    if (Tag == 1)
        writeAndClose(QStringLiteral("insert into mnf_operation.operation_type(s_caption, s_description)VALUES(") + zcat::sqlText(Edit1) +
                          " ," + zcat::sqlText(Edit2) + ")",
                      DataModule6->operation_type);
    else
        updateRememberedAndClose(QStringLiteral("UPDATE mnf_operation.operation_type SET s_caption=") + zcat::sqlText(Edit1) +
                          ", s_description=" + zcat::sqlText(Edit2) + " where id=" + zui::idOf(DataModule6->operation_type),
                      DataModule6->operation_type);
}
