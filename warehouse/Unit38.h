// Lines of one receipt order and their acceptance into stock.
#pragma once

#include "zui_screens.h"

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

    void Button1Click();
    // Lines taken over from purchase requests, through their picker.
    void Button2Click();
    // An accepted line stays.
    void Button3Click();
    // The double click: takes the line into stock at the new average price.
    void DBGridEh1DblClick();
    // The order list follows the acceptances (its light red marks).
    void FormClose() override;
};

extern TForm38* Form38;
