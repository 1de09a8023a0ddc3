// Choice of the issuing warehouse for one issue line.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm57 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm57(QWidget* parent = nullptr);

    zdb::Query* stk_id;

    zui::LookupBox* LCB_stk_id;  // "Склад отгрузки:"
    QPushButton* Button1;        // "Выбрать"
    QPushButton* Button2;        // "Выход"
};

extern TForm57* Form57;
