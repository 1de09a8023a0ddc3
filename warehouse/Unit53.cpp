#include "Unit53.h"

#include "Unit51.h"
#include "Unit6.h"

TForm53* Form53 = nullptr;

namespace {

const char* kSpecIn =
    "select ii.marka, si.*, (si.price/si.cnt_gds)::t_money as one_price, m.s_identification as msm_caption, as2.id_app_doc, "
    "case when si.accept then 'ok' else 'no' end as plus\n"
    "from stk_stocks.spec_in si, cmn_inventory_items.inventory_items ii, cmn_msm.msm m, mnf_app.app_spec as2\n"
    "where si.id_gds = ii.id and si.id_msm = m.id and as2.id = si.id_app_spec and si.id_stock_in = :id_stock_in order by ii.marka";

const char* kAppSpecIn =
    "select as2.*, ii.marka, ii2.marka as ral_s_caption, (select sum(s.cena*s.kol_vo)::t_money from accounts_dep.smena s "
    "where s.i_id=as2.id_ii and s.id_doc_item=as2.id)::t_money as job_price_s, (as2.job_price + as2.gds_price)::t_money as one_price, "
    "case when as2.accept_stock=1 then '+' else '-' end as plus\n"
    "from mnf_app.app_spec as2, cmn_inventory_items.inventory_items ii, cmn_inventory_items.inventory_items ii2\n"
    "where as2.state = 3 and ii.id=as2.id_ii and accept_stock<>2 and ii2.id = as2.id_ral order by ii.marka, id_app_doc";

const char* kCntStock =
    "select count(id) as cnt from stk_stocks.stock s where id_stock = :p_id_stock and s.id_ii = :p_id_ii";

const char* kStockPrice =
    "select price as price,job_price as job_price, gds_price as gds_price, sum(count) as cnt\n"
    "from stk_stocks.stock s where id_ii=:id_ii group by s.price, s.job_price, s.gds_price";

}  // namespace

TForm53::TForm53(QWidget* parent)
    : zui::DocumentScreen({"Form53", QStringLiteral("Приход готовой продукци (53)"), QStringLiteral("Приходный ордер")}, parent) {
    spec_in = ownQuery(this, "spec_in", QString::fromUtf8(kSpecIn));
    app_spec_in = ownQuery(this, "app_spec_in", QString::fromUtf8(kAppSpecIn));
    cnt_stock = ownQuery(this, "cnt_stock", QString::fromUtf8(kCntStock));
    stock_price = ownQuery(this, "stock_price", QString::fromUtf8(kStockPrice));

    DBText1 = headerField("DBText1", QStringLiteral("Дата:"), QStringLiteral("date_in"));
    DBText2 = headerField("DBText2", QStringLiteral("Подразделение:"), QStringLiteral("jp_caption"), 300);
    DBText3 = headerField("DBText3", QStringLiteral("Склад отгрузки:"), QStringLiteral("dep_caption"), 300);

    using A = zui::DBGrid::Align;
    DBGridEh1 = linesGrid("DBGridEh1", app_spec_in,
                          {{QStringLiteral("Продукция"), QStringLiteral("marka"), A::Auto, 240},
                           {QStringLiteral("Кол-во"), QStringLiteral("done"), A::Auto, 80},
                           {QStringLiteral("Краска"), QStringLiteral("ral_s_caption"), A::Auto, 120},
                           {QStringLiteral("Работа (р.)"), QStringLiteral("job_price_s"), A::Auto, 90},
                           {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")},
                           {QString(), QStringLiteral("plus"), A::Centre, 40}},
                          720, 320);
    DBGridEh1->setMultiSelect(true);
    DBGridEh2 = linesGrid("DBGridEh2", spec_in,
                          {{QStringLiteral("Продукция"), QStringLiteral("marka"), A::Auto, 240},
                           {QStringLiteral("Кол-во"), QStringLiteral("cnt_gds"), A::Auto, 80},
                           {QStringLiteral("Ед. изм."), QStringLiteral("msm_caption")},
                           {QStringLiteral("Цена"), QStringLiteral("one_price"), A::Auto, 90},
                           {QStringLiteral("Сумма"), QStringLiteral("price"), A::Auto, 90},
                           {QStringLiteral("Заявка"), QStringLiteral("id_app_doc")}},
                          720, 320);
    DBGridEh2->setVisible(false);

    Button1 = zparts::button("Button1", QStringLiteral("Принять"));
    Button2 = zparts::button("Button2", QStringLiteral("Принять все"));
    Button3 = zparts::button("Button3", QStringLiteral("Сохранить"));
    Button4 = zparts::button("Button4", QStringLiteral("Отмена"));
    buttons({Button1, Button2, Button3}, Button4, Button1);
}

// The order list is created before this screen.
void TForm53::FormCreate() { bindHeader(Form51->stock_in); }
