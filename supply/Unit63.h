// Editor of a new line of a purchase request.
#pragma once

#include "zui_screens.h"

class TForm63 : public zui::EditorScreen {
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

    // The item picker over the bought materials.
    void Button5Click();
    // Adds the line to the request that Form62 shows; a material once per request.
    void Button1Click() override;
};

extern TForm63* Form63;
