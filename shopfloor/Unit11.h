// Entry of one shift record and of its brigade; opened from the production board.
// Saving and the brigade actions come with their own issue.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zdb {
class Command;
class Query;
}

class TForm11 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm11(QWidget* parent = nullptr);

    // Values kept between the screen's events; the mode is the screen's Tag.
    int record_id = 0;
    int w_id = 0;
    int i_id = 0;
    int o_id = 0;
    int id_doc = 0;
    int id_doc_item = 0;
    int id_gds = 0;
    double qty_need = 0;
    double base_price = 0;
    double price = 0;
    int record_worker = 0;
    int brigade_member = 0;

    QGroupBox* GroupBox1;
    QLabel* Label13;
    zui::LookupBox* LCB_id_doc;
    QLabel* Label14;
    zui::LookupBox* LCB_id_doc_item;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* Button3;
    QLabel* Label2;
    zui::DBText* DBText1;
    QLabel* Label3;
    QLineEdit* Edit3;
    QLabel* Label7;
    QLineEdit* Edit6;
    QLabel* Label5;
    zui::DatePicker* DTimeP;
    QLabel* Label4;
    QLineEdit* Edit4;
    QLabel* Label11;
    QLineEdit* Edit7;
    QLabel* Label9;
    QLineEdit* Edit8;
    QLabel* Label8;
    QLineEdit* Edit5;
    QLabel* Label10;
    QPushButton* Button1;  // "Запись"
    QLabel* Label6;
    zui::DBGrid* DBGrid2;
    QPushButton* Button7;  // "Добавить"
    QPushButton* Button8;  // "Удалить"
    QPushButton* Button9;  // "Сохранить"
    QPushButton* Button2;  // "Выход"

    zdb::Query* app_spec;
    zdb::Query* app_doc_by_gds;
    zdb::Query* v_mnf_requisition;
    zdb::Query* v_mnf_requisition_item;
    zdb::Query* tp_operation;
    zdb::Query* tp_o;
    zdb::Query* cnt_done;
    zdb::Query* smena_gds_use;
    zdb::Query* smena_max_id;
    zdb::Query* fio_smena_gds;
    zdb::Command* ins_person;
    zdb::Command* save_all;
    zdb::Command* SmenaIU;

    // The worker picker ("..." beside the worker; the brigade's "Добавить" keeps
    // the list's own "Добавить"). Returns the picker's 'picked': 1 when a
    // person other than the record's worker was chosen.
    int pickPerson(bool hideAdd);
    void Button3Click();
};

extern TForm11* Form11;
