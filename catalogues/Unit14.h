// Counterparty editor.
#pragma once

#include "catalogue.h"

class TForm14 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm14(QWidget* parent = nullptr);

    QLineEdit* Edit2;  // "Наименование" (s_caption)
    QLineEdit* Edit1;  // "Полное ниамен." (s_full_caption)
    QLineEdit* Edit3;  // "ИНН"
    QLineEdit* Edit4;  // "ОГРН"

    // A change remembers the row as the list showed it.
    void FormActivate() override;
    void Button1Click() override;
};

extern TForm14* Form14;
