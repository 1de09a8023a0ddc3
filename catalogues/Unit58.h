// Role editor. Every save of an active role starts its period again today;
// saving it inactive ends the period today.
#pragma once

#include "catalogue.h"

class QCheckBox;

class TForm58 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm58(QWidget* parent = nullptr);

    QLineEdit* Edit2;      // "Наименование"
    QLineEdit* Edit1;      // "Ситемное имя"
    QCheckBox* CheckBox1;  // "Активна"

    // A change remembers the row as the list showed it.
    void FormActivate() override;
    void Button1Click() override;
};

extern TForm58* Form58;
