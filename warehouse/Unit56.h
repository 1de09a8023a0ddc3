// Moving part of a stock row to another warehouse. The stock screen that opens
// it says which kinds of warehouse may receive, so every stock list can use it.
#pragma once

#include "zui_screens.h"

#include <initializer_list>

class TForm56 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm56(QWidget* parent = nullptr);

    zdb::Query* stk_to;  // the warehouses that may receive

    QGroupBox* GroupBox1;
    QLineEdit* Edit1;              // "ТМЦ:"
    QLineEdit* Edit2;              // "Со склада:"
    QLineEdit* Edit3;              // "Свободно:"
    zui::LookupBox* LCB_stk_to;    // "На склад:"
    QLineEdit* Edit4;              // "Количество:"

    // Shows the dialog for the current row of 'stock' (a stock list with the
    // fields of the shared stock list) with the warehouses of 'kinds' but the
    // row's own to choose from; after a move the list is reread onto the row.
    // A row with nothing free is refused with a message.
    void moveFrom(zdb::Dataset* stock, std::initializer_list<int> kinds);

    void Button1Click() override;

private:
    zdb::Dataset* stock_ = nullptr;
    qlonglong id_stock_row_ = 0;
};

extern TForm56* Form56;
