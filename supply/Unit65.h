// Picker of purchase lines being bought, for a receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm65 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm65(QWidget* parent = nullptr);

    zdb::Query* purchase_spec;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Выбрать"
    QPushButton* Button4;  // "Выход"
};

extern TForm65* Form65;
