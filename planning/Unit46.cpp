#include "Unit46.h"

#include "Unit48.h"
#include "Unit49.h"
#include "Unit6.h"

TForm46* Form46 = nullptr;

namespace {

// Processes are taken once per material, so a line counts once in each row
// of its product; the stock is the material's free quantity.
const char* kAppSpec =
    "with free as (select s.id_ii, sum(s.count - s.reserve) as free from stk_stocks.stock s group by s.id_ii)\n"
    "SELECT sum(as1.cnt-as1.done) as cnt_done, sum(as1.cnt) as sum_all, sum(as1.done) as done, as1.id_ii, ii.marka ii_s_caption,\n"
    "m.s_identification as msm_s_caption, ii2.marka as gds_s_caption, sum(ii.massa*as1.cnt)::t_money as gds_need,\n"
    "coalesce(f.free, 0) as stk_gds, as1.id_ral, ral.marka as ral_s_caption\n"
    "FROM mnf_app.app_spec as1\n"
    "join cmn_inventory_items.inventory_items ii on ii.id = as1.id_ii\n"
    "join cmn_msm.msm m on m.id = ii.id_msm\n"
    "join (select distinct p.id_inventory_items, p.id_gds from mnf_proc_tech.proc_tech p) pt2 on pt2.id_inventory_items = ii.id\n"
    "left join cmn_inventory_items.inventory_items ii2 on pt2.id_gds = ii2.id\n"
    "left join cmn_inventory_items.inventory_items ral on ral.id = as1.id_ral\n"
    "left join free f on f.id_ii = pt2.id_gds\n"
    "group by ii.id, as1.id_ii, ii.marka, m.s_identification, pt2.id_gds, ii2.marka, f.free, as1.id_ral, ral.marka\n"
    "order by ii.marka, ii2.marka, ral.marka";

}  // namespace

using A = zui::DBGrid::Align;

TForm46::TForm46(QWidget* parent)
    : zui::GridScreen({"Form46", QStringLiteral("Текущее производство (46)"), zui::Placement::CentredOnDesktop, nullptr, 860, 420},
                      {{QStringLiteral("Продукция"), QStringLiteral("ii_s_caption"), A::Auto, 200},
                       {QStringLiteral("ТМЦ"), QStringLiteral("gds_s_caption"), A::Auto, 180},
                       {QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), A::Auto, 90},
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
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, &TForm46::DBGridEh1DblClick);
    zui::on(Button1, &QPushButton::clicked, this, &TForm46::Button1Click);
}

void TForm46::DBGridEh1DblClick() {
    if (!hasRows()) return;
    zdb::Query* lines = DataModule6->app_spec;
    lines->close();
    lines->setParam(QStringLiteral("ii_id"), currentInt(QStringLiteral("id_ii")));
    lines->open();
    Form48->showModal();
    lines->close();
}

void TForm46::Button1Click() {
    Form49->paint->open();
    Form49->showModal();
    Form49->paint->close();
}
