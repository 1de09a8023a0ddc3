// The counterparty and operation type lists serving other screens as pickers.
#include "Unit10.h"
#include "Unit28.h"
#include "Unit3.h"
#include "Unit34.h"
#include "Unit43.h"
#include "Unit60.h"
#include "Unit61.h"
#include "Unit8.h"
#include "catalogue_test.h"

namespace {

class Pickers : public CatalogueTest {};

TEST_F(Pickers, CounterpartyForRequestHeadersWritesTheFullNameEvenWhenAlreadyHeld) {
    struct Case {
        const char* name;
        int tag;
        int* held;
        QLineEdit* box;
        int heldId, chosenId;
        bool doubleClick;
    } cases[] = {
        {"43, another one", 43, &Form43->id_jur_person_sel, Form43->Edit1, 2, 5, false},
        {"43, the one held", 43, &Form43->id_jur_person_sel, Form43->Edit1, 3, 3, true},
        {"61, another one", 61, &Form61->id_jur_person_sel, Form61->Edit1, 0, 4, true},
        {"61, the one held", 61, &Form61->id_jur_person_sel, Form61->Edit1, 7, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        *c.held = c.heldId;
        c.box->setText("прежний");
        Form34->Edit1->setText("что-то");
        modals.on("Form34", [&](zui::TForm& f) {
            EXPECT_EQ(Form34->Tag, c.tag);
            EXPECT_EQ(Form34->Button2->text(), "Выбрать");
            EXPECT_EQ(Form34->defaultButton(), Form34->Button2);
            EXPECT_FALSE(Form34->Button1->isVisible());
            EXPECT_FALSE(Form34->Button3->isVisible());
            EXPECT_EQ(Form34->Edit1->text(), "");
            ASSERT_TRUE(DataModule6->jur_person->locate("id", c.chosenId));
            if (c.doubleClick) doubleClickRow(Form34->DBGridEh1, DataModule6->jur_person->currentRow());
            else click(Form34->Button2);
            EXPECT_FALSE(f.isVisible());
        });
        Form34->showAsPicker(c.tag, zcat::Look::Standard);
        EXPECT_EQ(*c.held, c.chosenId);
        EXPECT_EQ(c.box->text(), scalar(QString("select s_full_caption from cmn_contractor.jur_person where id = %1").arg(c.chosenId)));
        EXPECT_FALSE(DataModule6->jur_person->active());
    }
}

TEST_F(Pickers, CounterpartyForAPurchaseUpdatesItAtOnceAndKeepsItsRow) {
    Form60->purchase_doc->open();
    Form60->purchase_doc->setRecNo(2);
    const int doc = Form60->purchase_doc->fieldByName("id").asInteger();
    const QString before = "select id_jur_person from stk_purchase.purchase_doc where id = " + QString::number(doc);
    const int held = scalar(before).toInt();

    // An empty list closes without an update.
    modals.on("Form34", [&](zui::TForm& f) {
        typeText(Form34->Edit1, "нет такого");
        click(Form34->Button2);
        EXPECT_FALSE(f.isVisible());
    });
    Form34->showAsPicker(60, 0);
    EXPECT_EQ(scalar(before).toInt(), held);

    modals.on("Form34", [&](zui::TForm& f) {
        Form34->Edit1->clear();
        ASSERT_TRUE(DataModule6->jur_person->locate("id", 3));
        click(Form34->Button2);
        EXPECT_FALSE(f.isVisible());
    });
    Form34->showAsPicker(60, 0);
    EXPECT_EQ(scalar(before).toInt(), 3);
    EXPECT_EQ(Form60->purchase_doc->recNo(), 2);
    EXPECT_EQ(Form60->purchase_doc->fieldByName("id").asInteger(), doc);
    Form60->purchase_doc->close();
}

TEST_F(Pickers, CounterpartyForAnUnknownCallerDoesNothing) {
    Form43->Edit1->setText("прежний");
    modals.on("Form34", [&](zui::TForm& f) {
        click(Form34->Button2);
        EXPECT_TRUE(f.isVisible());
    });
    Form34->showAsPicker(5, zcat::Look::Standard);
    EXPECT_EQ(Form43->Edit1->text(), "прежний");
}

TEST_F(Pickers, OperationTypeForTheOperationEditor) {
    Form10->id_type_sel = 0;
    Form10->Edit2->clear();
    modals.on("Form8", [&](zui::TForm& f) {
        EXPECT_EQ(Form8->defaultButton(), Form8->Button2);
        EXPECT_FALSE(Form8->Button1->isVisible());
        EXPECT_TRUE(Form8->Edit1->hasFocus());
        typeText(Form8->Edit1, "Св");
        pressKey(Form8->Edit1, Qt::Key_Down);  // "Сварка", "Сверление"
        EXPECT_EQ(DataModule6->operation_type->fieldByName("s_caption").asString(), "Сверление");
        click(Form8->Button2);
        EXPECT_FALSE(f.isVisible());
        EXPECT_EQ(DataModule6->operation_type->recNo(), 2);
    });
    const unsigned look = zcat::Look::HideAdd | zcat::Look::HideDelete | zcat::Look::ChooseDefault | zcat::Look::ShowFilter;
    Form8->showAsPicker(1, look, zcat::Undo::ChooseDefault | zcat::Undo::HideFilter);
    EXPECT_EQ(Form10->Edit2->text(), "Сверление");
    EXPECT_EQ(Form10->id_type_sel, 8);
    EXPECT_EQ(Form8->defaultButton(), nullptr);
    EXPECT_TRUE(Form8->Edit1->isHidden());
    EXPECT_FALSE(DataModule6->operation_type->active());
}

TEST_F(Pickers, KindOfNomenclatureShowsItsItems) {
    showList(DataModule6->nomenclature, Form28, [&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->nomenclature->locate("s_caption", QString("Заготовки")));
        modals.on("Form3", [&](zui::TForm&) {
            EXPECT_EQ(Form3->Tag, 0);
            EXPECT_EQ(Form3->preset_id_nom, 4);
            EXPECT_EQ(DataModule6->inventory_items->filter(), "id_nom=4");
            EXPECT_TRUE(DataModule6->inventory_items->filtered());
        });
        zui::testing::clickCellButton(Form28->DBGridEh1, DataModule6->nomenclature->currentRow(), 2);
    });
    EXPECT_FALSE(DataModule6->inventory_items->active());
    EXPECT_FALSE(DataModule6->inventory_items->filtered());
    EXPECT_EQ(DataModule6->inventory_items->filter(), "");
}

}  // namespace
