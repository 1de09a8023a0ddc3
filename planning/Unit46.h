// Current production per product; opens the per-product reserve.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm46 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm46(QWidget* parent = nullptr);

    zdb::Query* app_spec;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Краска"
    QPushButton* Button4;  // "Выход"
};

extern TForm46* Form46;
