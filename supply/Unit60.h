// Purchase requests: the list, its header editor and the way to its lines.
#pragma once

#include "zui_screens.h"

class TForm60 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm60(QWidget* parent = nullptr);

    zdb::Query* purchase_doc;

    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"

    void Button1Click();
    void Button2Click();
    void Button3Click();
    // The counterparty column: the counterparty picker, whose choice goes into
    // the current request at once; the last column: the request's lines.
    void DBGridEh1CellButtonClick(int column);
    // The lines of the current request (Form62); nothing on an empty list.
    void showLines();
};

extern TForm60* Form60;
