// Purchase requests.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm60 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm60(QWidget* parent = nullptr);

    zdb::Query* purchase_doc;

    // The cell button of the counterparty column: the counterparty picker, whose
    // choice goes into the current request at once.
    void DBGridEh1CellButtonClick(int column);
};

extern TForm60* Form60;
