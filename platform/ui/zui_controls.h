// Controls with the behaviour the screens expect beyond plain Qt widgets.
// Buttons, check boxes, radio buttons, drop-down lists, labels, group boxes and
// timers are plain Qt classes.
#pragma once

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QObject>
#include <QPointer>
#include <QVariant>

#include <functional>

#include "zdb.h"

class QLineEdit;

namespace zui {

// ---- Number boxes -----------------------------------------------------------

// The characters a number box takes from the keyboard; every other typed
// character is dropped. Caret keys, Delete, Tab, Enter and Esc are untouched.
struct Keys {
    enum : unsigned {
        Digits = 1,
        Comma = 2,
        Point = 4,
        PointToComma = 8 | Point,  // a typed point arrives as a comma
        Backspace = 16,

        DigitsOnly = Digits | Backspace,
        DigitsComma = Digits | Comma | Backspace,
        DigitsCommaPoint = Digits | Comma | Point | Backspace,
    };
};

// Installs the filter on 'edit'. Pasted or dropped text is taken only when every
// character of it is allowed (points turned into commas where asked). A
// validator refuses what arrives past the keys (middle-click paste, input
// methods) with a character the box does not take; text set by code stays.
void setKeyFilter(QLineEdit* edit, unsigned keys);

// ---- Filter box of a list screen -------------------------------------------

// A text box over a list: its text narrows the list dataset, Up and Down move
// the list's cursor.
class FilterBox : public QObject {
    Q_OBJECT
public:
    // The filter for a non-empty text; an empty text switches filtering off.
    using Expression = std::function<QString(const QString& text)>;

    enum class KeyMode {
        ConsumeAll,     // every key-down is eaten: caret keys and Delete do nothing,
                        // typed characters, Backspace, cut/copy/paste still edit
        ConsumeUpDown,  // only Up and Down are eaten
    };

    // 'expression' may be empty: then the box only moves the cursor.
    FilterBox(QLineEdit* edit, zdb::Dataset* dataset, Expression expression, KeyMode mode);

    // "field like 'text%'" and "field like '%text%'", the text's apostrophes doubled.
    static Expression startsWith(const QString& field);
    static Expression contains(const QString& field);

    QLineEdit* edit() const { return edit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyText(const QString& text);

    QLineEdit* edit_;
    QPointer<zdb::Dataset> dataset_;
    Expression expression_;
    KeyMode mode_;
};

// ---- Date picker --------------------------------------------------------------

// A date box "dd.MM.yyyy" with a calendar drop-down.
class DatePicker : public QDateEdit {
    Q_OBJECT
public:
    explicit DatePicker(QWidget* parent = nullptr);
    // Setting the date from code does not emit changed().
    void setDate(const QDate& date);

signals:
    // The user picked another date.
    void changed(const QDate& date);

private:
    bool settingFromCode_ = false;
};

// ---- Lookup box ---------------------------------------------------------------

// A drop-down list over a dataset: shows listField, keeps keyField.
// The key value is the one last set or chosen; a key not in the list shows
// nothing but is kept (screens write such a key, e.g. -1 for "none").
// Choosing an entry moves the list dataset's cursor to its row.
class LookupBox : public QComboBox {
    Q_OBJECT
public:
    explicit LookupBox(QWidget* parent = nullptr);

    void setListSource(zdb::Dataset* dataset, const QString& keyField, const QString& listField);
    zdb::Dataset* listSource() const { return dataset_; }

    // Invalid when no key was ever set or chosen.
    QVariant keyValue() const { return key_; }
    void setKeyValue(const QVariant& key);
    // Whether the key is one of the listed entries (the box shows text).
    bool hasChoice() const { return currentIndex() >= 0; }

    void setDropDownRows(int rows) { setMaxVisibleItems(rows); }

    // Moves the choice one or more entries down (positive) or up, as the user does.
    void moveChoice(int steps);

    void showPopup() override;
    void hidePopup() override;

signals:
    // The drop-down list closed with an entry chosen in it.
    void closeUp();
    // The user changed the choice: in the list, with the keys or the wheel.
    void choiceChanged();

protected:
    void wheelEvent(QWheelEvent* event) override;

private:
    void reload();
    void showKey();
    void userChose(int index);

    QPointer<zdb::Dataset> dataset_;
    QString keyField_;
    QString listField_;
    QVariant key_;
    bool popupChoice_ = false;
    int wheelRest_ = 0;
};

// While a lookup box of 'form' has the focus, the mouse wheel anywhere over the
// form moves that box's choice one entry per notch.
void wheelMovesFocusedLookup(QWidget* form);

// ---- Data text ----------------------------------------------------------------

// Read-only text of one field of a dataset's current row.
class DBText : public QLabel {
    Q_OBJECT
public:
    explicit DBText(QWidget* parent = nullptr);
    void setDataField(zdb::Dataset* dataset, const QString& field);

private:
    void refresh();

    QPointer<zdb::Dataset> dataset_;
    QString field_;
};

}  // namespace zui
