// Lines of one purchase request.
// The screen's actions come with its own issue.
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
};

extern TForm62* Form62;
