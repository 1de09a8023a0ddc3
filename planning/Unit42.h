// Lines of one marketing request ("Ведение данных (42)"): the request's
// header from the current row of the request list, its lines (a line still
// in stage 0 on light red), add a line (Form44) and delete one in stage 0.
#pragma once

#include "zui_screens.h"

class TForm42 : public zui::DocumentScreen {
    Q_OBJECT
public:
    explicit TForm42(QWidget* parent = nullptr);

    // The request whose lines are shown; set by Form41.
    int id_app_doc_sel = 0;
    zdb::Query* app_spec;

    // The request's header, from the current row of the request list.
    zui::DBText* DBText1;  // "Номер:"
    zui::DBText* DBText2;  // "Дата пр-ва:"
    zui::DBText* DBText3;  // "Дата отгр.:"
    zui::DBText* DBText4;  // "Контрагент:"
    zui::DBText* DBText5;  // "Исполнитель:"
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button3;  // "Удалить"
    QPushButton* Button4;  // "Выход"

    void Button1Click();
    void Button3Click();
};

extern TForm42* Form42;
