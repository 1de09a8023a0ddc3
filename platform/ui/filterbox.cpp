#include "zui_controls.h"
#include "zui_guard.h"

#include "zdb.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace zui {

FilterBox::FilterBox(QLineEdit* edit, zdb::Dataset* dataset, Expression expression, KeyMode mode)
    : QObject(edit), edit_(edit), dataset_(dataset), expression_(std::move(expression)), mode_(mode) {
    edit->installEventFilter(this);
    if (expression_)
        connect(edit, &QLineEdit::textChanged, this, [this](const QString& t) { guard([&] { applyText(t); }); });
}

FilterBox::Expression FilterBox::startsWith(const QString& field) {
    return [field](const QString& text) { return field + QStringLiteral(" like ") + zdb::quoted(zdb::likeLiteral(text) + QLatin1Char('%')); };
}

FilterBox::Expression FilterBox::contains(const QString& field) {
    return [field](const QString& text) {
        return field + QStringLiteral(" like ") + zdb::quoted(QLatin1Char('%') + zdb::likeLiteral(text) + QLatin1Char('%'));
    };
}

void FilterBox::applyText(const QString& text) {
    if (!dataset_) return;
    if (text.isEmpty()) {
        dataset_->setFiltered(false);
    } else {
        dataset_->setFilter(expression_(text));
        dataset_->setFiltered(true);
    }
}

bool FilterBox::eventFilter(QObject*, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
        const bool down = key->key() == Qt::Key_Down;
        guard([&] {
            if (!dataset_) return;
            if (down) dataset_->next();
            else dataset_->prior();
        });
        return true;
    }
    if (mode_ == KeyMode::ConsumeUpDown) return false;

    // Everything that only moves or deletes is eaten; what types text goes on,
    // and so do the keys the screen handles (Tab, Enter, Esc).
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Backspace:
        return false;
    default:
        break;
    }
    if (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut) ||
        key->matches(QKeySequence::Undo))
        return false;
    const QString text = key->text();
    const bool typed = !text.isEmpty() && text.at(0).isPrint() && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !typed;
}

}  // namespace zui
