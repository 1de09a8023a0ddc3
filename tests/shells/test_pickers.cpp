// The catalogue pickers as their callers use them: each caller's button shows
// the list dressed as a picker and takes the chosen row into its own members.
#include "Unit11.h"
#include "Unit3.h"
#include "Unit34.h"
#include "Unit40.h"
#include "Unit43.h"
#include "Unit44.h"
#include "Unit5.h"
#include "Unit60.h"
#include "Unit61.h"
#include "Unit63.h"
#include "screen_fixture.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

using namespace zui::testing;

class CallerPickers : public ScreenTest {
protected:
    // Shows 'caller' and presses its picker button; 'inPicker' runs in the picker.
    void pickThrough(zui::TForm* caller, QPushButton* button, const QString& picker,
                     const std::function<void(zui::TForm&)>& inPicker) {
        modals.on(caller->objectName(), [&](zui::TForm&) {
            modals.on(picker, inPicker);
            click(button);
        });
        caller->showModal();
    }
};

TEST_F(CallerPickers, ItemForReceiptAndRequestLines) {
    // Item 40 "Стеллаж СТ-1800" has a process (material 30); item 14 "Болт" is bought.
    Form40->id_ii_sel = Form40->id_msm_sel = 0;
    pickThrough(Form40, Form40->Button5, "Form3", [&](zui::TForm& f) {
        EXPECT_EQ(Form3->Tag, 4);
        EXPECT_EQ(Form3->Button2->text(), "Выбрать");
        EXPECT_EQ(Form3->defaultButton(), Form3->Button2);
        EXPECT_FALSE(Form3->Button1->isVisible());
        ASSERT_TRUE(DataModule6->inventory_items->locate("id", 14));
        click(Form3->Button2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(Form40->Edit2->text(), "Болт М10х30 DIN 933");
    EXPECT_EQ(Form40->id_ii_sel, 14);
    EXPECT_EQ(Form40->id_msm_sel, 4);
    EXPECT_TRUE(Form40->Label5->text().isEmpty());  // the unit shows while the editor is open
    EXPECT_FALSE(Form3->Button1->isHidden());
    EXPECT_EQ(Form3->Button2->text(), "Изменить");

    Form44->id_ii_sel = Form44->id_gds_sel = Form44->ral_sel = 0;
    pickThrough(Form44, Form44->Button5, "Form3", [&](zui::TForm& f) {
        EXPECT_FALSE(DataModule6->inventory_items->locate("id", 14));  // only products with a process
        ASSERT_TRUE(DataModule6->inventory_items->locate("id", 40));
        doubleClickRow(Form3->DBGridEh1, DataModule6->inventory_items->currentRow());
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(Form44->Edit2->text(), "Стеллаж СТ-1800");
    EXPECT_EQ(Form44->id_ii_sel, 40);
    EXPECT_EQ(Form44->ral_sel, 1);
    EXPECT_EQ(Form44->id_gds_sel, 30);
    // The cost price it showed (tests/planning) is closed with the editor.
    EXPECT_FALSE(Form44->cost_price->active());
    // The list is the item catalogue's again.
    EXPECT_FALSE(DataModule6->inventory_items->active());
    EXPECT_FALSE(DataModule6->inventory_items->filtered());
    EXPECT_EQ(Form3->defaultButton(), nullptr);
}

TEST_F(CallerPickers, ProductWhoseProcessWentMeanwhileIsRefusedAndThePickerStays) {
    Form44->id_ii_sel = 0;
    Form44->Edit2->clear();
    pickThrough(Form44, Form44->Button5, "Form3", [&](zui::TForm& f) {
        ASSERT_TRUE(DataModule6->inventory_items->locate("id", 40));
        db().execute("delete from mnf_proc_tech.proc_tech where id_inventory_items = 40");
        messages.expectError("Техпроцесс не найден!");
        click(Form3->Button2);
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(Form44->id_ii_sel, 0);
    EXPECT_EQ(Form44->Edit2->text(), "");
}

TEST_F(CallerPickers, MaterialForAPurchaseLine) {
    Form63->id_ii_sel = 0;
    pickThrough(Form63, Form63->Button5, "Form3", [&](zui::TForm&) {
        EXPECT_EQ(Form3->Tag, 63);
        EXPECT_FALSE(DataModule6->inventory_items->locate("id", 40));  // bought materials only
        ASSERT_TRUE(DataModule6->inventory_items->locate("id", 14));
        click(Form3->Button2);
    });
    EXPECT_EQ(Form63->id_ii_sel, 14);
    EXPECT_EQ(Form63->Edit2->text(), "Болт М10х30 DIN 933");
}

TEST_F(CallerPickers, PersonForTheShiftRecord) {
    // Person 8 "Иванов", 9 "Смирнов".
    struct Case {
        const char* what;
        int recordWorker;
        QString choose;
        int picked, wId;
        QString edit1;
    } cases[] = {
        {"no saved worker", 0, "Иванов", 1, 8, "Иванов Пётр Сергеевич"},
        {"the saved worker again", 8, "Иванов", 0, 0, "прежний"},
        {"another worker joins", 8, "Смирнов", 1, 9, "прежний"},
        {"empty list", 8, "Нет такого", 0, 0, "прежний"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Form11->record_worker = c.recordWorker;
        Form11->w_id = 0;
        Form11->brigade_member = 0;
        Form11->Edit1->setText("прежний");
        modals.on("Form5", [&](zui::TForm& f) {
            EXPECT_EQ(Form5->Tag, 11);
            EXPECT_EQ(Form5->Button2->text(), "Выбрать");
            EXPECT_FALSE(Form5->Button1->isVisible());
            typeText(Form5->Edit1, c.choose);
            click(Form5->Button2);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(Form11->pickPerson(true), c.picked);
        EXPECT_EQ(Form11->w_id, c.wId);
        EXPECT_EQ(Form11->brigade_member, c.wId);
        EXPECT_EQ(Form11->Edit1->text(), c.edit1);
        EXPECT_FALSE(DataModule6->workers->active());
    }
    // The brigade's "Добавить" leaves the list's own "Добавить" as it is.
    Form5->Button1->setVisible(true);
    modals.on("Form5", [&](zui::TForm&) { EXPECT_TRUE(Form5->Button1->isVisible()); });
    Form11->pickPerson(false);
}

TEST_F(CallerPickers, PersonAndCounterpartyForRequestHeaders) {
    // Person 9 "Смирнов"; the one already held still writes its name.
    struct Case {
        const char* what;
        zui::TForm* caller;
        QPushButton* button;
        const char* picker;
        int* held;
        QLineEdit* box;
        int heldId, chosenId;
        QString typed, name;
        bool doubleClick;
    } cases[] = {
        {"43 person", Form43, Form43->Button5, "Form5", &Form43->id_person_sel, Form43->Edit2, 0, 9, "Смирнов",
         "Смирнов Алексей Николаевич", false},
        {"43 person held", Form43, Form43->Button5, "Form5", &Form43->id_person_sel, Form43->Edit2, 9, 9, "Смирнов",
         "Смирнов Алексей Николаевич", true},
        {"61 person", Form61, Form61->Button5, "Form5", &Form61->id_person_sel, Form61->Edit2, 0, 9, "Смирнов",
         "Смирнов Алексей Николаевич", false},
        {"43 counterparty", Form43, Form43->Button3, "Form34", &Form43->id_jur_person_sel, Form43->Edit1, 2, 5, {}, {}, false},
        {"43 counterparty held", Form43, Form43->Button3, "Form34", &Form43->id_jur_person_sel, Form43->Edit1, 3, 3, {}, {}, true},
        {"61 counterparty", Form61, Form61->Button3, "Form34", &Form61->id_jur_person_sel, Form61->Edit1, 0, 4, {}, {}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        *c.held = c.heldId;
        c.box->setText("прежний");
        auto* list = static_cast<zui::ListScreen*>(c.picker == QString("Form5") ? static_cast<zui::ListScreen*>(Form5)
                                                                                 : static_cast<zui::ListScreen*>(Form34));
        list->Edit1->setText("что-то");
        pickThrough(c.caller, c.button, c.picker, [&](zui::TForm& f) {
            EXPECT_EQ(list->Tag, c.caller == Form43 ? 43 : 61);
            EXPECT_EQ(list->Button2->text(), "Выбрать");
            EXPECT_EQ(list->defaultButton(), list->Button2);
            EXPECT_FALSE(list->Button1->isVisible());
            EXPECT_FALSE(list->Button3->isVisible());
            EXPECT_EQ(list->Edit1->text(), "");
            if (!c.typed.isEmpty()) typeText(list->Edit1, c.typed);
            else ASSERT_TRUE(list->list()->locate("id", c.chosenId));
            if (c.doubleClick) doubleClickRow(list->DBGridEh1, list->list()->currentRow());
            else click(list->Button2);
            EXPECT_FALSE(f.isVisible());
        });
        EXPECT_EQ(*c.held, c.chosenId);
        const QString name = c.name.isEmpty()
                                 ? scalar(QString("select s_full_caption from cmn_contractor.jur_person where id = %1").arg(c.chosenId)).toString()
                                 : c.name;
        EXPECT_EQ(c.box->text(), name);
        EXPECT_FALSE(list->list()->active());
    }
}

TEST_F(CallerPickers, CounterpartyForAPurchaseUpdatesItAtOnceAndKeepsItsRow) {
    Form60->purchase_doc->open();
    Form60->purchase_doc->setRecNo(2);
    const int doc = Form60->purchase_doc->fieldByName("id").asInteger();
    const QString held = "select id_jur_person from stk_purchase.purchase_doc where id = " + QString::number(doc);
    const int before = scalar(held).toInt();
    auto pressCellButton = [&](const std::function<void(zui::TForm&)>& inPicker) {
        modals.on("Form60", [&](zui::TForm&) {
            modals.on("Form34", inPicker);
            clickCellButton(Form60->DBGridEh1, Form60->purchase_doc->currentRow(), 2);
        });
        Form60->showModal();
    };

    // An empty list closes without an update.
    pressCellButton([&](zui::TForm& f) {
        EXPECT_EQ(Form34->Tag, 60);
        typeText(Form34->Edit1, "нет такого");
        click(Form34->Button2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(scalar(held).toInt(), before);

    pressCellButton([&](zui::TForm& f) {
        Form34->Edit1->clear();
        ASSERT_TRUE(DataModule6->jur_person->locate("id", 3));
        click(Form34->Button2);
        EXPECT_FALSE(f.isVisible());
    });
    EXPECT_EQ(scalar(held).toInt(), 3);
    EXPECT_EQ(Form60->purchase_doc->recNo(), 2);
    EXPECT_EQ(Form60->purchase_doc->fieldByName("id").asInteger(), doc);
    Form60->purchase_doc->close();
}

}  // namespace
