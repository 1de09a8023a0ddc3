// Roles, administration: adds roles and switches them on and off.
#pragma once

#include "catalogue.h"

class TForm35 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm35(QWidget* parent = nullptr);

    void Button1Click() override;
    void changeRow() override;
    void Button3Click() override {}
    void FormActivate() override;
    void FormClose() override;
};

extern TForm35* Form35;
