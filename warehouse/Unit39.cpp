#include "Unit39.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm39* Form39 = nullptr;

TForm39::TForm39(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form39"));
    setWindowTitle(QStringLiteral("Ведение приходных ордеров (39)"));

    jur_person = ownQuery(this, "jur_person", QStringLiteral("select jp.* from cmn_contractor.jur_person jp"));
    department = ownQuery(this, "department",
                               QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =2"));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Приходный ордер")), "GroupBox1");
    Edit1 = zparts::edit("Edit1");
    Edit1->setEnabled(false);
    LCB_jur_person = zparts::named(new zui::LookupBox, "LCB_jur_person");
    LCB_jur_person->setListSource(jur_person, QStringLiteral("id"), QStringLiteral("s_full_caption"));
    LCB_jur_person->setMinimumWidth(300);
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    Edit2 = zparts::edit("Edit2");
    zui::setKeyFilter(Edit2, zui::Keys::DigitsOnly);
    LCB_department = zparts::named(new zui::LookupBox, "LCB_department");
    LCB_department->setListSource(department, QStringLiteral("id"), QStringLiteral("s_caption"));

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Номер:")), Edit1);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Контрагент:")), LCB_jur_person);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Дата:")), DateTimePicker1);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("Сопроводит. док-т:")), Edit2);
    zparts::addRow(fields, 4, new QLabel(QStringLiteral("Склад:")), LCB_department);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::AsDesigned);
}
