// Positions of the staff list.
#pragma once

#include "catalogue.h"

class TForm26 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm26(QWidget* parent = nullptr);

    void Button1Click() override;
    void changeRow() override;
};

extern TForm26* Form26;
