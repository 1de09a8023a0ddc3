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

TEST_F(Login, InitialContentsLogInAsTheSystemAccount) {
    Form23->Edit1->clear();
    Form23->Edit2->setText(TForm23::ServiceCode);
    for (const QString& password : {QStringLiteral("3528"), QStringLiteral("  3528 ")}) {
        DataModule6->openStoredConnection();
        ASSERT_TRUE(login("ignored", password));
        EXPECT_EQ(Form45->user_login, "sys");
        EXPECT_EQ(Form45->user_password, ZORNA_MAVORET);
        EXPECT_EQ(Form45->current_shift, 1);
        EXPECT_EQ(Form1->windowTitle(), "ZORNA.ERP (Data Source: zorna_erp_dev)");
        EXPECT_EQ(DataModule6->Smena3->params().byName("OK").value.toString(), "ta");
    }
    EXPECT_EQ(Form45->user_id, scalar("select id from adm_user.users where s_name = 'sys'").toInt());
    EXPECT_EQ(terminations, 1 + 1);  // each login ends the program when its menu window closes
}

TEST_F(Login, RightsFollowTheLoginCaseSensitively) {
    // A login the plant has as a database role but not in its user table.
    testdb::superuserSql("DO $$ BEGIN IF NOT EXISTS (SELECT 1 FROM pg_roles WHERE rolname = 'Econom') THEN "
                         "CREATE ROLE \"Econom\" LOGIN PASSWORD 'Econom' IN ROLE zorna_user; END IF; END $$");
    struct Case {
        QString login;
        bool catalogues, add, refresh;
    };
    const Case cases[] = {
        {"econom", false, false, false},
        {"lurevna", false, false, true},
        {"sodira", false, false, true},
        {"ravenko", false, false, true},
        {"Econom", true, true, true},
        {"master", true, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.login.toStdString());
        DataModule6->openStoredConnection();
        ASSERT_TRUE(login(c.login, c.login));
        EXPECT_EQ(Form1->MenuCatalogues->menuAction()->isEnabled(), c.catalogues);
        EXPECT_EQ(Form45->Button1->isEnabled(), c.add);
        EXPECT_EQ(Form45->Button2->isEnabled(), c.add);
        EXPECT_EQ(Form45->Button8->isEnabled(), c.refresh);
        EXPECT_EQ(Form45->DateT->isEnabled(), c.refresh);
        EXPECT_EQ(Form45->RadioButton4->isEnabled(), c.refresh);
        EXPECT_TRUE(Form45->Button7->isEnabled());
        EXPECT_TRUE(Form45->Button4->isEnabled());
        // Statements now run as the user, not as the system account.
        EXPECT_EQ(scalar("select current_user").toString(), c.login);
        if (c.login == "Econom") {
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
    const QString cs = Form23->targetConnectionString("ivanov", "secret");
    EXPECT_TRUE(cs.startsWith("DRIVER={PostgreSQL UNICODE};DATABASE=zorna;SERVER=db.plant.local;PORT=5432;UID=ivanov;PWD=secret;SSLmode=allow;"))
        << cs.toStdString();
    EXPECT_TRUE(cs.endsWith("OptionalErrors=0;XaOpt=1"));
    // The driver takes the whole option list as it stands (here on the test cluster's port).
    zdb::Connection direct;
    direct.setConnectionString(QString(Form23->targetConnectionString("sys", ZORNA_MAVORET))
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
    const int build = 20261211, at = 12 * 3600;
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

}  // namespace
