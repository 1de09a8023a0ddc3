// Header editor of a marketing request: executor, counterparty, dates.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm43 : public zui::TForm {
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
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"
};

extern TForm43* Form43;
