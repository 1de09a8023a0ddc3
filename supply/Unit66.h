// Editor of a purchase line's price.
// The screen's actions come with its own issue.
#pragma once

#include "zui_form.h"

class QGroupBox;
class QLineEdit;
class QPushButton;

class TForm66 : public zui::TForm {
    Q_OBJECT
public:
    explicit TForm66(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;  // captioned with the line's item
    QLineEdit* Edit1;      // "Цена:"
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена"
};

extern TForm66* Form66;
