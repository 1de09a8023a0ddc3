#include "Unit55.h"

#include "Unit6.h"
#include "reserve_sql.h"

TForm55* Form55 = nullptr;

namespace {

const char* kAppSpec =
    "SELECT as1.id, as1.cnt-as1.done as cnt_done, as1.cnt, as1.done, as1.id_ii, ii.marka ii_s_caption, m.s_identification as msm_s_caption, as1.id_app_doc, ii.ral_cons, as1.job_price, as1.gds_price,\n"
    "ii.ral_cons*cnt as ral_need, ii2.marka as ral_s_caption, ii.massa*as1.cnt as gds_need, ii1.marka as gds_s_caption, ii1.id as id_gds, ii1.id_type as id_type_gds,\n"
    "case when ad.id_app_doc=0 then NULL else ad.id_app_doc end  as ad_id_app_doc, ad.d_mnf, ad.d_out, ad.id_jur_person, ad.id_person, ad.id_app_spec, \n"
    "(select sum(distinct s.count) as stk_gds from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = pt.id_gds and pt.id_inventory_items = ii.id),\n"
    "(select sum(distinct s.count) as stk_ral from stk_stocks.stock s, mnf_proc_tech.proc_tech pt where s.id_ii = as1.id_ral),\n"
    "case when as1.accept then 'Да' else 'Нет' end as yesno,as1.accept, ii.massa*as1.cnt as massa_gds, as1.id_ral,\n"
    "case when as1.accept_stock=2 then 'Да' else 'Нет' end as yesno_stk,as1.accept_stock\n"
    "FROM mnf_app.app_spec as1, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, cmn_inventory_items.inventory_items ii2, cmn_inventory_items.inventory_items ii1, \n"
    "mnf_proc_tech.proc_tech pt, mnf_app.app_doc ad  \n"
    "where as1.id_ii = ii.id and m.id = ii.id_msm  and ii2.id = as1.id_ral and pt.id_inventory_items = ii.id and ii1.id=pt.id_gds and ad.id = as1.id_app_doc \n"
    "group by ii.id, as1.id, ii.marka, m.s_identification,ii.ral_cons,ii2.marka,ii.massa, ii2.massa, ii1.marka, ii1.id, ad.id_app_doc, ad.d_mnf, ad.d_out, ad.id_jur_person, ad.id_person, ad.id_app_spec \n"
    "order by as1.id_app_doc DESC, as1.id desc";

const char* kSmena =
    "SELECT s.* \n"
    "FROM accounts_dep.smena s  \n"
    "where s.id_doc_item = :id_doc_item";

}  // namespace

using A = zui::DBGrid::Align;

TForm55::TForm55(QWidget* parent)
    : zui::GridScreen({"Form55", QStringLiteral("Заявки в производство (55)"), zui::Placement::CentredOnDesktop, nullptr, 1200, 460},
                      {{QStringLiteral("Изделие"), QStringLiteral("ii_s_caption"), A::Auto, 160},
                       {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                       {QStringLiteral("Основание"), QStringLiteral("ad_id_app_doc")},
                       {QStringLiteral("Готово"), QStringLiteral("done")},
                       {QStringLiteral("Сделать"), QStringLiteral("cnt_done")},
                       {QStringLiteral("Ед. изм."), QStringLiteral("msm_s_caption")},
                       {QStringLiteral("Резерв"), QStringLiteral("yesno")},
                       {QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), A::Auto, 100},
                       {QStringLiteral("Потреб. краски"), QStringLiteral("ral_need")},
                       {QStringLiteral("Склад краска"), QStringLiteral("stk_ral")},
                       {QStringLiteral("ТМЦ"), QStringLiteral("gds_s_caption"), A::Auto, 140},
                       {QStringLiteral("Потреб. ТМЦ"), QStringLiteral("gds_need")},
                       {QStringLiteral("Склад ТМЦ"), QStringLiteral("stk_gds")},
                       {QStringLiteral("Принято"), QStringLiteral("yesno_stk")}},
                      parent) {
    app_spec = ownQuery(this, "app_spec", QString::fromUtf8(kAppSpec));
    proc_tech = ownQuery(this, "proc_tech", QString::fromUtf8(reserve_sql::proc_tech));
    price_ral = ownQuery(this, "price_ral", QString::fromUtf8(reserve_sql::price_ral));
    app_doc = ownQuery(this, "app_doc", QString::fromUtf8(reserve_sql::app_doc));
    gds_needed = ownQuery(this, "gds_needed", QString::fromUtf8(reserve_sql::gds_needed));
    cost_price = ownQuery(this, "cost_price", QString::fromUtf8(reserve_sql::cost_price));
    purchase_doc = ownQuery(this, "purchase_doc", QString::fromUtf8(reserve_sql::purchase_doc));
    smena = ownQuery(this, "smena", QString::fromUtf8(kSmena));
    setList(app_spec);
    Button1 = addButton("Button1", QStringLiteral("Очистить работы"));
    Button2 = addButton("Button2", QStringLiteral("На склад"));
    Button1->setVisible(false);
    setDefaultButton(Button2);
}
