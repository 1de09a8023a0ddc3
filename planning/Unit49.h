// Paint needed by the request lines not yet reserved, per colour, against its
// free stock: what is to buy. Read-only; opened from current production.
#pragma once

#include "zui_screens.h"

class TForm49 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm49(QWidget* parent = nullptr);

    zdb::Query* paint;
};

extern TForm49* Form49;
