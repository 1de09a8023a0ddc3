// Current production: request lines summed per product, material and colour,
// with the material needed and the free stock of it.
#pragma once

#include "zui_screens.h"

class TForm46 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm46(QWidget* parent = nullptr);

    zdb::Query* app_spec;

    QPushButton* Button1;  // "Краска"

    void DBGridEh1DblClick();  // the lines of the row's product, to reserve
    void Button1Click();       // the paint summary
};

extern TForm46* Form46;
