// Request lines of one product (opened from current production), reserved
// line by line: rounded deficits, purchase requests also for paint.
#pragma once

#include "reserve.h"
#include "zui_screens.h"

class TForm48 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm48(QWidget* parent = nullptr);

    zdb::Query* proc_tech;
    zdb::Query* price_ral;
    zdb::Query* app_doc;
    zdb::Query* gds_needed;
    zdb::Query* cost_price;
    zdb::Query* purchase_doc;

    zui::DBText* DBText1;  // the product
    zui::DBText* DBText2;  // its material
    QPushButton* Button1;  // "Резерв"

    void Button1Click();  // also a double click on the grid

private:
    reserve::Operation reserve_;
};

extern TForm48* Form48;
