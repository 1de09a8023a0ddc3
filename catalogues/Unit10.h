// Editor of one operation of a process.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

namespace zdb {
class Query;
class Table;
}

class TForm10 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm10(QWidget* parent = nullptr);

    int id_type_sel = 0;  // written by the operation type picker

    zdb::Query* max_num;
    zdb::Table* operation_state;

    QGroupBox* GroupBox1;  // "Цена операции"
    QLineEdit* Edit1;      // "№ по порядку"
    QLineEdit* Edit2;      // "Операция"
    QPushButton* Button4;  // "..."
    zui::LookupBox* cb_operation_state;  // "Вид"
    QLineEdit* Edit3;      // "Цена"
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"

    void FormActivate() override;
    void Button1Click();
    void Button4Click();
};

extern TForm10* Form10;
