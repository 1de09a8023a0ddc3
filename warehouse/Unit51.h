// Finished-goods receipt orders.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm51 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm51(QWidget* parent = nullptr);

    zdb::Query* stock_in;
    zdb::Query* cnt_order_in;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"
    QPushButton* Button4;  // "Выход"
};

extern TForm51* Form51;
