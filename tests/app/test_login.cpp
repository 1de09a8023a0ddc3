#include "Unit1.h"
#include "Unit23.h"
#include "Unit45.h"
#include "screen_fixture.h"
#include "session.h"
#include "zorna_config.h"

#include <QCheckBox>
#include <QTest>
#include <QRadioButton>

namespace {

using zui::testing::click;

class Login : public ScreenTest {
protected:
    // Presses "Вход" with the given login and password; the menu window, if shown, is closed at once.
    bool login(const QString& user, const QString& password) {
        Form23->Edit1->setText(user);
        Form23->Edit2->setText(password);
        bool menuShown = false;
        modals.always("Form1", [&](zui::TForm&) { menuShown = true; });
        click(Form23->Button1);
        return menuShown;
    }
    void TearDown() override {
        DataModule6->ADO_DB->close();
        ScreenTest::TearDown();
    }
};

TEST_F(Login, ServiceCodeSelectsTheSystemAccountOnlyInABuildGivenItsPassword) {
    Form23->systemPassword = testdb::sysPassword();
    for (const QString& password : {QStringLiteral("3528"), QStringLiteral("  3528 ")}) {
        DataModule6->openStoredConnection();
        ASSERT_TRUE(login("ignored", password));
        EXPECT_EQ(Form45->user_login, "sys");
        EXPECT_EQ(Form45->user_password, testdb::sysPassword());
        EXPECT_EQ(Form45->current_shift, 1);
        EXPECT_EQ(Form1->windowTitle(), "ZORNA.ERP (Data Source: zorna_erp_dev)");
        EXPECT_EQ(DataModule6->Smena3->params().byName("OK").value.toString(), "ta");
        EXPECT_EQ(scalar("select current_user").toString(), "sys");
    }
    EXPECT_EQ(Form45->user_id, scalar("select id from adm_user.users where s_name = 'sys'").toInt());
    EXPECT_EQ(terminations, 1 + 1);  // each login ends the program when its menu window closes

    // A plant build has no system password: the code is refused as a failed connection.
    Form23->systemPassword.clear();
    terminations = 0;
    messages.expectError("Подключение к БД отсутсвует (Data Source: zorna_erp_dev)");
    EXPECT_FALSE(login("", "3528"));
    EXPECT_EQ(messages.texts(), QStringList{"Подключение к БД отсутсвует (Data Source: zorna_erp_dev)"});
    EXPECT_EQ(terminations, 1);
    Form23->systemPassword = QStringLiteral(ZORNA_MAVORET);
}

TEST_F(Login, PasswordBoxStartsEmptyButInTheDemoBuild) {
    TForm23 fresh;
    EXPECT_EQ(fresh.Edit2->text(), ZORNA_DEMO_BUILD ? QString(TForm23::ServiceCode) : QString());
    EXPECT_EQ(fresh.systemPassword, QString(ZORNA_MAVORET));
}

TEST_F(Login, BeforeTheLoginOnlyTheStampIsReadableAndTheUserIsLookedUpAsTheUser) {
    TDataModule6::setStoredAccount("zorna_startup", testdb::startupPassword());
    DataModule6->openStoredConnection();
    TDataModule6::setStoredAccount("sys", testdb::sysPassword());
    EXPECT_EQ(scalar("select current_user").toString(), "zorna_startup");
    EXPECT_THROW(scalar("select count(*) from adm_user.users"), zdb::DbError);
    // The version check works on the start-up connection and records a newer build.
    db().execute("select 1");  // still connected
    testBuildStamp = BuildStamp{QDate::currentDate().year() * 10000 + QDate::currentDate().month() * 100 + QDate::currentDate().day(), 3600};
    Form1->VersionCheck();
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join("; ").toStdString();
    EXPECT_EQ(scalar("select t from ver").toInt(), 3600);
    ASSERT_TRUE(login("sklad", "sklad"));
    EXPECT_EQ(Form45->user_id, 7);
    EXPECT_EQ(Form45->person_id, 7);
}

TEST_F(Login, RightsFollowTheLoginCaseSensitively) {
    // A login the plant has as a database role but not in its user table.
    // Logins the plant has as database roles but not in its user table; the
    // new ones have their rights only through their group.
    testdb::superuserSql("DO $$ DECLARE r record; BEGIN FOR r IN SELECT * FROM (VALUES ('Econom', 'zorna_user'), "
                         "('new_economist', 'zorna_economist'), ('new_clerk', 'zorna_restricted'), ('new_admin', 'zorna_admin')) "
                         "t(login, grp) LOOP IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = r.login) THEN "
                         "EXECUTE format('CREATE ROLE %I LOGIN PASSWORD %L IN ROLE %I', r.login, r.login, r.grp); END IF; END LOOP; END $$");
    Form23->systemPassword = testdb::sysPassword();
    struct Case {
        QString login, password;
        bool catalogues, add, refresh, clear;
    };
    const Case cases[] = {
        {"econom", "econom", false, false, false, false},
        {"lurevna", "lurevna", false, false, true, false},
        {"sodira", "sodira", false, false, true, false},
        {"ravenko", "ravenko", false, false, true, false},
        {"Econom", "Econom", true, true, true, false},
        {"master", "master", true, true, true, false},
        {"new_economist", "new_economist", false, false, false, false},
        {"new_clerk", "new_clerk", false, false, true, false},
        {"new_admin", "new_admin", true, true, true, true},
        {"sys", "3528", true, true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.login.toStdString());
        DataModule6->openStoredConnection();
        ASSERT_TRUE(login(c.login, c.password));
        EXPECT_EQ(Form1->MenuCatalogues->menuAction()->isEnabled(), c.catalogues);
        EXPECT_EQ(Form1->ClearDatabaseItem->isVisible(), c.clear);
        EXPECT_EQ(Form1->ClearDatabaseItem->isEnabled(), c.clear);
        EXPECT_EQ(Form45->Button1->isEnabled(), c.add);
        EXPECT_EQ(Form45->Button2->isEnabled(), c.add);
        EXPECT_EQ(Form45->Button8->isEnabled(), c.refresh);
        EXPECT_EQ(Form45->DateT->isEnabled(), c.refresh);
        EXPECT_EQ(Form45->RadioButton4->isEnabled(), c.refresh);
        EXPECT_TRUE(Form45->Button7->isEnabled());
        EXPECT_TRUE(Form45->Button4->isEnabled());
        // Statements now run as the user, not as the system account.
        EXPECT_EQ(scalar("select current_user").toString(), c.login);
        if (c.login.startsWith("new_") || c.login == "Econom") {
            EXPECT_EQ(Form45->user_id, 0);
            EXPECT_EQ(Form45->person_id, 0);
        } else {
            EXPECT_EQ(Form45->person_id, scalar("select id_person from adm_user.users where s_name = " + zdb::quoted(c.login)).toInt());
        }
        // The next login starts from an enabled board, as a new run would.
        for (QWidget* w : std::initializer_list<QWidget*>{Form45->Button1, Form45->Button2, Form45->Button8, Form45->DateT,
                                                         Form45->RadioButton1, Form45->RadioButton2, Form45->RadioButton3,
                                                         Form45->RadioButton4, Form45->CBox1, Form45->DBGrid2})
            w->setEnabled(true);
    }
}

TEST_F(Login, RefusedConnectionShowsTheTargetAndEnds) {
    Form23->systemPassword = QStringLiteral(ZORNA_MAVORET);
    struct Case {
        QStringList args;
        QString caption, message;
    };
    const Case cases[] = {
        {{}, "ZORNA.ERP (Data Source: zorna_erp_dev)", "Подключение к БД отсутсвует (Data Source: zorna_erp_dev)"},
        {{"no_such_dsn"}, "ZORNA.ERP (Data Source: no_such_dsn)", "Подключение к БД отсутсвует (Data Source: no_such_dsn)"},
        {{"127.0.0.1", "no_such_db", "extra"}, "ZORNA.ERP (сервер: 127.0.0.1, БД: no_such_db)",
         "Подключение к БД отсутсвует (сервер: 127.0.0.1, БД: no_such_db)"},
        {{"", "no_such_db"}, "ZORNA.ERP (Data Source: )", "Подключение к БД отсутсвует (Data Source: )"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message.toStdString());
        session::setArguments(c.args);
        DataModule6->openStoredConnection();
        messages.clear();
        terminations = 0;
        messages.expectError(c.message);
        EXPECT_FALSE(login("econom", "wrong password"));
        EXPECT_EQ(Form1->windowTitle(), c.caption);
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].kind, zui::msg::Kind::Error);
        EXPECT_EQ(messages.messages()[0].caption, "Ошибка");
        EXPECT_EQ(messages.messages()[0].text, c.message);
        EXPECT_EQ(terminations, 1);
    }
}

TEST_F(Login, ServerAndDatabaseFormOfTheConnectionString) {
    session::setArguments({"db.plant.local", "zorna"});
    const QString cs = Form23->targetConnectionString("ivanov", "sec;ret");
    EXPECT_TRUE(cs.startsWith("DRIVER={PostgreSQL UNICODE};DATABASE=zorna;SERVER=db.plant.local;PORT=5432;UID=ivanov;PWD={sec;ret};"
                              "SSLmode=prefer;"))
        << cs.toStdString();
    EXPECT_TRUE(cs.contains("OptionalErrors=0;XaOpt=1;pqopt={keepalives=1 "));
    // The driver takes the whole option list as it stands (here on the test cluster's port).
    zdb::Connection direct;
    direct.setConnectionString(QString(Form23->targetConnectionString("sys", testdb::sysPassword()))
                                   .replace("DATABASE=zorna", "DATABASE=zorna_erp")
                                   .replace("SERVER=db.plant.local", "SERVER=127.0.0.1")
                                   .replace("PORT=5432", "PORT=" + qEnvironmentVariable("ZORNA_DB_PORT")));
    direct.open();
    EXPECT_EQ(testdb::scalar(direct, "select current_user").toString(), "sys");
    EXPECT_EQ(Form1->windowTitle(), "ZORNA.ERP (сервер: db.plant.local, БД: zorna)");
    Form23->FormActivate();
    EXPECT_EQ(Form23->Label3->text(), "Сервер: db.plant.local, БД: zorna");
}

TEST_F(Login, VersionCheckAtActivation) {
    struct Case {
        int recordedDate, recordedTime;
        bool newerRecorded;
    };
    // The server refuses a build from the future: this client was built today.
    const QDate today = QDate::currentDate();
    const int build = today.year() * 10000 + today.month() * 100 + today.day(), at = 12 * 3600;
    testBuildStamp = BuildStamp{build, at};
    const Case cases[] = {
        {build - 1, 86000, false},  // older client recorded: ours takes over
        {build, at - 1, false},
        {build, at, false},         // equal: nothing changes
        {build, at + 1, true},      // a newer client has connected: ours ends
        {build + 1, 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.recordedDate * 100000LL + c.recordedTime);
        db().execute(QString("update ver set d = %1, t = %2, delim = '.'").arg(c.recordedDate).arg(c.recordedTime));
        messages.clear();
        terminations = 0;
        Form23->Timer1->stop();
        DataModule6->delim.clear();
        if (c.newerRecorded) messages.expectError("Версия программы не соответсвует БД! Запустите программу через 5 мин.");
        Form23->FormActivate();
        EXPECT_EQ(Form23->windowTitle(), QString("Авторизация (build: %1.%2)").arg(build).arg(at));
        EXPECT_EQ(DataModule6->delim, ".");
        const qlonglong d = scalar("select d from ver").toLongLong(), t = scalar("select t from ver").toLongLong();
        if (c.newerRecorded) {
            EXPECT_EQ(d, c.recordedDate);
            EXPECT_EQ(t, c.recordedTime);
            ASSERT_EQ(messages.texts(), QStringList{"Версия программы не соответсвует БД! Запустите программу через 5 мин."});
            EXPECT_EQ(messages.messages()[0].caption, "Ошибка");
            EXPECT_EQ(terminations, 1);
            // Even with the message left open, the timer ends the program 5500 ms later.
            EXPECT_TRUE(Form23->Timer1->isActive());
            EXPECT_EQ(Form23->Timer1->interval(), 5500);
        } else {
            EXPECT_EQ(d, build);
            EXPECT_EQ(t, std::max(at, c.recordedDate == build ? c.recordedTime : 0));
            EXPECT_TRUE(messages.messages().empty());
            EXPECT_EQ(terminations, 0);
            EXPECT_FALSE(Form23->Timer1->isActive());
        }
    }
    Form23->Timer1->stop();
}

TEST_F(Login, TerminationTimerEndsTheProgram) {
    // 5500 ms, once; what it does is checked without waiting that long.
    EXPECT_EQ(Form23->Timer1->interval(), 5500);
    EXPECT_TRUE(Form23->Timer1->isSingleShot());
    Form23->Timer1->setInterval(1);
    Form23->Timer1->start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return terminations > 0; }, 5000));
    Form23->Timer1->setInterval(5500);
    EXPECT_EQ(terminations, 1);
    EXPECT_FALSE(Form23->Timer1->isActive());
}

TEST_F(Login, VersionCheckRefusesAForeignSeparatorAndAFutureBuild) {
    const QDate today = QDate::currentDate();
    testBuildStamp = BuildStamp{today.year() * 10000 + today.month() * 100 + today.day(), 0};
    struct Case {
        QString delim;
        bool refused;
    };
    for (const Case& c : {Case{".", false}, Case{",", false}, Case{"1 where false; update ver set d = 0; select 1", true},
                          Case{"", true}, Case{"..", true}}) {
        SCOPED_TRACE(c.delim.toStdString());
        db().execute("update ver set d = 0, t = 0, delim = " + zdb::quoted(c.delim));
        messages.clear();
        if (c.refused) messages.expectError();
        Form1->Timer1Timer();
        if (c.refused) {
            ASSERT_EQ(messages.messages().size(), 1u);
            EXPECT_TRUE(messages.messages()[0].text.contains("Десятичный разделитель")) << messages.texts()[0].toStdString();
            EXPECT_TRUE(DataModule6->delim.isEmpty());
            EXPECT_THROW(DataModule6->NumToSql("1,5"), zdb::DbError);
        } else {
            EXPECT_TRUE(messages.messages().empty());
            EXPECT_EQ(DataModule6->NumToSql("1,5"), "1" + c.delim + "5");
        }
    }
    // A client whose build date lies ahead of the server's today cannot take the stamp.
    db().execute("update ver set d = 0, t = 0, delim = '.'");
    const QDate tomorrow = QDate::currentDate().addDays(1);
    testBuildStamp = BuildStamp{tomorrow.year() * 10000 + tomorrow.month() * 100 + tomorrow.day(), 0};
    messages.clear();
    messages.expectError();
    Form1->Timer1Timer();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.contains("позже сегодняшней")) << messages.texts()[0].toStdString();
    EXPECT_EQ(scalar("select d from ver").toInt(), 0);
}

TEST_F(Login, TheCheckGoesOnAfterTheServerDroppedTheConnection) {
    const qlonglong pid = scalar("select pg_backend_pid()").toLongLong();
    zdb::Connection other;
    testdb::connectSys(other);
    other.execute(QString("select pg_terminate_backend(%1)").arg(pid));
    messages.clear();
    messages.expectError();
    Form1->Timer1Timer();  // the tick under which the server went away says so
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_TRUE(messages.messages()[0].text.startsWith("Соединение с базой данных потеряно"));
    messages.clear();
    Form1->Timer1Timer();  // the next one reconnects and checks, without a word
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join("; ").toStdString();
    EXPECT_EQ(scalar("select current_user").toString(), "sys");
}

}  // namespace
