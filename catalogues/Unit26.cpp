#include "Unit26.h"

#include "Unit27.h"
#include "Unit6.h"

#include <QLineEdit>

TForm26* Form26 = nullptr;

TForm26::TForm26(QWidget* parent)
    : zui::ListScreen({"Form26", QStringLiteral("Должности"), zui::Placement::AsDesigned, DataModule6->staffpos,
                           QStringLiteral("delete from hrms_staffpos.staffpos where id=%1")},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 240},
                           {QStringLiteral("Описание"), QStringLiteral("s_description"), zui::DBGrid::Align::Auto, 220},
                           {QStringLiteral("Подразделение"), QStringLiteral("s_dep"), zui::DBGrid::Align::Auto, 230}},
                          parent) {}

void TForm26::Button1Click() {
    Form27->Tag = 1;
    Form27->cb_department->open();
    Form27->cb_department->first();
    Form27->Edit1->clear();
    Form27->Edit2->clear();
    Form27->showModal();
}

void TForm26::changeRow() {
    changeKeepingRow([this] {
        Form27->Tag = 0;
        Form27->Edit1->setText(currentText(QStringLiteral("s_caption")));
        Form27->Edit2->setText(currentText(QStringLiteral("s_description")));
        Form27->cb_department->open();
        Form27->p_department->setKeyValue(currentInt(QStringLiteral("id_department")));
        Form27->showModal();
    });
}
