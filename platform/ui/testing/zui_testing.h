// Test support for screens: an offscreen application, scripted modal showings,
// recorded message boxes and input that goes the user's way (real key and mouse
// events, real signals), so that handlers, key filters and guards all run.
#pragma once

#include "zui.h"
#include "zui_hooks.h"
#include "zdb.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <ostream>

#include <deque>
#include <functional>
#include <map>
#include <queue>
#include <vector>

class QAbstractButton;
class QLineEdit;

namespace zui::testing {

// The QApplication of the test run (platform "offscreen" unless one is set).
// From then on a modal screen without a script and a message box nobody records
// fail the current test instead of waiting for a user.
QApplication* ensureApp();

// ---- Modal screens ------------------------------------------------------------

// While alive, a screen shown with showModal runs the script registered for its
// objectName in place of the event loop. FormActivate runs first. A screen that
// the script leaves open is then closed as by its close box (FormClose runs,
// showModal returns 0). Scripts may show further screens; those run their own.
// A showing without a script fails the test and returns at once.
class ScriptedModals {
public:
    using Script = std::function<void(TForm& form)>;

    ScriptedModals();
    // Fails the test for every one-time script that never ran.
    ~ScriptedModals();
    ScriptedModals(const ScriptedModals&) = delete;
    ScriptedModals& operator=(const ScriptedModals&) = delete;

    // For the next showing of the screen; several queue up in order.
    void on(const QString& screen, Script script);
    // For every showing once the one-time scripts of that screen are used up.
    void always(const QString& screen, Script script);

    // Names of the screens shown modally so far, in order.
    const QStringList& shown() const { return shown_; }

private:
    void run(TForm& form);

    std::map<QString, std::deque<Script>> once_;
    std::map<QString, Script> always_;
    QStringList shown_;
    hooks::ModalRunner previous_;
};

// ---- Message boxes -------------------------------------------------------------

struct Message {
    msg::Kind kind;
    QString caption;
    QString text;
};

// While alive, every zui::msg call is recorded instead of shown; questions take
// their answers from 'answers' (true for "Да"). A question with no answer left
// fails the test and gets "Нет". An error box fails the test unless announced
// with expectError, in the order shown.
class RecordedMessages {
public:
    RecordedMessages();
    // Fails the test when answers are left over: the question never came.
    ~RecordedMessages();
    RecordedMessages(const RecordedMessages&) = delete;
    RecordedMessages& operator=(const RecordedMessages&) = delete;

    std::queue<bool> answers;

    // The next error box is expected, with exactly 'text' (any text when empty,
    // as for a database's own message). Expected boxes never shown fail the test.
    void expectError(const QString& text = {});

    const std::vector<Message>& messages() const { return messages_; }
    QStringList texts() const;
    void clear() { messages_.clear(); }

private:
    std::vector<Message> messages_;
    std::deque<QString> expectedErrors_;
    hooks::MessageSink previous_;
};

// ---- User input ------------------------------------------------------------------
// Each refuses (fails the test, does nothing) a control that is disabled or
// hidden: a user could not reach it either.

void click(QAbstractButton* button);
void typeText(QWidget* widget, const QString& text);
void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Mouse wheel over 'widget': positive steps turn it up (away from the user).
void wheel(QWidget* widget, int steps);

void clickRow(DBGrid* grid, int viewRow, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
void doubleClickRow(DBGrid* grid, int viewRow);
void clickTitle(DBGrid* grid, int column);
void clickCellButton(DBGrid* grid, int viewRow, int column);

// Opens the drop-down list and picks the entry with 'key'.
void chooseLookup(LookupBox* box, const QVariant& key);
void pickDate(DatePicker* picker, const QDate& date);

// Shows a widget that is not a screen (a bare control under test) and makes it
// the active window, so that focus and mouse positions are real.
void showAndActivate(QWidget* widget);

// ---- Data --------------------------------------------------------------------------

// A dataset held in memory: what open() reads is set by the test.
class MemoryDataset : public zdb::Dataset {
    Q_OBJECT
public:
    explicit MemoryDataset(QObject* parent = nullptr);

    void setColumns(std::vector<zdb::Column> columns) { nextColumns_ = std::move(columns); }
    // Taken by the next open(); rows hold one value per column.
    void setRows(std::vector<std::vector<QVariant>> rows) { nextRows_ = std::move(rows); }
    // The next open() fails with this database text.
    void failNextOpen(const QString& text) { failText_ = text; }
    int opens() const { return opens_; }

protected:
    void fetch() override;

private:
    std::vector<zdb::Column> nextColumns_;
    std::vector<std::vector<QVariant>> nextRows_;
    QString failText_;
    int opens_ = 0;
};

}  // namespace zui::testing

// Readable Qt values in test failure output.
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QStringList& list, std::ostream* os);
void PrintTo(const QVariant& value, std::ostream* os);
