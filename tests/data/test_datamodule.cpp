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
        {".", "12,5", "12.5"},     {".", "1.234,5", "1.234.5"}, {".", "", "0"},       {".", "7", "7"},
        {".", "3.25", "3.25"},     {",", "3.25", "3,25"},       {"", "1,5", "15"},    {"<>", "1,5,6", "1<>5,6"},
        {".", " 2,5 ", " 2.5 "},   {".", "-0,75", "-0.75"},
    };
    for (const auto& c : cases) {
        dm.delim = c.delim;
        EXPECT_EQ(dm.NumToSql(c.in), c.out) << c.in.toStdString() << " with " << c.delim.toStdString();
    }
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
