#include "Unit30.h"

#include "Unit31.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

TForm30* Form30 = nullptr;

TForm30::TForm30(QWidget* parent)
    : zui::ListScreen({"Form30", QStringLiteral("Подразделения (30)"), zui::Placement::AsDesigned, DataModule6->department,
                           QStringLiteral("delete from cmn_department.department where id=%1")},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 220},
                           {QStringLiteral("Примечание"), QStringLiteral("s_description"), zui::DBGrid::Align::Auto, 240},
                           {QStringLiteral("Род.  подразделение"), QStringLiteral("s_parent"), zui::DBGrid::Align::Auto, 200},
                           {QStringLiteral("Тип склада"), QStringLiteral("s_type"), zui::DBGrid::Align::Auto, 130}},
                          parent) {}

void TForm30::Button1Click() {
    Form31->Tag = 1;
    Form31->cb_department->open();
    Form31->cb_department->first();
    Form31->Edit1->clear();
    Form31->Edit2->clear();
    Form31->showType(-1);
    Form31->showModal();
}

void TForm30::changeRow() {
    changeKeepingRow([this] {
        Form31->Tag = 0;
        Form31->Edit1->setText(currentText(QStringLiteral("s_caption")));
        Form31->Edit2->setText(currentText(QStringLiteral("s_description")));
        Form31->showType(int(currentInt(QStringLiteral("type"))));
        Form31->cb_department->open();
        Form31->p_department->setKeyValue(currentInt(QStringLiteral("id_parent")));
        Form31->showModal();
    });
}
