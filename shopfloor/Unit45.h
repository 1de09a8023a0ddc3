// The shop floor's daily board: the work of one day by shift and overtime.
// It also keeps the session values of the login.
#pragma once

#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

#include <QString>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace zdb {
class Query;
}

class TForm45 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm45(QWidget* parent = nullptr);

    // Session values, set by the login.
    int current_shift = 1;
    int user_id = 0;
    int person_id = 0;
    QString user_login;
    QString user_password;

    QCheckBox* CBox1;
    zui::DatePicker* DateT;
    QRadioButton* RadioButton1;
    QRadioButton* RadioButton2;
    QRadioButton* RadioButton3;
    QRadioButton* RadioButton4;
    zui::DBGrid* DBGrid2;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button8;  // "Обновить"
    QPushButton* Button7;  // "Заявки"
    QPushButton* Button4;  // "Выход"

    void FormActivate() override;
    void DateTChange();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void RadioButton4Click();
    // Adding and changing a shift record come with the shift record entry.
    void Button1Click() {}
    void Button2Click() {}
    void Button8Click();
    void Button7Click();

    // The shift list shown in the grid: that of current_shift.
    zdb::Query* selectedShift() const;

private:
    void selectShift(int shift);
    void closeShifts();
};

extern TForm45* Form45;
