// Request lines of one product, reserved line by line.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm48 : public zui::TForm {
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
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Резерв"
    QPushButton* Button4;  // "Выход"
};

extern TForm48* Form48;
