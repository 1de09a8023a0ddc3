// Operation type editor.
#pragma once

#include "catalogue.h"

class TForm9 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

    QLineEdit* Edit1;  // "Операция"
    QLineEdit* Edit2;  // "Описание"

    void Button1Click() override;
    void FormActivate() override;
};

extern TForm9* Form9;
