// Stock of the raw-materials and blanks warehouses; entry to receipts and
// issues, and moves between these warehouses.
#pragma once

#include "zui_screens.h"

class TForm36 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm36(QWidget* parent = nullptr);

    QPushButton* Button1;  // "Приход"
    QPushButton* Button2;  // "Перемещение"
    QPushButton* Button3;  // "Расход"

    void Button1Click();
    void Button2Click();
    void Button3Click();
};

extern TForm36* Form36;
