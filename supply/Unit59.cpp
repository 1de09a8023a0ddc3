#include "Unit59.h"

#include "Unit6.h"

#include <cmath>

TForm59* Form59 = nullptr;

namespace {

const char* kGdsNeeded =
    "select sum(as2.cnt*ii.massa) as all_gds_need, sum(as2.cnt*ii.massa)- (case (select sum(s.count) as sum_cnt from stk_stocks.stock s "
    "where s.id_ii = as2.id_gds) isnull when true then 0 else (select sum(s.count) as sum_cnt from stk_stocks.stock s "
    "where s.id_ii = as2.id_gds) end) as gds_need, ii2.marka, as2.id_gds,\n"
    "case (select sum(s.count) as sum_cnt from stk_stocks.stock s where s.id_ii = as2.id_gds) isnull when true then 0 "
    "else (select sum(s.count) as sum_cnt from stk_stocks.stock s where s.id_ii = as2.id_gds) end as gds_stk\n"
    "from mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii, cmn_inventory_items.inventory_items ii2\n"
    "where ii.id=as2.id_ii and ii2.id=as2.id_gds and ii2.id_type = 0 group by ii2.marka, as2.id_gds";

}  // namespace

TForm59::TForm59(QWidget* parent)
    : zui::GridScreen({"Form59", QStringLiteral("Потребность ТМЦ (59)"), zui::Placement::CentredOnDesktop, nullptr, 640, 420},
                      {{QStringLiteral("ТМЦ"), QStringLiteral("marka"), zui::DBGrid::Align::Auto, 260},
                       {QStringLiteral("Общая потреб."), QStringLiteral("all_gds_need"), zui::DBGrid::Align::Auto, 110},
                       {QStringLiteral("На складах"), QStringLiteral("gds_stk"), zui::DBGrid::Align::Auto, 110},
                       {QStringLiteral("Купить"), QStringLiteral("gds_need"), zui::DBGrid::Align::Auto, 110}},
                      parent) {
    gds_needed = ownQuery(this, "gds_needed", QString::fromUtf8(kGdsNeeded));
    setList(gds_needed);
    // What is to buy in red, what lies in excess in green; a shortfall that
    // rounds to nothing is not marked (halves to the even neighbour).
    DBGridEh1->setRowColors([this](int row) {
        zui::DBGrid::RowColors c;
        const int need = gds_needed->fieldIndex(QStringLiteral("gds_need"));
        if (need < 0) return c;
        const double rounded = std::nearbyint(gds_needed->value(row, need).toDouble());
        if (rounded > 0) {
            c.background = QColor(255, 238, 238);
            c.text = QColor(128, 0, 0);
        } else if (rounded < 0) {
            c.background = QColor(238, 255, 238);
            c.text = QColor(0, 128, 0);
        }
        return c;
    });
}
