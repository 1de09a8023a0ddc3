#include "Unit36.h"

#include "Unit37.h"
#include "Unit47.h"
#include "Unit56.h"
#include "Unit6.h"

TForm36* Form36 = nullptr;

using A = zui::DBGrid::Align;

TForm36::TForm36(QWidget* parent)
    : zui::GridScreen({"Form36", QStringLiteral("Склад ТМЦ (36)"), zui::Placement::AsDesigned, DataModule6->stock, 840, 420},
                      {{QStringLiteral("ТМЦ"), QStringLiteral("ii_caption"), A::Auto, 240},
                       {QStringLiteral("Кол-во"), QStringLiteral("count"), A::Auto, 90},
                       {QStringLiteral("Резерв"), QStringLiteral("reserve"), A::Auto, 90},
                       {QStringLiteral("Остаток"), QStringLiteral("balance"), A::Auto, 90},
                       {QStringLiteral("Склад"), QStringLiteral("d_caption"), A::Auto, 180},
                       {QStringLiteral("Цена"), QStringLiteral("price"), A::Auto, 90}},
                      parent) {
    Button1 = addButton("Button1", QStringLiteral("Приход"));
    Button3 = addButton("Button3", QStringLiteral("Расход"));
    Button2 = addButton("Button2", QStringLiteral("Перемещение"));
    zui::on(Button1, &QPushButton::clicked, this, &TForm36::Button1Click);
    zui::on(Button2, &QPushButton::clicked, this, &TForm36::Button2Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm36::Button3Click);
}

void TForm36::Button1Click() {
    Form37->Tag = 0;
    DataModule6->stock_in->open();
    DataModule6->stock_in->setSort(QStringLiteral("date_in DESC"));
    Form37->Button1->setVisible(true);
    Form37->Button3->setVisible(true);
    Form37->showModal();
    DataModule6->stock_in->close();
}

// Within the raw-materials and blanks warehouses.
void TForm36::Button2Click() { Form56->moveFrom(DataModule6->stock, {1, 2}); }

void TForm36::Button3Click() {
    Form47->Tag = 0;
    DataModule6->spec_out->open();
    Form47->Button1->setVisible(true);
    Form47->showModal();
    DataModule6->spec_out->close();
}
