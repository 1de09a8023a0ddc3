// Screens: modal showing, activation, closing, default and cancel buttons,
// the handler wrapper, message boxes and styles.
#include "zui_testing.h"

#include <QBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

using namespace zui::testing;

namespace {

class Editor : public zui::TForm {
public:
    Editor() {
        setObjectName(QStringLiteral("Form31"));
        setWindowTitle(QStringLiteral("Ведение подразделений (31)"));
        Edit1 = new QLineEdit(this);
        Button1 = new QPushButton(QStringLiteral("Записать"), this);
        Button2 = new QPushButton(QStringLiteral("Отмена"), this);
        auto* box = new QVBoxLayout(this);
        box->addWidget(Edit1);
        box->addWidget(Button1);
        box->addWidget(Button2);
        zui::on(Button1, &QPushButton::clicked, this, &Editor::Button1Click);
        zui::on(Button2, &QPushButton::clicked, this, &Editor::Button2Click);
    }
    void FormCreate() override {
        setupScreen(zui::Placement::CentredOnDesktop);
        setDefaultButton(Button1);
        setCancelButton(Button2);
    }
    void FormActivate() override { ++activations; }
    void FormClose() override { ++closes; }
    void Button1Click() {
        ++saves;
        setModalResult(1);
    }
    void Button2Click() { close(); }

    QLineEdit* Edit1;
    QPushButton* Button1;
    QPushButton* Button2;
    int activations = 0, closes = 0, saves = 0;
};

class List : public zui::TForm {
public:
    explicit List(Editor* editor) : editor_(editor) {
        setObjectName(QStringLiteral("Form30"));
        Button2 = new QPushButton(QStringLiteral("Изменить"), this);
        Button4 = new QPushButton(QStringLiteral("Выход"), this);
        auto* box = new QHBoxLayout(this);
        box->addWidget(Button2);
        box->addWidget(Button4);
        zui::on(Button2, &QPushButton::clicked, this, &List::Button2Click);
        zui::on(Button4, &QPushButton::clicked, this, [this] { close(); });
        setupScreen(zui::Placement::AsDesigned);
        setCancelButton(Button4);
    }
    void FormActivate() override {
        ++activations;
        sort = QStringLiteral("s_caption");
    }
    void Button2Click() {
        editor_->Tag = 0;
        editorResult = editor_->showModal();
    }

    Editor* editor_;
    QPushButton* Button2;
    QPushButton* Button4;
    int activations = 0;
    int editorResult = -1;
    QString sort;
};

struct Screens {
    Screens() {
        zui::createForm(editor);
        list = std::make_unique<List>(editor);
    }
    ~Screens() { delete editor; }
    Editor* editor = nullptr;
    std::unique_ptr<List> list;
};

}  // namespace

TEST(Form, NestedScriptedModalsRunInOrderAndReturnTheirResults) {
    Screens s;
    ScriptedModals scripts;
    scripts.on("Form30", [&](zui::TForm&) {
        EXPECT_TRUE(s.list->isVisible());
        click(s.list->Button2);  // opens the editor over the list
        EXPECT_EQ(s.list->editorResult, 1);
        EXPECT_TRUE(s.list->isVisible()) << "closing the editor must not close the list";
        EXPECT_EQ(QApplication::activeWindow(), s.list.get()) << "the list is active again";
        click(s.list->Button4);
    });
    scripts.on("Form31", [&](zui::TForm& f) {
        EXPECT_EQ(&f, s.editor);
        EXPECT_EQ(QApplication::activeWindow(), &f);
        typeText(s.editor->Edit1, QStringLiteral("Цех №1"));
        click(s.editor->Button1);
    });

    EXPECT_EQ(s.list->showModal(), 0);
    EXPECT_EQ(scripts.shown(), QStringList({"Form30", "Form31"}));
    EXPECT_EQ(s.editor->saves, 1);
    EXPECT_EQ(s.editor->closes, 1);
    EXPECT_FALSE(s.list->isVisible());
    EXPECT_FALSE(s.editor->isVisible());
}

TEST(Form, ActivateRunsAtEveryShowingButNotWhenTheScreenAboveCloses) {
    Screens s;
    ScriptedModals scripts;
    auto openEditorThenLeave = [&](zui::TForm&) {
        s.list->sort = QStringLiteral("s_caption DESC");  // the user's own sort
        click(s.list->Button2);
        EXPECT_EQ(s.list->sort, QStringLiteral("s_caption DESC"));
        click(s.list->Button4);
    };
    scripts.always("Form30", openEditorThenLeave);
    scripts.always("Form31", [&](zui::TForm&) { click(s.editor->Button2); });

    s.list->showModal();
    s.list->showModal();
    EXPECT_EQ(s.list->activations, 2);
    EXPECT_EQ(s.editor->activations, 2);
    EXPECT_EQ(s.editor->closes, 2);
    EXPECT_EQ(s.list->editorResult, 0);
}

TEST(Form, EscClicksTheCancelButtonEnterTheDefaultOne) {
    Screens s;
    ScriptedModals scripts;
    scripts.on("Form31", [&](zui::TForm&) { pressKey(s.editor->Edit1, Qt::Key_Return); });
    EXPECT_EQ(s.editor->showModal(), 1);
    EXPECT_EQ(s.editor->saves, 1);

    scripts.on("Form31", [&](zui::TForm&) { pressKey(s.editor->Edit1, Qt::Key_Escape); });
    EXPECT_EQ(s.editor->showModal(), 0);
    EXPECT_EQ(s.editor->saves, 1);
    EXPECT_EQ(s.editor->closes, 2);

    // The default flag may move at run time, and may be taken away.
    scripts.on("Form31", [&](zui::TForm& f) {
        s.editor->setDefaultButton(s.editor->Button2);
        pressKey(s.editor->Edit1, Qt::Key_Enter);
        EXPECT_FALSE(f.isVisible());
    });
    s.editor->showModal();
    EXPECT_EQ(s.editor->saves, 1);

    scripts.on("Form31", [&](zui::TForm& f) {
        s.editor->setDefaultButton(nullptr);
        pressKey(s.editor->Edit1, Qt::Key_Return);
        EXPECT_TRUE(f.isVisible());
        // Without a cancel button Esc does nothing either.
        s.editor->setCancelButton(nullptr);
        pressKey(s.editor->Edit1, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
    });
    s.editor->showModal();  // the script leaves it open: closed as by the close box
    EXPECT_EQ(s.editor->saves, 1);
    EXPECT_EQ(s.editor->closes, 4);
}

TEST(Form, DisabledOrHiddenCancelButtonIgnoresEsc) {
    Screens s;
    ScriptedModals scripts;
    scripts.on("Form31", [&](zui::TForm& f) {
        s.editor->Button2->setEnabled(false);
        pressKey(s.editor->Edit1, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        s.editor->Button2->setEnabled(true);
        s.editor->Button2->hide();
        pressKey(s.editor->Edit1, Qt::Key_Escape);
        EXPECT_TRUE(f.isVisible());
        f.close();  // the close box
        EXPECT_FALSE(f.isVisible());
    });
    s.editor->showModal();
    EXPECT_EQ(s.editor->closes, 1);
}

TEST(Form, SetUpGivesTheIconTheBorderAndOnlyTheCloseButton) {
    Screens s;
    ScriptedModals scripts;
    scripts.on("Form31", [](zui::TForm& f) {
        EXPECT_EQ(f.minimumSize(), f.maximumSize()) << "a single border is not resizable";
        EXPECT_FALSE(f.windowIcon().isNull());
    });
    s.editor->showModal();
    const Qt::WindowFlags flags = s.editor->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);

    struct Exposed : zui::TForm {
        using zui::TForm::setupScreen;
    } bare;
    bare.setupScreen(zui::Placement::NoSystemMenu);
    EXPECT_FALSE(bare.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(bare.windowFlags() & Qt::WindowSystemMenuHint);
}

TEST(Form, TheMainWindowIsShownWithoutALoopAndClosesThroughFormClose) {
    Screens s;
    s.editor->showAsMainWindow();
    EXPECT_EQ(zui::mainWindow(), s.editor);
    EXPECT_TRUE(s.editor->isVisible());
    EXPECT_EQ(s.editor->activations, 1);
    s.editor->close();
    EXPECT_EQ(s.editor->closes, 1);
    zui::setMainWindow(nullptr);
}

namespace {
zui::TForm* unscripted = nullptr;
}

TEST(Form, AModalScreenWithoutAScriptFailsTheTestAndReturns) {
    zui::TForm form;
    form.setObjectName(QStringLiteral("Form99"));
    unscripted = &form;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedModals scripts;
            unscripted->showModal();
        },
        "Form99");
    EXPECT_FALSE(form.isVisible());
}

// ---- Handler wrapper ---------------------------------------------------------------------

TEST(Guard, AnErrorAbortsTheHandlerIsShownAndTheProgramGoesOn) {
    struct Case {
        std::function<void()> raise;
        QString shown;
    };
    const Case cases[] = {
        {[] { throw zdb::DbError(QStringLiteral("ОШИБКА: отношение \"x\" не существует")); },
         QStringLiteral("ОШИБКА: отношение \"x\" не существует")},
        {[] { throw std::runtime_error("Неверное число"); }, QStringLiteral("Неверное число")},
        {[] { throw 42; }, QStringLiteral("Неизвестная ошибка")},
    };
    for (const Case& c : cases) {
        RecordedMessages messages;
        messages.expectError(c.shown);
        messages.expectError(c.shown);
        QPushButton button(QStringLiteral("Записать"));
        int before = 0, after = 0;
        zui::on(&button, &QPushButton::clicked, &button, [&] {
            ++before;
            c.raise();
            ++after;
        });
        click(&button);
        click(&button);
        EXPECT_EQ(before, 2);
        EXPECT_EQ(after, 0);
        ASSERT_EQ(messages.messages().size(), 2u);
        EXPECT_EQ(messages.messages()[0].kind, zui::msg::Kind::Error);
        EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Ошибка"));
        EXPECT_EQ(messages.messages()[0].text, c.shown);
    }
}

TEST(Guard, HandlersMayTakeFewerArgumentsThanTheSignal) {
    RecordedMessages messages;
    QLineEdit edit;
    QString seen;
    int calls = 0;
    zui::on(&edit, &QLineEdit::textChanged, &edit, [&](const QString& t) { seen = t; });
    zui::on(&edit, &QLineEdit::textChanged, &edit, [&] { ++calls; });
    edit.setText(QStringLiteral("abc"));
    EXPECT_EQ(seen, QStringLiteral("abc"));
    EXPECT_EQ(calls, 1);

    // A timer's private signal argument is dropped as well; its errors are shown too.
    QTimer timer;
    timer.setSingleShot(true);
    zui::on(&timer, &QTimer::timeout, &timer, [] { throw zdb::DbError(QStringLiteral("версия")); });
    messages.expectError(QStringLiteral("версия"));
    timer.start(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !messages.messages().empty(); }, 2000));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("версия")});
}

TEST(Guard, AnErrorInFormActivateLeavesTheScreenShown) {
    struct Failing : zui::TForm {
        void FormActivate() override { throw zdb::DbError(QStringLiteral("нет связи")); }
    } form;
    form.setObjectName(QStringLiteral("Form45"));
    RecordedMessages messages;
    messages.expectError(QStringLiteral("нет связи"));
    ScriptedModals scripts;
    bool visible = false;
    scripts.on("Form45", [&](zui::TForm& f) { visible = f.isVisible(); });
    form.showModal();
    EXPECT_TRUE(visible);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("нет связи")});
}

// ---- Message boxes -----------------------------------------------------------------------

TEST(Messages, QuestionsAreAnsweredFromTheQueueAndEveryBoxIsRecorded) {
    RecordedMessages messages;
    messages.answers.push(true);
    messages.answers.push(false);
    EXPECT_TRUE(zui::msg::question(QStringLiteral("Удалить строку?")));
    EXPECT_FALSE(zui::msg::question(QStringLiteral("Удалить строку?")));
    zui::msg::warning(QStringLiteral("w"));
    zui::msg::info(QStringLiteral("i"));
    messages.expectError(QStringLiteral("Все поля должны быть заполнены!"));
    zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));

    ASSERT_EQ(messages.messages().size(), 5u);
    EXPECT_EQ(messages.messages()[0].kind, zui::msg::Kind::Question);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Удаление"));
    EXPECT_EQ(messages.messages()[2].caption, QStringLiteral("Внимание"));
    EXPECT_EQ(messages.messages()[3].caption, QStringLiteral("Сообщение"));
    EXPECT_EQ(messages.messages()[4].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(messages.messages()[4].kind, zui::msg::Kind::Error);
}

TEST(Messages, AnErrorBoxNobodyAnnouncedFailsTheTest) {
    EXPECT_NONFATAL_FAILURE(
        {
            RecordedMessages messages;
            zui::msg::error(QStringLiteral("ОШИБКА: нет связи"));
        },
        "unexpected error box");
    EXPECT_NONFATAL_FAILURE(
        {
            RecordedMessages messages;
            messages.expectError(QStringLiteral("Все поля должны быть заполнены!"));
            zui::msg::error(QStringLiteral("Другая ошибка"));
        },
        "expected Все поля");
    EXPECT_NONFATAL_FAILURE({ RecordedMessages messages; messages.expectError(); }, "never shown");
}

TEST(Messages, AQuestionWithNoAnswerQueuedFailsAndAnswersNo) {
    EXPECT_NONFATAL_FAILURE(
        {
            RecordedMessages messages;
            EXPECT_FALSE(zui::msg::question(QStringLiteral("Удалить строку?")));
        },
        "Удалить строку?");
}

// ---- Styles ------------------------------------------------------------------------------

TEST(Style, UnknownNameShowsAnErrorAndKeepsTheLook) {
    RecordedMessages messages;
    const QStringList names = zui::styleNames();
    ASSERT_TRUE(names.contains(QStringLiteral("Windows")));
    ASSERT_TRUE(names.contains(QStringLiteral("Zorna Тёмный")));

    ASSERT_TRUE(zui::applyStyle(QStringLiteral("Windows")));
    EXPECT_EQ(zui::currentStyleName(), QStringLiteral("Windows"));
    const QColor windowsBase = QApplication::palette().color(QPalette::Base);

    messages.expectError(QStringLiteral("Стиль \"Aqua Graphite\" не найден"));
    EXPECT_FALSE(zui::applyStyle(QStringLiteral("Aqua Graphite")));
    EXPECT_EQ(zui::currentStyleName(), QStringLiteral("Windows"));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), windowsBase);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(messages.messages()[0].text, QStringLiteral("Стиль \"Aqua Graphite\" не найден"));

    ASSERT_TRUE(zui::applyStyle(QStringLiteral("Zorna Тёмный")));
    EXPECT_EQ(zui::currentStyleName(), QStringLiteral("Zorna Тёмный"));
    EXPECT_NE(QApplication::palette().color(QPalette::Base), windowsBase);
    ASSERT_TRUE(zui::applyStyle(QStringLiteral("Windows")));
    EXPECT_EQ(QApplication::palette().color(QPalette::Base), windowsBase);
}
