#include "Unit46.h"

#include "Unit6.h"

TForm46* Form46 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT sum(as1.cnt-as1.done) as cnt_done, sum(as1.cnt) as sum_all, sum(as1.done) as done, as1.id_ii, ii.marka ii_s_caption, m.s_identification as msm_s_caption, ii2.marka as gds_s_caption,  \n"
    "sum(ii.massa*as1.cnt)::t_money as gds_need,  case when  (select sum(distinct s.count) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id) \n"
    "isnull then 0 else (select sum(distinct s.count) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id) end as stk_gds, as1.id_ral \n"
    "FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, mnf_proc_tech.proc_tech pt2\n"
    "left join cmn_inventory_items.inventory_items ii2 on pt2.id_gds = ii2.id  \n"
    "where as1.id_ii = ii.id and m.id = ii.id_msm and pt2.id_inventory_items = ii.id \n"
    "group by ii.id, as1.id_ii, ii.marka, m.s_identification, ii2.marka, as1.id_ral  ;";

}  // namespace

using A = zui::DBGrid::Align;

TForm46::TForm46(QWidget* parent)
    : zui::GridScreen({"Form46", QStringLiteral("Текущее производство (46)"), zui::Placement::CentredOnDesktop, nullptr, 860, 420},
                      {{QStringLiteral("Продукция"), QStringLiteral("ii_s_caption"), A::Auto, 200},
                       {QStringLiteral("ТМЦ"), QStringLiteral("gds_s_caption"), A::Auto, 180},
                       {QStringLiteral("Всего"), QStringLiteral("sum_all")},
                       {QStringLiteral("Готово"), QStringLiteral("done")},
                       {QStringLiteral("Сделать"), QStringLiteral("cnt_done")},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                       {QStringLiteral("Потребность"), QStringLiteral("gds_need")},
                       {QStringLiteral("Склад"), QStringLiteral("stk_gds")}},
                      parent) {
    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));
    setList(app_spec);
    Button1 = addButton("Button1", QStringLiteral("Краска"));
    setDefaultButton(Button1);
}
