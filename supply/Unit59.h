// Needs of bought materials against their stock; a purchase request for what
// is to buy.
#pragma once

#include "zui_screens.h"

class TForm59 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm59(QWidget* parent = nullptr);

    zdb::Query* gds_needed;

    // The logged-in user's person, the executor of a new request. The session
    // lives on the production board, above this screen: its opener hands it.
    int person_id = 0;

    QPushButton* Button1;  // "Новая заявка"

    // One purchase request for the selected rows (or the current one) that
    // have something to buy, then its lines.
    void Button1Click();
};

extern TForm59* Form59;
