// Needs of bought materials against their stock.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm59 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm59(QWidget* parent = nullptr);

    zdb::Query* gds_needed;
};

extern TForm59* Form59;
