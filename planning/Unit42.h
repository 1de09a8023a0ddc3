// Lines of one marketing request.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

class QPushButton;

namespace zdb {
class Query;
}

class TForm42 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm42(QWidget* parent = nullptr);

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
};

extern TForm42* Form42;
