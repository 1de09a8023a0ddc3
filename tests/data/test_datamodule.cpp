#include "Unit6.h"
#include "testdb.h"

#include <gtest/gtest.h>

namespace {

TEST(NumToSql, AsTheDatabaseExpects) {
    TDataModule6 dm;
    struct Case {
        QString delim, in, out;
    };
    const Case cases[] = {
        {".", "12,5", "12.5"},   {".", "", "0"},          {".", "7", "7"},       {".", "3.25", "3.25"},
        {",", "3.25", "3,25"},   {".", " 2,5 ", "2.5"},   {".", "-0,75", "-0.75"}, {".", "0012,500", "12.5"},
        {".", ",5", "0.5"},      {".", "5,", "5"},        {".", "-0", "0"},      {".", "0,000000000000001", "0.000000000000001"},
        {".", "123456789012345", "123456789012345"},      {".", "1234567890,12345", "1234567890.12345"},
    };
    for (const auto& c : cases) {
        dm.delim = c.delim;
        EXPECT_EQ(dm.NumToSql(c.in), c.out) << c.in.toStdString() << " with " << c.delim.toStdString();
    }
}

TEST(NumToSql, RefusesWhatIsNoNumber) {
    TDataModule6 dm;
    dm.delim = ".";
    for (const char* bad : {"1;drop table x", "--", "1,2,3", "1.234,5", "-", ",", "1 000", "1e5", "0x10", "+5", "5-",
                            "1234567890123456", "1,0000000000000001", "١٢", "12,5'", "1/*x*/"}) {
        try {
            dm.NumToSql(QString::fromUtf8(bad));
            ADD_FAILURE() << "accepted " << bad;
        } catch (const zdb::DbError& e) {
            EXPECT_TRUE(e.text().contains(QString::fromUtf8(bad).left(10)) || e.text().contains("цифр")) << e.text().toStdString();
        }
    }
    EXPECT_THROW(dm.NumToSql("-1", false), zdb::DbError);
    EXPECT_EQ(dm.NumToSql("1", false), "1");
    // Without a separator read from the database nothing is written.
    dm.delim.clear();
    EXPECT_THROW(dm.NumToSql("1,5"), zdb::DbError);
}

TEST(NumToSql, SeparatorFromTheDatabaseIsPointOrComma) {
    TDataModule6 dm;
    for (const char* ok : {".", ","}) {
        EXPECT_NO_THROW(dm.setDelim(ok));
        EXPECT_EQ(dm.delim, ok);
    }
    for (const char* bad : {"", "<>", "1; delete from ver; select 2", ". ", "'"}) {
        EXPECT_THROW(dm.setDelim(bad), zdb::DbError) << bad;
        EXPECT_TRUE(dm.delim.isEmpty());
        EXPECT_THROW(dm.NumToSql("1,5"), zdb::DbError);
    }
}

TEST(ConnectionString, LoginAndPasswordAreBraced) {
    const QString direct = TDataModule6::connectionString({"db.plant.local", "zorna"}, "iva;nov", "se}cr;et");
    EXPECT_TRUE(direct.startsWith("DRIVER={PostgreSQL UNICODE};DATABASE=zorna;SERVER=db.plant.local;PORT=5432;"
                                  "UID={iva;nov};PWD={se}}cr;et};SSLmode=prefer;"))
        << direct.toStdString();
    EXPECT_TRUE(direct.contains(";pqopt={keepalives=1 "));
    const QString dsn = zdb::Connection::odbcConnectionString(TDataModule6::connectionString({"my_dsn"}, "u", "a;b"));
    EXPECT_TRUE(dsn.startsWith("PWD={a;b};UID=u;DSN=my_dsn;pqopt={keepalives=1")) << dsn.toStdString();
    EXPECT_TRUE(TDataModule6::connectionString({"h", "d"}, "ivanov", "p").contains(";UID=ivanov;PWD={p};"));
}

class DataModule : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testdb::recreate(); }
    void SetUp() override { dm.openStoredConnection(); }
    TDataModule6 dm;
};

TEST_F(DataModule, EverySharedDatasetOpens) {
    // Sample parameters: an item with a process and the first shift day of the demo.
    dm.operation->setParam("id_proc_tech", 1);
    dm.app_spec->setParam("ii_id", 1);
    dm.user->setParam("s_name", "econom");
    for (zdb::Query* s : {dm.Smena1, dm.Smena2, dm.Smena3, dm.Smena4}) {
        s->setParam("data", QDateTime(QDate::currentDate(), QTime()));
        s->setParam("OK", "ta");
    }
    for (zdb::Dataset* ds : std::initializer_list<zdb::Dataset*>{
             dm.workers, dm.operation, dm.operation_type, dm.Smena1, dm.Smena2, dm.Smena3, dm.Smena4, dm.department,
             dm.inventory_items, dm.ver, dm.staffpos, dm.nomenclature, dm.role, dm.proc_tech, dm.jur_person, dm.stock,
             dm.stock_in, dm.msm, dm.app_doc, dm.app_spec, dm.spec_out, dm.user}) {
        SCOPED_TRACE(ds->objectName().toStdString());
        EXPECT_NO_THROW(ds->open());
        EXPECT_TRUE(ds->active());
    }
    EXPECT_EQ(dm.user->recordCount(), 1);
    EXPECT_GT(dm.workers->recordCount(), 0);
    EXPECT_GT(dm.inventory_items->recordCount(), 0);
    EXPECT_EQ(dm.ver->recordCount(), 1);
    // The department list reaches the parent through the view, so departments without a parent still show.
    dm.department->setFilter("id_parent=0 and id<>0");
    dm.department->setFiltered(true);
    EXPECT_GT(dm.department->recordCount(), 0);
}

TEST_F(DataModule, ShiftListLeavesOutTaAndUnsetMarks) {
    auto& c = *dm.ADO_DB;
    // One request line in work and three records of shift 2 on one day: ok "no", "ta" and unset.
    c.execute(
        "insert into mnf_app.app_doc(id, id_jur_person, id_person) values (900, 1, (select min(id) from cmn_contractor.person));"
        "insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, id_ral) "
        "  select 900, 900, pt.id_inventory_items, 10, 0 from mnf_proc_tech.proc_tech pt order by pt.id limit 1;"
        "insert into accounts_dep.smena(w_id, i_id, o_id, kol_vo, brak, data, smena, cena, ok, id_doc, id_doc_item, time) "
        "  select (select min(id) from cmn_contractor.person), s.id_ii, o.id, 5, 1, '03.02.2026', 2, 10.5, x.ok, 900, 900, 8 "
        "  from mnf_app.app_spec s join mnf_proc_tech.proc_tech pt on pt.id_inventory_items = s.id_ii "
        "  join mnf_operation.operation o on o.id_proc_tech = pt.id, (values ('no'), ('ta'), (null)) x(ok) "
        "  where s.id = 900 and o.orderby = 1;");
    dm.Smena2->setParam("data", QDateTime(QDate(2026, 2, 3), QTime()));
    dm.Smena2->setParam("OK", "ta");
    dm.Smena2->open();
    ASSERT_EQ(dm.Smena2->recordCount(), 1);
    EXPECT_EQ(dm.Smena2->fieldByName("ok").asString(), "no");
    EXPECT_EQ(dm.Smena2->fieldByName("summa").asString(), "42");  // (5 - 1) * 10,5
    EXPECT_EQ(dm.Smena2->fieldByName("data").asString(), "03.02.2026");
    dm.Smena1->setParam("data", QDateTime(QDate(2026, 2, 3), QTime()));
    dm.Smena1->setParam("OK", "ta");
    dm.Smena1->open();
    EXPECT_EQ(dm.Smena1->recordCount(), 0);
}

TEST_F(DataModule, SessionsEndHungWaits) {
    // Every opening of the shared connection, a user's included, sets the timeouts.
    dm.ADO_DB->close();
    dm.ADO_DB->setConnectionString(TDataModule6::connectionString({}, "planner", "planner"));
    dm.ADO_DB->open();
    EXPECT_EQ(testdb::scalar(*dm.ADO_DB, "show statement_timeout").toString(), "2min");
    EXPECT_EQ(testdb::scalar(*dm.ADO_DB, "show lock_timeout").toString(), "15s");
    EXPECT_EQ(testdb::scalar(*dm.ADO_DB, "select current_user").toString(), "planner");
}

TEST_F(DataModule, ControlRunsSeveralStatementsAndReadsTheFirstResult) {
    dm.Control->clearSql();
    dm.Control->addSql("select 41 + 1 as answer;");
    dm.Control->addSql("update ver set delim = delim;");
    dm.Control->open();
    EXPECT_EQ(dm.Control->fieldByName("answer").asInteger(), 42);
    dm.Control->close();
    dm.Control->clearSql();
    dm.Control->addSql("select 1; select * from no_such_table;");
    EXPECT_THROW(dm.Control->open(), zdb::DbError);
}

}  // namespace
