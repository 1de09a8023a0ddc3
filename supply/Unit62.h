// Lines of one purchase request: their stages, prices, additions and deletions.
#pragma once

#include "zui_screens.h"

class TForm62 : public zui::DocumentScreen {
    Q_OBJECT
public:
    explicit TForm62(QWidget* parent = nullptr);

    // The request whose lines are shown.
    int id_purchase_doc_sel = 0;

    zdb::Query* purchase_spec;

    // The request's header, from the current row of the request list.
    zui::DBText* DBText1;  // "Номер:"
    zui::DBText* DBText2;  // "Дата отгр.:"
    zui::DBText* DBText3;  // "Контрагент:"
    zui::DBText* DBText4;  // "Исполнитель:"
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button3;  // "Удалить"
    QPushButton* Button4;  // "Выход"

    void FormCreate() override;
    // The request's sum follows the changes of its lines.
    void FormClose() override;

    void Button1Click();
    void Button3Click();
    // A double click: "Оформление" and "Закупка" swap, once the line has a price.
    void DBGridEh1DblClick();
    // The price column: the price editor.
    void DBGridEh1CellButtonClick(int column);
};

extern TForm62* Form62;
