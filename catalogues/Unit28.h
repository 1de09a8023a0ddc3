// Kinds of nomenclature; each row opens the inventory items of its kind.
#pragma once

#include "catalogue.h"

class TForm28 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm28(QWidget* parent = nullptr);

    void Button1Click() override;
    void Button2Click() override;
    // The cell button of the items column.
    void DBGridEh1Columns2EditButtonClick();
};

extern TForm28* Form28;
