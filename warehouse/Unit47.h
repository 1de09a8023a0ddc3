// Issue lines of reserved request lines; issuing to production.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm47 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm47(QWidget* parent = nullptr);

    zdb::Query* tp_operation;
    zdb::Query* ral_stk;
    zdb::Query* ral_price;

    QPushButton* Button1;  // "Отгрузить"
};

extern TForm47* Form47;
