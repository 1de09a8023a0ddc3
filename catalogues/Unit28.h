// Kinds of nomenclature; each row opens the inventory items of its kind.
#pragma once

#include "catalogue.h"

class TForm28 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm28(QWidget* parent = nullptr);

    void Button1Click() override;
    void changeRow() override;
    // The cell button of the items column.
    void DBGridEh1Columns2EditButtonClick();
};

extern TForm28* Form28;
