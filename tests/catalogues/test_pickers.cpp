// The counterparty, operation type and item lists serving catalogue screens as pickers.
#include "Unit10.h"
#include "Unit28.h"
#include "Unit3.h"
#include "Unit34.h"
#include "Unit8.h"
#include "catalogue_test.h"

namespace {

class Pickers : public CatalogueTest {};

TEST_F(Pickers, CounterpartyWithoutACallersChoiceDoesNothing) {
    const qlonglong before = count("cmn_contractor.jur_person");
    modals.on("Form34", [&](zui::TForm& f) {
        click(Form34->Button2);
        EXPECT_TRUE(f.isVisible());  // no editor either: the list is not in catalogue mode
    });
    Form34->showAsPicker(5, zui::Look::Standard);
    EXPECT_EQ(count("cmn_contractor.jur_person"), before);
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
    modals.on("Form10", [&](zui::TForm&) { click(Form10->Button4); });
    Form10->showModal();
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
