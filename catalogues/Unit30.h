// Departments: the list of departments and warehouses.
#pragma once

#include "catalogue.h"

class TForm30 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);

    void Button1Click() override;
    void changeRow() override;
};

extern TForm30* Form30;
