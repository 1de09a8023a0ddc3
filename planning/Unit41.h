// Marketing's list of production requests ("Заявки в производство (41)"):
// add, change and delete a request's header; a double click or the row's
// "..." opens its lines (Form42).
#pragma once

#include "zui_screens.h"

class TForm41 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm41(QWidget* parent = nullptr);

    // The lines of a request that have left stage 0.
    zdb::Query* cnt_order_in;

    // "Добавить": a new request in Form43, today's dates, the last executor and counterparty.
    void Button1Click() override;
    // "Удалить": only a request whose lines are all still in stage 0, with its lines.
    void Button3Click() override;
    // "Изменить": the current request in Form43.
    void changeRow() override;
    // A double click on a row or its "...": the request's lines in Form42.
    void DBGridEh1DblClick();
};

extern TForm41* Form41;
