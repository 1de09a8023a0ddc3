// Supply through its screens: the needs and a request made from them, the
// purchase requests with their header editor, their lines' stages, additions,
// deletions and prices, and the picker that takes lines into a receipt order.
#include "Unit1.h"
#include "Unit3.h"
#include "Unit34.h"
#include "Unit38.h"
#include "Unit45.h"
#include "Unit5.h"
#include "Unit59.h"
#include "Unit60.h"
#include "Unit61.h"
#include "Unit62.h"
#include "Unit63.h"
#include "Unit65.h"
#include "Unit66.h"
#include "screen_fixture.h"
#include "supply.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

using namespace zui::testing;

// Demo request 4: line 5 tube 40х20 (Закупка), 6 tube 20х20 (Закупка), 7 bolts (Оформление, 6,45).
constexpr int kRequest = 4;

class Supply : public ScreenTest {
protected:
    // Shows the request list as the menu does.
    void showRequests(const std::function<void(zui::TForm&)>& script) {
        Form60->purchase_doc->open();
        modals.on("Form60", script);
        Form60->showModal();
        Form60->purchase_doc->close();
    }

    // Shows the lines of request 'doc' as its row's double click does, the cursor on line 'line'.
    void showLines(int doc, int line, const std::function<void(zui::TForm&)>& script) {
        showRequests([&](zui::TForm&) {
            ASSERT_TRUE(Form60->purchase_doc->locate("id", doc));
            modals.on("Form62", [&](zui::TForm& f) {
                if (line) {
                    EXPECT_TRUE(Form62->purchase_spec->locate("id", line));
                }
                script(f);
            });
            doubleClickRow(Form60->DBGridEh1, Form60->purchase_doc->currentRow());
        });
    }

    QVariant line(int id, const QString& column) {
        return scalar(QString("select %1 from stk_purchase.purchase_spec where id = %2").arg(column).arg(id));
    }
};

// ---- needs -------------------------------------------------------------------

class Needs : public Supply {
protected:
    void SetUp() override {
        Supply::SetUp();
        // Each material's need against its stock; item 42 takes one unit of material per unit.
        db().execute("delete from mnf_app.app_spec");
        db().execute("delete from stk_stocks.stock where id_ii between 10 and 14");
        db().execute("update cmn_inventory_items.inventory_items set massa = 1 where id = 42");
        db().execute("insert into mnf_app.app_spec (id_app_doc, id_ii, cnt, id_gds) values "
                     "(1, 42, 60, 10), (2, 42, 40, 10), (1, 42, 20, 11), (1, 42, 10.5, 12), (1, 42, 10.6, 13), (1, 42, 5, 14)");
        // Two warehouses with the same quantity count twice.
        db().execute("insert into stk_stocks.stock (id_stock, id_ii, count) values "
                     "(9, 10, 15), (8, 10, 15), (9, 11, 50), (9, 12, 10), (9, 13, 10)");
        Form59->person_id = 4;
    }

    void showNeeds(const std::function<void(zui::TForm&)>& script) {
        Form59->gds_needed->open();
        modals.on("Form59", script);
        Form59->showModal();
        Form59->gds_needed->close();
    }

    int rowOf(int material) {
        EXPECT_TRUE(Form59->gds_needed->locate("id_gds", material));
        return Form59->gds_needed->currentRow();
    }
};

TEST_F(Needs, SumsOverRowsAndColoursByTheRoundedShortfall) {
    const QColor red(255, 238, 238), darkRed(128, 0, 0), green(238, 255, 238), darkGreen(0, 128, 0);
    struct Case {
        int material;
        QString all, stock, buy;
        QColor background, text;
    } cases[] = {
        {10, "100", "30", "70", red, darkRed},
        {11, "20", "50", "-30", green, darkGreen},
        {12, "10,5", "10", "0,5", {}, {}},  // rounds to 0
        {13, "10,6", "10", "0,6", red, darkRed},
        {14, "5", "0", "5", red, darkRed},  // no stock row at all
    };
    showNeeds([&](zui::TForm&) {
        EXPECT_EQ(Form59->gds_needed->recordCount(), 5);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.material);
            const int row = rowOf(c.material);
            zdb::Dataset* ds = Form59->gds_needed;
            EXPECT_EQ(ds->fieldByName("all_gds_need").asString(), c.all);
            EXPECT_EQ(ds->fieldByName("gds_stk").asString(), c.stock);
            EXPECT_EQ(ds->fieldByName("gds_need").asString(), c.buy);
            const QModelIndex cell = Form59->DBGridEh1->model()->index(row, 3);
            EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), c.background);
            EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), c.text);
        }
    });
}

TEST_F(Needs, NewRequestTakesTheSelectedRowsThatHaveSomethingToBuy) {
    const qlonglong requests = count("stk_purchase.purchase_doc");
    showNeeds([&](zui::TForm&) {
        clickRow(Form59->DBGridEh1, rowOf(10));
        clickRow(Form59->DBGridEh1, rowOf(11), Qt::ControlModifier);  // stock exceeds the need
        clickRow(Form59->DBGridEh1, rowOf(12), Qt::ControlModifier);
        modals.on("Form62", [&](zui::TForm&) {
            const int doc = scalar("select max(id) from stk_purchase.purchase_doc").toInt();
            EXPECT_EQ(Form62->id_purchase_doc_sel, doc);
            EXPECT_EQ(Form62->DBText1->text(), QString::number(doc));
            EXPECT_EQ(Form62->purchase_spec->recordCount(), 2);
        });
        click(Form59->Button1);
    });
    ASSERT_EQ(count("stk_purchase.purchase_doc"), requests + 1);
    const QString doc = "(select max(id) from stk_purchase.purchase_doc)";
    EXPECT_EQ(scalar("select id_person from stk_purchase.purchase_doc where id = " + doc).toInt(), 4);
    EXPECT_TRUE(scalar("select id_jur_person from stk_purchase.purchase_doc where id = " + doc).isNull());
    EXPECT_EQ(scalar("select d_in from stk_purchase.purchase_doc where id = " + doc).toDate(), QDate::currentDate().addDays(1));
    EXPECT_EQ(scalar("select string_agg(id_gds || ':' || cnt::float8 || ':' || state || ':' || gds_price::float8, ' ' order by id_gds) "
                     "from stk_purchase.purchase_spec where id_purchase_doc = " + doc).toString(),
              "10:70:0:0 12:0.5:0:0");
    EXPECT_FALSE(Form60->purchase_doc->active());
}

TEST_F(Needs, NewRequestIsRefusedWithNothingToBuyOrNobodyToMakeItOut) {
    struct Case {
        const char* what;
        int material;  // the current row, nothing selected
        int person;
        QString message;
    } cases[] = {
        {"stock exceeds the need", 11, 4, "В выбранных строках нечего покупать: заявка не создана."},
        {"the user has no person", 10, 0,
         "У пользователя нет сотрудника в справочнике персонала, заявку некому оформить: заявка не создана."},
    };
    const qlonglong requests = count("stk_purchase.purchase_doc");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form59->person_id = c.person;
        showNeeds([&](zui::TForm& f) {
            rowOf(c.material);
            EXPECT_TRUE(Form59->DBGridEh1->selectedRows().isEmpty());
            messages.expectError(c.message);
            click(Form59->Button1);
            EXPECT_TRUE(f.isVisible());
        });
        EXPECT_EQ(count("stk_purchase.purchase_doc"), requests);
    }
}

// ---- the buyer's way, from the menu -------------------------------------------

TEST_F(Supply, FromTheMenuARequestIsMadeFromTheNeedsFilledAndMovedOn) {
    QAction* needs = nullptr;
    for (QAction* top : Form1->MainMenu->actions())
        if (top->text() == "Снабжение")
            for (QAction* a : top->menu()->actions())
                if (a->text() == "Потребность") needs = a;
    ASSERT_NE(needs, nullptr);
    Form45->person_id = 4;  // as the login of "sodira" leaves it
    Form59->person_id = 0;
    double toBuy = 0;
    modals.on("Form59", [&](zui::TForm&) {
        ASSERT_TRUE(Form59->gds_needed->locate("id_gds", 12));  // tube 40х20: more needed than in stock
        toBuy = Form59->gds_needed->fieldByName("gds_need").asFloat();
        ASSERT_GT(toBuy, 0);
        clickRow(Form59->DBGridEh1, Form59->gds_needed->currentRow());
        modals.on("Form62", [&](zui::TForm&) {
            ASSERT_EQ(Form62->purchase_spec->recordCount(), 1);
            EXPECT_DOUBLE_EQ(Form62->purchase_spec->fieldByName("cnt").asFloat(), toBuy);
            messages.expectError("Цена не может быть 0!");
            doubleClickRow(Form62->DBGridEh1, 0);
            modals.on("Form66", [&](zui::TForm&) {
                typeText(Form66->Edit1, "118.5");
                click(Form66->Button1);
            });
            clickCellButton(Form62->DBGridEh1, 0, 3);
            doubleClickRow(Form62->DBGridEh1, 0);
            EXPECT_EQ(Form62->purchase_spec->fieldByName("s_state").asString(), "Закупка");
            modals.on("Form63", [&](zui::TForm&) {
                modals.on("Form3", [&](zui::TForm&) {
                    ASSERT_TRUE(DataModule6->inventory_items->locate("id", 14));
                    click(Form3->Button2);
                });
                click(Form63->Button5);
                typeText(Form63->Edit3, "400");
                typeText(Form63->Edit1, "6,2");
                click(Form63->Button1);
            });
            click(Form62->Button1);
            EXPECT_EQ(Form62->purchase_spec->recordCount(), 2);
            EXPECT_DOUBLE_EQ(Form60->purchase_doc->fieldByName("all_price").asFloat(), toBuy * 118.5 + 400 * 6.2);
        });
        click(Form59->Button1);
    });
    needs->trigger();
    EXPECT_EQ(Form59->person_id, 4);
    EXPECT_FALSE(Form59->gds_needed->active());
    EXPECT_EQ(scalar("select string_agg(d.id_person || ':' || s.id_gds || ':' || s.cnt::float8 || ':' || s.gds_price::float8 || ':' || "
                     "s.state, ' ' order by s.id_gds) from stk_purchase.purchase_doc d join stk_purchase.purchase_spec s "
                     "on s.id_purchase_doc = d.id where d.id = (select max(id) from stk_purchase.purchase_doc)").toString(),
              QString("4:12:%1:118.5:1 4:14:400:6.2:0").arg(toBuy));
}

// ---- requests and their header ------------------------------------------------

TEST_F(Supply, AddAndChangeARequestKeepingItsRow) {
    Form61->id_person_sel = 4;
    Form61->Edit2->setText("Содирова Алина Рашидовна");
    Form61->id_jur_person_sel = 0;
    Form61->Edit1->clear();
    showRequests([&](zui::TForm&) {
        modals.on("Form61", [&](zui::TForm& f) {
            EXPECT_EQ(Form61->Tag, 1);
            EXPECT_EQ(Form61->DateTimePicker1->date(), QDate::currentDate().addDays(1));
            messages.expectError("Все поля должны быть заполнены!");
            click(Form61->Button1);
            EXPECT_TRUE(f.isVisible());
            modals.on("Form34", [&](zui::TForm&) {
                ASSERT_TRUE(DataModule6->jur_person->locate("id", 7));
                click(Form34->Button2);
            });
            click(Form61->Button3);
            click(Form61->Button1);
            EXPECT_FALSE(f.isVisible());
        });
        click(Form60->Button1);
        const int added = scalar("select max(id) from stk_purchase.purchase_doc").toInt();
        EXPECT_EQ(Form60->purchase_doc->fieldByName("id").asInteger(), added);
        EXPECT_EQ(Form60->purchase_doc->fieldByName("s_jp_caption").asString(), "Общество с ограниченной ответственностью \"Трубный двор\"");
        EXPECT_EQ(Form60->purchase_doc->fieldByName("s_person_caption").asString(), "Содирова Алина Рашидовна");

        // The next request starts with the same executor and counterparty.
        modals.on("Form61", [&](zui::TForm&) {
            EXPECT_EQ(Form61->id_jur_person_sel, 7);
            EXPECT_EQ(Form61->Edit2->text(), "Содирова Алина Рашидовна");
        });
        click(Form60->Button1);

        // A change: the editor shows the request; the list stays on it.
        ASSERT_TRUE(Form60->purchase_doc->locate("id", 2));
        const int recNo = Form60->purchase_doc->recNo();
        modals.on("Form61", [&](zui::TForm&) {
            EXPECT_EQ(Form61->Tag, 0);
            EXPECT_EQ(Form61->id_jur_person_sel, 8);
            EXPECT_EQ(Form61->Edit1->text(), "Общество с ограниченной ответственностью \"Полимер-Краски\"");
            EXPECT_EQ(Form61->DateTimePicker1->date(), QDate::currentDate().addDays(7));
            modals.on("Form5", [&](zui::TForm&) {
                typeText(Form5->Edit1, "Белова");
                click(Form5->Button2);
            });
            click(Form61->Button5);
            pickDate(Form61->DateTimePicker1, QDate::currentDate().addDays(10));
            click(Form61->Button1);
        });
        click(Form60->Button2);
        EXPECT_EQ(Form60->purchase_doc->recNo(), recNo);
        EXPECT_EQ(Form60->purchase_doc->fieldByName("id").asInteger(), 2);
        EXPECT_EQ(Form60->purchase_doc->fieldByName("s_person_caption").asString(), "Белова Татьяна Ивановна");
    });
    EXPECT_EQ(scalar("select d_in from stk_purchase.purchase_doc where id = 2").toDate(), QDate::currentDate().addDays(10));
    EXPECT_EQ(scalar("select id_person from stk_purchase.purchase_doc where id = 2").toInt(), 7);
}

TEST_F(Supply, ARequestChangedOrDeletedElsewhereIsNotWrittenBlindly) {
    showRequests([&](zui::TForm&) {
        ASSERT_TRUE(Form60->purchase_doc->locate("id", 2));
        zdb::Connection other;
        testdb::connectSys(other);
        modals.on("Form61", [&](zui::TForm& f) {
            other.execute("update stk_purchase.purchase_doc set d_in = current_date + 30 where id = 2");
            messages.expectError();
            click(Form61->Button1);
            EXPECT_TRUE(messages.texts().last().startsWith("Строка изменена или удалена на другом рабочем месте"));
            EXPECT_TRUE(f.isVisible());
        });
        click(Form60->Button2);
        EXPECT_EQ(scalar("select d_in from stk_purchase.purchase_doc where id = 2").toDate(), QDate::currentDate().addDays(30));

        // The counterparty of a request deleted meanwhile goes nowhere, and says so.
        other.execute("delete from stk_purchase.purchase_doc where id = 2");
        modals.on("Form34", [&](zui::TForm&) {
            ASSERT_TRUE(DataModule6->jur_person->locate("id", 3));
            click(Form34->Button2);
        });
        messages.expectError(zsup::kChangedElsewhere);
        clickCellButton(Form60->DBGridEh1, Form60->purchase_doc->currentRow(), 2);
        EXPECT_FALSE(Form60->purchase_doc->locate("id", 2));
    });
}

TEST_F(Supply, DeletingARequestDeletesItsLinesWhateverTheirStagesAndKeepsTheRowNumber) {
    showRequests([&](zui::TForm&) {
        ASSERT_TRUE(Form60->purchase_doc->locate("id", kRequest));
        const int recNo = Form60->purchase_doc->recNo();
        messages.answers.push(false);
        click(Form60->Button3);
        EXPECT_EQ(count("stk_purchase.purchase_doc where id = 4"), 1);
        messages.answers.push(true);
        click(Form60->Button3);
        EXPECT_EQ(messages.messages().back().text, "Удалить заявку (будут удалены все строки спецификации)?");
        EXPECT_EQ(messages.messages().back().caption, "Удаление");
        EXPECT_EQ(Form60->purchase_doc->recNo(), recNo);
    });
    EXPECT_EQ(count("stk_purchase.purchase_doc where id = 4"), 0);
    EXPECT_EQ(count("stk_purchase.purchase_spec where id_purchase_doc = 4"), 0);
}

// ---- lines -------------------------------------------------------------------

TEST_F(Supply, DoubleClickSwapsDrawingUpAndBuyingOnceTheLineHasAPrice) {
    struct Case {
        const char* what;
        const char* price;
        int state, after;
        QString message;
    } cases[] = {
        {"no price", "0", 0, 0, "Цена не может быть 0!"},
        {"to buying", "6.45", 0, 1, {}},
        {"back to drawing up", "6.45", 1, 0, {}},
        {"received", "6.45", 2, 2, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db().execute(QString("update stk_purchase.purchase_spec set gds_price = %1, state = %2 where id = 7").arg(c.price).arg(c.state));
        showLines(kRequest, 7, [&](zui::TForm&) {
            const int recNo = Form62->purchase_spec->recNo();
            if (!c.message.isEmpty()) messages.expectError(c.message);
            doubleClickRow(Form62->DBGridEh1, Form62->purchase_spec->currentRow());
            EXPECT_EQ(Form62->purchase_spec->recNo(), recNo);
            EXPECT_EQ(Form62->purchase_spec->fieldByName("state").asInteger(), c.after);
        });
        EXPECT_EQ(line(7, "state").toInt(), c.after);
    }
}

TEST_F(Supply, ALineMovedOnElsewhereIsNeitherMovedBackNorDeletedNorRepriced) {
    showLines(kRequest, 7, [&](zui::TForm&) {
        // Another storekeeper's receipt took it meanwhile.
        db().execute("update stk_purchase.purchase_spec set state = 2 where id = 7");
        messages.expectError(zsup::kChangedElsewhere);
        doubleClickRow(Form62->DBGridEh1, Form62->purchase_spec->currentRow());
        EXPECT_EQ(Form62->purchase_spec->fieldByName("s_state").asString(), "На складе");

        db().execute("update stk_purchase.purchase_spec set state = 0 where id = 7");
        Form62->purchase_spec->reopen();
        ASSERT_TRUE(Form62->purchase_spec->locate("id", 7));
        modals.on("Form66", [&](zui::TForm& f) {
            db().execute("update stk_purchase.purchase_spec set state = 2 where id = 7");
            Form66->Edit1->clear();
            typeText(Form66->Edit1, "7");
            messages.expectError(zsup::kChangedElsewhere);
            click(Form66->Button1);
            EXPECT_FALSE(f.isVisible());
        });
        clickCellButton(Form62->DBGridEh1, Form62->purchase_spec->currentRow(), 3);

        db().execute("update stk_purchase.purchase_spec set state = 0 where id = 7");
        Form62->purchase_spec->reopen();
        ASSERT_TRUE(Form62->purchase_spec->locate("id", 7));
        db().execute("update stk_purchase.purchase_spec set state = 1 where id = 7");
        messages.answers.push(true);
        messages.expectError(zsup::kChangedElsewhere);
        click(Form62->Button3);
    });
    EXPECT_EQ(line(7, "gds_price").toDouble(), 6.45);
    EXPECT_EQ(count("stk_purchase.purchase_spec where id = 7"), 1);
}

TEST_F(Supply, DeletingALineDependsOnItsStage) {
    struct Case {
        const char* what;
        int state;
        bool asked, deleted;
        QString message;
    } cases[] = {
        {"drawing up", 0, true, true, {}},
        {"buying", 1, false, false, "Невозможно удалить принятую строку спецификации!"},
        {"received", 2, false, false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db().execute("delete from stk_purchase.purchase_spec where id = 6");
        db().execute(QString("insert into stk_purchase.purchase_spec (id, id_purchase_doc, id_gds, cnt, gds_price, state) "
                             "values (6, 4, 13, 60, 66, %1)").arg(c.state));
        messages.clear();
        showLines(kRequest, 6, [&](zui::TForm&) {
            const int recNo = Form62->purchase_spec->recNo();
            if (c.asked) messages.answers.push(true);
            if (!c.message.isEmpty()) messages.expectError(c.message);
            click(Form62->Button3);
            EXPECT_EQ(Form62->purchase_spec->recNo(), recNo);
        });
        EXPECT_EQ(messages.texts().contains("Удалить строку?"), c.asked);
        EXPECT_EQ(count("stk_purchase.purchase_spec where id = 6"), c.deleted ? 0 : 1);
    }
}

// ---- a new line ----------------------------------------------------------------

TEST_F(Supply, ANewLineIsCheckedBeforeAnythingIsWritten) {
    struct Case {
        const char* what;
        int item;
        QString count, price;
        QString message;  // empty: no message; "db" the refusal of a number
    } cases[] = {
        {"empty quantity", 11, "", "5", "Все поля должны быть заполнены!"},
        {"the same material twice", 14, "10", "5", "Такая позиция есть в спецификации!"},
        {"price 0", 11, "10", "0", {}},
        {"two commas", 11, "10", "1,2,3", "db"},
        {"a lone comma", 11, ",", "5", "db"},
        {"16 digits", 11, "10", "1234567890123456", "db"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const qlonglong lines = count("stk_purchase.purchase_spec");
        showLines(kRequest, 0, [&](zui::TForm&) {
            modals.on("Form63", [&](zui::TForm& f) {
                EXPECT_EQ(Form63->GroupBox1->title(), "Заявка на закупку № 4");
                EXPECT_EQ(Form63->Edit3->text(), "");
                Form63->id_ii_sel = c.item;
                Form63->Edit2->setText("материал");
                typeText(Form63->Edit3, c.count);
                typeText(Form63->Edit1, c.price);
                if (c.message == "db") messages.expectError();
                else if (!c.message.isEmpty()) messages.expectError(c.message);
                click(Form63->Button1);
                EXPECT_TRUE(f.isVisible());
            });
            click(Form62->Button1);
        });
        EXPECT_EQ(count("stk_purchase.purchase_spec"), lines);
    }
}

TEST_F(Supply, ANewLineForARequestDeletedElsewhereSaysSo) {
    showLines(kRequest, 0, [&](zui::TForm&) {
        modals.on("Form63", [&](zui::TForm& f) {
            Form63->id_ii_sel = 11;
            Form63->Edit2->setText("Лист х/к 1,5 мм 08пс");
            typeText(Form63->Edit3, "10");
            typeText(Form63->Edit1, "90");
            db().execute("delete from stk_purchase.purchase_doc where id = 4");
            messages.expectError("Заявка удалена на другом рабочем месте. Строка не записана.");
            click(Form63->Button1);
            EXPECT_TRUE(f.isVisible());
        });
        click(Form62->Button1);
    });
    EXPECT_EQ(count("stk_purchase.purchase_spec where id_purchase_doc = 4"), 0);
}

TEST_F(Supply, ANewLineIsStoredAndTheRequestListFollowsItsSum) {
    showRequests([&](zui::TForm&) {
        ASSERT_TRUE(Form60->purchase_doc->locate("id", kRequest));
        const int recNo = Form60->purchase_doc->recNo();
        const double sum = Form60->purchase_doc->fieldByName("all_price").asFloat();
        modals.on("Form62", [&](zui::TForm&) {
            modals.on("Form63", [&](zui::TForm& f) {
                modals.on("Form3", [&](zui::TForm&) {
                    ASSERT_TRUE(DataModule6->inventory_items->locate("id", 11));
                    click(Form3->Button2);
                });
                click(Form63->Button5);
                EXPECT_EQ(Form63->Label2->text(), scalar("select s_identification from cmn_msm.msm where id = 1").toString());
                typeText(Form63->Edit3, "25");
                typeText(Form63->Edit1, "12.5");
                EXPECT_EQ(Form63->Edit1->text(), "12,5");
                click(Form63->Button1);
                EXPECT_FALSE(f.isVisible());
            });
            click(Form62->Button1);
            EXPECT_EQ(Form62->purchase_spec->recordCount(), 4);
            EXPECT_EQ(Form62->purchase_spec->fieldByName("ii_s_caption").asString(), "Лист х/к 1,5 мм 08пс");
            EXPECT_EQ(Form62->purchase_spec->fieldByName("s_state").asString(), "Оформление");
        });
        doubleClickRow(Form60->DBGridEh1, Form60->purchase_doc->currentRow());
        EXPECT_EQ(Form60->purchase_doc->recNo(), recNo);
        EXPECT_EQ(Form60->purchase_doc->fieldByName("id").asInteger(), kRequest);
        EXPECT_DOUBLE_EQ(Form60->purchase_doc->fieldByName("all_price").asFloat(), sum + 25 * 12.5);
    });
    EXPECT_EQ(scalar("select gds_price::text from stk_purchase.purchase_spec where id_purchase_doc = 4 and id_gds = 11").toString(),
              "12.5000");
}

// ---- the price -----------------------------------------------------------------

TEST_F(Supply, ThePriceEditor) {
    struct Case {
        const char* what;
        QString typed, shown;
        QString message;  // "db": the refusal of a number
        double stored;
        bool staysOpen;
    } cases[] = {
        {"empty", "", "", "Цена не может быть 0", 66, true},
        {"not a number", "1,2,3", "1,2,3", "db", 66, true},
        {"with a point", "12.5", "12,5", {}, 12.5, false},
        {"0 is a price", "0", "0", {}, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        db().execute("update stk_purchase.purchase_spec set gds_price = 66 where id = 6");
        showLines(kRequest, 6, [&](zui::TForm&) {
            const int recNo = Form62->purchase_spec->recNo();
            modals.on("Form66", [&](zui::TForm& f) {
                EXPECT_EQ(Form66->GroupBox1->title(), "Труба профильная 20х20х1,5");
                EXPECT_EQ(Form66->Edit1->text(), "66");
                Form66->Edit1->clear();
                typeText(Form66->Edit1, c.typed);
                EXPECT_EQ(Form66->Edit1->text(), c.shown);
                if (c.message == "db") messages.expectError();
                else if (!c.message.isEmpty()) messages.expectError(c.message);
                click(Form66->Button1);
                EXPECT_EQ(f.isVisible(), c.staysOpen);
            });
            clickCellButton(Form62->DBGridEh1, Form62->purchase_spec->currentRow(), 3);
            EXPECT_EQ(Form62->purchase_spec->recNo(), recNo);
        });
        EXPECT_DOUBLE_EQ(line(6, "gds_price").toDouble(), c.stored);
    }
    // With price 0 the line stays being drawn up.
    db().execute("update stk_purchase.purchase_spec set state = 0 where id = 6");
    showLines(kRequest, 6, [&](zui::TForm&) {
        messages.expectError("Цена не может быть 0!");
        doubleClickRow(Form62->DBGridEh1, Form62->purchase_spec->currentRow());
    });
    EXPECT_EQ(line(6, "state").toInt(), 0);
}

// ---- into a receipt order --------------------------------------------------------

class IntoReceipt : public Supply {
protected:
    // Receipt order 4 of the demo plant, its lines shown as the order list shows them.
    void showOrder(const std::function<void(zui::TForm&)>& script) {
        DataModule6->stock_in->open();
        ASSERT_TRUE(DataModule6->stock_in->locate("id", 4));
        Form38->id_stock_in_sel = 4;
        Form38->spec_in->setParam("id_stock_in", 4);
        Form38->spec_in->open();
        modals.on("Form38", [&](zui::TForm&) {
            modals.on("Form65", script);
            click(Form38->Button2);
        });
        Form38->showModal();
        Form38->spec_in->close();
        DataModule6->stock_in->close();
    }
    int rowOf(int line) {
        EXPECT_TRUE(Form65->purchase_spec->locate("id", line));
        return Form65->purchase_spec->currentRow();
    }
};

TEST_F(IntoReceipt, TwoChosenLinesBecomeReceiptLinesAndAreReceived) {
    int shown = 0;
    showOrder([&](zui::TForm& f) {
        EXPECT_EQ(Form65->purchase_spec->recordCount(), 3);  // the lines being bought
        click(Form65->Button1);  // nothing chosen: nothing happens
        EXPECT_TRUE(f.isVisible());
        clickRow(Form65->DBGridEh1, rowOf(1));
        clickRow(Form65->DBGridEh1, rowOf(5), Qt::ControlModifier);
        shown = Form38->spec_in->recordCount();
        click(Form65->Button1);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(Form38->spec_in->recordCount(), shown + 2);
    });
    EXPECT_EQ(scalar("select string_agg(id_gds || ':' || cnt_gds::float8 || ':' || price::float8 || ':' || id_msm || ':' || accept, ' ' "
                     "order by id_gds) from stk_stocks.spec_in where id_stock_in = 4 and id > 10").toString(),
              "11:300:93:1:false 12:120:118.5:2:false");
    EXPECT_EQ(line(1, "state").toInt(), 2);
    EXPECT_EQ(line(5, "state").toInt(), 2);
    EXPECT_EQ(line(6, "state").toInt(), 1);
    EXPECT_FALSE(Form65->purchase_spec->active());
}

TEST_F(IntoReceipt, ALineTakenElsewhereMeanwhileWritesNoneOfTheChosen) {
    const qlonglong receiptLines = count("stk_stocks.spec_in");
    showOrder([&](zui::TForm& f) {
        clickRow(Form65->DBGridEh1, rowOf(1));
        clickRow(Form65->DBGridEh1, rowOf(6), Qt::ControlModifier);
        // Another workstation took line 6 into its own order.
        db().execute("update stk_purchase.purchase_spec set state = 2 where id = 6");
        messages.expectError();
        click(Form65->Button1);
        EXPECT_TRUE(messages.texts().last().startsWith("Строка «Труба профильная 20х20х1,5» взята в другой ордер"));
        EXPECT_TRUE(f.isVisible());
        EXPECT_EQ(Form65->purchase_spec->recordCount(), 2);
    });
    EXPECT_EQ(count("stk_stocks.spec_in"), receiptLines);
    EXPECT_EQ(line(1, "state").toInt(), 1);
}

}  // namespace
