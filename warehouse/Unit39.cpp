#include "Unit39.h"

#include "Unit6.h"

#include <QLineEdit>

TForm39* Form39 = nullptr;

TForm39::TForm39(QWidget* parent)
    : zui::EditorScreen({"Form39", QStringLiteral("Ведение приходных ордеров (39)"), zui::Placement::AsDesigned, DataModule6->ADO_DB,
                         QStringLiteral("Приходный ордер")},
                        parent) {
    jur_person = ownQuery(this, "jur_person", QStringLiteral("select jp.* from cmn_contractor.jur_person jp"));
    department = ownQuery(this, "department",
                          QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =2"));

    GroupBox1 = group();
    Edit1 = addEdit("Edit1", QStringLiteral("Номер:"), 120);
    Edit1->setEnabled(false);
    LCB_jur_person = addLookup("LCB_jur_person", QStringLiteral("Контрагент:"), jur_person, QStringLiteral("id"),
                               QStringLiteral("s_full_caption"));
    LCB_jur_person->setMinimumWidth(300);
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    addRow(QStringLiteral("Дата:"), DateTimePicker1);
    Edit2 = addEdit("Edit2", QStringLiteral("Сопроводит. док-т:"), 120);
    zui::setKeyFilter(Edit2, zui::Keys::DigitsOnly);
    LCB_department = addLookup("LCB_department", QStringLiteral("Склад:"), department);
}
