#include "zui_controls.h"
#include "zui_guard.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QValidator>

namespace zui {

namespace {

// What a typed or pasted character becomes: itself, a comma for a point, or nothing.
QChar admit(QChar c, unsigned keys) {
    if (c.isDigit() && c.unicode() < 128) return (keys & Keys::Digits) ? c : QChar();
    if (c == QLatin1Char(',')) return (keys & Keys::Comma) ? c : QChar();
    if (c == QLatin1Char('.')) {
        if ((keys & Keys::PointToComma) == Keys::PointToComma) return QLatin1Char(',');
        return (keys & Keys::Point) ? c : QChar();
    }
    return QChar();
}

// What the key filter cannot see (a middle-click paste of the X11 selection,
// text committed by an input method) still reaches the box as an edit: the
// validator refuses an edit that brings in a character the box does not take.
// Text that code sets is never refused, and its own characters do not make
// later edits fail.
class NumberValidator : public QValidator {
public:
    NumberValidator(QLineEdit* edit, unsigned keys) : QValidator(edit), keys_(keys), foreign_(foreign(edit->text())) {
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& text) { foreign_ = foreign(text); });
    }
    State validate(QString& input, int&) const override { return foreign(input) > foreign_ ? Invalid : Acceptable; }

private:
    int foreign(const QString& text) const {
        int n = 0;
        for (QChar c : text)
            if (admit(c, keys_).isNull()) ++n;
        return n;
    }
    unsigned keys_;
    int foreign_;  // characters of the current text the box would not take
};

class KeyFilter : public QObject {
public:
    KeyFilter(QLineEdit* edit, unsigned keys) : QObject(edit), edit_(edit), keys_(keys) {
        setObjectName(QStringLiteral("zui_key_filter"));
        edit->installEventFilter(this);
        edit->setValidator(new NumberValidator(edit, keys));
        edit->setAcceptDrops(false);
        edit->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(edit, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) { contextMenu(pos); });
    }

    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste)) {
            guard([this] { paste(); });
            return true;
        }
        if (key->key() == Qt::Key_Backspace) return !(keys_ & Keys::Backspace);
        const QString text = key->text();
        if (text.isEmpty() || !text.at(0).isPrint() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;  // caret keys, Delete, Tab, Enter, Esc, shortcuts
        QString out;
        for (QChar c : text) {
            QChar a = admit(c, keys_);
            if (a.isNull()) return true;  // dropped
            out += a;
        }
        if (out == text) return false;
        edit_->insert(out);
        return true;
    }

private:
    void paste() {
        if (edit_->isReadOnly()) return;
        const QString text = QApplication::clipboard()->text().trimmed();
        QString out;
        for (QChar c : text) {
            QChar a = admit(c, keys_);
            if (a.isNull()) return;  // a paste is all or nothing
            out += a;
        }
        edit_->insert(out);
    }

    void contextMenu(const QPoint& pos) {
        QMenu* menu = edit_->createStandardContextMenu();
        // Reroute the menu's paste through the same check as Ctrl+V.
        for (QAction* a : menu->actions()) {
            if (a->objectName() == QLatin1String("edit-paste")) {
                a->disconnect();
                connect(a, &QAction::triggered, this, [this] { guard([this] { paste(); }); });
            }
        }
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(edit_->mapToGlobal(pos));
    }

    QLineEdit* edit_;
    unsigned keys_;
};

}  // namespace

void setKeyFilter(QLineEdit* edit, unsigned keys) {
    // No Q_OBJECT here, so the filter is found by name, not by type.
    delete edit->findChild<QObject*>(QStringLiteral("zui_key_filter"), Qt::FindDirectChildrenOnly);
    if (auto* old = dynamic_cast<const NumberValidator*>(edit->validator())) {
        edit->setValidator(nullptr);
        delete old;
    }
    new KeyFilter(edit, keys);
}

}  // namespace zui
