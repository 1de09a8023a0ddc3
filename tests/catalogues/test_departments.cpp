#include "Unit30.h"
#include "Unit31.h"
#include "catalogue_test.h"

#include <QCheckBox>
#include <QComboBox>

namespace {

class Departments : public CatalogueTest {};

TEST_F(Departments, AddWritesKindAndParentAsChosen) {
    struct Case {
        const char* name;
        bool warehouse;
        int typeIndex;  // -1: leave the list's own choice
        QVariant parent;
        int type;
        QString sType;
        int idParent;
    } cases[] = {
        {"Цех покраски", false, -1, QVariant(), -1, "", 0},
        {"Склад ГП-2", true, -1, QVariant(), 0, "Склад ГП", 0},
        {"Склад сырья-2", true, 2, 5, 2, "Склад сырья", 5},
        {"Склад заготовок-2", true, 1, 7, 1, "Склад заготовок", 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Form31->p_department->setKeyValue(c.parent);  // the box keeps its last choice between showings
        showList(DataModule6->department, Form30, [&](zui::TForm&) {
            modals.on("Form31", [&](zui::TForm&) {
                EXPECT_EQ(Form31->Tag, 1);
                EXPECT_FALSE(Form31->CheckBox1->isChecked());
                EXPECT_FALSE(Form31->type_combo->isEnabled());
                EXPECT_EQ(Form31->type_combo->currentIndex(), -1);
                typeText(Form31->Edit1, c.name);
                if (c.warehouse) {
                    click(Form31->CheckBox1);
                    EXPECT_TRUE(Form31->type_combo->isEnabled());
                    EXPECT_EQ(Form31->type_combo->currentText(), "Склад ГП");
                    if (c.typeIndex >= 0) Form31->type_combo->setCurrentIndex(c.typeIndex);
                }
                click(Form31->Button1);
            });
            click(Form30->Button1);
            EXPECT_EQ(DataModule6->department->recNo(), 1);
        });
        const QString where = QString(" from cmn_department.department where s_caption = '%1'").arg(c.name);
        EXPECT_EQ(scalar("select type" + where).toInt(), c.type);
        EXPECT_EQ(scalar("select s_type" + where).toString(), c.sType);
        EXPECT_EQ(scalar("select id_parent" + where).toInt(), c.idParent);
    }
}

TEST_F(Departments, ChangeShowsTheStoredKindWhateverTheEditorShowedBefore) {
    struct Case {
        QString caption;
        bool warehouse;
        QString typeText;
        int parent;
    } cases[] = {
        {"Склад сырья и материалов", true, "Склад сырья", 0},
        {"Отдел продаж", false, "", 1},
        {"Склад заготовок", true, "Склад заготовок", 5},
        {"Склад готовой продукции", true, "Склад ГП", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption.toStdString());
        Form31->showType(c.warehouse ? -1 : 0);  // the opposite of what it should show
        showList(DataModule6->department, Form30, [&](zui::TForm&) {
            ASSERT_TRUE(DataModule6->department->locate("s_caption", c.caption));
            modals.on("Form31", [&](zui::TForm&) {
                EXPECT_EQ(Form31->Edit1->text(), c.caption);
                EXPECT_EQ(Form31->CheckBox1->isChecked(), c.warehouse);
                EXPECT_EQ(Form31->type_combo->isEnabled(), c.warehouse);
                EXPECT_EQ(Form31->type_combo->currentText(), c.typeText);
                EXPECT_EQ(Form31->p_department->keyValue().toInt(), c.parent);
            });
            click(Form30->Button2);
        });
    }
}

TEST_F(Departments, ClearingTheWarehouseMarkWritesNoKind) {
    showList(DataModule6->department, Form30, [&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->department->locate("s_caption", QString("Склад заготовок")));
        modals.on("Form31", [&](zui::TForm&) {
            click(Form31->CheckBox1);
            EXPECT_EQ(Form31->type_combo->currentIndex(), -1);
            EXPECT_FALSE(Form31->type_combo->isEnabled());
            click(Form31->Button1);
        });
        click(Form30->Button2);
    });
    EXPECT_EQ(scalar("select type from cmn_department.department where id = 8").toInt(), -1);
    EXPECT_EQ(scalar("select s_type from cmn_department.department where id = 8").toString(), "");
    EXPECT_EQ(scalar("select id_parent from cmn_department.department where id = 8").toInt(), 5);
}

}  // namespace
