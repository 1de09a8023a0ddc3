#include "Unit49.h"

#include "Unit6.h"

TForm49* Form49 = nullptr;

namespace {

const char* kPaint =
    "with free as (select s.id_ii, sum(s.count - s.reserve) as free from stk_stocks.stock s group by s.id_ii)\n"
    "select as1.id_ral, ral.marka as ral_s_caption, m.s_identification as msm_s_caption,\n"
    "sum(ii.ral_cons*as1.cnt)::t_money as ral_need, coalesce(f.free, 0) as stk_ral,\n"
    "greatest(sum(ii.ral_cons*as1.cnt) - coalesce(f.free, 0), 0)::t_money as ral_buy\n"
    "from mnf_app.app_spec as1\n"
    "join cmn_inventory_items.inventory_items ii on ii.id = as1.id_ii\n"
    "join cmn_inventory_items.inventory_items ral on ral.id = as1.id_ral\n"
    "left join cmn_msm.msm m on m.id = ral.id_msm\n"
    "left join free f on f.id_ii = as1.id_ral\n"
    "where as1.accept = false and as1.id_ral <> 0\n"
    "group by as1.id_ral, ral.marka, m.s_identification, f.free\n"
    "order by ral.marka";

}  // namespace

using A = zui::DBGrid::Align;

TForm49::TForm49(QWidget* parent)
    : zui::GridScreen({"Form49", QStringLiteral("Потребность краски (49)"), zui::Placement::CentredOnDesktop, nullptr, 560, 320},
                      {{QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), A::Auto, 180},
                       {QStringLiteral("Потребность"), QStringLiteral("ral_need")},
                       {QStringLiteral("Склад"), QStringLiteral("stk_ral")},
                       {QStringLiteral("Купить"), QStringLiteral("ral_buy")},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")}},
                      parent) {
    paint = ownQuery(this, "paint", QString::fromUtf8(kPaint));
    setList(paint);
    // What is to buy waits for supply: the light red of rows still waiting.
    DBGridEh1->setRowColors([this](int row) {
        const int buy = paint->fieldIndex(QStringLiteral("ral_buy"));
        if (buy < 0 || paint->value(row, buy).toDouble() <= 0) return zui::DBGrid::RowColors{};
        return zui::DBGrid::RowColors{QColor(255, 238, 238), {}};
    });
}
