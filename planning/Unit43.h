// Header editor of a marketing request ("Ведение данных (43)"): executor,
// counterparty, production and shipping dates. Tag 1 adds a request, any
// other value changes the current request of the list (DataModule6->app_doc).
#pragma once

#include "zui_screens.h"

class TForm43 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm43(QWidget* parent = nullptr);

    // Chosen through the person and counterparty pickers; kept from one use to the next.
    int id_person_sel = 0;
    int id_jur_person_sel = 0;

    QGroupBox* GroupBox1;
    QLineEdit* Edit2;  // "Исполнитель:"
    QPushButton* Button5;
    QLineEdit* Edit1;  // "Контрагент:"
    QPushButton* Button3;
    zui::DatePicker* DateTimePicker1;  // "Дата пр-ва:"
    zui::DatePicker* DateTimePicker2;  // "Дата отгрузки:"

    void FormActivate() override;
    // "Записать".
    void Button1Click() override;
    // The person picker and the counterparty picker.
    void Button5Click();
    void Button3Click();
};

extern TForm43* Form43;
