// Editor of a new line of a marketing request ("Ведение данных (44)"):
// product (with a technological process), count, colour, price.
#pragma once

#include "zui_screens.h"

class TForm44 : public zui::EditorScreen {
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

    // "Записать": the line into the request Form42 shows.
    void Button1Click() override;
    // The product picker: products that have a technological process.
    void Button5Click();
    void FormClose() override;

private:
    // How many lines of the request hold the chosen product.
    qlonglong linesOfProduct(int doc);
};

extern TForm44* Form44;
