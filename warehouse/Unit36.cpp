#include "Unit36.h"

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
}
