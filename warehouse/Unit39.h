// Header editor of a receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

namespace zdb {
}

class TForm39 : public zui::EditorScreen {
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
};

extern TForm39* Form39;
