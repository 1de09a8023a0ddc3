#include "Unit1.h"
#include "screen_fixture.h"
#include "zui_hooks.h"

#include <QMenu>

namespace {

QAction* menuItem(const QString& menu, const QString& item) {
    for (QAction* top : Form1->MainMenu->actions()) {
        if (top->text() != menu) continue;
        if (!top->menu()) return top;
        for (QAction* a : top->menu()->actions())
            if (a->text() == item) return a;
    }
    ADD_FAILURE() << "no menu item " << menu.toStdString() << " / " << item.toStdString();
    return nullptr;
}

class Menu : public ScreenTest {};

TEST_F(Menu, EveryItemOpensItsScreenAndEscClosesIt) {
    struct Case {
        QString menu, item, screen;
    };
    const Case cases[] = {
        {"Справочники", "Подразделения", "Form30"}, {"Справочники", "Персонал", "Form5"},
        {"Справочники", "Должности", "Form26"},     {"Справочники", "Роли", "Form32"},
        {"Справочники", "Контрагенты", "Form34"},   {"Справочники", "Вид номенклатуры", "Form28"},
        {"Справочники", "ТМЦ", "Form3"},            {"Справочники", "Операции", "Form8"},
        {"Справочники", "Техпроцессы", "Form4"},    {"Справочники", "Администрарование", "Form35"},
        {"Снабжение", "Потребность", "Form59"},     {"Снабжение", "Закупка", "Form60"},
        {"Склады", "Склад сырья и заготовок", "Form36"}, {"Склады", "Склад ГП и заготовок", "Form50"},
        {"Производство", "Номенклатура", "Form46"}, {"Производство", "Заявки", "Form55"},
        {"Производство", "Табель", "Form45"},       {"Маркетинг", "Заявки", "Form41"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item.toStdString());
        bool shown = false;
        modals.on(c.screen, [&](zui::TForm& f) {
            shown = true;
            EXPECT_EQ(f.Tag, 0);
            zui::testing::pressKey(&f, Qt::Key_Escape);
            EXPECT_FALSE(f.isVisible());
        });
        QAction* a = menuItem(c.menu, c.item);
        ASSERT_NE(a, nullptr);
        a->trigger();
        EXPECT_TRUE(shown);
        EXPECT_TRUE(messages.messages().empty()) << messages.texts().join("; ").toStdString();
    }
    // Lists the menu opened are closed again, so the next opening reads fresh data.
    for (zdb::Dataset* ds : std::initializer_list<zdb::Dataset*>{DataModule6->department, DataModule6->workers, DataModule6->role,
                                                                 DataModule6->app_doc, DataModule6->stock, DataModule6->inventory_items})
        EXPECT_FALSE(ds->active()) << ds->objectName().toStdString();
}

TEST_F(Menu, MarketingRequestsAreReadFreshEachTime) {
    qlonglong seen = -1;
    modals.always("Form41", [&](zui::TForm&) { seen = DataModule6->app_doc->recordCount(); });
    menuItem("Маркетинг", "Заявки")->trigger();
    const qlonglong before = seen;
    db().execute("insert into mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out) "
                 "select 1, min(id), '01.02.2027', '05.02.2027' from cmn_contractor.person");
    menuItem("Маркетинг", "Заявки")->trigger();
    EXPECT_EQ(seen, before + 1);
}

TEST_F(Menu, ClearingTheDatabaseAsksAndEmptiesOnlyWorkingData) {
    db().execute("update cmn_inventory_items.inventory_items set cost_price = 5 where id <> 0");
    const qlonglong persons = count("cmn_contractor.person"), items = count("cmn_inventory_items.inventory_items"),
                    processes = count("mnf_proc_tech.proc_tech");
    ASSERT_GT(count("mnf_app.app_doc"), 0);
    ASSERT_GT(count("stk_stocks.stock"), 0);

    messages.answers.push(false);
    menuItem("База", "Очистить базу")->trigger();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].kind, zui::msg::Kind::Question);
    EXPECT_EQ(messages.messages()[0].caption, "Удаление");
    EXPECT_EQ(messages.messages()[0].text, "Очистить все рабочие данные базы?");
    EXPECT_GT(count("mnf_app.app_doc"), 0);

    messages.answers.push(true);
    menuItem("База", "Очистить базу")->trigger();
    for (const char* t : {"mnf_app.app_doc", "mnf_app.app_spec", "mnf_proc_tech.tp_operation", "accounts_dep.smena",
                          "accounts_dep.h_tabel", "accounts_dep.person_temp", "stk_stocks.stock", "stk_stocks.stock_in",
                          "stk_stocks.spec_out", "stk_purchase.purchase_doc"})
        EXPECT_EQ(count(t), 0) << t;
    EXPECT_EQ(count("cmn_contractor.person"), persons);
    EXPECT_EQ(count("cmn_inventory_items.inventory_items"), items);
    EXPECT_EQ(count("mnf_proc_tech.proc_tech"), processes);
    EXPECT_EQ(scalar("select count(*) from cmn_inventory_items.inventory_items where cost_price <> 0").toLongLong(), 0);
}

}  // namespace

namespace {

TEST_F(Menu, AFailingVersionCheckWaitsForItsMessageBeforeTheNextOne) {
    DataModule6->ADO_DB->close();
    int shown = 0;
    // The next tick comes while the first error is still on the screen.
    auto previous = zui::hooks::setMessageSink([&](zui::msg::Kind, const QString&, const QString&) {
        if (++shown == 1) Form1->Timer1Timer();
        return false;
    });
    Form1->Timer1Timer();
    zui::hooks::setMessageSink(previous);
    EXPECT_EQ(shown, 1);
    // Once it is gone, the check runs again and shows its error anew.
    messages.expectError("Нет подключения к базе данных");
    Form1->Timer1Timer();
    EXPECT_EQ(messages.texts(), QStringList{"Нет подключения к базе данных"});
}

TEST_F(Menu, ClearingTheDatabaseIsRefusedByTheDatabaseForOthers) {
    const qlonglong requests = count("mnf_app.app_doc"), stock = count("stk_stocks.stock");
    ASSERT_GT(requests, 0);
    for (const char* login : {"planner", "econom", "lurevna"}) {
        SCOPED_TRACE(login);
        testdb::connectAs(db(), login, login);
        messages.clear();
        messages.answers.push(true);
        messages.expectError();  // the database's refusal
        menuItem("База", "Очистить базу")->trigger();
        ASSERT_EQ(messages.messages().size(), 2u);
        EXPECT_EQ(messages.messages()[1].kind, zui::msg::Kind::Error);
        EXPECT_TRUE(messages.messages()[1].text.contains("permission denied") ||
                    messages.messages()[1].text.contains("нет доступа") || messages.messages()[1].text.contains("прав"))
            << messages.messages()[1].text.toStdString();
    }
    testdb::connectSys(db());
    EXPECT_EQ(count("mnf_app.app_doc"), requests);
    EXPECT_EQ(count("stk_stocks.stock"), stock);
}

}  // namespace
