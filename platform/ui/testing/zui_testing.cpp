#include "zui_testing.h"

#include "zui_hooks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QWindow>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace zui::testing {

namespace {

std::string s(const QString& text) { return text.toStdString(); }

QString describe(const QWidget* w) {
    if (!w) return QStringLiteral("(null)");
    QString name = w->objectName();
    if (auto* b = qobject_cast<const QAbstractButton*>(w); b && name.isEmpty()) name = b->text();
    if (name.isEmpty()) name = QString::fromLatin1(w->metaObject()->className());
    if (w->window() && w->window() != w && !w->window()->objectName().isEmpty())
        name = w->window()->objectName() + QLatin1Char('.') + name;
    return name;
}

// A user reaches only what is shown and enabled.
bool reachable(QWidget* w, const char* what) {
    if (!w) {
        ADD_FAILURE() << what << ": no widget";
        return false;
    }
    if (!w->isEnabled()) {
        ADD_FAILURE() << what << ": " << s(describe(w)) << " is disabled";
        return false;
    }
    if (w != w->window() && !w->isVisibleTo(w->window())) {
        ADD_FAILURE() << what << ": " << s(describe(w)) << " is hidden";
        return false;
    }
    return true;
}

// Mouse input needs real geometry: the widget's window must be on screen.
bool onScreen(QWidget* w, const char* what) {
    if (!reachable(w, what)) return false;
    if (!w->isVisible()) {
        ADD_FAILURE() << what << ": " << s(describe(w)) << " is not on screen (show its window first)";
        return false;
    }
    return true;
}

bool sameKey(const QVariant& a, const QVariant& b) {
    if (!a.isValid() || !b.isValid() || a.isNull() || b.isNull()) return false;
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    if (okA && okB) return x == y;
    return a.toString() == b.toString();
}

}  // namespace

namespace {
QtMessageHandler previousHandler = nullptr;

// The offscreen platform reports every window call it does not support; noise.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    if (previousHandler) previousHandler(type, context, text);
}
}  // namespace

QApplication* ensureApp() {
    static bool hooked = false;
    if (!hooked) previousHandler = qInstallMessageHandler(quietHandler);
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "zui-test";
        static char* argv[] = {name, nullptr};
        app = new zui::Application(argc, argv);
    }
    if (!hooked) {
        hooked = true;
        hooks::setModalRunner([](TForm& form) {
            ADD_FAILURE() << "screen " << s(form.objectName()) << " was shown modally with no ScriptedModals";
        });
        hooks::setMessageSink([](msg::Kind, const QString& caption, const QString& text) {
            ADD_FAILURE() << "message box with no RecordedMessages: " << s(caption) << ": " << s(text);
            return false;
        });
    }
    return app;
}

// ---- ScriptedModals ------------------------------------------------------------------

ScriptedModals::ScriptedModals() {
    ensureApp();
    previous_ = hooks::setModalRunner([this](TForm& form) { run(form); });
}

ScriptedModals::~ScriptedModals() {
    hooks::setModalRunner(std::move(previous_));
    for (const auto& [name, scripts] : once_)
        if (!scripts.empty()) ADD_FAILURE() << scripts.size() << " script(s) for " << s(name) << " never ran";
}

void ScriptedModals::on(const QString& screen, Script script) { once_[screen].push_back(std::move(script)); }

void ScriptedModals::always(const QString& screen, Script script) { always_[screen] = std::move(script); }

void ScriptedModals::run(TForm& form) {
    const QString name = form.objectName();
    shown_ << name;
    Script script;
    if (auto it = once_.find(name); it != once_.end() && !it->second.empty()) {
        script = std::move(it->second.front());
        it->second.pop_front();
    } else if (auto a = always_.find(name); a != always_.end()) {
        script = a->second;
    } else {
        ADD_FAILURE() << "screen " << s(name) << " was shown modally with no script";
        return;
    }
    // Focus and the wheel act on the active window, as for a user.
    if (QApplication::activeWindow() != &form && !QTest::qWaitForWindowActive(&form, 1000))
        ADD_FAILURE() << "screen " << s(name) << " did not become active";
    try {
        script(form);
    } catch (const zdb::DbError& e) {
        ADD_FAILURE() << "script for " << s(name) << " threw: " << s(e.text());
    } catch (const std::exception& e) {
        ADD_FAILURE() << "script for " << s(name) << " threw: " << e.what();
    }
}

// ---- RecordedMessages ----------------------------------------------------------------

RecordedMessages::RecordedMessages() {
    ensureApp();
    previous_ = hooks::setMessageSink([this](msg::Kind kind, const QString& caption, const QString& text) {
        messages_.push_back({kind, caption, text});
        if (kind == msg::Kind::Error) {
            if (expectedErrors_.empty()) {
                ADD_FAILURE() << "unexpected error box: " << s(caption) << ": " << s(text);
            } else {
                const QString expected = expectedErrors_.front();
                expectedErrors_.pop_front();
                if (!expected.isEmpty() && expected != text)
                    ADD_FAILURE() << "error box " << s(text) << ", expected " << s(expected);
            }
        }
        if (kind != msg::Kind::Question) return true;
        if (answers.empty()) {
            ADD_FAILURE() << "question with no answer queued: " << s(caption) << ": " << s(text);
            return false;
        }
        const bool answer = answers.front();
        answers.pop();
        return answer;
    });
}

RecordedMessages::~RecordedMessages() {
    hooks::setMessageSink(std::move(previous_));
    if (!answers.empty()) ADD_FAILURE() << answers.size() << " answer(s) to questions that were never asked";
    if (!expectedErrors_.empty())
        ADD_FAILURE() << expectedErrors_.size() << " expected error box(es) never shown, first: " << s(expectedErrors_.front());
}

void RecordedMessages::expectError(const QString& text) { expectedErrors_.push_back(text); }

QStringList RecordedMessages::texts() const {
    QStringList out;
    for (const auto& m : messages_) out << m.text;
    return out;
}

// ---- Input ------------------------------------------------------------------------------

void click(QAbstractButton* button) {
    if (!reachable(button, "click")) return;
    button->click();
}

void typeText(QWidget* widget, const QString& text) {
    if (!reachable(widget, "typeText")) return;
    widget->setFocus(Qt::OtherFocusReason);
    // One key event per character, any alphabet: Qt's key code of a printable
    // character is its upper-case code point.
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
}

void pressKey(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    if (!reachable(widget, "pressKey")) return;
    widget->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(widget, key, modifiers);
}

void wheel(QWidget* widget, int steps) {
    if (!onScreen(widget, "wheel")) return;
    // Delivered as the window system does: to the widget under the pointer, then
    // to each parent in turn until one accepts it.
    QPoint pos = widget->rect().center();
    const QPointF global = widget->mapToGlobal(QPointF(pos));
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        QWheelEvent event(QPointF(pos), global, QPoint(), QPoint(0, 120 * steps), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &event);
        if (event.isAccepted() || w->isWindow()) break;
        pos += w->pos();
    }
}

namespace {

QPoint cellPoint(DBGrid* grid, int viewRow, int* column = nullptr) {
    int col = -1;
    for (int v = 0; v < grid->horizontalHeader()->count(); ++v) {
        const int logical = grid->horizontalHeader()->logicalIndex(v);
        if (!grid->isColumnHidden(logical)) {
            col = logical;
            break;
        }
    }
    if (column) *column = col;
    const QModelIndex index = grid->model()->index(viewRow, std::max(col, 0));
    grid->scrollTo(index);
    QRect rect = grid->visualRect(index);
    if (grid->hasCellButton(col)) {
        // Away from the button, which would take the click for itself.
        const QRect button = grid->cellButtonRect(viewRow, col);
        if (button.left() <= rect.left() + 2) rect.setLeft(button.right() + 1);
        else rect.setRight(button.left() - 1);
    }
    return rect.center();
}

bool rowExists(DBGrid* grid, int viewRow, const char* what) {
    if (viewRow < 0 || viewRow >= grid->model()->rowCount()) {
        ADD_FAILURE() << what << ": " << s(describe(grid)) << " has no row " << viewRow << " (rows: "
                      << grid->model()->rowCount() << ")";
        return false;
    }
    return true;
}

}  // namespace

void clickRow(DBGrid* grid, int viewRow, Qt::KeyboardModifiers modifiers) {
    if (!onScreen(grid, "clickRow") || !rowExists(grid, viewRow, "clickRow")) return;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cellPoint(grid, viewRow));
}

void doubleClickRow(DBGrid* grid, int viewRow) {
    if (!onScreen(grid, "doubleClickRow") || !rowExists(grid, viewRow, "doubleClickRow")) return;
    // The sequence a real double click makes: press, release, double click, release.
    const QPoint at = cellPoint(grid, viewRow);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void clickTitle(DBGrid* grid, int column) {
    if (!onScreen(grid, "clickTitle")) return;
    QHeaderView* header = grid->horizontalHeader();
    if (column < 0 || column >= header->count() || grid->isColumnHidden(column)) {
        ADD_FAILURE() << "clickTitle: column " << column << " of " << s(describe(grid)) << " is not shown";
        return;
    }
    grid->scrollTo(grid->model()->index(std::max(0, grid->currentIndex().row()), column));
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, at);
}

void clickCellButton(DBGrid* grid, int viewRow, int column) {
    if (!onScreen(grid, "clickCellButton") || !rowExists(grid, viewRow, "clickCellButton")) return;
    if (!grid->hasCellButton(column) || grid->isColumnHidden(column)) {
        ADD_FAILURE() << "clickCellButton: column " << column << " of " << s(describe(grid)) << " shows no button";
        return;
    }
    grid->scrollTo(grid->model()->index(viewRow, column));
    const QRect button = grid->cellButtonRect(viewRow, column);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, button.center());
}

void chooseLookup(LookupBox* box, const QVariant& key) {
    if (!onScreen(box, "chooseLookup")) return;
    int index = -1;
    for (int i = 0; i < box->count() && index < 0; ++i)
        if (sameKey(box->itemData(i), key)) index = i;
    if (index < 0) {
        ADD_FAILURE() << "chooseLookup: " << s(describe(box)) << " lists no key " << s(key.toString());
        return;
    }
    box->setFocus(Qt::OtherFocusReason);
    box->showPopup();
    QAbstractItemView* view = box->view();
    view->setCurrentIndex(box->model()->index(index, box->modelColumn()));
    QTest::keyClick(view, Qt::Key_Return);
    QCoreApplication::processEvents();
}

void pickDate(DatePicker* picker, const QDate& date) {
    if (!reachable(picker, "pickDate")) return;
    // The base setter is the path of the user's edit, unlike DatePicker::setDate.
    static_cast<QDateEdit*>(picker)->setDate(date);
}

void showAndActivate(QWidget* widget) {
    widget->show();
    widget->activateWindow();
    if (!QTest::qWaitForWindowActive(widget, 2000)) ADD_FAILURE() << s(describe(widget)) << " did not become active";
}

// ---- MemoryDataset -------------------------------------------------------------------------

MemoryDataset::MemoryDataset(QObject* parent) : zdb::Dataset(nullptr, parent) {}

void MemoryDataset::fetch() {
    ++opens_;
    if (!failText_.isEmpty()) {
        const QString text = std::exchange(failText_, QString());
        throw zdb::DbError(text);
    }
    columns_ = nextColumns_;
    rows_ = nextRows_;
}

}  // namespace zui::testing

void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }

void PrintTo(const QStringList& list, std::ostream* os) {
    *os << '{';
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i) *os << ", ";
        PrintTo(list[i], os);
    }
    *os << '}';
}

void PrintTo(const QVariant& value, std::ostream* os) {
    if (!value.isValid()) *os << "(invalid)";
    else *os << value.typeName() << ' ' << value.toString().toStdString();
}
