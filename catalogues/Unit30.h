// Departments: the list of departments and warehouses.
#pragma once

#include "catalogue.h"

class TForm30 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm30(QWidget* parent = nullptr);

    void Button1Click() override;
    void Button2Click() override;
};

extern TForm30* Form30;
