#include "zui_controls.h"
#include "zui_guard.h"

#include "zdb.h"

namespace zui {

// ---- DatePicker -----------------------------------------------------------------

DatePicker::DatePicker(QWidget* parent) : QDateEdit(parent) {
    setCalendarPopup(true);
    setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    QDateEdit::setDate(QDate::currentDate());
    connect(this, &QDateEdit::dateChanged, this, [this](const QDate& d) {
        if (!settingFromCode_) emit changed(d);
    });
}

void DatePicker::setDate(const QDate& date) {
    settingFromCode_ = true;
    QDateEdit::setDate(date);
    settingFromCode_ = false;
}

// ---- DBText ---------------------------------------------------------------------

DBText::DBText(QWidget* parent) : QLabel(parent) { setTextInteractionFlags(Qt::TextSelectableByMouse); }

void DBText::setDataField(zdb::Dataset* dataset, const QString& field) {
    if (dataset_) disconnect(dataset_, nullptr, this, nullptr);
    dataset_ = dataset;
    field_ = field;
    if (dataset_) connect(dataset_, &zdb::Dataset::changed, this, [this] { refresh(); });
    refresh();
}

void DBText::refresh() {
    QString text;
    if (dataset_ && dataset_->active() && dataset_->currentRow() >= 0) {
        const int col = dataset_->fieldIndex(field_);
        if (col >= 0) text = dataset_->text(dataset_->currentRow(), col);
    }
    setText(text);
}

}  // namespace zui
