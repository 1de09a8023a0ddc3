// Receipt orders of the raw-materials warehouses.
#pragma once

#include "zui_screens.h"

class TForm37 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm37(QWidget* parent = nullptr);

    zdb::Query* cnt_order_in;

    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"

    void Button1Click();
    void Button2Click();
    // An order with accepted lines is never deleted, nor are its lines.
    void Button3Click();
    // The lines of the current order (Form38); nothing on an empty list.
    void showLines();
};

extern TForm37* Form37;
