// Editor of a new line of a purchase request.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zdb {
class Query;
}

class TForm63 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm63(QWidget* parent = nullptr);

    // Written by the item picker.
    int id_ii_sel = 0;
    int ral_sel = 0;
    int id_gds_sel = 0;

    zdb::Query* cnt_ii;

    QGroupBox* GroupBox1;  // "Заявка на закупку № " and the request's number
    QLineEdit* Edit2;      // "МТР:"
    QPushButton* Button5;
    QLineEdit* Edit3;      // "Количество:"
    QLabel* Label2;        // the item's unit
    QLineEdit* Edit1;      // "Цена:"
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"
};

extern TForm63* Form63;
