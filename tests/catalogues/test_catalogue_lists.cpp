// What every catalogue list and editor does alike, checked on each of them.
#include "Unit14.h"
#include "Unit26.h"
#include "Unit27.h"
#include "Unit28.h"
#include "Unit29.h"
#include "Unit30.h"
#include "Unit31.h"
#include "Unit34.h"
#include "Unit8.h"
#include "Unit9.h"
#include "catalogue_test.h"

#include <functional>

namespace {

struct Catalogue {
    const char* name;
    std::function<zui::ListScreen*()> list;
    std::function<zui::EditorScreen*()> editor;
    std::function<QLineEdit*()> nameBox;  // the required box
    std::function<zdb::Dataset*()> dataset;
    QString table;
    QString column;  // written from nameBox
};

std::vector<Catalogue> catalogues() {
    return {
        {"departments", [] { return Form30; }, [] { return Form31; }, [] { return Form31->Edit1; },
         [] { return DataModule6->department; }, "cmn_department.department", "s_caption"},
        {"positions", [] { return Form26; }, [] { return Form27; }, [] { return Form27->Edit1; },
         [] { return DataModule6->staffpos; }, "hrms_staffpos.staffpos", "s_caption"},
        {"counterparties", [] { return Form34; }, [] { return Form14; }, [] { return Form14->Edit1; },
         [] { return DataModule6->jur_person; }, "cmn_contractor.jur_person", "s_full_caption"},
        {"kinds", [] { return Form28; }, [] { return Form29; }, [] { return Form29->Edit1; },
         [] { return DataModule6->nomenclature; }, "cmn_inventory_items.nomenclature", "s_caption"},
        {"operation types", [] { return Form8; }, [] { return Form9; }, [] { return Form9->Edit1; },
         [] { return DataModule6->operation_type; }, "mnf_operation.operation_type", "s_caption"},
    };
}

class CatalogueLists : public CatalogueTest {};

TEST_F(CatalogueLists, AChangeDoesNotOverwriteWhatAnotherWorkstationChangedMeanwhile) {
    for (const Catalogue& c : catalogues()) {
        SCOPED_TRACE(c.name);
        zui::ListScreen* list = c.list();
        zui::EditorScreen* editor = c.editor();
        zdb::Dataset* ds = c.dataset();
        showList(ds, list, [&](zui::TForm&) {
            clickRow(list->DBGridEh1, 1);
            const QString id = QString::number(ds->fieldByName("id").asInteger());
            const QString read = QString("select %1 from %2 where id = %3").arg(c.column, c.table, id);
            modals.on(editor->objectName(), [&](zui::TForm& f) {
                // Another workstation renames the row while this editor is open.
                zdb::Connection other;
                testdb::connectSys(other);
                other.execute(QString("update %1 set %2 = 'Чужое имя' where id = %3").arg(c.table, c.column, id));
                c.nameBox()->clear();
                typeText(c.nameBox(), "Моё имя");
                messages.expectError();
                click(editor->Button1);
                EXPECT_TRUE(f.isVisible());
                EXPECT_TRUE(messages.texts().last().startsWith("Строка изменена или удалена на другом рабочем месте"))
                    << messages.texts().last().toStdString();
                EXPECT_EQ(scalar(read).toString(), "Чужое имя");
                // Deleted meanwhile (where nothing refers to the row): the same,
                // not a silent write to nothing.
                try {
                    other.execute(QString("delete from %1 where id = %2").arg(c.table, id));
                } catch (const zdb::DbError&) {
                    return;
                }
                messages.expectError();
                click(editor->Button1);
                EXPECT_TRUE(f.isVisible());
            });
            click(list->Button2);
        });
    }
}

TEST_F(CatalogueLists, ChangeKeepsTheRowNumberAddGoesToTheFirstRowApostrophesSave) {
    for (const Catalogue& c : catalogues()) {
        SCOPED_TRACE(c.name);
        zui::ListScreen* list = c.list();
        zui::EditorScreen* editor = c.editor();
        zdb::Dataset* ds = c.dataset();
        const qlonglong rows = count(c.table);
        int shown = 0;
        showList(ds, list, [&](zui::TForm&) {
            shown = ds->recordCount();
            clickRow(list->DBGridEh1, 2);
            const int id = ds->fieldByName("id").asInteger();
            saveWith(editor, c.nameBox(), "Я д'Артаньян");  // sorts last: the row number is kept, not the row
            click(list->Button2);
            EXPECT_EQ(ds->recNo(), 3);
            EXPECT_EQ(scalar(QString("select %1 from %2 where id = %3").arg(c.column, c.table).arg(id)).toString(), "Я д'Артаньян");

            // A blank required box is refused and the editor stays open.
            modals.on(editor->objectName(), [&](zui::TForm& f) {
                c.nameBox()->setText("   ");
                messages.expectError("Все поля должны быть заполнены!");
                click(editor->Button1);
                EXPECT_EQ(messages.texts(), QStringList{"Все поля должны быть заполнены!"});
                EXPECT_EQ(messages.messages().at(0).caption, "Ошибка");
                EXPECT_TRUE(f.isVisible());
                messages.clear();
                c.nameBox()->clear();
                typeText(c.nameBox(), "Ъ'новая");
                click(editor->Button1);
                EXPECT_FALSE(f.isVisible());
            });
            click(list->Button1);
            EXPECT_EQ(ds->recNo(), 1);
            EXPECT_EQ(ds->recordCount(), shown + 1);
        });
        EXPECT_EQ(count(c.table), rows + 1);
        EXPECT_EQ(scalar(QString("select count(*) from %1 where %2 = 'Ъ''новая'").arg(c.table, c.column)).toInt(), 1);
    }
}

TEST_F(CatalogueLists, CancelWritesNothingChangeOnAnEmptyListOpensNothing) {
    for (const Catalogue& c : catalogues()) {
        SCOPED_TRACE(c.name);
        zui::ListScreen* list = c.list();
        const qlonglong rows = count(c.table);
        showList(c.dataset(), list, [&](zui::TForm&) {
            modals.on(c.editor()->objectName(), [&](zui::TForm&) {
                typeText(c.nameBox(), "ничего");
                pressKey(c.editor(), Qt::Key_Escape);
            });
            click(list->Button1);
            typeText(list->Edit1, "нет такого");
            ASSERT_TRUE(c.dataset()->isEmpty());
            click(list->Button2);  // no editor script: showing one would fail the test
            click(list->Button3);  // nor a question
        });
        EXPECT_EQ(count(c.table), rows);
    }
}

TEST_F(CatalogueLists, DeleteAsksOnceNoLeavesEverythingYesDeletesAndKeepsTheRowNumber) {
    // Rows nothing else refers to, so the database lets them go.
    db().execute("insert into hrms_staffpos.staffpos(s_caption, id_department) values ('Яя-1', 0), ('Яя-2', 0)");
    zdb::Dataset* ds = DataModule6->staffpos;
    const qlonglong rows = count("hrms_staffpos.staffpos");
    showList(ds, Form26, [&](zui::TForm&) {
        clickRow(Form26->DBGridEh1, 3);
        messages.answers.push(false);
        click(Form26->Button3);
        ASSERT_EQ(messages.messages().size(), 1u);
        EXPECT_EQ(messages.messages()[0].kind, zui::msg::Kind::Question);
        EXPECT_EQ(messages.messages()[0].caption, "Удаление");
        EXPECT_EQ(messages.messages()[0].text, "Удалить строку?");
        EXPECT_EQ(ds->recNo(), 4);
        EXPECT_EQ(ds->recordCount(), rows);

        // The last row goes: the cursor moves to the new last row.
        ds->last();
        EXPECT_EQ(ds->fieldByName("s_caption").asString(), "Яя-2");
        messages.answers.push(true);
        click(Form26->Button3);
        EXPECT_EQ(ds->recordCount(), rows - 1);
        EXPECT_EQ(ds->recNo(), int(rows - 1));
        EXPECT_EQ(ds->fieldByName("s_caption").asString(), "Яя-1");
    });
    EXPECT_EQ(count("hrms_staffpos.staffpos"), rows - 1);
}

TEST_F(CatalogueLists, DeleteRefusedByTheDatabaseShowsItsMessageAndLeavesTheList) {
    zdb::Dataset* ds = DataModule6->department;
    const qlonglong rows = count("cmn_department.department");
    showList(ds, Form30, [&](zui::TForm& f) {
        const int shown = ds->recordCount();
        ASSERT_TRUE(ds->locate("s_caption", QString("Цех металлоконструкций")));  // people work there
        const int recNo = ds->recNo();
        messages.answers.push(true);
        messages.expectError();  // the database's own text
        click(Form30->Button3);
        ASSERT_EQ(messages.messages().size(), 2u);
        EXPECT_EQ(messages.messages()[1].kind, zui::msg::Kind::Error);
        EXPECT_FALSE(messages.messages()[1].text.isEmpty());
        EXPECT_TRUE(ds->active());
        EXPECT_EQ(ds->recordCount(), shown);
        EXPECT_EQ(ds->recNo(), recNo);
        EXPECT_TRUE(f.isVisible());
    });
    EXPECT_EQ(count("cmn_department.department"), rows);
}

TEST_F(CatalogueLists, FilterBoxNarrowsByTheStartOfTheNameAndMovesTheCursor) {
    struct Case {
        const char* name;
        std::function<zui::ListScreen*()> list;
        zdb::Dataset* ds;
        QString typed;
        QStringList names;  // s_caption of the rows shown, in list order
    } cases[] = {
        {"departments", [] { return Form30; }, DataModule6->department, "Ск",
         {"Склад готовой продукции", "Склад заготовок", "Склад сырья и материалов"}},
        // Counterparties filter on the short name, which the grid does not show.
        {"counterparties", [] { return Form34; }, DataModule6->jur_person, "ООО \"Д'", {"ООО \"Д'Арт Дизайн\""}},
        {"operation types", [] { return Form8; }, DataModule6->operation_type, "С", {"Сборка", "Сварка", "Сверление"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        zui::ListScreen* list = c.list();
        showList(c.ds, list, [&](zui::TForm&) {
            const int all = c.ds->recordCount();
            typeText(list->Edit1, c.typed);
            EXPECT_EQ(column(c.ds, "s_caption"), c.names);

            // Up and Down move the list; caret keys and Delete are eaten.
            c.ds->first();
            pressKey(list->Edit1, Qt::Key_Down);
            EXPECT_EQ(c.ds->recNo(), c.names.size() > 1 ? 2 : 1);
            pressKey(list->Edit1, Qt::Key_Up);
            EXPECT_EQ(c.ds->recNo(), 1);
            pressKey(list->Edit1, Qt::Key_Left);
            pressKey(list->Edit1, Qt::Key_Delete);
            EXPECT_EQ(list->Edit1->text(), c.typed);

            for (int i = 0; i < c.typed.size(); ++i) pressKey(list->Edit1, Qt::Key_Backspace);
            EXPECT_EQ(list->Edit1->text(), "");
            EXPECT_EQ(c.ds->recordCount(), all);
        });
    }
}

}  // namespace
