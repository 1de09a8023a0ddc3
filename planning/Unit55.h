// Production view of all request lines: the reserve (a double click), clearing
// a line's works (from the production board only) and a request to stock.
#pragma once

#include "reserve.h"
#include "zui_screens.h"

#include <functional>

class TForm55 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm55(QWidget* parent = nullptr);

    zdb::Query* app_spec;
    zdb::Query* proc_tech;
    zdb::Query* price_ral;
    zdb::Query* app_doc;
    zdb::Query* gds_needed;
    zdb::Query* cost_price;
    zdb::Query* purchase_doc;
    zdb::Query* smena;

    QPushButton* Button1;  // "Очистить работы", shown only when opened from the production board
    QPushButton* Button2;  // "На склад"

    // The login's user and that user's person; the production board keeps
    // them, so start-up hands them over.
    std::function<int()> user_id;
    std::function<int()> person_id;

    // As the production board's "Заявки" opens it: with "Очистить работы".
    void showFromBoard();

    void DBGridEh1DblClick();  // the reserve of the current line
    void Button1Click();       // "Очистить работы"
    void Button2Click();       // "На склад"

private:
    reserve::Operation reserve_;
};

extern TForm55* Form55;
