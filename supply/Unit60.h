// Purchase requests.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm60 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm60(QWidget* parent = nullptr);

    zdb::Query* purchase_doc;

    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"
    QPushButton* Button4;  // "Выход"
};

extern TForm60* Form60;
