#include "testdb.h"
#include "zdb.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

namespace {

class Db : public ::testing::Test {
protected:
    static void SetUpTestSuite() { testdb::recreate(); }
    void SetUp() override { testdb::connectSys(conn); }
    zdb::Connection conn;
};

// Rows built in memory: sorting and filtering never need the server.
class MemoryDataset : public zdb::Dataset {
public:
    MemoryDataset(std::vector<zdb::Column> cols, std::vector<std::vector<QVariant>> rows)
        : zdb::Dataset(nullptr), cols0_(std::move(cols)), rows0_(std::move(rows)) {}

protected:
    void fetch() override {
        columns_ = cols0_;
        rows_ = rows0_;
    }

private:
    std::vector<zdb::Column> cols0_;
    std::vector<std::vector<QVariant>> rows0_;
};

std::unique_ptr<MemoryDataset> items() {
    using zdb::FieldType;
    auto ds = std::make_unique<MemoryDataset>(
        std::vector<zdb::Column>{{"id", FieldType::Integer}, {"marka", FieldType::Text}, {"s_nom", FieldType::Text},
                                 {"tp_cnt", FieldType::Integer}, {"massa", FieldType::Float}},
        std::vector<std::vector<QVariant>>{
            {1, "Кронштейн", "Детали", 1, 2.5},
            {2, "анкер", "Крепёж", 0, QVariant()},
            {3, "Балка O'Neil", "Детали", 2, 10.0},
            {4, "кронштейн угловой", "Детали", 0, 1.25},
            {5, QVariant(), "Крепёж", 3, 0.0},
        });
    ds->open();
    return ds;
}

QStringList column(zdb::Dataset& ds, const char* field) {
    QStringList out;
    for (ds.first(); !ds.eof(); ds.next()) out << ds.fieldByName(field).asString();
    return out;
}

TEST(ParseSql, ParametersCastsAndQuotes) {
    struct Case {
        const char* sql;
        const char* text;
        QStringList occurrences;
    };
    const Case cases[] = {
        {"select * from t where a = :a", "select * from t where a = ?", {"a"}},
        {"select x::t_money from t where b=:b and c=:b", "select x::t_money from t where b=? and c=?", {"b", "b"}},
        {"select ':no' , \"a:b\" from t where d=:d1", "select ':no' , \"a:b\" from t where d=?", {"d1"}},
        {"select 'it''s :x' -- :y\n, :z", "select 'it''s :x' -- :y\n, ?", {"z"}},
        {"select now()::t_datetime, 12:30", "select now()::t_datetime, 12:30", {}},
    };
    for (const auto& c : cases) {
        auto p = zdb::parseSql(QString::fromUtf8(c.sql));
        EXPECT_EQ(p.text, QString::fromUtf8(c.text)) << c.sql;
        EXPECT_EQ(p.occurrences, c.occurrences) << c.sql;
    }
    EXPECT_EQ(zdb::parseSql("a=:x and b=:X and c=:y").names, (QStringList{"x", "y"}));
}

TEST(Text, DisplayForms) {
    EXPECT_EQ(zdb::displayText(12.5), "12,5");
    EXPECT_EQ(zdb::displayText(0.1 + 0.2), "0,3");
    EXPECT_EQ(zdb::displayText(1234567.0), "1234567");
    EXPECT_EQ(zdb::displayText(QVariant(qlonglong(-7))), "-7");
    EXPECT_EQ(zdb::displayText(QDate(2026, 3, 5)), "05.03.2026");
    EXPECT_EQ(zdb::displayText(QDateTime(QDate(2026, 3, 5), QTime(7, 8, 9))), "05.03.2026 07:08:09");
    EXPECT_EQ(zdb::displayText(true), "1");
    EXPECT_EQ(zdb::displayText(QVariant()), "");
    EXPECT_EQ(zdb::quoted("O'Brien"), "'O''Brien'");
}

TEST(Dataset, SortsByFieldListWithDirections) {
    auto ds = items();
    ds->setSort("marka ASC");
    EXPECT_EQ(column(*ds, "id"), (QStringList{"5", "2", "3", "1", "4"}));  // null first, case ignored
    ds->setSort("s_nom DESC, marka ASC");
    EXPECT_EQ(column(*ds, "id"), (QStringList{"5", "2", "3", "1", "4"}));
    ds->setSort("massa DESC, id ASC");
    EXPECT_EQ(column(*ds, "id"), (QStringList{"3", "1", "4", "5", "2"}));
    EXPECT_THROW(ds->setSort("nosuch ASC"), zdb::DbError);
    EXPECT_EQ(ds->sort(), "massa DESC, id ASC");
}

TEST(Dataset, FiltersWithTheScreensExpressions) {
    auto ds = items();
    struct Case {
        QString filter;
        QStringList ids;
    };
    const Case cases[] = {
        {"marka like 'кр%'", {"1", "4"}},
        {"marka like '%угл%'", {"4"}},
        {"marka like 'Балка O''N%'", {"3"}},
        {"tp_cnt>0", {"1", "3", "5"}},
        {"tp_cnt>0 and s_nom like 'Дет%'", {"1", "3"}},
        {"id=2 or id = 4", {"2", "4"}},
        {"not (s_nom = 'Детали')", {"2", "5"}},
        {"massa >= 2,5", {"1", "3"}},
    };
    ds->setFiltered(true);
    for (const auto& c : cases) {
        ds->setFilter(c.filter);
        EXPECT_EQ(column(*ds, "id"), c.ids) << c.filter.toStdString();
    }
    ds->setFilter(zdb::quoted("x").prepend("marka like ").replace("'x'", "'%x%'"));
    EXPECT_EQ(ds->recordCount(), 0);
    ds->setFiltered(false);
    EXPECT_EQ(ds->recordCount(), 5);
}

TEST(Dataset, MalformedFilterIsAClearErrorAndKeepsTheOldOne) {
    auto ds = items();
    ds->setFiltered(true);
    ds->setFilter("tp_cnt>0");
    for (const char* bad : {"marka like 'x", "tp_cnt >", "and id=1", "id=1 id=2", "nosuch=1"}) {
        try {
            ds->setFilter(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const zdb::DbError& e) {
            EXPECT_FALSE(e.text().isEmpty());
        }
        EXPECT_EQ(ds->recordCount(), 3) << bad;
    }
}

TEST(Dataset, CursorLocateAndRecNo) {
    auto ds = items();
    EXPECT_EQ(ds->recNo(), 1);
    EXPECT_TRUE(ds->locate("marka", QVariant("анкер")));
    EXPECT_EQ(ds->recNo(), 2);
    EXPECT_FALSE(ds->locate("marka", QVariant("нет такого")));
    EXPECT_EQ(ds->recNo(), 2);
    EXPECT_TRUE(ds->locate("marka", {QVariant("КРОН")}, true, true));
    EXPECT_EQ(ds->fieldByName("id").asInteger(), 1);
    EXPECT_TRUE(ds->locate("s_nom;tp_cnt", {QVariant("Крепёж"), QVariant(3)}));
    EXPECT_EQ(ds->fieldByName("id").asInteger(), 5);
    ds->setRecNo(99);
    EXPECT_EQ(ds->recNo(), 5);
    ds->next();
    EXPECT_TRUE(ds->eof());
    // The current row survives a re-sort.
    ds->setRecNo(3);
    ds->setSort("id DESC");
    EXPECT_EQ(ds->fieldByName("id").asInteger(), 3);
    EXPECT_EQ(ds->recNo(), 3);
}

TEST(Dataset, NotifiesViews) {
    auto ds = items();
    std::vector<zdb::Dataset::Change> seen;
    QObject::connect(ds.get(), &zdb::Dataset::changed, [&](zdb::Dataset::Change c) { seen.push_back(c); });
    ds->next();
    ds->setSort("id DESC");
    ds->setFiltered(true);
    ds->close();
    ds->open();
    using C = zdb::Dataset::Change;
    EXPECT_EQ(seen, (std::vector<C>{C::RowMoved, C::Resorted, C::Refiltered, C::Closed, C::Opened}));
}

TEST(Connection, MapsTheProviderForm) {
    EXPECT_EQ(zdb::Connection::odbcConnectionString(
                  "Provider=MSDASQL.1;Password=secret;Persist Security Info=True;User ID=sys;Data Source=zorna_erp_dev"),
              "PWD={secret};UID=sys;DSN=zorna_erp_dev");
    EXPECT_EQ(zdb::Connection::odbcConnectionString("Provider=MSDASQL.1;Password={a;b}}c};User ID=u;Data Source=d"),
              "PWD={a;b}}c};UID=u;DSN=d");
    EXPECT_EQ(zdb::connectionValue("x;PWD=y}"), "{x;PWD=y}}}");
    const QString driver = "DRIVER={PostgreSQL UNICODE};DATABASE=x;SERVER=h;PORT=5432;UID=u;PWD=p;";
    EXPECT_EQ(zdb::Connection::odbcConnectionString(driver), driver);
}

TEST_F(Db, FieldTypesAndTextFromTheServer) {
    zdb::Query q(&conn);
    q.setSql("select 1::integer as i, 12.50::numeric as n, 3::bigint as b, 'текст'::varchar(10) as t, "
             "'11.12.2026'::date as d, '11.12.2026 08:05:03'::timestamp as ts, true as yes, false::t_boolean as no, "
             "null::integer as z, repeat('я', 3000)::varchar(4000) as long_text, 1::t_boolean as one");
    q.open();
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName("i").asInteger(), 1);
    EXPECT_EQ(q.fieldByName("n").asString(), "12,5");
    EXPECT_EQ(q.fieldByName("n").type(), zdb::FieldType::Float);
    EXPECT_EQ(q.fieldByName("b").asInteger(), 3);
    EXPECT_EQ(q.fieldByName("t").asString(), "текст");
    EXPECT_EQ(q.fieldByName("d").asString(), "11.12.2026");  // day first
    EXPECT_EQ(q.fieldByName("ts").asString(), "11.12.2026 08:05:03");
    EXPECT_EQ(q.fieldByName("yes").asString(), "1");
    EXPECT_EQ(q.fieldByName("no").asString(), "0");
    EXPECT_EQ(q.fieldByName("one").asString(), "1");
    EXPECT_TRUE(q.fieldByName("z").isNull());
    EXPECT_EQ(q.fieldByName("z").asString(), "");
    EXPECT_EQ(q.fieldByName("long_text").asString().size(), 3000);
}

TEST_F(Db, ParametersAreBoundNotSpliced) {
    zdb::Query q(&conn);
    q.setSql("select :t::text as t, :i + 1 as i, :d::date as d, :f::float8 * 2 as f, :n::integer is null as isnull, :t = :t as same");
    q.setParam("t", "O'Brien; drop table ver; --");
    q.setParam("i", 41);
    q.setParam("d", QDate(2026, 12, 11));
    q.setParam("f", 1.25);
    q.setParam("n", QVariant());
    q.open();
    EXPECT_EQ(q.fieldByName("t").asString(), "O'Brien; drop table ver; --");
    EXPECT_EQ(q.fieldByName("i").asInteger(), 42);
    EXPECT_EQ(q.fieldByName("d").asDate(), QDate(2026, 12, 11));
    EXPECT_DOUBLE_EQ(q.fieldByName("f").asFloat(), 2.5);
    EXPECT_TRUE(q.fieldByName("isnull").asBoolean());
    EXPECT_TRUE(q.fieldByName("same").asBoolean());
    EXPECT_THROW(q.setParam("nosuch", 1), zdb::DbError);
}

TEST_F(Db, ApostrophesSaveAndReadBackUnchanged) {
    zdb::Command cmd(&conn);
    const QString name = "ООО \"Ромашка\" O'Brien's";
    cmd.execute("insert into cmn_contractor.jur_person(s_caption, s_full_caption) values(" + zdb::quoted(name) + ", " + zdb::quoted(name) + ")");
    zdb::Query q(&conn);
    q.setSql("select jp.* from cmn_contractor.jur_person jp order by jp.s_caption");
    q.open();
    q.setFilter("s_caption like " + zdb::quoted("O'Br%").replace("'O''Br%'", "'%O''Br%'"));
    q.setFiltered(true);
    ASSERT_EQ(q.recordCount(), 1);
    EXPECT_EQ(q.fieldByName("s_full_caption").asString(), name);
}

TEST_F(Db, ErrorsCarryTheDatabaseText) {
    zdb::Query q(&conn);
    q.setSql("select * from no_such_table");
    try {
        q.open();
        FAIL();
    } catch (const zdb::DbError& e) {
        EXPECT_TRUE(e.text().contains("no_such_table")) << e.text().toStdString();
    }
    EXPECT_FALSE(q.active());
    // A fault in a later statement of a batch is not lost.
    zdb::Command cmd(&conn);
    EXPECT_THROW(cmd.execute("select 1; select * from no_such_table;"), zdb::DbError);
    zdb::Connection bad;
    bad.setConnectionString("Provider=MSDASQL.1;Password=wrong;Persist Security Info=True;User ID=sys;Data Source=zorna_erp_dev");
    EXPECT_THROW(bad.open(), zdb::DbError);
    EXPECT_FALSE(bad.connected());
}

TEST_F(Db, OpeningAnOpenQueryDoesNothing) {
    zdb::Query q(&conn);
    q.setSql("select count(*) as n from cmn_contractor.jur_person");
    q.open();
    const auto before = q.fieldByName("n").asInteger();
    conn.execute("insert into cmn_contractor.jur_person(s_caption) values('x')");
    q.open();
    EXPECT_EQ(q.fieldByName("n").asInteger(), before);
    q.reopen();
    EXPECT_EQ(q.fieldByName("n").asInteger(), before + 1);
}

TEST_F(Db, TransactionIsAllOrNothing) {
    const auto count = [&] { return testdb::scalar(conn, "select count(*) from cmn_contractor.jur_person").toLongLong(); };
    const auto before = count();
    {
        zdb::Transaction t(conn);
        conn.execute("insert into cmn_contractor.jur_person(s_caption) values('a')");
        EXPECT_THROW(conn.execute("insert into no_such_table values(1)"), zdb::DbError);
    }
    EXPECT_EQ(count(), before);
    {
        zdb::Transaction t(conn);
        conn.execute("insert into cmn_contractor.jur_person(s_caption) values('a')");
        {
            zdb::Transaction inner(conn);  // joins the outer one
            conn.execute("insert into cmn_contractor.jur_person(s_caption) values('b')");
            inner.commit();
        }
        t.commit();
    }
    EXPECT_EQ(count(), before + 2);
    EXPECT_FALSE(conn.inTransaction());
}

TEST_F(Db, TableEditsTheRowItRead) {
    zdb::Table ver(&conn, "ver");
    ver.open();
    ver.first();
    const auto d = ver.fieldByName("d").asInteger();
    ver.edit();
    ver.setFieldValue("d", d + 1);
    ver.post();
    EXPECT_EQ(ver.fieldByName("d").asInteger(), d + 1);
    EXPECT_EQ(testdb::scalar(conn, "select d from ver").toLongLong(), d + 1);
    // Another workstation changed the row in between: the post is refused, not lost silently.
    conn.execute("update ver set d = d + 10");
    ver.edit();
    ver.setFieldValue("d", d + 2);
    EXPECT_THROW(ver.post(), zdb::DbError);
}

// ---- the filter matches typed text literally, in linear time ----------------

TEST(Dataset, LikeLiteralMatchesWildcardsAsTyped) {
    using zdb::FieldType;
    MemoryDataset ds({{"id", FieldType::Integer}, {"s", FieldType::Text}},
                     {{1, "100% сталь"}, {2, "1000 сталь"}, {3, "a_b"}, {4, "axb"}, {5, "C:\\путь"}, {6, "ab*"}, {7, "abc"}});
    ds.open();
    ds.setFiltered(true);
    struct Case {
        QString typed;
        QStringList ids;
    };
    const Case cases[] = {{"100%", {"1"}}, {"a_", {"3"}}, {"C:\\", {"5"}}, {"ab*", {"6"}}, {"ab", {"6", "7"}}};
    for (const auto& c : cases) {
        ds.setFilter("s like " + zdb::quoted(zdb::likeLiteral(c.typed) + "%"));
        EXPECT_EQ(column(ds, "id"), c.ids) << c.typed.toStdString();
    }
    // A screen's own pattern still means its wildcards.
    ds.setFilter("s like 'a_b'");
    EXPECT_EQ(column(ds, "id"), (QStringList{"3", "4"}));
    ds.setFilter("s like '%0%сталь'");
    EXPECT_EQ(column(ds, "id"), (QStringList{"1", "2"}));
    ds.setFilter("s like 'a%b%'");
    EXPECT_EQ(column(ds, "id"), (QStringList{"3", "4", "6", "7"}));
}

TEST(Dataset, LikeMatcherDoesNotBacktrack) {
    using zdb::FieldType;
    // Exponential for a backtracking matcher: many runs that almost match.
    const QString text = QString(20000, QLatin1Char('a'));
    MemoryDataset ds({{"s", FieldType::Text}}, {{text}, {text + "b"}});
    ds.open();
    ds.setFiltered(true);
    QElapsedTimer t;
    t.start();
    ds.setFilter("s like '%a%a%a%a%a%a%a%a%a%a%a%a%b'");
    EXPECT_EQ(ds.recordCount(), 1);
    ds.setFilter("s like '%a_a_a_a_a_a_a_a_a_a_a_c%'");
    EXPECT_EQ(ds.recordCount(), 0);
    EXPECT_LT(t.elapsed(), 2000);
}

TEST(Dataset, DeepNestingIsRefusedWithAMessage) {
    auto ds = items();
    ds->setFiltered(true);
    ds->setFilter("tp_cnt>0");
    for (const QString& deep : {QString(100000, QLatin1Char('(')) + "id=1" + QString(100000, QLatin1Char(')')),
                                QString("not ").repeated(100000) + "id=1"}) {
        try {
            ds->setFilter(deep);
            ADD_FAILURE() << "accepted";
        } catch (const zdb::DbError& e) {
            EXPECT_TRUE(e.text().contains("вложенность")) << e.text().toStdString();
        }
        EXPECT_EQ(ds->filter(), "tp_cnt>0");
    }
    ds->setFilter("((id=1 or (id=3)) and not (id=3))");
    EXPECT_EQ(column(*ds, "id"), QStringList{"1"});
}

// ---- long and exact values ------------------------------------------------------

TEST_F(Db, LongTextsAreReadWhole) {
    conn.execute("create temp table memo(id integer, t text, v varchar(20000));"
                 "insert into memo values (1, repeat('ё', 9000) || 'конец', 'короткий'), (2, 'короткий', repeat('x', 20000)), "
                 "(3, null, repeat('я', 8190))");
    zdb::Query q(&conn);
    q.setSql("select id, t, v, repeat('я', 70000) || '.' as computed from memo order by id");
    q.open();
    ASSERT_EQ(q.recordCount(), 3);
    EXPECT_EQ(q.fieldByName("t").asString(), QString(9000, QChar(0x451)) + "конец");
    EXPECT_EQ(q.fieldByName("v").asString(), "короткий");
    EXPECT_EQ(q.fieldByName("computed").asString().size(), 70001);
    q.next();
    EXPECT_EQ(q.fieldByName("t").asString(), "короткий");
    EXPECT_EQ(q.fieldByName("v").asString(), QString(20000, QLatin1Char('x')));
    q.next();
    EXPECT_TRUE(q.fieldByName("t").isNull());
    EXPECT_EQ(q.fieldByName("v").asString(), QString(8190, QChar(0x44F)));
}

TEST_F(Db, NumericValuesKeepEveryDigit) {
    conn.execute("create temp table n(id serial primary key, v numeric, w numeric(15,4));"
                 "insert into n(v, w) values (123456789.012345, 12345678901.2345), (12345678901234567890.5, 0.1), "
                 "(-0.000000000000000001, 99999999999.9999), (12345678901234567891.5, 0)");
    zdb::Table t(&conn, "n");
    t.open();
    t.setSort("v ASC");
    EXPECT_EQ(column(t, "v"), (QStringList{"-0,000000000000000001", "123456789,012345", "12345678901234567890,5",
                                           "12345678901234567891,5"}));
    EXPECT_EQ(column(t, "w"), (QStringList{"99999999999,9999", "12345678901,2345", "0,1", "0"}));
    // Written back through the table, the values stay exactly as read.
    t.setSort("id ASC");
    t.first();
    for (int i = 0; i < 4; ++i, t.next()) {
        const QVariant v = t.fieldByName("v").value(), w = t.fieldByName("w").value();
        t.edit();
        t.setFieldValue("v", w);
        t.setFieldValue("w", v.toByteArray().contains("1234567890123") ? QVariant(QByteArray("1.5")) : v);
        t.post();
        t.edit();
        t.setFieldValue("v", v);
        t.post();
    }
    EXPECT_EQ(testdb::scalar(conn, "select string_agg(v::text, ' ' order by id) from n").toString(),
              "123456789.012345 12345678901234567890.5 -0.000000000000000001 12345678901234567891.5");
    zdb::Query q(&conn);
    q.setSql("select v, v * 2 as twice from n where id = 1");
    q.open();
    EXPECT_EQ(q.fieldByName("v").asInteger(), 123456789);
    EXPECT_EQ(q.fieldByName("twice").asString(), "246913578,02469");
}

// ---- a connection that survives the server -----------------------------------

TEST_F(Db, LostConnectionIsRestoredByTheNextAction) {
    zdb::Connection user;
    user.setSessionSetup("SET lock_timeout = '1s'");
    testdb::connectAs(user, "planner", "planner");
    const qlonglong pid = testdb::scalar(user, "select pg_backend_pid()").toLongLong();
    conn.execute(QString("select pg_terminate_backend(%1)").arg(pid));
    // The action under which the server went away says so ...
    try {
        testdb::scalar(user, "select 1");
        ADD_FAILURE() << "no error";
    } catch (const zdb::DbError& e) {
        EXPECT_TRUE(e.text().startsWith("Соединение с базой данных потеряно")) << e.text().toStdString();
    }
    EXPECT_TRUE(user.lost());
    // ... the next one reconnects and asks to be repeated, without running ...
    zdb::Command insert(&user);
    const qlonglong before = testdb::scalar(conn, "select count(*) from cmn_contractor.jur_person").toLongLong();
    try {
        insert.execute("insert into cmn_contractor.jur_person(s_caption) values ('x')");
        ADD_FAILURE() << "no error";
    } catch (const zdb::DbError& e) {
        EXPECT_EQ(e.text(), "Соединение с базой данных восстановлено. Повторите действие.");
    }
    EXPECT_EQ(testdb::scalar(conn, "select count(*) from cmn_contractor.jur_person").toLongLong(), before);
    // ... and then the session is the user's own again, with its settings.
    EXPECT_FALSE(user.lost());
    EXPECT_EQ(testdb::scalar(user, "select current_user").toString(), "planner");
    EXPECT_EQ(testdb::scalar(user, "show lock_timeout").toString(), "1s");
}

TEST_F(Db, LostConnectionInsideATransactionWritesNothing) {
    zdb::Connection user;
    testdb::connectAs(user, "planner", "planner");
    const qlonglong pid = testdb::scalar(user, "select pg_backend_pid()").toLongLong();
    const qlonglong before = testdb::scalar(conn, "select count(*) from cmn_contractor.jur_person").toLongLong();
    {
        zdb::Transaction tr(user);
        user.execute("insert into cmn_contractor.jur_person(s_caption) values ('half')");
        conn.execute(QString("select pg_terminate_backend(%1)").arg(pid));
        EXPECT_THROW(user.execute("insert into cmn_contractor.jur_person(s_caption) values ('other half')"), zdb::DbError);
    }
    EXPECT_EQ(testdb::scalar(conn, "select count(*) from cmn_contractor.jur_person").toLongLong(), before);
    EXPECT_THROW(testdb::scalar(user, "select 1"), zdb::DbError);  // restored: repeat
    EXPECT_EQ(testdb::scalar(user, "select 1").toInt(), 1);
}

TEST_F(Db, HungWaitsEndWithAClearMessage) {
    zdb::Connection user;
    user.setSessionSetup("SET lock_timeout = '300ms'; SET statement_timeout = '1s'");
    testdb::connectAs(user, "planner", "planner");
    zdb::Transaction holding(conn);
    conn.execute("update cmn_contractor.jur_person set s_caption = s_caption where id = 2");
    try {
        user.execute("update cmn_contractor.jur_person set s_inn = '1' where id = 2");
        ADD_FAILURE() << "waited";
    } catch (const zdb::DbError& e) {
        EXPECT_EQ(e.state(), "55P03");
        EXPECT_TRUE(e.text().startsWith("Данные заняты другим пользователем")) << e.text().toStdString();
    }
    try {
        testdb::scalar(user, "select pg_sleep(5)");
        ADD_FAILURE() << "slept";
    } catch (const zdb::DbError& e) {
        EXPECT_EQ(e.state(), "57014");
        EXPECT_TRUE(e.text().startsWith("Запрос выполнялся слишком долго")) << e.text().toStdString();
    }
    EXPECT_FALSE(user.lost());
    EXPECT_EQ(testdb::scalar(user, "select 2").toInt(), 2);
}

TEST_F(Db, PasswordsWithSeparatorsChangeNoOption) {
    testdb::superuserSql("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'odd') THEN "
                         "CREATE ROLE odd LOGIN; END IF; END $$;"
                         "ALTER ROLE odd PASSWORD 'p;UID=sys;{x}}y=';");
    zdb::Connection user;
    testdb::connectAs(user, "odd", "p;UID=sys;{x}}y=");
    EXPECT_EQ(testdb::scalar(user, "select current_user").toString(), "odd");
    // A login with a separator cannot bring in an option either: it is refused.
    EXPECT_THROW(testdb::connectAs(user, "odd;UID=sys", "p;UID=sys;{x}}y="), zdb::DbError);
}

}  // namespace
