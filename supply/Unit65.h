// Picker of purchase lines being bought, for a receipt order.
#pragma once

#include "zui_screens.h"

#include <functional>

class TForm65 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm65(QWidget* parent = nullptr);

    zdb::Query* purchase_spec;

    QPushButton* Button1;  // "Выбрать"

    // Shows the lines being bought; the chosen ones become lines of the receipt
    // order 'orderId', after which 'reread' rereads the order's lines. The order
    // screen is above this one, so it hands both.
    void pickFor(int orderId, std::function<void()> reread);

    // "Выбрать" and a double click: every selected line or none.
    void Button1Click();

private:
    int id_stock_in_ = 0;
    std::function<void()> reread_;
};

extern TForm65* Form65;
