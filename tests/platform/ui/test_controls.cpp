// Number boxes, filter boxes, lookup boxes, date pickers and data texts.
#include "zui_testing.h"

#include <QApplication>
#include <QBoxLayout>
#include <QClipboard>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <QInputMethodEvent>

using namespace zui::testing;
using zdb::FieldType;

namespace {

std::unique_ptr<MemoryDataset> departments() {
    auto ds = std::make_unique<MemoryDataset>();
    ds->setColumns({{"id", FieldType::Integer}, {"s_caption", FieldType::Text}});
    ds->setRows({{1, "Цех покраски"}, {2, "Цех сборки"}, {3, "Склад сырья"}, {4, "Склад ГП"}, {5, "Бухгалтерия"}});
    return ds;
}

}  // namespace

// ---- Number boxes ------------------------------------------------------------------------

TEST(KeyFilter, TypedCharactersOutsideTheSetAreDropped) {
    struct Case {
        unsigned keys;
        QString typed;
        QString shown;
    };
    const Case cases[] = {
        {zui::Keys::DigitsOnly, "1,2.3x4", "1234"},
        {zui::Keys::DigitsComma, "3.14", "314"},
        {zui::Keys::DigitsComma, "3,14", "3,14"},
        {zui::Keys::DigitsCommaPoint, "12a,5.3", "12,5.3"},
        {zui::Keys::DigitsCommaPoint | zui::Keys::PointToComma, "1.5", "1,5"},
        {zui::Keys::DigitsCommaPoint | zui::Keys::PointToComma, "Масса 7.25 кг", "7,25"},
        {zui::Keys::DigitsCommaPoint, "-5 +e ٣", "5"},  // no sign, exponent or non-ASCII digit
    };
    for (const Case& c : cases) {
        QLineEdit edit;
        zui::setKeyFilter(&edit, c.keys);
        typeText(&edit, c.typed);
        EXPECT_EQ(edit.text(), c.shown) << c.typed.toStdString();
    }
}

TEST(KeyFilter, EditingKeysStillWork) {
    QLineEdit edit;
    zui::setKeyFilter(&edit, zui::Keys::DigitsComma);
    typeText(&edit, "123");
    pressKey(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "12");
    pressKey(&edit, Qt::Key_Home);
    pressKey(&edit, Qt::Key_Delete);
    EXPECT_EQ(edit.text(), "2");
    edit.setText("-1 234,5");  // code may put anything there
    EXPECT_EQ(edit.text(), "-1 234,5");
}

TEST(KeyFilter, APasteIsTakenWholeOrNotAtAll) {
    QLineEdit edit;
    zui::setKeyFilter(&edit, zui::Keys::DigitsCommaPoint | zui::Keys::PointToComma);
    QApplication::clipboard()->setText(" 12.5 ");
    pressKey(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12,5");
    QApplication::clipboard()->setText("7 шт");
    pressKey(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "12,5");
}

TEST(KeyFilter, WhatBypassesTheKeysIsRefusedToo) {
    QLineEdit edit;
    zui::setKeyFilter(&edit, zui::Keys::DigitsComma);
    typeText(&edit, "12");
    // Input-method text and the X11 selection's middle-click paste never pass the key filter.
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("3;drop"));
    QApplication::sendEvent(&edit, &commit);
    EXPECT_EQ(edit.text(), "12");
    edit.insert(QStringLiteral("--"));
    EXPECT_EQ(edit.text(), "12");
    QInputMethodEvent digits;
    digits.setCommitString(QStringLiteral(",5"));
    QApplication::sendEvent(&edit, &digits);
    EXPECT_EQ(edit.text(), "12,5");
    // What code put there stays, and typing around it still works.
    edit.setText("-1 234,5");
    pressKey(&edit, Qt::Key_End);
    typeText(&edit, "6x");
    EXPECT_EQ(edit.text(), "-1 234,56");
}

// ---- Filter box --------------------------------------------------------------------------

TEST(FilterBox, TextNarrowsTheListAndEmptyTextShowsAll) {
    RecordedMessages messages;
    auto ds = departments();
    ds->open();
    QLineEdit edit;
    zui::FilterBox box(&edit, ds.get(), zui::FilterBox::startsWith("s_caption"), zui::FilterBox::KeyMode::ConsumeAll);

    typeText(&edit, "Цех");
    EXPECT_EQ(messages.texts(), QStringList());
    EXPECT_TRUE(ds->filtered());
    EXPECT_EQ(ds->recordCount(), 2);
    typeText(&edit, " с");
    EXPECT_EQ(ds->recordCount(), 1);
    EXPECT_EQ(ds->fieldByName("id").asInteger(), 2);

    edit.clear();
    EXPECT_FALSE(ds->filtered());
    EXPECT_EQ(ds->recordCount(), 5);

    typeText(&edit, "O'Brien");  // an apostrophe must not break the filter
    EXPECT_EQ(ds->recordCount(), 0);
    EXPECT_EQ(messages.texts(), QStringList());

    QLineEdit other;
    new zui::FilterBox(&other, ds.get(), zui::FilterBox::contains("s_caption"), zui::FilterBox::KeyMode::ConsumeUpDown);
    typeText(&other, "клад");
    EXPECT_EQ(ds->recordCount(), 2);
}

TEST(FilterBox, UpAndDownMoveTheListOtherKeysAsTheModeSays) {
    auto ds = departments();
    ds->open();
    QLineEdit all, upDown;
    zui::FilterBox eatsAll(&all, ds.get(), {}, zui::FilterBox::KeyMode::ConsumeAll);
    zui::FilterBox eatsArrows(&upDown, ds.get(), {}, zui::FilterBox::KeyMode::ConsumeUpDown);

    pressKey(&all, Qt::Key_Down);
    pressKey(&all, Qt::Key_Down);
    EXPECT_EQ(ds->recNo(), 3);
    pressKey(&upDown, Qt::Key_Up);
    EXPECT_EQ(ds->recNo(), 2);
    for (int i = 0; i < 3; ++i) pressKey(&all, Qt::Key_Up);  // stops at the first row
    EXPECT_EQ(ds->recNo(), 1);

    // Caret keys and Delete do nothing in the first box; typing and Backspace edit.
    typeText(&all, "abc");
    pressKey(&all, Qt::Key_Left);
    pressKey(&all, Qt::Key_Home);
    pressKey(&all, Qt::Key_Delete);
    typeText(&all, "d");
    EXPECT_EQ(all.text(), "abcd");
    pressKey(&all, Qt::Key_Backspace);
    EXPECT_EQ(all.text(), "abc");

    typeText(&upDown, "abc");
    pressKey(&upDown, Qt::Key_Left);
    typeText(&upDown, "d");
    pressKey(&upDown, Qt::Key_Home);
    pressKey(&upDown, Qt::Key_Delete);
    EXPECT_EQ(upDown.text(), "bdc");
}

// ---- Lookup box --------------------------------------------------------------------------

namespace {

struct LookupScreen : zui::TForm {
    LookupScreen() {
        setObjectName("Form29");
        Edit1 = new QLineEdit(this);
        p_department = new zui::LookupBox(this);
        auto* box = new QVBoxLayout(this);
        box->addWidget(Edit1);
        box->addWidget(p_department);
        zui::wheelMovesFocusedLookup(this);
    }
    QLineEdit* Edit1;
    zui::LookupBox* p_department;
};

}  // namespace

TEST(LookupBox, KeyValueShowsItsEntryAndAnUnknownKeyShowsNothingButIsKept) {
    RecordedMessages messages;
    auto ds = departments();
    ds->open();
    zui::LookupBox box;
    box.setListSource(ds.get(), "id", "s_caption");
    EXPECT_FALSE(box.keyValue().isValid());
    EXPECT_FALSE(box.hasChoice());
    EXPECT_EQ(box.count(), 5);

    box.setKeyValue(3);
    EXPECT_EQ(box.currentText(), "Склад сырья");
    EXPECT_EQ(ds->recNo(), 3) << "the list dataset stands on the chosen row";

    box.setKeyValue(-1);
    EXPECT_FALSE(box.hasChoice());
    EXPECT_EQ(box.currentText(), "");
    EXPECT_EQ(box.keyValue().toInt(), -1);

    // The kept key shows as soon as the list holds it; closing empties the box only.
    box.setKeyValue(6);
    ds->setRows({{1, "Цех покраски"}, {6, "Лаборатория"}});
    ds->reopen();
    EXPECT_EQ(box.currentText(), "Лаборатория");
    ds->close();
    EXPECT_EQ(box.count(), 0);
    EXPECT_EQ(box.keyValue().toInt(), 6);
    ds->open();
    EXPECT_EQ(box.currentText(), "Лаборатория");
    EXPECT_EQ(ds->recNo(), 2);
    EXPECT_TRUE(messages.messages().empty());
}

TEST(LookupBox, ChoosingInTheListClosesUpWithTheNewKey) {
    auto ds = departments();
    ds->open();
    LookupScreen screen;
    screen.p_department->setListSource(ds.get(), "id", "s_caption");
    showAndActivate(&screen);
    int closeUps = 0, changes = 0;
    QVariant keyAtCloseUp;
    zui::on(screen.p_department, &zui::LookupBox::closeUp, &screen, [&] {
        ++closeUps;
        keyAtCloseUp = screen.p_department->keyValue();
    });
    zui::on(screen.p_department, &zui::LookupBox::choiceChanged, &screen, [&] { ++changes; });

    chooseLookup(screen.p_department, 4);
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(keyAtCloseUp.toInt(), 4);
    EXPECT_EQ(ds->recNo(), 4);
    EXPECT_EQ(screen.p_department->currentText(), "Склад ГП");

    // Keys change the choice without a close-up.
    pressKey(screen.p_department, Qt::Key_Down);
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 5);
    EXPECT_EQ(closeUps, 1);
    EXPECT_EQ(changes, 2);

    screen.p_department->setKeyValue(1);  // code, not the user
    EXPECT_EQ(changes, 2);
    screen.hide();
}

TEST(LookupBox, WheelOverTheScreenMovesTheFocusedBoxOnly) {
    auto ds = departments();
    ds->open();
    LookupScreen screen;
    screen.p_department->setListSource(ds.get(), "id", "s_caption");
    screen.p_department->setKeyValue(2);
    showAndActivate(&screen);

    screen.Edit1->setFocus();
    wheel(screen.p_department, -1);
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 2) << "not focused: the wheel leaves it alone";

    screen.p_department->setFocus();
    ASSERT_TRUE(screen.p_department->hasFocus());
    wheel(screen.Edit1, -1);  // over another control of the screen
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 3);
    wheel(screen.p_department, -2);
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 5);
    wheel(screen.p_department, -1);  // stays on the last entry
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 5);
    wheel(screen.p_department, 1);
    EXPECT_EQ(screen.p_department->keyValue().toInt(), 4);
    EXPECT_EQ(ds->recNo(), 4);
    screen.hide();
}

// ---- Date picker, data text -------------------------------------------------------------

TEST(DatePicker, OnlyTheUsersPickIsAChange) {
    zui::DatePicker picker;
    EXPECT_EQ(picker.date(), QDate::currentDate());
    QList<QDate> changes;
    QObject::connect(&picker, &zui::DatePicker::changed, [&](const QDate& d) { changes << d; });
    picker.setDate(QDate(2024, 3, 2));
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(picker.text(), "02.03.2024");
    pickDate(&picker, QDate(2024, 3, 4));
    EXPECT_EQ(changes, QList<QDate>{QDate(2024, 3, 4)});
}

TEST(DBText, FollowsTheCurrentRow) {
    auto ds = departments();
    zui::DBText text;
    text.setDataField(ds.get(), "s_caption");
    EXPECT_EQ(text.text(), "");
    ds->open();
    EXPECT_EQ(text.text(), "Цех покраски");
    ds->setRecNo(4);
    EXPECT_EQ(text.text(), "Склад ГП");
    ds->setSort("s_caption");
    EXPECT_EQ(text.text(), "Склад ГП");
    ds->close();
    EXPECT_EQ(text.text(), "");
}
