// Picker of purchase lines being bought, for a receipt order.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm65 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm65(QWidget* parent = nullptr);

    zdb::Query* purchase_spec;

    QPushButton* Button1;  // "Выбрать"
};

extern TForm65* Form65;
