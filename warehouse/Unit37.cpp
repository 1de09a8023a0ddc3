#include "Unit37.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QPushButton>

TForm37* Form37 = nullptr;

namespace {

const char* kCntOrderIn =
    "select count(si.id) as cnt from stk_stocks.spec_in si where si.id_stock_in = :id_stock_in and si.accept=true";

}  // namespace

TForm37::TForm37(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form37"));
    setWindowTitle(QStringLiteral("Приходные ордера (37)"));

    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));

    zdb::Query* orders = DataModule6->stock_in;
    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", orders,
                             {{QStringLiteral("Дата"), QStringLiteral("date_in"), A::Auto, 90},
                              {QStringLiteral("№ ордера"), QStringLiteral("id")},
                              {QStringLiteral("№ сопр. док-та"), QStringLiteral("id_accomp_doc"), A::Auto, 110},
                              {QStringLiteral("Контрагент"), QStringLiteral("jp_caption"), A::Auto, 240},
                              {QStringLiteral("Склад"), QStringLiteral("dep_caption"), A::Auto, 160},
                              {}},
                             820, 420);
    // Orders with lines still to accept stand out.
    DBGridEh1->setRowColors([orders](int row) {
        zui::DBGrid::RowColors c;
        const int open = orders->fieldIndex(QStringLiteral("cnt_accept"));
        if (open >= 0 && orders->value(row, open).toLongLong() > 0) c.background = QColor(255, 238, 238);
        return c;
    });

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    zparts::layOutList(this, DBGridEh1, {Button1, Button2, Button3}, Button4);

    setupScreen(zui::Placement::AsDesigned);
}
