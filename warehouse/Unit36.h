// Stock of the raw-materials and blanks warehouses; entry to receipts and issues.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

class TForm36 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm36(QWidget* parent = nullptr);

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Приход"
    QPushButton* Button2;  // "Перемещение"
    QPushButton* Button3;  // "Расход"
    QPushButton* Button4;  // "Выход"
};

extern TForm36* Form36;
