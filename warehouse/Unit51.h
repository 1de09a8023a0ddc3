// Finished-goods receipt orders.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm51 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm51(QWidget* parent = nullptr);

    zdb::Query* stock_in;
    zdb::Query* cnt_order_in;
};

extern TForm51* Form51;
