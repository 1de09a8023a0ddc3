// Choice of the issuing warehouse for one issue line.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

namespace zdb {
}

class TForm57 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm57(QWidget* parent = nullptr);

    zdb::Query* stk_id;

    zui::LookupBox* LCB_stk_id;  // "Склад отгрузки:"
    // Button1 is "Выбрать", Button2 "Выход".
};

extern TForm57* Form57;
