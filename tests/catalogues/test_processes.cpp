#include "Unit10.h"
#include "Unit3.h"
#include "Unit33.h"
#include "Unit4.h"
#include "Unit8.h"
#include "catalogue_test.h"

#include <QGroupBox>

namespace {

using zui::testing::chooseLookup;
using zui::testing::clickTitle;

class Processes : public CatalogueTest {
protected:
    // As the main menu shows it.
    void showProcesses(zui::testing::ScriptedModals::Script script) {
        Form4->Button1->setVisible(true);
        Form4->Button3->setVisible(true);
        showList(DataModule6->proc_tech, Form4, std::move(script));
    }

    // Opens the editor on process 'id' from the list, running 'script' in it.
    void editProcess(int id, zui::testing::ScriptedModals::Script script) {
        ASSERT_TRUE(DataModule6->proc_tech->locate("id", id));
        modals.on("Form33", std::move(script));
        click(Form4->Button2);
    }

    // In the editor: adds an operation of type 'typeId' at the proposed position.
    void addOperation(int typeId, const QVariant& state, const QString& price, QString* proposed = nullptr) {
        modals.on("Form10", [=, this](zui::TForm&) {
            if (proposed) *proposed = Form10->Edit1->text();
            modals.on("Form8", [=](zui::TForm&) {
                ASSERT_TRUE(DataModule6->operation_type->locate("id", typeId));
                click(Form8->Button2);
            });
            click(Form10->Button4);
            if (state.isValid()) chooseLookup(Form10->cb_operation_state, state);
            typeText(Form10->Edit3, price);
            click(Form10->Button1);
        });
        click(Form33->Button1);
    }

    QString priceOf(int id) {
        return scalar(QString("select coalesce(sum(price), 0)::text from mnf_operation.operation where id_proc_tech=%1").arg(id)).toString();
    }
};

TEST_F(Processes, NewProcessWithOperationsShowsInListWithItsTotal) {
    int id = 0;
    showProcesses([&](zui::TForm&) {
        modals.on("Form33", [&](zui::TForm&) {
            EXPECT_FALSE(Form33->Button1->isEnabled());
            EXPECT_FALSE(Form33->Button4->isEnabled());
            modals.on("Form3", [&](zui::TForm&) {
                EXPECT_EQ(Form3->Button2->text(), "Выбрать");
                ASSERT_TRUE(DataModule6->inventory_items->locate("id", 43));
                click(Form3->Button2);
            });
            click(Form33->Button5);
            modals.on("Form3", [&](zui::TForm&) {
                ASSERT_TRUE(DataModule6->inventory_items->locate("id", 13));
                doubleClickRow(Form3->DBGridEh1, DataModule6->inventory_items->currentRow());
            });
            click(Form33->Button7);
            EXPECT_EQ(Form3->Button2->text(), "Изменить");
            EXPECT_FALSE(Form3->Button1->isHidden());
            typeText(Form33->Edit3, "Ограждение облегчённое");
            messages.answers.push(true);
            click(Form33->Button6);
            id = Form33->id_pt_edit;
            ASSERT_GT(id, 7);
            EXPECT_EQ(Form33->GroupBox1->title(), QString("Техпроцесс № %1").arg(id));
            EXPECT_EQ(Form33->Tag, 0);
            EXPECT_TRUE(Form33->Button1->isEnabled());

            QString first, second;
            addOperation(1, 0, "12,5", &first);
            addOperation(3, 0, "7.25", &second);
            EXPECT_EQ(first, "1");
            EXPECT_EQ(second, "2");
            EXPECT_EQ(DataModule6->operation->recordCount(), 2);
            EXPECT_EQ(Form33->DBText1->text(), "19,75");
            click(Form33->Button4);  // nothing changed: closes without a question
        });
        click(Form4->Button1);
        ASSERT_TRUE(DataModule6->proc_tech->locate("id", id));
        EXPECT_DOUBLE_EQ(DataModule6->proc_tech->fieldByName("full_price").asFloat(), 19.75);
        EXPECT_EQ(DataModule6->proc_tech->fieldByName("s_gds").asString(), "Труба профильная 20х20х1,5");
    });
    EXPECT_EQ(messages.texts(), QStringList{"Сохранить изменения?"});
    EXPECT_EQ(scalar(QString("select id_inventory_items::text || '/' || id_gds from mnf_proc_tech.proc_tech where id=%1").arg(id)).toString(),
              "43/13");
}

TEST_F(Processes, SaveWritesOnlyAChangedHeader) {
    showProcesses([&](zui::TForm&) {
        // Unchanged: no question, nothing written, the editor stays.
        editProcess(3, [&](zui::TForm& f) {
            click(Form33->Button6);
            EXPECT_TRUE(f.isVisible());
        });
        // Name emptied: the message, nothing written, and "Сохранить и выйти" still closes.
        editProcess(3, [&](zui::TForm& f) {
            Form33->Edit3->clear();
            messages.expectError("Все поля должны быть заполнены.");
            click(Form33->Button4);
            EXPECT_FALSE(f.isVisible());
        });
        // Renamed and answered "Нет": nothing written.
        editProcess(3, [&](zui::TForm&) {
            typeText(Form33->Edit3, " 2");
            messages.answers.push(false);
            click(Form33->Button4);
        });
    });
    EXPECT_EQ(messages.texts(), (QStringList{"Все поля должны быть заполнены.", "Сохранить изменения?"}));
    EXPECT_EQ(scalar("select s_caption from mnf_proc_tech.proc_tech where id=3").toString(), "Опора М10: резка и сварка");
}

TEST_F(Processes, ProposedPositionIsHighestPlusOne) {
    db().execute("insert into mnf_proc_tech.proc_tech(s_caption, id_inventory_items, id_gds) values ('Пустой', 42, 13)");
    const int empty = scalar("select id from mnf_proc_tech.proc_tech where s_caption='Пустой'").toInt();
    db().execute("update mnf_operation.operation set orderby=5 where id=8");  // process 3: positions 1 and 5
    struct Case {
        int process;
        QString proposed;
    } cases[] = {{empty, "1"}, {3, "6"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.process);
        showProcesses([&](zui::TForm&) {
            editProcess(c.process, [&](zui::TForm&) {
                modals.on("Form10", [&](zui::TForm&) {
                    EXPECT_EQ(Form10->Tag, 1);
                    EXPECT_EQ(Form10->Edit1->text(), c.proposed);
                    EXPECT_TRUE(Form10->Edit3->text().isEmpty());
                });
                click(Form33->Button1);
            });
        });
    }
}

TEST_F(Processes, OperationWithoutResultIsWrittenButNotListed) {
    showProcesses([&](zui::TForm&) {
        editProcess(3, [&](zui::TForm&) {
            addOperation(4, QVariant(), "3");
            EXPECT_EQ(DataModule6->operation->recordCount(), 2);
            EXPECT_EQ(Form33->DBText1->text(), "10,5");  // the total counts it
        });
    });
    EXPECT_EQ(count("mnf_operation.operation where id_proc_tech=3 and id_state=-1 and id_type=4"), 1);
}

TEST_F(Processes, ChangedOperationKeepsItsRowAndPriceFormat) {
    showProcesses([&](zui::TForm&) {
        editProcess(2, [&](zui::TForm&) {
            DataModule6->operation->setRecNo(3);
            modals.on("Form10", [&](zui::TForm&) {
                EXPECT_EQ(Form10->Edit3->text(), "3,5");
                Form10->Edit3->clear();
                typeText(Form10->Edit3, "4,25");
                click(Form10->Button1);
            });
            click(Form33->Button2);
            EXPECT_EQ(DataModule6->operation->recNo(), 3);
        });
    });
    EXPECT_EQ(priceOf(2), "14.7500");
}

TEST_F(Processes, TitleClicksSortPriceAndIgnoreMaterial) {
    showProcesses([&](zui::TForm&) {
        zdb::Dataset* list = DataModule6->proc_tech;
        clickTitle(Form4->DBGridEh1, 4);
        EXPECT_EQ(list->sort(), "full_price DESC, s_ii, id ASC");
        clickTitle(Form4->DBGridEh1, 2);
        EXPECT_EQ(list->sort(), "full_price DESC, s_ii, id ASC");
        clickTitle(Form4->DBGridEh1, 4);
        EXPECT_EQ(list->sort(), "full_price, s_ii, id ASC");
        list->first();
        EXPECT_EQ(list->fieldByName("id").asInteger(), 7);  // 5,5: the cheapest
    });
}

TEST_F(Processes, DeleteRefusedByDatabaseLeavesList) {
    // A shift record on an operation of process 3 keeps the process.
    db().execute("insert into accounts_dep.smena(w_id, o_id, kol_vo, brak) values (8, 7, 1, 0)");
    messages.answers.push(true);
    showProcesses([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->proc_tech->locate("id", 3));
        const int recNo = DataModule6->proc_tech->recNo();
        const int rows = DataModule6->proc_tech->recordCount();
        messages.expectError();  // the database's own text
        click(Form4->Button3);
        EXPECT_EQ(DataModule6->proc_tech->recordCount(), rows);
        EXPECT_EQ(DataModule6->proc_tech->recNo(), recNo);
    });
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].text, "Удалить строку (будет удалена вся спецификация ТП)?");
    EXPECT_EQ(messages.messages()[1].kind, zui::msg::Kind::Error);
    EXPECT_EQ(count("mnf_operation.operation where id_proc_tech=3"), 2);
}

TEST_F(Processes, DeleteTakesTheOperationsAlong) {
    messages.answers.push(true);
    showProcesses([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->proc_tech->locate("id", 5));
        click(Form4->Button3);
    });
    EXPECT_EQ(count("mnf_proc_tech.proc_tech where id=5"), 0);
    EXPECT_EQ(count("mnf_operation.operation where id_proc_tech=5"), 0);
}

}  // namespace
