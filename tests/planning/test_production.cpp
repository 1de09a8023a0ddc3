// Clearing a line's works, the request to stock, current production per
// product and the paint summary, over the demo plant (data/demo/60_production.sql).
#include "stock_fixture.h"

#include "Unit45.h"
#include "Unit49.h"

using namespace zui::testing;

class Production : public StockTest {
protected:
    // Hours of a worker's timesheet cell on the day 'daysAgo' days before today.
    QString cell(int worker, int shift, int daysAgo) {
        return text(QStringLiteral("select (row_to_json(h)->>('d' || extract(day from current_date - %3)::int)) from accounts_dep.h_tabel h "
                                   "where w_id=%1 and smena=%2 and month=extract(month from current_date - %3) "
                                   "and year=extract(year from current_date - %3)")
                        .arg(worker)
                        .arg(shift)
                        .arg(daysAgo));
    }
    QString stockRow(int id) { return text(QStringLiteral("select count::float8 || '/' || reserve::float8 from stk_stocks.stock where id=%1").arg(id)); }
    QString line(int id) {
        return text(QStringLiteral("select as1.state || ' done ' || as1.done::float8 || ' ops ' || "
                                   "coalesce((select string_agg(t.done::text, ',' order by t.orderby) from mnf_proc_tech.tp_operation t "
                                   "where t.app_spec_id = as1.id), '-') || ' records ' || "
                                   "(select count(*) from accounts_dep.smena s where s.id_doc_item = as1.id) "
                                   "from mnf_app.app_spec as1 where as1.id=%1")
                        .arg(id));
    }
};

// Produced blanks: both records go, and with them the material that the first
// operation took, back onto the row it came from.
TEST_F(Production, ClearingGivesBackWhatTheRecordsTook) {
    ASSERT_EQ(cell(12, 1, 8), "2");
    clearWorks(8);
    EXPECT_EQ(line(8), "2 done 0 ops 0,0 records 0");
    EXPECT_EQ(stockRow(17), "42/42");
    EXPECT_EQ(stockRow(2), "400/0");  // the other warehouse of the material is not touched
    EXPECT_EQ(cell(12, 1, 8) + cell(11, 1, 7), "00");
    EXPECT_EQ(effects(8), "issue 11x42 | line 2R | buy - | blanks - | reserve 12:38 13:1.6 14:1.6 17:42");
}

// Two records, one of the first operation: only its consumption comes back,
// material and paint, not the line's whole need; a cell that holds fewer
// hours than its record stops at 0.
TEST_F(Production, ClearingTwoRecordsOfWhichOneIsTheFirstOperation) {
    // A later operation, as the shift record entry writes it: it takes nothing.
    sql("insert into accounts_dep.smena (w_id, i_id, o_id, kol_vo, brak, data, smena, cena, time, ok, id_doc, id_doc_item, "
        "f_gds_qty_use, id_gds_use, id_cons_use) values (11, 43, 10, 2, 0, current_date - 1, 1, 45, 3, 'no', 4, 7, 0, 12, 0);"
        "select accounts_dep.h_tabel_refresh(11, 1, current_date - 1);"
        "update mnf_proc_tech.tp_operation set done = 2 where id = 2;"
        "insert into accounts_dep.person_temp (id_smena, id_person) select max(id), 9 from accounts_dep.smena;");
    sql(QStringLiteral("update accounts_dep.h_tabel set d%1 = 1 where w_id = 11 and smena = 1 and month = %2 and year = %3")
            .arg(QDate::currentDate().addDays(-2).day())
            .arg(QDate::currentDate().addDays(-2).month())
            .arg(QDate::currentDate().addDays(-2).year()));
    clearWorks(7);
    EXPECT_EQ(line(7), "2 done 0 ops 0,0,0 records 0");
    EXPECT_EQ(stockRow(12), "57/57");
    EXPECT_EQ(stockRow(14), "3.2/3.2");
    EXPECT_EQ(stockRow(7), "5/0");
    EXPECT_EQ(cell(11, 1, 2) + cell(11, 1, 1), "00");
    EXPECT_EQ(text("select count(*) from accounts_dep.person_temp"), "0");
}

TEST_F(Production, ClearingLeavesALineTakenIntoStockAndOneNotIssued) {
    const QString before = digest();
    clearWorks(9);
    clearWorks(6);
    clearWorks(1);
    EXPECT_EQ(digest(), before);
    EXPECT_EQ(line(9), "3 done 1 ops 1,1,1 records 3");
}

TEST_F(Production, ClearingFailingAtItsLastStatementLeavesNothing) {
    failOn("accounts_dep.smena", "delete", "old.id = 3");
    const QString before = digest();
    messages.expectError();
    clearWorks(8);
    EXPECT_EQ(digest(), before);
}

TEST_F(Production, ClearingIsOfferedOnlyFromTheBoard) {
    modals.on("Form55", [](zui::TForm&) { EXPECT_TRUE(Form55->Button1->isHidden()); });
    Form55->app_spec->open();
    Form55->showModal();
    Form55->app_spec->close();
}

TEST_F(Production, ToStockTwiceMakesTwoEmptyRequests) {
    Form45->person_id = 0;
    modals.on("Form55", [](zui::TForm&) { click(Form55->Button2); });
    Form55->showModal();
    EXPECT_EQ(messages.texts(), QStringList{"Нет данных о работнике!"});
    EXPECT_EQ(messages.messages().at(0).kind, zui::msg::Kind::Warning);

    Form45->person_id = 6;
    Form45->user_id = 5;
    const qlonglong before = count("mnf_app.app_doc");
    modals.on("Form55", [](zui::TForm&) {
        click(Form55->Button2);
        click(Form55->Button2);
    });
    Form55->showModal();
    EXPECT_EQ(count("mnf_app.app_doc"), before + 2);
    EXPECT_EQ(text("select string_agg(id_jur_person || ' ' || id_person || ' ' || m_id || ' ' || (d_mnf = current_date and "
                   "d_out = current_date) || ' ' || id_app_doc || ' ' || (select count(*) from mnf_app.app_spec s where s.id_app_doc = d.id), "
                   "', ') from (select * from mnf_app.app_doc order by id desc limit 2) d"),
              "1 6 5 true 0 0, 1 6 5 true 0 0");
    Form45->person_id = 0;
    Form45->user_id = 0;
}

// One row per product, material and colour; a line counts once in each.
TEST_F(Production, CurrentProductionSumsPerMaterialAndColour) {
    sql("insert into mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds) values ('Кронштейн из х/к листа', 41, 11);"
        "insert into mnf_proc_tech.proc_tech (s_caption, id_inventory_items, id_gds) values ('Опора, второй техпроцесс', 42, 13);"
        "update stk_stocks.stock set reserve = 50 where id = 1;"
        "insert into stk_stocks.spec_out (id, id_gds, cnt_gds, id_app_spec) values (90, 10, 50, 2);"
        "insert into mnf_app.app_spec (id, id_app_doc, id_ii, cnt, id_ral, id_gds, price, cost_price) values (13, 1, 41, 40, 21, 10, 95, 48);");
    Form46->app_spec->open();
    QStringList rows;
    zdb::Query* s = Form46->app_spec;
    for (s->first(); !s->eof(); s->next()) {
        const int product = int(s->fieldByName("id_ii").asInteger());
        if (product != 41 && product != 42) continue;
        rows << QStringLiteral("%1 %2 %3: %4 %5 %6 need %7 stock %8")
                    .arg(product)
                    .arg(s->fieldByName("gds_s_caption").asString(), s->fieldByName("ral_s_caption").asString(),
                         s->fieldByName("sum_all").asString(), s->fieldByName("done").asString(), s->fieldByName("cnt_done").asString(),
                         s->fieldByName("gds_need").asString(), s->fieldByName("stk_gds").asString());
    }
    Form46->app_spec->close();
    EXPECT_EQ(rows, (QStringList{"41 Лист г/к 2 мм Ст3 RAL 7024: 40 0 40 need 24 stock 800",
                                 "41 Лист г/к 2 мм Ст3 RAL 9016: 200 0 200 need 120 stock 800",
                                 "41 Лист х/к 1,5 мм 08пс RAL 7024: 40 0 40 need 24 stock 400",
                                 "41 Лист х/к 1,5 мм 08пс RAL 9016: 200 0 200 need 120 stock 400",
                                 "42 Труба профильная 20х20х1,5 : 100 0 100 need 20 stock 150"}));
}

TEST_F(Production, CurrentProductionOpensTheLinesOfTheProductAndThePaint) {
    modals.on("Form46", [](zui::TForm&) {
        ASSERT_TRUE(Form46->app_spec->locate("id_ii", 43));
        doubleClickRow(Form46->DBGridEh1, Form46->app_spec->currentRow());
        click(Form46->Button1);
    });
    QStringList lines;
    modals.on("Form48", [&lines](zui::TForm&) {
        for (DataModule6->app_spec->first(); !DataModule6->app_spec->eof(); DataModule6->app_spec->next())
            lines << DataModule6->app_spec->fieldByName("id").asString();
        EXPECT_EQ(Form48->DBText1->text(), "Ограждение секционное 2000х1000");
    });
    QStringList paint;
    modals.on("Form49", [&paint](zui::TForm&) {
        zdb::Query* p = Form49->paint;
        for (p->first(); !p->eof(); p->next())
            paint << p->fieldByName("ral_s_caption").asString() + ": " + p->fieldByName("ral_need").asString() + " " +
                         p->fieldByName("stk_ral").asString() + " " + p->fieldByName("ral_buy").asString();
    });
    Form46->app_spec->open();
    Form46->showModal();
    Form46->app_spec->close();
    EXPECT_EQ(lines, (QStringList{"9", "7", "6", "5"}));
    EXPECT_FALSE(DataModule6->app_spec->active());
    EXPECT_FALSE(Form49->paint->active());
    // Unreserved lines only: 1, 3, 4, 5 and 10 (line 6 is reserved).
    EXPECT_EQ(paint, (QStringList{"RAL 3020: 6 5 1", "RAL 7024: 3,5 40 0", "RAL 9005: 36,2 25 11,2", "RAL 9016: 10 60 0"}));
}

TEST_F(Production, AnEmptySummaryOpensNothing) {
    sql("delete from accounts_dep.smena; delete from mnf_proc_tech.tp_operation; delete from stk_stocks.spec_out;"
        "update stk_stocks.stock set reserve = 0; delete from mnf_app.app_spec");
    modals.on("Form46", [](zui::TForm&) { pressKey(Form46->DBGridEh1, Qt::Key_Return); Form46->DBGridEh1DblClick(); });
    modals.on("Form49", [](zui::TForm&) { EXPECT_TRUE(Form49->paint->isEmpty()); });
    Form46->app_spec->open();
    Form46->showModal();
    Form46->app_spec->close();
}
