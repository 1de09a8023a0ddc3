// Creation of a finished-goods receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

namespace zdb {
}

class TForm54 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm54(QWidget* parent = nullptr);

    zdb::Query* dep_from;
    zdb::Query* dep_in;

    QGroupBox* GroupBox1;
    zui::DatePicker* DateTimePicker1;  // "Дата:"
    zui::LookupBox* LCB_dep_from;      // "Подразделение:"
    zui::LookupBox* LCB_dep_in;        // "Склад отгрузки:"
};

extern TForm54* Form54;
