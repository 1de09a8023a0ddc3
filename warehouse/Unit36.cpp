#include "Unit36.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QPushButton>

TForm36* Form36 = nullptr;

TForm36::TForm36(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form36"));
    setWindowTitle(QStringLiteral("Склад ТМЦ (36)"));

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", DataModule6->stock,
                             {{QStringLiteral("ТМЦ"), QStringLiteral("ii_caption"), A::Auto, 240},
                              {QStringLiteral("Кол-во"), QStringLiteral("count"), A::Auto, 90},
                              {QStringLiteral("Резерв"), QStringLiteral("reserve"), A::Auto, 90},
                              {QStringLiteral("Остаток"), QStringLiteral("balance"), A::Auto, 90},
                              {QStringLiteral("Склад"), QStringLiteral("d_caption"), A::Auto, 180},
                              {QStringLiteral("Цена"), QStringLiteral("price"), A::Auto, 90}},
                             840, 420);

    Button1 = zparts::button("Button1", QStringLiteral("Приход"));
    Button3 = zparts::button("Button3", QStringLiteral("Расход"));
    Button2 = zparts::button("Button2", QStringLiteral("Перемещение"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    zparts::layOutList(this, DBGridEh1, {Button1, Button3, Button2}, Button4);

    setupScreen(zui::Placement::AsDesigned);
}
