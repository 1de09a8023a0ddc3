#include "Unit51.h"

#include "Unit6.h"

TForm51* Form51 = nullptr;

namespace {

const char* kStockIn =
    "select si.*, d.s_caption as dep_caption, d1.s_caption as jp_caption\n"
    "from stk_stocks.stock_in si, cmn_department.department d, cmn_department.department d1\n"
    "where si.id_department = d.id and si.id_jur_pers = d1.id and (d.\"type\" =0 or d.\"type\" =1) order by si.id DESC";

const char* kCntOrderIn =
    "select count(si.id) as cnt from stk_stocks.spec_in si where si.id_stock_in = :id_stock_in and si.accept=true";

}  // namespace

using A = zui::DBGrid::Align;

TForm51::TForm51(QWidget* parent)
    : zui::ListScreen({"Form51", QStringLiteral("Приход ГП (51)"), zui::Placement::CentredOnDesktop, nullptr, {}, {},
                       zui::FilterBox::KeyMode::ConsumeAll, 680, 400, false},
                      {{QStringLiteral("Дата"), QStringLiteral("date_in"), A::Auto, 90},
                      {QStringLiteral("№ ордера"), QStringLiteral("id")},
                      {QStringLiteral("Подразделение"), QStringLiteral("jp_caption"), A::Auto, 220},
                      {QStringLiteral("Склад"), QStringLiteral("dep_caption"), A::Auto, 200},
                      {}},
                      parent) {
    stock_in = ownQuery(this, "stock_in", QString::fromUtf8(kStockIn));
    cnt_order_in = ownQuery(this, "cnt_order_in", QString::fromUtf8(kCntOrderIn));
    setList(stock_in);
}
