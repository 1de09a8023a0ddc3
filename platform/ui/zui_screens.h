// The shapes most screens take: a list with its buttons and filter box (also
// serving other screens as a picker), a small editor, and a document (a header
// of read-only fields over a grid of lines). A screen derives from one of them
// and only says what is its own. They know no data module: each is given its
// dataset, and writes go to that dataset's connection or the one it is given.
#pragma once

#include "zdb.h"
#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"
#include "zui_parts.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace zui {

using Column = zparts::Column;

// Puts the cursor on row number 'recNo' (1-based), or on the last row when the
// list has become shorter; an empty or closed list is left alone.
void restoreRow(zdb::Dataset* list, int recNo);

// Closes and opens 'list' and puts the cursor back on the row number it had.
void reopenKeepingRow(zdb::Dataset* list);

// Closes and opens 'list' and puts the cursor on the row 'id', or, when that
// row is no longer listed, back on row number 'recNo' (the number it had when
// recNo is 0).
void reopenAt(zdb::Dataset* list, qlonglong id, int recNo = 0);

// The id of the list's current row as SQL text.
QString idOf(const zdb::Dataset* list);

// Asks 'question' (caption "Удаление"); on Yes runs 'sql' on the list's
// connection and reopens the list. The cursor then goes back to the row number
// it had (after deleting the last row: the new last one). An empty or closed
// list does nothing. Returns whether the row was deleted.
bool deleteCurrentRow(zdb::Dataset* list, const QString& sql,
                      const QString& question = QStringLiteral("Удалить строку?"));

// What a caller does with the row chosen in a picker: it reads the picker's
// dataset, whose cursor stands on the chosen row (the list may be empty), and
// returns whether the picker closes. Refusals are the caller's to show.
using Choice = std::function<bool(zdb::Dataset& chosen)>;

// How a caller dresses a list before showing it as its picker.
namespace Look {
enum : unsigned {
    ChooseCaption = 1,  // the change button reads "Выбрать" and is visible
    HideAdd = 2,
    HideDelete = 4,
    ChooseDefault = 8,  // Enter presses the change button
    ShowFilter = 16,    // the filter box is shown and emptied
    Standard = ChooseCaption | HideAdd | HideDelete | ChooseDefault | ShowFilter,
};
}
// What a caller undoes once its picker has closed.
namespace Undo {
enum : unsigned {
    Buttons = 1,        // "Добавить" and "Удалить" visible again, the change button reads "Изменить"
    ChooseDefault = 2,  // the change button is no longer the default
    HideFilter = 4,
    Filter = 8,         // the list's filter is switched off
};
}

// ---- grid screen -------------------------------------------------------------

// A list: a grid over a dataset filling the screen, a row of buttons below it
// and "Выход" at its right, which closes the screen as Esc does.
class GridScreen : public TForm {
    Q_OBJECT
public:
    DBGrid* DBGridEh1;
    QPushButton* Button4;  // "Выход"

    zdb::Dataset* list() const { return list_; }

protected:
    struct Setup {
        const char* name;
        QString caption;
        Placement placement;
        zdb::Dataset* list;  // nullptr: set later with setList
        int width = 640;     // the grid's least size; at least its columns' widths
        int height = 420;
    };
    GridScreen(const Setup& setup, std::initializer_list<Column> columns, QWidget* parent = nullptr);

    // For a screen whose list is its own query, made once the screen exists.
    void setList(zdb::Dataset* list);

    // A button at the end of the row (left to right), or any other widget.
    QPushButton* addButton(const char* name, const QString& caption);
    void addToRow(QWidget* widget);
    void addSpacingToRow(int width);
    // Something above the grid.
    void addAbove(QWidget* widget);
    void addAbove(QLayout* layout);

    bool hasRows() const;
    int currentId() const;                            // 0 on an empty list
    QString currentText(const QString& field) const;  // trimmed
    qlonglong currentInt(const QString& field) const;

    // On an empty list nothing happens (a change needs an id); otherwise
    // 'showEditor' runs and the cursor goes back to its row number.
    void changeKeepingRow(const std::function<void()>& showEditor);

    // A click on the title of 'column' sorts by 'whenDesc' if the current sort
    // has "DESC" in it, otherwise by 'otherwise': the first click sorts descending.
    void sortOnTitle(int column, const QString& whenDesc, const QString& otherwise);

private:
    zdb::Dataset* list_;
    QVBoxLayout* layout_;
    QHBoxLayout* row_;
    int aboveCount_ = 0;
    int rowCount_ = 0;
    std::map<int, std::pair<QString, QString>> titleSorts_;
};

// ---- list screen -------------------------------------------------------------

// The list of a catalogue or of documents: "Добавить", "Изменить", "Удалить"
// and a filter box; it also serves other screens as a picker.
class ListScreen : public GridScreen {
    Q_OBJECT
public:
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить" / "Выбрать"
    QPushButton* Button3;  // "Удалить"
    QLineEdit* Edit1;      // filter box

    // "Добавить" belongs to the screen.
    virtual void Button1Click() {}
    // "Изменить" (and a double click): the caller's choice while the screen
    // serves as a picker, otherwise the screen's own change.
    void Button2Click();
    // Deletes the current row with the screen's delete statement, after asking.
    virtual void Button3Click();

    // The caller's side of a picker: Tag, open the list, dress it, show it with
    // 'choice' answering "Выбрать", then undo what the caller undoes and close
    // the list. Without a choice "Выбрать" does what the screen does for 'tag'.
    int showAsPicker(int tag, unsigned look, unsigned undo = 0, Choice choice = {});

protected:
    struct Setup {
        const char* name;
        QString caption;
        Placement placement;
        zdb::Dataset* list;  // nullptr: set later with setList (then the filter box filters nothing)
        QString deleteSql;  // "%1" stands for the row's id; empty: "Удалить" does nothing
        QString filterField = QStringLiteral("s_caption");  // "field like 'text%'"; empty: the box does nothing
        FilterBox::KeyMode keys = FilterBox::KeyMode::ConsumeAll;
        int width = 640;
        int height = 420;
        bool filterBox = true;  // false: the screen has none
    };
    ListScreen(const Setup& setup, std::initializer_list<Column> columns, QWidget* parent = nullptr);

    // The change of the current row when no caller chooses.
    virtual void changeRow() {}

    // On becoming active, for screens that want it.
    void focusFilterIfVisible();

private:
    QString deleteSql_;
    Choice choice_;
};

// ---- editor ------------------------------------------------------------------

class EditorScreen : public TForm {
    Q_OBJECT
public:
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена" (Esc)

    virtual void Button1Click() {}

protected:
    struct Setup {
        const char* name;
        QString caption;
        Placement placement;
        zdb::Connection* db;  // where writeAndClose writes
        QString group;        // non-empty (or framed): the boxes in a group "GroupBox1" with this caption
        QString cancelCaption = QStringLiteral("Отмена");
        bool saveIsDefault = true;  // Enter presses "Записать"
        bool framed = false;        // the group even with an empty caption (the screen captions it later)
    };
    explicit EditorScreen(const Setup& setup, QWidget* parent = nullptr);

    // The group framing the boxes; nullptr without a group caption.
    QGroupBox* group() const { return group_; }

    QLineEdit* addEdit(const char* name, const QString& label, int minWidth = 280);
    // A read-only box with a "..." button beside it that opens a picker.
    std::pair<QLineEdit*, QPushButton*> addPicked(const char* editName, const char* buttonName, const QString& label,
                                                  int minWidth = 280);
    LookupBox* addLookup(const char* name, const QString& label, zdb::Dataset* list,
                         const QString& keyField = QStringLiteral("id"),
                         const QString& listField = QStringLiteral("s_caption"));
    // Any other control on a row of its own, 'extra' after it; returns the
    // row's label (none for an empty text).
    QLabel* addRow(const QString& label, QWidget* box, QWidget* extra = nullptr);

    // The lookup box's key, 0 when nothing is chosen.
    static int keyOr0(const LookupBox* box);

    // Shows "Все поля должны быть заполнены!" when one of the boxes is blank.
    static bool filled(std::initializer_list<const QLineEdit*> required);

    // Writes, re-reads the list (its cursor on the first row; nullptr when the
    // list screen refreshes itself) and closes.
    void writeAndClose(const QString& sql, zdb::Dataset* list);

    // A change is checked against the row as the list showed it: remember, when
    // the editor opens for a change, the values of the columns it writes
    // ({table column, list field}) from the list's current row.
    void rememberRow(const zdb::Dataset* list, std::initializer_list<std::pair<QString, QString>> columns);
    // Runs 'update' (an UPDATE ending in its "where id=...") only on a row that
    // still holds the remembered values. When another workstation changed or
    // deleted it meanwhile, says so, writes nothing and returns false.
    bool updateRemembered(const QString& update);
    // updateRemembered, then as writeAndClose.
    void updateRememberedAndClose(const QString& update, zdb::Dataset* list);
    zdb::Connection* db() const { return db_; }

private:
    zdb::Connection* db_;
    QStringList remembered_;  // the conditions of the remembered row
    QGroupBox* group_ = nullptr;
    QGridLayout* rows_;
};

// ---- document screen ---------------------------------------------------------

// A document's header (read-only fields of the current row of the document
// list) over its lines, with the buttons below them.
class DocumentScreen : public TForm {
    Q_OBJECT
protected:
    struct Setup {
        const char* name;
        QString caption;
        QString headerCaption;  // the group around the header fields
        Placement placement = Placement::CentredOnDesktop;
    };
    explicit DocumentScreen(const Setup& setup, QWidget* parent = nullptr);

    // A labelled header field showing 'field' of the document list's current
    // row; the list may be bound later with bindHeader.
    DBText* headerField(const char* name, const QString& label, const QString& field, int minWidth = 120);
    // The dataset the header fields show; before it is bound they show nothing.
    void bindHeader(zdb::Dataset* documents);

    // A label above the next grid.
    void linesLabel(const QString& text);
    DBGrid* linesGrid(const char* name, zdb::Dataset* lines, std::initializer_list<Column> columns, int minWidth,
                      int minHeight);
    // The row of buttons under the lines; 'exit' at the right closes the screen
    // as Esc does; Enter presses 'enter'.
    void buttons(std::initializer_list<QWidget*> left, QPushButton* exit, QPushButton* enter = nullptr);

private:
    QVBoxLayout* layout_;
    QGridLayout* fields_;
    std::vector<std::pair<DBText*, QString>> headerFields_;
};

}  // namespace zui
