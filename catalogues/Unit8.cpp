#include "Unit8.h"

#include "Unit6.h"
#include "Unit9.h"

#include <QLineEdit>

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent)
    : zui::ListScreen({"Form8", QStringLiteral("Операции"), zui::Placement::NoSystemMenu, DataModule6->operation_type,
                           QStringLiteral("delete from mnf_operation.operation_type where id=%1")},
                          {{QStringLiteral("Операции"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 260},
                           {QStringLiteral("Описание"), QStringLiteral("s_description"), zui::DBGrid::Align::Auto, 300}},
                          parent) {}

void TForm8::FormActivate() { focusFilterIfVisible(); }

void TForm8::Button1Click() {
    Form9->Edit1->clear();
    Form9->Tag = 1;
    Form9->showModal();
}

void TForm8::changeRow() {
    // Without a caller's choice only the catalogue changes a row.
    if (Tag != 0) return;
    changeKeepingRow([this] {
        Form9->Tag = 2;
        Form9->Edit1->setText(currentText(QStringLiteral("s_caption")));
        Form9->Edit2->setText(currentText(QStringLiteral("s_description")));
        Form9->showModal();
    });
}
