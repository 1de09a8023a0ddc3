// Header editor of a receipt order: Tag 1 adds an order, 0 changes the
// current one of the order list.
#pragma once

#include "zui_screens.h"

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

    void Button1Click() override;
};

extern TForm39* Form39;
