#include "Unit28.h"
#include "Unit3.h"
#include "Unit33.h"
#include "Unit303.h"
#include "Unit4.h"
#include "Unit40.h"
#include "Unit44.h"
#include "Unit7.h"
#include "catalogue_test.h"

#include <QLabel>

namespace {

using zui::testing::chooseLookup;
using zui::testing::clickCellButton;
using zui::testing::clickTitle;

class Items : public CatalogueTest {
protected:
    // Shows the item list as the main menu does.
    void showItems(zui::testing::ScriptedModals::Script script) {
        Form3->Edit1->clear();
        Form3->Tag = 0;
        modals.on("Form3", std::move(script));
        Form3->showModal();
        DataModule6->inventory_items->close();
    }
    bool selectItem(int id) { return DataModule6->inventory_items->locate("id", id); }
};

TEST_F(Items, PaintedExactlyWhenConsumptionAboveZero) {
    struct Case {
        QString typed, massaTyped;
        bool ral;
        double ralCons, massa;
    } cases[] = {
        {"", "", false, 0, 0},
        {"0", "1a,5", false, 0, 1.5},  // letters are dropped
        {"0,35", "2.5", true, 0.35, 2.5},
        {".5", "", true, 0.5, 0},
        {"0,0", "", false, 0, 0},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        const QString name = QString("Деталь %1").arg(++n);
        showItems([&](zui::TForm&) {
            modals.on("Form7", [&](zui::TForm&) {
                typeText(Form7->Edit1, name);
                typeText(Form7->Edit5, c.typed);
                typeText(Form7->Edit2, c.massaTyped);
                chooseLookup(Form7->cb_operation_state, 2);
                chooseLookup(Form7->cb_msm, 4);
                click(Form7->Button1);
            });
            click(Form3->Button1);
        });
        const QString where = " from cmn_inventory_items.inventory_items where marka = " + zdb::quoted(name);
        EXPECT_EQ(scalar("select ral" + where).toBool(), c.ral);
        EXPECT_DOUBLE_EQ(scalar("select ral_cons" + where).toDouble(), c.ralCons);
        EXPECT_DOUBLE_EQ(scalar("select massa" + where).toDouble(), c.massa);
    }
    EXPECT_TRUE(messages.messages().empty()) << messages.texts().join("; ").toStdString();
}

TEST_F(Items, ChangeKeepsSortAndRowAndRecomputesPaint) {
    showItems([&](zui::TForm&) {
        clickTitle(Form3->DBGridEh1, 0);  // descending
        DataModule6->inventory_items->setRecNo(3);
        const int id = int(DataModule6->inventory_items->fieldByName("id").asInteger());
        modals.on("Form7", [&](zui::TForm&) {
            Form7->Edit5->clear();
            typeText(Form7->Edit5, "0");
            click(Form7->Button1);
        });
        click(Form3->Button2);
        EXPECT_EQ(DataModule6->inventory_items->sort(), "marka DESC, s_nom ASC");
        EXPECT_EQ(DataModule6->inventory_items->recNo(), 3);
        EXPECT_FALSE(scalar(QString("select ral from cmn_inventory_items.inventory_items where id=%1").arg(id)).toBool());
    });
}

TEST_F(Items, TitleClicksToggleSort) {
    showItems([&](zui::TForm&) {
        zdb::Dataset* items = DataModule6->inventory_items;
        struct Step {
            int column;
            QString sort;
        } steps[] = {
            {0, "marka DESC, s_nom ASC"}, {0, "marka, s_nom ASC"},     {0, "marka DESC, s_nom ASC"},
            {1, "s_nom, marka ASC"},      {1, "s_nom DESC, marka ASC"}, {2, "s_nom DESC, marka ASC"},
        };
        EXPECT_EQ(items->sort(), "marka, s_nom ASC");
        for (const Step& s : steps) {
            clickTitle(Form3->DBGridEh1, s.column);
            EXPECT_EQ(items->sort(), s.sort);
        }
        clickTitle(Form3->DBGridEh1, 0);
        clickTitle(Form3->DBGridEh1, 0);  // descending by name
        items->first();
        EXPECT_EQ(items->fieldByName("marka").asString(), "Труба профильная 40х20х2");
    });
}

TEST_F(Items, FilterFindsNameAnywhere) {
    showItems([&](zui::TForm&) {
        typeText(Form3->Edit1, "1800");
        EXPECT_EQ(column(DataModule6->inventory_items, "marka"), (QStringList{"Заготовка стойки 1800", "Стеллаж СТ-1800"}));
    });
}

TEST_F(Items, KindPresetFromKindListThenNoneFromMenu) {
    // Kind 4 "Заготовки" is the fourth kind by name.
    QVariant keyFromKind, keyFromMenu;
    QString shownFromKind;
    showList(DataModule6->nomenclature, Form28, [&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->nomenclature->locate("id", 4));
        modals.on("Form3", [&](zui::TForm&) {
            EXPECT_EQ(DataModule6->inventory_items->recordCount(), 2);
            modals.on("Form7", [&](zui::TForm&) {
                keyFromKind = Form7->combo_nomenclature->keyValue();
                shownFromKind = Form7->combo_nomenclature->currentText();
            });
            click(Form3->Button1);
        });
        clickCellButton(Form28->DBGridEh1, DataModule6->nomenclature->currentRow(), 2);
    });
    EXPECT_EQ(keyFromKind, QVariant(4));
    EXPECT_EQ(shownFromKind, "Заготовки");

    showItems([&](zui::TForm&) {
        modals.on("Form7", [&](zui::TForm&) {
            keyFromMenu = Form7->combo_nomenclature->keyValue();
            EXPECT_TRUE(Form7->combo_nomenclature->currentText().isEmpty());
        });
        click(Form3->Button1);
    });
    EXPECT_EQ(keyFromMenu, QVariant(-1));
}

TEST_F(Items, ProcessFromItemPicksBothItemsThroughReducedList) {
    // Item 42 "Опора регулируемая М10": a second process with another material and product.
    showItems([&](zui::TForm&) {
        ASSERT_TRUE(selectItem(42));
        modals.on("Form4", [&](zui::TForm&) {
            EXPECT_EQ(DataModule6->proc_tech->recordCount(), 1);
            modals.on("Form33", [&](zui::TForm&) {
                EXPECT_EQ(Form33->Tag, 11);
                EXPECT_EQ(Form33->Edit2->text(), "Опора регулируемая М10");
                modals.on("Form303", [&](zui::TForm&) {
                    EXPECT_EQ(Form303->Tag, 3);
                    // No blanks and no paints are offered as the material.
                    EXPECT_FALSE(Form303->inventory_items->locate("id", 30));
                    EXPECT_FALSE(Form303->inventory_items->locate("id", 20));
                    ASSERT_TRUE(Form303->inventory_items->locate("id", 14));
                    click(Form303->Button2);
                });
                click(Form33->Button7);
                EXPECT_EQ(Form33->Edit4->text(), "Болт М10х30 DIN 933");
                modals.on("Form303", [&](zui::TForm&) {
                    EXPECT_EQ(Form303->Tag, 2);
                    ASSERT_TRUE(Form303->inventory_items->locate("id", 41));
                    doubleClickRow(Form303->DBGridEh1, Form303->inventory_items->currentRow());
                });
                click(Form33->Button5);
                EXPECT_EQ(Form33->Edit2->text(), "Кронштейн К-200");
                typeText(Form33->Edit3, "Кронштейн из болта");
                messages.answers.push(true);
                click(Form33->Button6);
            });
            click(Form4->Button1);
        });
        clickCellButton(Form3->DBGridEh1, DataModule6->inventory_items->currentRow(), Form3->DBGridEh1->columnCount() - 1);
        EXPECT_EQ(Form4->Tag, 0);
    });
    EXPECT_EQ(scalar("select id_inventory_items::text || '/' || id_gds from mnf_proc_tech.proc_tech where s_caption = "
                     "'Кронштейн из болта'").toString(),
              "41/14");
    EXPECT_FALSE(DataModule6->proc_tech->filtered());
}

TEST_F(Items, DeleteRefusedByDatabaseLeavesList) {
    // Item 40 is the product of a process.
    messages.answers.push(true);
    showItems([&](zui::TForm&) {
        ASSERT_TRUE(selectItem(40));
        const int recNo = DataModule6->inventory_items->recNo();
        const int rows = DataModule6->inventory_items->recordCount();
        messages.expectError();  // the database's own text
        click(Form3->Button3);
        EXPECT_EQ(DataModule6->inventory_items->recordCount(), rows);
        EXPECT_EQ(DataModule6->inventory_items->recNo(), recNo);
    });
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[1].kind, zui::msg::Kind::Error);
    EXPECT_EQ(count("cmn_inventory_items.inventory_items where id = 40"), 1);
}

}  // namespace
