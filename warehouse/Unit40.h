// Editor of a new line of a receipt order (lines are only added, never changed).
#pragma once

#include "zui_screens.h"

class TForm40 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm40(QWidget* parent = nullptr);

    // Written by the item picker.
    int id_ii_sel = 0;
    int id_msm_sel = 0;

    QGroupBox* GroupBox1;  // captioned by the opener
    QLineEdit* Edit2;      // "ТМЦ:"
    QPushButton* Button5;
    QLineEdit* Edit3;      // "Количество:"
    QLabel* Label5;        // the item's unit
    QLineEdit* Edit1;      // "Цена:"

    // The item picker over every item but the products.
    void Button5Click();
    void Button1Click() override;
    void FormClose() override;
};

extern TForm40* Form40;
