#include "zui_controls.h"
#include "zui_guard.h"

#include "zdb.h"

#include <QApplication>
#include <QTimer>
#include <QWheelEvent>

namespace zui {

namespace {

// Keys arrive as whatever type the driver gave; 5, 5LL, 5.0 and "5" are one key.
bool sameKey(const QVariant& a, const QVariant& b) {
    if (!a.isValid() || !b.isValid() || a.isNull() || b.isNull()) return false;
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    if (okA && okB) return x == y;
    return a.toString() == b.toString();
}

}  // namespace

LookupBox::LookupBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    setFocusPolicy(Qt::StrongFocus);  // the wheel must not take the focus
    setMaxVisibleItems(7);
    connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) { guard([&] { userChose(index); }); });
}

void LookupBox::setListSource(zdb::Dataset* dataset, const QString& keyField, const QString& listField) {
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    keyField_ = keyField;
    listField_ = listField;
    if (dataset_) {
        connect(dataset_, &zdb::Dataset::changed, this, [this](zdb::Dataset::Change change) {
            if (change != zdb::Dataset::Change::RowMoved) guard([this] { reload(); });
        });
    }
    reload();
}

void LookupBox::reload() {
    const QSignalBlocker block(this);
    clear();
    if (dataset_ && dataset_->active()) {
        const int keyCol = dataset_->fieldIndex(keyField_);
        const int listCol = dataset_->fieldIndex(listField_);
        if (keyCol < 0) throw zdb::DbError(QStringLiteral("Поле «%1» не найдено").arg(keyField_));
        if (listCol < 0) throw zdb::DbError(QStringLiteral("Поле «%1» не найдено").arg(listField_));
        const int n = dataset_->recordCount();
        for (int row = 0; row < n; ++row) addItem(dataset_->text(row, listCol), dataset_->value(row, keyCol));
    }
    showKey();
}

void LookupBox::showKey() {
    int found = -1;
    for (int i = 0; i < count() && found < 0; ++i)
        if (sameKey(itemData(i), key_)) found = i;
    {
        const QSignalBlocker block(this);
        setCurrentIndex(found);
    }
    // The list dataset stands on the shown entry, as the screens read its fields.
    if (found >= 0 && dataset_ && dataset_->currentRow() != found) dataset_->setCurrentRow(found);
}

void LookupBox::setKeyValue(const QVariant& key) {
    key_ = key;
    showKey();
}

void LookupBox::userChose(int index) {
    if (index < 0 || index >= count()) return;
    key_ = itemData(index);
    if (dataset_ && dataset_->currentRow() != index) dataset_->setCurrentRow(index);
    emit choiceChanged();
    if (popupChoice_) {
        popupChoice_ = false;
        emit closeUp();
    }
}

void LookupBox::moveChoice(int steps) {
    if (count() == 0 || steps == 0) return;
    int index = currentIndex();
    if (index < 0) {
        if (steps < 0) return;
        index = 0;
    } else {
        index = std::clamp(index + steps, 0, count() - 1);
        if (index == currentIndex()) return;
    }
    {
        const QSignalBlocker block(this);
        setCurrentIndex(index);
    }
    userChose(index);
}

void LookupBox::showPopup() {
    popupChoice_ = true;
    QComboBox::showPopup();
}

void LookupBox::hidePopup() {
    QComboBox::hidePopup();
    // The choice, if any, is reported right after the list hides; anything
    // later (keys, wheel) is not a choice made in the list.
    QTimer::singleShot(0, this, [this] { popupChoice_ = false; });
}

void LookupBox::wheelEvent(QWheelEvent* event) {
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    wheelRest_ += event->angleDelta().y();
    const int notches = wheelRest_ / 120;
    wheelRest_ -= notches * 120;
    guard([&] { moveChoice(-notches); });
    event->accept();
}

namespace {

class WheelRouter : public QObject {
public:
    explicit WheelRouter(QWidget* form) : QObject(form), form_(form) {
        setObjectName(QStringLiteral("zui_wheel_router"));
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel || !watched->isWidgetType()) return false;
        if (static_cast<QWidget*>(watched)->window() != form_) return false;
        auto* box = qobject_cast<LookupBox*>(QApplication::focusWidget());
        if (!box || box->window() != form_ || !box->isEnabled()) return false;
        rest_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
        const int notches = rest_ / 120;
        rest_ -= notches * 120;
        guard([&] { box->moveChoice(-notches); });
        return true;
    }

private:
    QWidget* form_;
    int rest_ = 0;
};

}  // namespace

void wheelMovesFocusedLookup(QWidget* form) {
    if (!form->findChild<QObject*>(QStringLiteral("zui_wheel_router"), Qt::FindDirectChildrenOnly)) new WheelRouter(form);
}

}  // namespace zui
