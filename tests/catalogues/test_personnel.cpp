#include "Unit2.h"
#include "Unit5.h"
#include "catalogue_test.h"

namespace {

using zui::testing::chooseLookup;

class Personnel : public CatalogueTest {
protected:
    // As the main menu shows it.
    void showWorkers(zui::testing::ScriptedModals::Script script) {
        Form5->Button1->setVisible(true);
        Form5->Button3->setVisible(true);
        showList(DataModule6->workers, Form5, std::move(script));
    }
};

TEST_F(Personnel, AddStoresTrimmedNamesAndFullName) {
    struct Case {
        QString surname, first, third, fullName;
    } cases[] = {
        {"  Петров ", "Иван  ", " Ильич", "Петров Иван Ильич"},
        {"Д'Артаньян", "Шарль", "Огюстович", "Д'Артаньян Шарль Огюстович"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fullName.toStdString());
        showWorkers([&](zui::TForm&) {
            modals.on("Form2", [&](zui::TForm&) {
                EXPECT_EQ(Form2->windowTitle(), "Заведение данных нового работника");
                typeText(Form2->Edit1, c.surname);
                typeText(Form2->Edit2, c.first);
                typeText(Form2->Edit3, c.third);
                chooseLookup(Form2->LCB_department, 5);
                chooseLookup(Form2->LCB_staffpos, 9);
                chooseLookup(Form2->LCB_roles, 9);
                click(Form2->Button1);
            });
            click(Form5->Button1);
            EXPECT_TRUE(column(DataModule6->workers, "s_caption").contains(c.fullName));
        });
        const QString where = " from cmn_contractor.person where s_caption = " + zdb::quoted(c.fullName);
        EXPECT_EQ(scalar("select count(*)" + where).toInt(), 1);
        EXPECT_EQ(scalar("select s_second_name" + where).toString(), c.surname.trimmed());
        EXPECT_EQ(scalar("select s_third_name" + where).toString(), c.third.trimmed());
        EXPECT_EQ(scalar("select id_staffpos" + where).toInt(), 9);
    }
}

TEST_F(Personnel, MissingFieldWritesNothing) {
    const qlonglong before = count("cmn_contractor.person");
    showWorkers([&](zui::TForm&) {
        modals.on("Form2", [&](zui::TForm&) {
            typeText(Form2->Edit1, "Петров");
            typeText(Form2->Edit2, "Иван");
            typeText(Form2->Edit3, "   ");
            messages.expectError("Все поля должны быть заполнены!");
            click(Form2->Button1);
            EXPECT_TRUE(Form2->isVisible());
        });
        click(Form5->Button1);
    });
    EXPECT_EQ(messages.texts(), QStringList{"Все поля должны быть заполнены!"});
    EXPECT_EQ(count("cmn_contractor.person"), before);
}

TEST_F(Personnel, ChangeThenCancelKeepsRowNumber) {
    showWorkers([&](zui::TForm&) {
        DataModule6->workers->setRecNo(4);
        const QString surname = DataModule6->workers->fieldByName("s_second_name").asString();
        modals.on("Form2", [&](zui::TForm&) {
            EXPECT_EQ(Form2->Edit1->text(), surname);
            EXPECT_TRUE(Form2->LCB_roles->hasChoice());
            click(Form2->Button2);
        });
        click(Form5->Button2);
        EXPECT_EQ(DataModule6->workers->recNo(), 4);
    });
}

TEST_F(Personnel, DeleteRefusedByDatabaseLeavesList) {
    // Person 1 has a login: the database refuses.
    const qlonglong before = count("cmn_contractor.person");
    messages.answers.push(true);
    showWorkers([&](zui::TForm&) {
        ASSERT_TRUE(DataModule6->workers->locate("id", 1));
        const int recNo = DataModule6->workers->recNo();
        const int rows = DataModule6->workers->recordCount();
        messages.expectError();  // the database's own text
        click(Form5->Button3);
        EXPECT_EQ(DataModule6->workers->recordCount(), rows);
        EXPECT_EQ(DataModule6->workers->recNo(), recNo);
    });
    ASSERT_EQ(messages.messages().size(), 2u);
    EXPECT_EQ(messages.messages()[0].text, "Удалить работника?");
    EXPECT_EQ(messages.messages()[1].kind, zui::msg::Kind::Error);
    EXPECT_FALSE(messages.messages()[1].text.isEmpty());
    EXPECT_EQ(count("cmn_contractor.person"), before);
}

}  // namespace
