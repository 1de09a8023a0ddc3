// Request lines of one product, reserved line by line.
// The screen's actions come with its own issue.
#pragma once

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
};

extern TForm48* Form48;
