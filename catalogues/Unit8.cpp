#include "Unit8.h"

#include "Unit10.h"
#include "Unit6.h"
#include "Unit9.h"

#include <QLineEdit>

TForm8* Form8 = nullptr;

TForm8::TForm8(QWidget* parent)
    : zcat::CatalogueList({"Form8", QStringLiteral("Операции"), zui::Placement::NoSystemMenu, DataModule6->operation_type,
                           QStringLiteral("mnf_operation.operation_type")},
                          {{QStringLiteral("Операции"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 260},
                           {QStringLiteral("Описание"), QStringLiteral("s_description"), zui::DBGrid::Align::Auto, 300}},
                          parent) {}

void TForm8::FormActivate() { focusFilterIfVisible(); }

void TForm8::Button1Click() {
    Form9->Edit1->clear();
    Form9->Tag = 1;
    Form9->showModal();
}

void TForm8::Button2Click() {
    if (Tag == 0) {
        changeKeepingRow([this] {
            Form9->Tag = 2;
            Form9->Edit1->setText(currentText(QStringLiteral("s_caption")));
            Form9->Edit2->setText(currentText(QStringLiteral("s_description")));
            Form9->showModal();
        });
        return;
    }
    // An empty list leaves the operation's type as it was.
    const int recNo = list()->recNo();
    if (hasRows()) {
        Form10->Edit2->setText(currentText(QStringLiteral("s_caption")));
        Form10->id_type_sel = currentId();
    }
    close();
    zcat::restoreRow(list(), recNo);
}
