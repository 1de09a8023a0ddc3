// Header editor of a receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zdb {
class Query;
}

class TForm39 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm39(QWidget* parent = nullptr);

    zdb::Query* jur_person;
    zdb::Query* department;

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;                  // "Номер:"
    zui::LookupBox* LCB_jur_person;    // "Контрагент:"
    zui::DatePicker* DateTimePicker1;  // "Дата:"
    QLineEdit* Edit2;                  // "Сопроводит. док-т:"
    zui::LookupBox* LCB_department;    // "Склад:"
    QPushButton* Button1;              // "Записать"
    QPushButton* Button2;              // "Отмена"
};

extern TForm39* Form39;
