// Production view of all request lines: reserve, clearing of works, request to stock.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm55 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm55(QWidget* parent = nullptr);

    zdb::Query* app_spec;
    zdb::Query* proc_tech;
    zdb::Query* price_ral;
    zdb::Query* app_doc;
    zdb::Query* gds_needed;
    zdb::Query* cost_price;
    zdb::Query* purchase_doc;
    zdb::Query* smena;

    QPushButton* Button1;  // "Очистить работы", shown only when opened from the production board
    QPushButton* Button2;  // "На склад"
};

extern TForm55* Form55;
