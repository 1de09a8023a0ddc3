// Stock of the finished-goods and blanks warehouses.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm50 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm50(QWidget* parent = nullptr);

    zdb::Query* stock;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Приход"
    QPushButton* Button2;  // "Перемещение"
    QPushButton* Button3;  // "Расход"
    QPushButton* Button4;  // "Выход"
};

extern TForm50* Form50;
