// Stock of the finished-goods and blanks warehouses.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm50 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm50(QWidget* parent = nullptr);

    zdb::Query* stock;

    QPushButton* Button1;  // "Приход"
    QPushButton* Button2;  // "Перемещение"
    QPushButton* Button3;  // "Расход"
};

extern TForm50* Form50;
