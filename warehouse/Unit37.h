// Receipt orders of the raw-materials warehouses.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm37 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm37(QWidget* parent = nullptr);

    zdb::Query* cnt_order_in;
};

extern TForm37* Form37;
