// Editor of one technological process: header and its ordered operations.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zdb {
class Query;
}

class TForm33 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm33(QWidget* parent = nullptr);

    int id_pt_edit = 0;  // 0 until a new process is saved
    int id_ii_sel = 0;
    int id_gds_sel = 0;
    // Header texts as last loaded or saved, to tell whether the header changed.
    QString saved_ii;
    QString saved_caption;
    QString saved_gds;

    zdb::Query* full_price;
    zdb::Query* max_id_pt;  // the new process's key, returned by its insert

    QGroupBox* GroupBox1;  // "Техпроцесс № " + id
    QLineEdit* Edit2;      // "Изделие:"
    QPushButton* Button5;
    QLineEdit* Edit4;      // "Исходный ТМЦ:"
    QPushButton* Button7;
    QLineEdit* Edit3;      // "Наименование ТП:"
    QPushButton* Button6;  // "Сохранить"
    QLabel* Label4;        // "Итого:"
    zui::DBText* DBText1;  // the total
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"
    QLineEdit* Edit1;      // no function
    QPushButton* Button4;  // "Сохранить и выйти"
    QPushButton* Button8;  // "Отмена"

    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();

private:
    void saveHeader();
};

extern TForm33* Form33;
