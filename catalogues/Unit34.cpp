#include "Unit34.h"

#include "Unit14.h"
#include "Unit6.h"

#include <QLineEdit>

TForm34* Form34 = nullptr;

TForm34::TForm34(QWidget* parent)
    : zui::ListScreen({"Form34", QStringLiteral("Контрагенты"), zui::Placement::CentredOnDesktop, DataModule6->jur_person,
                           QStringLiteral("delete from cmn_contractor.jur_person where id=%1")},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_full_caption"), zui::DBGrid::Align::Auto, 440},
                           {QStringLiteral("ОГРН"), QStringLiteral("s_ogrn"), zui::DBGrid::Align::Auto, 140},
                           {QStringLiteral("ИНН"), QStringLiteral("s_inn"), zui::DBGrid::Align::Auto, 120}},
                          parent) {}

void TForm34::Button1Click() {
    Form14->Tag = 1;
    for (QLineEdit* e : {Form14->Edit1, Form14->Edit2, Form14->Edit3, Form14->Edit4}) e->clear();
    Form14->showModal();
}

void TForm34::changeRow() {
    // Without a caller's choice only the catalogue changes a row.
    if (Tag != 0) return;
    changeKeepingRow([this] {
        Form14->Tag = 0;
        Form14->Edit2->setText(currentText(QStringLiteral("s_caption")));
        Form14->Edit1->setText(currentText(QStringLiteral("s_full_caption")));
        Form14->Edit3->setText(currentText(QStringLiteral("s_inn")));
        Form14->Edit4->setText(currentText(QStringLiteral("s_ogrn")));
        Form14->showModal();
    });
}
