// The raw-materials warehouse through its screens: the stock list, receipt
// orders with their header, lines and acceptance at the weighted-average
// price, and moves between warehouses. After every case the whole stock table
// keeps 0 <= reserve <= count.
#include "Unit3.h"
#include "Unit36.h"
#include "Unit37.h"
#include "Unit38.h"
#include "Unit39.h"
#include "Unit40.h"
#include "Unit56.h"
#include "screen_fixture.h"
#include "supply.h"
#include "warehouse.h"
#include "zui_hooks.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <atomic>
#include <thread>

namespace {

using namespace zui::testing;

// Demo item 13 "Труба профильная 20х20х1,5" (unit 2), demo order 4 into warehouse 9 (raw materials);
// warehouse 8 holds blanks.
constexpr int kItem = 13;
constexpr int kOrder = 4;
constexpr int kLine = 100;

class Warehouse : public ScreenTest {
protected:
    void TearDown() override {
        EXPECT_EQ(count("stk_stocks.stock where not (0 <= reserve and reserve <= count)"), 0);
        ScreenTest::TearDown();
    }

    // The item's stock, "warehouse:count:reserve:price" by warehouse.
    QString stockOf(int item = kItem) {
        return scalar(QString("select string_agg(id_stock || ':' || count::float8 || ':' || reserve::float8 || ':' || "
                              "price::float8, ' ' order by id_stock) from stk_stocks.stock where id_ii = %1").arg(item))
            .toString();
    }
    // Replaces the item's stock rows with 'rows' ("(warehouse, count, reserve, price), ...", may be empty).
    void setStock(const QString& rows, int item = kItem) {
        db().execute(QString("delete from stk_stocks.stock where id_ii = %1").arg(item));
        if (!rows.isEmpty())
            db().execute(QString("insert into stk_stocks.stock (id_stock, count, reserve, price, id_ii) "
                                 "select w, c, r, p, %1 from (values %2) v(w, c, r, p)").arg(item).arg(rows));
    }
    void setLine(const QString& cnt, const QString& price, int id = kLine) {
        db().execute(QString("delete from stk_stocks.spec_in where id = %1").arg(id));
        db().execute(QString("insert into stk_stocks.spec_in (id, id_stock_in, id_gds, id_msm, cnt_gds, price) "
                             "values (%1, %2, %3, 2, %4, %5)").arg(id).arg(kOrder).arg(kItem).arg(cnt, price));
    }
    double costPrice(int item = kItem) {
        return scalar(QString("select cost_price from cmn_inventory_items.inventory_items where id = %1").arg(item)).toDouble();
    }
    bool accepted(int line = kLine) { return scalar(QString("select accept from stk_stocks.spec_in where id = %1").arg(line)).toBool(); }

    // The stock list as the menu shows it.
    void showStock(const std::function<void(zui::TForm&)>& script) {
        DataModule6->stock->open();
        DataModule6->stock->setSort("ii_caption ASC");
        modals.on("Form36", script);
        Form36->showModal();
        DataModule6->stock->close();
    }
    // The order list as "Приход" shows it.
    void showOrders(const std::function<void(zui::TForm&)>& script) {
        showStock([&](zui::TForm&) {
            modals.on("Form37", script);
            click(Form36->Button1);
        });
    }
    // The lines of 'order', opened by a double click on its row.
    void showLines(int order, const std::function<void(zui::TForm&)>& script) {
        showOrders([&](zui::TForm&) {
            ASSERT_TRUE(DataModule6->stock_in->locate("id", order));
            modals.on("Form38", script);
            doubleClickRow(Form37->DBGridEh1, DataModule6->stock_in->currentRow());
        });
    }
    // In Form38: the double click on line 'id'.
    void accept(int id = kLine) {
        ASSERT_TRUE(Form38->spec_in->locate("id", id));
        doubleClickRow(Form38->DBGridEh1, Form38->spec_in->currentRow());
    }
};

// ---- acceptance ----------------------------------------------------------------

TEST_F(Warehouse, AcceptingALineTakesItIntoStockAtTheWeightedAveragePrice) {
    struct Case {
        const char* what;
        QString before;  // stock rows of the item
        QString cnt, price;
        QString after;
        double cost;     // the item's cost price afterwards
        QString message;  // "db": the refusal of a number
    } cases[] = {
        {"first receipt of the item", "", "500", "6.2", "9:500:0:6.2", 6.2, {}},
        {"10 at 20 onto 30 at 12", "(9, 30, 0, 12)", "10", "20", "9:40:0:14", 14, {}},
        {"30 held in two warehouses", "(9, 20, 5, 12), (8, 10, 0, 12)", "10", "20", "8:10:0:14 9:30:5:14", 14, {}},
        {"a new row beside the other warehouse's", "(8, 30, 0, 12)", "10", "20", "8:30:0:14 9:10:0:14", 14, {}},
        {"an empty row left by an issue", "(9, 0, 0, 12)", "10", "20", "9:10:0:20", 20, {}},
        {"quantity 0 onto stock", "(9, 30, 0, 12)", "0", "20", "9:30:0:12", 12, {}},
        {"quantity 0 and no stock", "", "0", "20", "", 64,
         "Этого ТМЦ нет на складе, а количество в строке равно 0: цену рассчитать нельзя. Строка не принята."},
        // Written by another program: refused as a number before any statement.
        {"a quantity of 16 digits", "(9, 30, 0, 12)", "1234567890123456", "20", "9:30:0:12", 64, "db"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db().execute("update cmn_inventory_items.inventory_items set cost_price = 64 where id = 13");
        setStock(c.before);
        setLine(c.cnt, c.price);
        showLines(kOrder, [&](zui::TForm&) {
            if (c.message == "db") messages.expectError();
            else if (!c.message.isEmpty()) messages.expectError(c.message);
            accept();
            EXPECT_EQ(Form38->spec_in->fieldByName("id").asInteger(), kLine);
            EXPECT_EQ(Form38->spec_in->fieldByName("plus").asString(), c.message.isEmpty() ? "ok" : "no");
            // The stock list below follows at once.
            EXPECT_EQ(DataModule6->stock->locate("id_ii", kItem), !c.after.isEmpty());
        });
        EXPECT_EQ(stockOf(), c.after);
        EXPECT_DOUBLE_EQ(costPrice(), c.cost);
        EXPECT_EQ(accepted(), c.message.isEmpty());
    }
}

TEST_F(Warehouse, AnAcceptedLineIsAcceptedOnce) {
    setStock("(9, 30, 0, 12)");
    setLine("10", "20");
    showLines(kOrder, [&](zui::TForm&) {
        accept();
        accept();  // the second double click does nothing
        // Accepted on another workstation after this list was read: nothing more.
        setLine("5", "50", 101);
        Form38->spec_in->reopen();
        ASSERT_TRUE(Form38->spec_in->locate("id", 101));
        db().execute("update stk_stocks.spec_in set accept = true where id = 101");
        accept(101);
        EXPECT_EQ(Form38->spec_in->fieldByName("plus").asString(), "ok");
        // Deleted meanwhile: said so.
        setLine("5", "50", 102);
        Form38->spec_in->reopen();
        ASSERT_TRUE(Form38->spec_in->locate("id", 102));
        db().execute("delete from stk_stocks.spec_in where id = 102");
        messages.expectError(zsup::kChangedElsewhere);
        accept(102);
    });
    EXPECT_EQ(stockOf(), "9:40:0:14");
}

TEST_F(Warehouse, AFailingLastStatementLeavesNothingOfTheAcceptance) {
    setStock("(9, 30, 0, 12), (8, 10, 0, 12)");
    setLine("10", "20");
    db().execute("create function public.test_refuse() returns trigger language plpgsql as "
                 "$$ begin raise exception 'отказ на последнем шаге'; end $$");
    db().execute("create trigger refuse before update of cost_price on cmn_inventory_items.inventory_items for each row "
                 "when (new.id = 13) execute function public.test_refuse()");
    showLines(kOrder, [&](zui::TForm&) {
        messages.expectError();
        accept();
        EXPECT_TRUE(messages.texts().last().contains("отказ на последнем шаге"));
        EXPECT_EQ(Form38->spec_in->fieldByName("plus").asString(), "no");
    });
    EXPECT_EQ(stockOf(), "8:10:0:12 9:30:0:12");
    EXPECT_DOUBLE_EQ(costPrice(), 64);
    EXPECT_FALSE(accepted());
}

// Another storekeeper accepts a line of the same item and has not committed
// yet when this screen's acceptance starts: the screen waits for it and
// prices over both receipts.
TEST_F(Warehouse, TwoStorekeepersAcceptingTheSameItemBothCount) {
    setStock("(9, 30, 0, 12)");
    setLine("10", "20");
    setLine("20", "12", 101);
    zdb::Connection other;
    testdb::connectSys(other);
    other.beginTransaction();
    ASSERT_EQ(zwh::acceptReceiptLine(other, 101), zwh::Outcome::Done);  // joins the open transaction: locks held

    const qlonglong screen = scalar("select pg_backend_pid()").toLongLong();
    std::atomic<bool> sawWait{false};
    std::thread release([&] {
        zdb::Connection watch;
        testdb::connectSys(watch);
        const QString waiting = QString("select count(*) from pg_stat_activity where pid = %1 and wait_event_type = 'Lock'").arg(screen);
        for (int i = 0; i < 1000 && !sawWait; ++i) {
            if (testdb::scalar(watch, waiting).toInt() > 0) sawWait = true;
            else std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        other.commit();
    });
    showLines(kOrder, [&](zui::TForm&) { accept(); });
    release.join();
    EXPECT_TRUE(sawWait);
    // (30 x 12 + 20 x 12 + 10 x 20) / 60
    EXPECT_EQ(stockOf(), "9:60:0:13.3333333333333");
    EXPECT_TRUE(accepted(101));
    EXPECT_TRUE(accepted());
}

// ---- orders ----------------------------------------------------------------------

TEST_F(Warehouse, TheOrderHeader) {
    struct Case {
        const char* what;
        int counterparty, warehouse;
        QString number, stored;
        QString message;
    } cases[] = {
        {"no counterparty", -1, 9, "12", {}, "Все поля должны быть заполнены!"},
        {"no warehouse", 6, -1, "12", {}, "Все поля должны быть заполнены!"},
        {"an empty number", 6, 9, "", "0", {}},
        {"a number", 7, 9, "00451", "00451", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qlonglong orders = count("stk_stocks.stock_in");
        showOrders([&](zui::TForm&) {
            modals.on("Form39", [&](zui::TForm& f) {
                EXPECT_EQ(Form39->Tag, 1);
                EXPECT_EQ(Form39->Edit2->text(), "");
                EXPECT_EQ(Form39->DateTimePicker1->date(), QDate::currentDate());
                if (c.counterparty > 0) chooseLookup(Form39->LCB_jur_person, c.counterparty);
                if (c.warehouse > 0) chooseLookup(Form39->LCB_department, c.warehouse);
                typeText(Form39->Edit2, c.number);
                if (!c.message.isEmpty()) messages.expectError(c.message);
                click(Form39->Button1);
                EXPECT_EQ(f.isVisible(), !c.message.isEmpty());
            });
            click(Form37->Button1);
            if (c.message.isEmpty()) {
                EXPECT_EQ(Form37->list()->fieldByName("id").asInteger(), scalar("select max(id) from stk_stocks.stock_in").toInt());
            }
        });
        EXPECT_EQ(count("stk_stocks.stock_in"), orders + (c.message.isEmpty() ? 1 : 0));
        if (c.message.isEmpty())
            EXPECT_EQ(scalar("select id_accomp_doc from stk_stocks.stock_in where id = (select max(id) from stk_stocks.stock_in)").toString(),
                      c.stored);
    }
    // A change shows the order and writes onto it, the list staying on it.
    showOrders([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->stock_in->locate("id", 2));
        modals.on("Form39", [&](zui::TForm&) {
            EXPECT_EQ(Form39->Tag, 0);
            EXPECT_EQ(Form39->Edit1->text(), "2");
            EXPECT_EQ(Form39->Edit2->text(), "377");
            EXPECT_EQ(Form39->LCB_jur_person->keyValue().toInt(), 7);
            EXPECT_EQ(Form39->LCB_department->keyValue().toInt(), 9);
            Form39->Edit2->clear();
            click(Form39->Button1);
        });
        click(Form37->Button2);
        EXPECT_EQ(DataModule6->stock_in->fieldByName("id").asInteger(), 2);
        EXPECT_EQ(DataModule6->stock_in->fieldByName("id_accomp_doc").asString(), "0");
    });
}

TEST_F(Warehouse, TitleClicksSortTheOrders) {
    struct Step {
        int column;
        QString sort;
    } steps[] = {
        {0, "date_in, id ASC"},
        {0, "date_in DESC, id ASC"},
        {1, "id ASC"},
        {1, "id DESC"},
        {2, "id_accomp_doc  ASC, date_in DESC"},
        {2, "id_accomp_doc  ASC, date_in DESC"},
        {3, "jp_caption ASC, date_in DESC"},
        {4, "dep_caption ASC, date_in DESC"},
        {5, "dep_caption ASC, date_in DESC"},  // the lines' column does not sort
        {2, "id_accomp_doc  ASC, date_in DESC"},
        {1, "id ASC"},
        {3, "jp_caption, date_in DESC"},
    };
    showOrders([&](zui::TForm&) {
        EXPECT_EQ(DataModule6->stock_in->sort(), "date_in DESC");
        EXPECT_EQ(DataModule6->stock_in->fieldByName("id").asInteger(), 4);  // the newest first
        for (const Step& s : steps) {
            clickTitle(Form37->DBGridEh1, s.column);
            EXPECT_EQ(DataModule6->stock_in->sort(), s.sort) << s.column;
        }
        EXPECT_EQ(DataModule6->stock_in->fieldByName("jp_caption").asString(),
                  "Общество с ограниченной ответственностью \"МеталлТорг\"");
    });
}

// Runs 'meanwhile' when the next question is asked, as another workstation
// acting while the user reads it.
class Meanwhile {
public:
    explicit Meanwhile(std::function<void()> meanwhile) : meanwhile_(std::move(meanwhile)) {
        previous_ = zui::hooks::setMessageSink([this](zui::msg::Kind kind, const QString& caption, const QString& text) {
            if (kind == zui::msg::Kind::Question && meanwhile_) std::exchange(meanwhile_, {})();
            return previous_(kind, caption, text);
        });
    }
    ~Meanwhile() { zui::hooks::setMessageSink(previous_); }

private:
    std::function<void()> meanwhile_;
    zui::hooks::MessageSink previous_;
};

TEST_F(Warehouse, DeletingOrdersAndLines) {
    const QString refused = "У ордера есть принятые строки спецификации!\nУдаление невозможно.";
    showOrders([&](zui::TForm&) {
        // Order 1 has accepted lines: not even asked.
        ASSERT_TRUE(DataModule6->stock_in->locate("id", 1));
        messages.expectError(refused);
        click(Form37->Button3);
        // Order 4: "Нет" keeps it and the row.
        ASSERT_TRUE(DataModule6->stock_in->locate("id", kOrder));
        const int recNo = DataModule6->stock_in->recNo();
        messages.answers.push(false);
        click(Form37->Button3);
        EXPECT_EQ(DataModule6->stock_in->recNo(), recNo);
        // A line accepted elsewhere while the question is read: refused after all.
        {
            Meanwhile accepting([&] { db().execute("update stk_stocks.spec_in set accept = true where id = 9"); });
            messages.answers.push(true);
            messages.expectError(refused);
            click(Form37->Button3);
        }
        EXPECT_EQ(DataModule6->stock_in->fieldByName("id").asInteger(), kOrder);
    });
    EXPECT_EQ(count("stk_stocks.spec_in where id_stock_in = 4"), 2);

    // Lines: an accepted one stays, also when accepted elsewhere meanwhile; an open one goes after "Да".
    showLines(kOrder, [&](zui::TForm&) {
        ASSERT_TRUE(Form38->spec_in->locate("id", 9));
        messages.expectError("Невозможно удалить принятую строку спецификации!");
        click(Form38->Button3);
        db().execute("update stk_stocks.spec_in set accept = false where id = 9");
        Form38->spec_in->reopen();
        ASSERT_TRUE(Form38->spec_in->locate("id", 9));
        {
            Meanwhile accepting([&] { db().execute("update stk_stocks.spec_in set accept = true where id = 9"); });
            messages.answers.push(true);
            messages.expectError(zsup::kChangedElsewhere);
            click(Form38->Button3);
        }
        ASSERT_TRUE(Form38->spec_in->locate("id", 10));
        const int recNo = Form38->spec_in->recNo();
        messages.answers.push(true);
        click(Form38->Button3);
        EXPECT_EQ(Form38->spec_in->recordCount(), 1);
        EXPECT_EQ(Form38->spec_in->recNo(), std::min(recNo, 1));
    });
    EXPECT_EQ(count("stk_stocks.spec_in where id_stock_in = 4"), 1);

    // Without accepted lines the order goes with its lines.
    db().execute("update stk_stocks.spec_in set accept = false where id = 9");
    showOrders([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->stock_in->locate("id", kOrder));
        messages.answers.push(true);
        click(Form37->Button3);
        EXPECT_EQ(messages.messages().back().text, "Удалить ордер (будут удалены все строки спецификации)?");
        EXPECT_EQ(messages.messages().back().caption, "Удаление");
        EXPECT_FALSE(DataModule6->stock_in->locate("id", kOrder));
    });
    EXPECT_EQ(count("stk_stocks.stock_in where id = 4"), 0);
    EXPECT_EQ(count("stk_stocks.spec_in where id_stock_in = 4"), 0);
}

TEST_F(Warehouse, ANewLineIsCheckedAndStored) {
    struct Case {
        const char* what;
        QString cnt, price;
        QString message;  // "db": the refusal of a number
    } cases[] = {
        {"no quantity", "", "5", "Все поля должны быть заполнены!"},
        {"no price", "5", "", "Все поля должны быть заполнены!"},
        {"two commas", "1,2,3", "5", "db"},
        {"a lone comma", "5", ",", "db"},
        {"stored", "12.5", "7,25", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qlonglong lines = count("stk_stocks.spec_in");
        showLines(kOrder, [&](zui::TForm&) {
            modals.on("Form40", [&](zui::TForm& f) {
                EXPECT_EQ(Form40->GroupBox1->title(), "Приходный ордер № 4");
                EXPECT_EQ(Form40->Edit2->text(), "");
                modals.on("Form3", [&](zui::TForm&) {
                    ASSERT_TRUE(DataModule6->inventory_items->locate("id", kItem));
                    click(Form3->Button2);
                });
                click(Form40->Button5);
                EXPECT_EQ(Form40->Label5->text(), scalar("select s_identification from cmn_msm.msm where id = 2").toString().trimmed());
                typeText(Form40->Edit3, c.cnt);
                typeText(Form40->Edit1, c.price);
                if (c.message == "db") messages.expectError();
                else if (!c.message.isEmpty()) messages.expectError(c.message);
                click(Form40->Button1);
                EXPECT_EQ(f.isVisible(), !c.message.isEmpty());
            });
            click(Form38->Button1);
            if (c.message.isEmpty()) {
                EXPECT_EQ(Form38->spec_in->fieldByName("marka").asString(), "Труба профильная 20х20х1,5");
                EXPECT_EQ(Form38->spec_in->fieldByName("plus").asString(), "no");
            }
        });
        EXPECT_EQ(count("stk_stocks.spec_in"), lines + (c.message.isEmpty() ? 1 : 0));
        EXPECT_TRUE(Form40->Label5->text().isEmpty());
    }
    EXPECT_EQ(scalar("select cnt_gds::float8 || ':' || price::float8 || ':' || id_msm from stk_stocks.spec_in "
                     "where id = (select max(id) from stk_stocks.spec_in)").toString(),
              "12.5:7.25:2");
}

// ---- moves -------------------------------------------------------------------------

class Moves : public Warehouse {
protected:
    // Opens the move dialog over the item's row in 'warehouse'.
    void move(int warehouse, const std::function<void(zui::TForm&)>& script) {
        showStock([&](zui::TForm&) {
            ASSERT_TRUE(DataModule6->stock->locate("id_ii;id_stock", QVariantList{kItem, warehouse}));
            const qlonglong row = DataModule6->stock->fieldByName("id").asInteger();
            modals.on("Form56", script);
            click(Form36->Button2);
            // The list is read again, on the same row.
            EXPECT_EQ(DataModule6->stock->fieldByName("id").asInteger(), row);
        });
    }
};

TEST_F(Moves, MovingToAnotherWarehouseUpToTheFreeQuantity) {
    struct Case {
        const char* what;
        QString before;
        QString qty;
        QString after;
        int moves;  // records of moves afterwards
        QString message;
    } cases[] = {
        {"to a warehouse without a row", "(9, 30, 10, 12)", "5", "8:5:0:12 9:25:10:12", 1, {}},
        {"onto a row there", "(9, 30, 10, 12), (8, 4, 1, 12)", "20", "8:24:1:12 9:10:10:12", 1, {}},
        {"above the free quantity", "(9, 30, 10, 12)", "20,5", "9:30:10:12", 0,
         "Можно переместить не больше свободного остатка: 20. Ничего не перемещено."},
        {"nothing", "(9, 30, 10, 12)", "0", "9:30:10:12", 0, "Количество должно быть больше 0!"},
        {"not a number", "(9, 30, 10, 12)", "1,2,", "9:30:10:12", 0, "db"},
        {"no target", "(9, 30, 10, 12)", "5", "9:30:10:12", 0, "Все поля должны быть заполнены!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db().execute("delete from stk_stocks.stock_move");
        setStock(c.before);
        move(9, [&](zui::TForm& f) {
            EXPECT_EQ(Form56->Edit1->text(), "Труба профильная 20х20х1,5");
            EXPECT_EQ(Form56->Edit2->text(), "Склад сырья и материалов");
            EXPECT_EQ(Form56->Edit3->text(), "20");
            EXPECT_EQ(Form56->Edit4->text(), "20");
            // The raw-materials and blanks warehouses but the row's own.
            EXPECT_EQ(Form56->stk_to->recordCount(), count("cmn_department.department where type in (1, 2) and id <> 9"));
            EXPECT_FALSE(Form56->stk_to->locate("id", 9));
            if (QString(c.what) != "no target") chooseLookup(Form56->LCB_stk_to, 8);
            Form56->Edit4->clear();
            typeText(Form56->Edit4, c.qty);
            if (c.message == "db") messages.expectError();
            else if (!c.message.isEmpty()) messages.expectError(c.message);
            click(Form56->Button1);
            EXPECT_EQ(f.isVisible(), !c.message.isEmpty());
        });
        EXPECT_EQ(stockOf(), c.after);
        EXPECT_EQ(count("stk_stocks.stock_move"), c.moves);
        if (c.moves) {
            EXPECT_EQ(scalar("select id_ii || ':' || id_stock_from || ':' || id_stock_to || ':' || cnt::float8 || ':' || s_user || "
                             "':' || (d_datetime::date = current_date) from stk_stocks.stock_move").toString(),
                      "13:9:8:" + c.qty + ":sys:true");
        }
    }
}

TEST_F(Moves, ARowWithNothingFreeOpensNoDialog) {
    setStock("(9, 30, 30, 12)");
    showStock([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->stock->locate("id_ii", kItem));
        messages.expectError("Свободного остатка нет: всё количество в резерве.");
        click(Form36->Button2);
    });
    EXPECT_EQ(count("stk_stocks.stock_move"), 0);
}

TEST_F(Moves, ReservedMeanwhileOrFailingAtTheLastStatementMovesNothing) {
    setStock("(9, 30, 10, 12)");
    // Another workstation reserves while the dialog is open: the lock reads the new figure.
    move(9, [&](zui::TForm& f) {
        chooseLookup(Form56->LCB_stk_to, 8);
        db().execute("update stk_stocks.stock set reserve = 25 where id_ii = 13");
        messages.expectError("Можно переместить не больше свободного остатка: 5. Ничего не перемещено.");
        click(Form56->Button1);
        EXPECT_EQ(Form56->Edit3->text(), "5");
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(stockOf(), "9:30:25:12");

    db().execute("create function public.test_refuse() returns trigger language plpgsql as "
                 "$$ begin raise exception 'отказ на последнем шаге'; end $$");
    db().execute("create trigger refuse before insert on stk_stocks.stock_move for each row when (new.cnt = 3) "
                 "execute function public.test_refuse()");
    move(9, [&](zui::TForm& f) {
        chooseLookup(Form56->LCB_stk_to, 8);
        Form56->Edit4->clear();
        typeText(Form56->Edit4, "3");
        messages.expectError();
        click(Form56->Button1);
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(stockOf(), "9:30:25:12");
    EXPECT_EQ(count("stk_stocks.stock_move"), 0);
}

}  // namespace

namespace {

// The storekeeper's login and the restricted ones accept and move with their
// own rights: the locks, the cost price and the record of moves are theirs to write.
TEST_F(Warehouse, LoginsWithTheirOwnRightsAcceptAndMove) {
    for (const char* login : {"sklad", "sodira", "econom"}) {
        SCOPED_TRACE(login);
        setStock("(9, 30, 0, 12)");
        setLine("10", "20");
        zdb::Connection user;
        testdb::connectAs(user, login, login);
        EXPECT_EQ(zwh::acceptReceiptLine(user, kLine), zwh::Outcome::Done);
        const qlonglong row = scalar("select id from stk_stocks.stock where id_ii = 13 and id_stock = 9").toLongLong();
        EXPECT_EQ(zwh::moveStock(user, row, 8, "5"), zwh::Outcome::Done);
        EXPECT_EQ(stockOf(), "8:5:0:14 9:35:0:14");
        EXPECT_EQ(scalar("select s_user from stk_stocks.stock_move order by id desc limit 1").toString(), login);
    }
}

}  // namespace
