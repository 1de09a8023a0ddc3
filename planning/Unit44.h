// Editor of a new line of a marketing request.
// The screen's actions come with its own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zdb {
class Query;
}

class TForm44 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm44(QWidget* parent = nullptr);

    // Written by the item picker.
    int id_ii_sel = 0;
    int id_gds_sel = 0;
    int ral_sel = 0;

    zdb::Query* cnt_ii;
    zdb::Query* ral;
    zdb::Query* cost_price;

    QGroupBox* GroupBox1;  // "Заявка в производство № " and the request's number
    QLineEdit* Edit2;      // "Изделие:"
    QPushButton* Button5;
    zui::DBText* DBText1;  // "Себестоимость:"
    QLineEdit* Edit3;      // "Количество:"
    QLabel* Label2;        // the product's unit
    zui::LookupBox* LCB_ral;
    QLineEdit* Edit1;      // "Цена:"
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"
};

extern TForm44* Form44;
