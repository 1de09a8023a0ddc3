// Needs of bought materials against the stock.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm59 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm59(QWidget* parent = nullptr);

    zdb::Query* gds_needed;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button4;  // "Выход"
};

extern TForm59* Form59;
