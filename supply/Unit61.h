// Header editor of a purchase request: executor, counterparty, delivery day.
#pragma once

#include "zui_screens.h"

class TForm61 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm61(QWidget* parent = nullptr);

    // Chosen through the person and counterparty pickers.
    int id_person_sel = 0;
    int id_jur_person_sel = 0;

    QGroupBox* GroupBox1;
    QLineEdit* Edit2;  // "Исполнитель:"
    QPushButton* Button5;
    QLineEdit* Edit1;  // "Контрагент:"
    QPushButton* Button3;
    zui::DatePicker* DateTimePicker1;  // "Дата поставки:"

    // The person picker and the counterparty picker.
    void Button5Click();
    void Button3Click();
    // Tag 1 adds a request, otherwise changes the current one of Form60.
    void Button1Click() override;
    void FormActivate() override;
};

extern TForm61* Form61;
