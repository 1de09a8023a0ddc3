// Header editor of a marketing request: executor, counterparty, dates.
// The save comes with its own issue.
#pragma once

#include "zui_screens.h"

class TForm43 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm43(QWidget* parent = nullptr);

    // Chosen through the person and counterparty pickers.
    int id_person_sel = 0;
    int id_jur_person_sel = 0;

    QGroupBox* GroupBox1;
    QLineEdit* Edit2;  // "Исполнитель:"
    QPushButton* Button5;
    QLineEdit* Edit1;  // "Контрагент:"
    QPushButton* Button3;
    zui::DatePicker* DateTimePicker1;  // "Дата пр-ва:"
    zui::DatePicker* DateTimePicker2;  // "Дата отгрузки:"

    // The person picker and the counterparty picker.
    void Button5Click();
    void Button3Click();
};

extern TForm43* Form43;
