// Marketing's list of production requests.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm41 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm41(QWidget* parent = nullptr);

    zdb::Query* cnt_order_in;
};

extern TForm41* Form41;
