// Contents of a finished-goods receipt order; taking produced lines in.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

namespace zdb {
}

class TForm53 : public zui::DocumentScreen {
    Q_OBJECT
public:
    explicit TForm53(QWidget* parent = nullptr);

    zdb::Query* spec_in;
    zdb::Query* app_spec_in;
    zdb::Query* cnt_stock;
    zdb::Query* stock_price;

    // The order's header, from the current row of the order list.
    zui::DBText* DBText1;     // "Дата:"
    zui::DBText* DBText2;     // "Подразделение:"
    zui::DBText* DBText3;     // "Склад отгрузки:"
    zui::DBGrid* DBGridEh1;   // produced lines to take in
    zui::DBGrid* DBGridEh2;   // lines of a filled order
    QPushButton* Button1;     // "Принять"
    QPushButton* Button2;     // "Принять все"
    QPushButton* Button3;     // "Сохранить"
    QPushButton* Button4;     // "Отмена"

    void FormCreate() override;
};

extern TForm53* Form53;
