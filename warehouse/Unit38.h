// Lines of one receipt order and their acceptance into stock.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

namespace zdb {
}

class TForm38 : public zui::DocumentScreen {
    Q_OBJECT
public:
    explicit TForm38(QWidget* parent = nullptr);

    // The order whose lines are shown.
    int id_stock_in_sel = 0;

    zdb::Query* spec_in;
    zdb::Query* cnt_stock;
    zdb::Query* price_stock;

    // The order's header, from the current row of the order list.
    zui::DBText* DBText1;  // "Номер:"
    zui::DBText* DBText2;  // "Дата:"
    zui::DBText* DBText3;  // "Контрагент:"
    zui::DBText* DBText4;  // "Сопроводит. док-т:"
    zui::DBText* DBText5;  // "Спецификация:"
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Заявка"
    QPushButton* Button3;  // "Удалить"
    QPushButton* Button4;  // "Выход"

    // Lines taken over from purchase requests, through their picker.
    void Button2Click();
};

extern TForm38* Form38;
