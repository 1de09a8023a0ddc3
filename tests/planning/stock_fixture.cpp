#include "stock_fixture.h"

#include "zui_testing.h"

using namespace zui::testing;

namespace {

// A record of a line's first operation takes its f_gds_qty_use of the material
// and ral_cons x kol_vo of the paint.
const char* kFirst =
    "exists (select 1 from mnf_proc_tech.tp_operation t where t.app_spec_id = s.id_doc_item and t.operation_id = s.o_id and t.orderby = 1)";

}  // namespace

void StockTest::TearDown() {
    EXPECT_EQ(stockFaults(), QStringList{});
    ScreenTest::TearDown();
}

QStringList StockTest::stockFaults() {
    zdb::Query q(&db());
    q.setSql(QStringLiteral(
                 "select 'row ' || s.id || ': count ' || s.count || ', reserve ' || s.reserve as fault from stk_stocks.stock s\n"
                 "where not (s.count >= 0 and s.reserve >= 0 and s.reserve <= s.count)\n"
                 "union all\n"
                 "select 'item ' || coalesce(w.id_ii, h.id_ii) || ': reserve ' || coalesce(h.r, 0) || ', held ' || coalesce(w.q, 0) from\n"
                 " (select id_ii, sum(q) as q from (\n"
                 "   select so.id_gds as id_ii, so.cnt_gds as q from stk_stocks.spec_out so\n"
                 "   union all select s.id_gds_use, -s.f_gds_qty_use from accounts_dep.smena s where %1\n"
                 "   union all select as1.id_ral, -ii.ral_cons * s.kol_vo from accounts_dep.smena s\n"
                 "     join mnf_app.app_spec as1 on as1.id = s.id_doc_item join cmn_inventory_items.inventory_items ii on ii.id = as1.id_ii\n"
                 "     where as1.id_ral <> 0 and %1) x group by id_ii) w\n"
                 " full join (select id_ii, sum(reserve) as r from stk_stocks.stock group by id_ii) h on h.id_ii = w.id_ii\n"
                 "where coalesce(w.q, 0) <> coalesce(h.r, 0)")
                 .arg(QString::fromUtf8(kFirst)));
    q.open();
    QStringList out;
    for (q.first(); !q.eof(); q.next()) out << q.fieldByName(QStringLiteral("fault")).asString();
    return out;
}

QString StockTest::effects(int line) {
    return text(QStringLiteral(
                    "select concat_ws(' | ',\n"
                    " 'issue ' || coalesce((select string_agg(so.id_gds || 'x' || so.cnt_gds::float8, ' ' order by so.id) "
                    "   from stk_stocks.spec_out so where so.id_app_spec = %1), '-'),\n"
                    " 'line ' || (select as1.state || case when as1.accept then 'R' else '' end from mnf_app.app_spec as1 where as1.id = %1),\n"
                    " 'buy ' || coalesce((select string_agg(ps.id_gds || 'x' || ps.cnt::float8, ' ' order by ps.id) "
                    "   from stk_purchase.purchase_spec ps join stk_purchase.purchase_doc pd on pd.id = ps.id_purchase_doc "
                    "   where pd.id_app_spec = %1), '-'),\n"
                    " 'blanks ' || coalesce((select string_agg('for ' || ad.id_app_doc || ' ' || b.id_ii || 'x' || b.cnt::float8 || "
                    "   ' ral' || b.id_ral || ' of' || b.id_gds || ' cost' || b.cost_price::float8 || ' price' || b.price::float8, ' ' order by b.id) "
                    "   from mnf_app.app_doc ad join mnf_app.app_spec b on b.id_app_doc = ad.id where ad.id_app_spec = %1), '-'),\n"
                    " 'reserve ' || coalesce((select string_agg(s.id || ':' || s.reserve::float8, ' ' order by s.id) "
                    "   from stk_stocks.stock s where s.reserve <> 0), '-'))")
                    .arg(line));
}

QString StockTest::digest() {
    QStringList parts;
    for (const char* t : {"stk_stocks.stock", "stk_stocks.spec_out", "mnf_app.app_spec", "mnf_app.app_doc", "stk_purchase.purchase_doc",
                          "stk_purchase.purchase_spec", "accounts_dep.smena", "accounts_dep.h_tabel", "mnf_proc_tech.tp_operation",
                          "accounts_dep.person_temp"})
        parts << QStringLiteral("coalesce((select string_agg(x::text, ',' order by x.id) from %1 x), '')").arg(QLatin1String(t));
    return text(QStringLiteral("select md5(concat(") + parts.join(QStringLiteral(", ")) + QStringLiteral("))"));
}

void StockTest::reserveIn55(int line, const QString& afterOpen) {
    modals.on(QStringLiteral("Form55"), [this, line, afterOpen](zui::TForm&) {
        ASSERT_TRUE(Form55->app_spec->locate(QStringLiteral("id"), line)) << line;
        if (!afterOpen.isEmpty()) sql(afterOpen);
        doubleClickRow(Form55->DBGridEh1, Form55->app_spec->currentRow());
    });
    Form55->app_spec->open();
    Form55->showModal();
    Form55->app_spec->close();
}

void StockTest::reserveIn48(int product, int line) {
    modals.on(QStringLiteral("Form46"), [product](zui::TForm&) {
        ASSERT_TRUE(Form46->app_spec->locate(QStringLiteral("id_ii"), product)) << product;
        doubleClickRow(Form46->DBGridEh1, Form46->app_spec->currentRow());
    });
    modals.on(QStringLiteral("Form48"), [line](zui::TForm&) {
        ASSERT_TRUE(DataModule6->app_spec->locate(QStringLiteral("id"), line)) << line;
        click(Form48->Button1);
    });
    Form46->app_spec->open();
    Form46->showModal();
    Form46->app_spec->close();
}

void StockTest::clearWorks(int line) {
    modals.on(QStringLiteral("Form55"), [line](zui::TForm&) {
        ASSERT_TRUE(Form55->app_spec->locate(QStringLiteral("id"), line)) << line;
        click(Form55->Button1);
    });
    Form55->showFromBoard();
}

void StockTest::failOn(const QString& table, const QString& event, const QString& when) {
    sql(QStringLiteral("create or replace function public.fail_marked() returns trigger language plpgsql as "
                       "$$ begin raise exception 'отказ на отмеченной строке'; end $$;"
                       "create trigger fail_marked before %1 on %2 for each row when (%3) execute function public.fail_marked();")
            .arg(event, table, when));
}
