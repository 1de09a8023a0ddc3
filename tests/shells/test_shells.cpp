// The working screens of planning, the shop floor, the warehouses and supply:
// every list they show opens on the server with the fields its grid and boxes
// name, every one closes on Esc, and the production board follows its shift
// buttons and its date as the login and the menu expect.
#include "screen_fixture.h"

#include "Unit11.h"
#include "Unit36.h"
#include "Unit37.h"
#include "Unit38.h"
#include "Unit39.h"
#include "Unit40.h"
#include "Unit41.h"
#include "Unit42.h"
#include "Unit43.h"
#include "Unit44.h"
#include "Unit45.h"
#include "Unit46.h"
#include "Unit47.h"
#include "Unit48.h"
#include "Unit49.h"
#include "Unit50.h"
#include "Unit51.h"
#include "Unit53.h"
#include "Unit54.h"
#include "Unit55.h"
#include "Unit56.h"
#include "Unit57.h"
#include "Unit59.h"
#include "Unit60.h"
#include "Unit61.h"
#include "Unit62.h"
#include "Unit63.h"
#include "Unit65.h"
#include "Unit66.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>

using namespace zui::testing;

namespace {

std::vector<zui::TForm*> workingScreens() {
    return {Form11, Form36, Form37, Form38, Form39, Form40, Form41, Form42, Form43, Form44, Form45, Form46, Form47, Form48,
            Form49, Form50, Form51, Form53, Form54, Form55, Form56, Form57, Form59, Form60, Form61, Form62, Form63, Form65, Form66};
}

// Parameters as a caller would set them: a day for the shift lists, the login's
// marker, a key everywhere else.
void openWithDefaults(zdb::Dataset* ds) {
    if (auto* q = qobject_cast<zdb::Query*>(ds)) {
        for (zdb::Param& p : q->params().list()) {
            if (p.name == QLatin1String("data")) p.value = QDateTime(QDate(2026, 2, 7), QTime(0, 0));
            else if (p.name == QLatin1String("OK")) p.value = QStringLiteral("ta");
            else p.value = 0;
        }
    }
    ds->open();
}

QString where(const QObject* screen, const QObject* part) {
    return screen->objectName() + "." + part->objectName();
}

}  // namespace

class WorkingScreens : public ScreenTest {};

TEST_F(WorkingScreens, EveryListOpensWithTheFieldsItsControlsShow) {
    for (zui::TForm* screen : workingScreens()) {
        for (zdb::Query* q : screen->findChildren<zdb::Query*>(Qt::FindDirectChildrenOnly)) {
            try {
                openWithDefaults(q);
            } catch (const zdb::DbError& e) {
                ADD_FAILURE() << where(screen, q).toStdString() << ": " << e.text().toStdString();
            }
        }
        for (zui::DBGrid* grid : screen->findChildren<zui::DBGrid*>()) {
            zdb::Dataset* ds = grid->dataset();
            ASSERT_NE(ds, nullptr) << where(screen, grid).toStdString();
            if (!ds->active()) {
                try {
                    openWithDefaults(ds);
                } catch (const zdb::DbError& e) {
                    ADD_FAILURE() << where(screen, grid).toStdString() << ": " << e.text().toStdString();
                    continue;
                }
            }
            for (int col = 0; col < grid->columnCount(); ++col) {
                const QString field = grid->columnField(col);
                if (!field.isEmpty()) {
                    EXPECT_GE(ds->fieldIndex(field), 0) << where(screen, grid).toStdString() << " shows " << field.toStdString();
                }
            }
        }
        // Lookup boxes read their fields as their lists open; a missing one is reported.
        EXPECT_TRUE(messages.texts().isEmpty()) << screen->objectName().toStdString() << ": "
                                                << messages.texts().join(" | ").toStdString();
        messages.clear();
        for (zdb::Dataset* ds : screen->findChildren<zdb::Dataset*>()) ds->close();
    }
}

TEST_F(WorkingScreens, EscClosesEveryScreen) {
    for (zui::TForm* screen : workingScreens()) {
        bool closed = false;
        modals.on(screen->objectName(), [&closed](zui::TForm& form) {
            pressKey(&form, Qt::Key_Escape);
            closed = !form.isVisible();
        });
        screen->showModal();
        EXPECT_TRUE(closed) << screen->objectName().toStdString();
    }
}

TEST_F(WorkingScreens, BoardFollowsItsShiftsAndItsDate) {
    // One record of shift 3 on Saturday 07.02.2026, on a request line in work.
    db().execute(
        "insert into mnf_app.app_spec(id, id_app_doc, id_ii, cnt, id_ral, state) values (900, 1, 41, 10, 20, 2);"
        "insert into accounts_dep.smena(w_id, i_id, o_id, kol_vo, brak, data, smena, cena, ok, id_doc, id_doc_item, time) "
        "  select 3, 41, o.id, 5, 0, '07.02.2026', 3, 10, 'no', 1, 900, 8 "
        "  from mnf_proc_tech.proc_tech pt join mnf_operation.operation o on o.id_proc_tech = pt.id "
        "  where pt.id_inventory_items = 41 order by o.orderby limit 1;");
    for (int shift = 1; shift <= 4; ++shift) DataModule6->smena(shift)->setParam("OK", "ta");

    modals.on("Form45", [](zui::TForm&) {
        // Showing the board reads the first shift of today only.
        EXPECT_EQ(Form45->DateT->date(), QDate::currentDate());
        EXPECT_TRUE(DataModule6->Smena1->active());
        EXPECT_FALSE(DataModule6->Smena3->active());

        click(Form45->RadioButton3);
        EXPECT_EQ(Form45->current_shift, 3);
        EXPECT_EQ(Form45->DBGrid2->dataset(), DataModule6->Smena3);
        EXPECT_TRUE(Form45->RadioButton3->font().bold());
        EXPECT_FALSE(Form45->RadioButton1->font().bold());

        pickDate(Form45->DateT, QDate(2026, 2, 7));
        EXPECT_TRUE(Form45->CBox1->isChecked());
        for (int shift = 1; shift <= 4; ++shift) EXPECT_TRUE(DataModule6->smena(shift)->active()) << shift;
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 1);
        EXPECT_EQ(DataModule6->Smena1->recordCount(), 0);

        pickDate(Form45->DateT, QDate(2026, 2, 9));
        EXPECT_FALSE(Form45->CBox1->isChecked());
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 0);

        // "Обновить" reads again what other workstations recorded meanwhile.
        pickDate(Form45->DateT, QDate(2026, 2, 7));
        DataModule6->ADO_DB->execute(
            "insert into accounts_dep.smena(w_id, i_id, o_id, kol_vo, brak, data, smena, cena, ok, id_doc, id_doc_item, time) "
            "  select w_id, i_id, o_id, 1, 0, data, smena, cena, ok, id_doc, id_doc_item, 1 from accounts_dep.smena");
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 1);
        click(Form45->Button8);
        EXPECT_EQ(DataModule6->Smena3->recordCount(), 2);

        click(Form45->RadioButton1);
        EXPECT_EQ(Form45->current_shift, 1);
        EXPECT_EQ(Form45->DBGrid2->dataset(), DataModule6->Smena1);
    });
    Form45->showModal();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join(" | ").toStdString();
}

TEST_F(WorkingScreens, BoardOpensTheRequestsWithTheClearingButton) {
    bool shown = false;
    modals.on("Form45", [](zui::TForm&) { click(Form45->Button7); });
    modals.on("Form55", [&shown](zui::TForm&) { shown = Form55->Button1->isVisible() && Form55->app_spec->active(); });
    Form45->showModal();
    EXPECT_TRUE(shown);
    EXPECT_TRUE(Form55->Button1->isHidden());
    EXPECT_FALSE(Form55->app_spec->active());
}

namespace {

// Pictures of every working screen over the demo data, for a person to look at:
// ZORNA_SHOTS=<folder> ctest -R test_shells (skipped otherwise).
TEST_F(ScreenTest, Pictures) {
    const QString folder = qEnvironmentVariable("ZORNA_SHOTS");
    if (folder.isEmpty()) GTEST_SKIP() << "ZORNA_SHOTS not set";
    QDir().mkpath(folder);
    DataModule6->app_doc->open();
    DataModule6->stock_in->open();
    DataModule6->app_spec->setParam("ii_id", 43);  // the fences: lines in every stage
    DataModule6->app_spec->open();
    DataModule6->stock->open();
    DataModule6->spec_out->open();
    for (zui::TForm* f : workingScreens()) {
        if (auto* g = qobject_cast<zui::GridScreen*>(f)) openWithDefaults(g->list());
        for (zdb::Dataset* ds : f->findChildren<zdb::Dataset*>()) {
            try {
                openWithDefaults(ds);
            } catch (const zdb::DbError&) {
            }
        }
        if (f == Form62) {  // the lines of a demo request, under its header
            Form60->purchase_doc->locate("id", 4);
            Form62->purchase_spec->close();
            Form62->purchase_spec->setParam("id_purchase_doc", 4);
            Form62->purchase_spec->open();
        }
        // The receipt screens on the demo order that waits for the storekeeper.
        if (f == Form38) {
            DataModule6->stock_in->locate("id", 4);
            Form38->spec_in->close();
            Form38->spec_in->setParam("id_stock_in", 4);
            Form38->spec_in->open();
        }
        if (f == Form39) {
            DataModule6->stock_in->locate("id", 4);
            Form39->Edit1->setText("4");
            Form39->Edit2->setText("1102");
            Form39->LCB_jur_person->setKeyValue(6);
            Form39->LCB_department->setKeyValue(9);
        }
        if (f == Form40) {
            Form40->GroupBox1->setTitle("Приходный ордер № 4");
            Form40->Edit2->setText("Болт М10х30 DIN 933");
            Form40->Edit3->setText("500");
            Form40->Label5->setText("шт");
            Form40->Edit1->setText("6,2");
        }
        if (f == Form56) {  // as the stock list opens it over its first row
            DataModule6->stock->setSort("ii_caption ASC");
            DataModule6->stock->first();
            modals.on("Form56", [&](zui::TForm& shown) {
                zui::testing::chooseLookup(Form56->LCB_stk_to, 8);
                shown.grab().save(folder + "/Form56.png");
            });
            Form56->moveFrom(DataModule6->stock, {1, 2});
            continue;
        }
        // The supply editors as their openers fill them.
        if (f == Form61) {
            Form61->Edit2->setText("Содирова Алина Рашидовна");
            Form61->Edit1->setText("Общество с ограниченной ответственностью \"Трубный двор\"");
        }
        if (f == Form63) {
            Form63->GroupBox1->setTitle("Заявка на закупку № 4");
            Form63->Edit2->setText("Лист х/к 1,5 мм 08пс");
            Form63->Edit3->setText("25");
            Form63->Label2->setText("кг");
            Form63->Edit1->setText("92,5");
        }
        if (f == Form66) {
            Form66->GroupBox1->setTitle("Труба профильная 20х20х1,5");
            Form66->Edit1->setText("66");
        }
        modals.on(f->objectName(), [&](zui::TForm& shown) {
            shown.grab().save(folder + "/" + shown.objectName() + ".png");
        });
        f->showModal();
    }
}

}  // namespace
