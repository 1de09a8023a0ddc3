#include "Unit32.h"
#include "Unit35.h"
#include "Unit58.h"
#include "catalogue_test.h"

#include <QCheckBox>

namespace {

class Roles : public CatalogueTest {
protected:
    // Opens the administration list as the menu does and saves role 'name' with "Активна" as given.
    void saveRole(const QString& name, bool active) {
        Form35->Tag = 0;
        Form35->Button1->setVisible(true);
        Form35->Button3->setVisible(true);
        DataModule6->role->open();
        modals.on("Form35", [&](zui::TForm&) {
            EXPECT_FALSE(Form35->Button3->isVisible());
            ASSERT_TRUE(DataModule6->role->locate("s_name", name));
            const int recNo = DataModule6->role->recNo();
            modals.on("Form58", [&](zui::TForm&) {
                EXPECT_EQ(Form58->Tag, 1);
                EXPECT_EQ(Form58->Edit1->text(), name);
                if (Form58->CheckBox1->isChecked() != active) click(Form58->CheckBox1);
                click(Form58->Button1);
            });
            click(Form35->Button2);
            EXPECT_EQ(DataModule6->role->recNo(), recNo);
        });
        Form35->showModal();
        DataModule6->role->close();
    }
    QVariant roleValue(const QString& column, const QString& name) {
        return scalar(QString("select %1 from adm_role.roles where s_name = '%2'").arg(column, name));
    }
};

TEST_F(Roles, EverySaveRestartsAnActiveRoleAndEndsAnInactiveOneToday) {
    const QDate today = scalar("select current_date").toDate();
    struct Step {
        bool active;
        bool beginToday;  // else kept from before
        bool endToday;    // else NULL
    } steps[] = {{true, true, false}, {true, true, false}, {false, false, true}, {true, true, false}};
    for (const Step& s : steps) {
        db().execute("update adm_role.roles set d_begin = '01.02.2024' where s_name = 'sales'");
        saveRole("sales", s.active);
        EXPECT_EQ(roleValue("d_begin", "sales").toDate(), s.beginToday ? today : QDate(2024, 2, 1));
        EXPECT_EQ(roleValue("d_end", "sales").isNull(), !s.endToday);
        if (s.endToday) {
            EXPECT_EQ(roleValue("d_end", "sales").toDate(), today);
        }
        EXPECT_EQ(roleValue("b_active", "sales").toBool(), s.active);
    }
}

TEST_F(Roles, AddStartsTheRoleTodayAndTheViewListsIt) {
    DataModule6->role->open();
    modals.on("Form35", [&](zui::TForm&) {
        modals.on("Form58", [&](zui::TForm&) {
            EXPECT_EQ(Form58->Tag, 0);
            EXPECT_TRUE(Form58->CheckBox1->isChecked());
            typeText(Form58->Edit2, "Контроль д'качества");
            messages.expectError("Все поля должны быть заполнены!");
            click(Form58->Button1);
            EXPECT_EQ(messages.texts(), QStringList{"Все поля должны быть заполнены!"});
            messages.clear();
            typeText(Form58->Edit1, "qc");
            click(Form58->Button1);
        });
        click(Form35->Button1);
        EXPECT_TRUE(DataModule6->role->locate("s_name", QString("qc")));
        EXPECT_EQ(DataModule6->role->fieldByName("yesno").asString(), "+");
    });
    Form35->showModal();
    EXPECT_FALSE(DataModule6->role->active());  // the administration list closes it itself
    EXPECT_EQ(roleValue("d_begin", "qc").toDate(), scalar("select current_date").toDate());
    EXPECT_EQ(roleValue("s_caption", "qc").toString(), "Контроль д'качества");

    showList(DataModule6->role, Form32, [&](zui::TForm&) {
        EXPECT_FALSE(Form32->Button1->isVisible());
        EXPECT_FALSE(Form32->Button2->isVisible());
        EXPECT_FALSE(Form32->Button3->isVisible());
        typeText(Form32->Edit1, "Кон");
        EXPECT_EQ(column(DataModule6->role, "s_name"), QStringList{"qc"});
    });
}

}  // namespace
