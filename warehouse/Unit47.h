// Issue lines of reserved request lines; issuing to production.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm47 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm47(QWidget* parent = nullptr);

    zdb::Query* tp_operation;
    zdb::Query* ral_stk;
    zdb::Query* ral_price;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Отгрузить"
    QPushButton* Button4;  // "Выход"
};

extern TForm47* Form47;
