// Creation of a finished-goods receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QGroupBox;
class QPushButton;

namespace zdb {
class Query;
}

class TForm54 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm54(QWidget* parent = nullptr);

    zdb::Query* dep_from;
    zdb::Query* dep_in;

    QGroupBox* GroupBox1;
    zui::DatePicker* DateTimePicker1;  // "Дата:"
    zui::LookupBox* LCB_dep_from;      // "Подразделение:"
    zui::LookupBox* LCB_dep_in;        // "Склад отгрузки:"
    QPushButton* Button1;              // "Записать"
    QPushButton* Button2;              // "Отмена"
};

extern TForm54* Form54;
