#include "Unit51.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QPushButton>

TForm51* Form51 = nullptr;

namespace {

const char* kStockIn =
    "select si.*, d.s_caption as dep_caption, d1.s_caption as jp_caption\n"
    "from stk_stocks.stock_in si, cmn_department.department d, cmn_department.department d1\n"
    "where si.id_department = d.id and si.id_jur_pers = d1.id and (d.\"type\" =0 or d.\"type\" =1) order by si.id DESC";

const char* kCntOrderIn =
    "select count(si.id) as cnt from stk_stocks.spec_in si where si.id_stock_in = :id_stock_in and si.accept=true";

}  // namespace

TForm51::TForm51(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form51"));
    setWindowTitle(QStringLiteral("Приход ГП (51)"));

    stock_in = ownQuery(this, "stock_in", QString::fromUtf8(kStockIn));
    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));

    using A = zui::DBGrid::Align;
    DBGridEh1 = zparts::grid("DBGridEh1", stock_in,
                             {{QStringLiteral("Дата"), QStringLiteral("date_in"), A::Auto, 90},
                              {QStringLiteral("№ ордера"), QStringLiteral("id")},
                              {QStringLiteral("Подразделение"), QStringLiteral("jp_caption"), A::Auto, 220},
                              {QStringLiteral("Склад"), QStringLiteral("dep_caption"), A::Auto, 200},
                              {}},
                             680, 400);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    zparts::layOutList(this, DBGridEh1, {Button1, Button2, Button3}, Button4, Button1);

    setupScreen(zui::Placement::CentredOnDesktop);
}
