// What every catalogue screen shares: the list screen with its buttons, filter
// box, delete and row keeping, the picker dress a caller puts on it, and the
// small editor with its required-fields check and write. A catalogue screen
// derives from one of the two and only says what is its own.
#pragma once

#include "zdb.h"
#include "zui.h"
#include "zui_parts.h"

#include <QString>

#include <functional>
#include <initializer_list>
#include <map>
#include <utility>

class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zcat {

using Column = zparts::Column;

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
};
}

// Puts the cursor on row number 'recNo' (1-based), or on the last row when the
// list has become shorter; an empty or closed list is left alone.
void restoreRow(zdb::Dataset* list, int recNo);

// Closes and opens 'list' and puts the cursor back on the row number it had.
void reopenKeepingRow(zdb::Dataset* list);

// A text box's text, trimmed (or not), as an SQL literal with apostrophes doubled.
QString sqlText(const QLineEdit* box);
QString sqlTextUntrimmed(const QLineEdit* box);

// The id of the list's current row as SQL text.
QString idOf(const zdb::Dataset* list);

// Runs one writing statement through the data module's command.
void run(const QString& sql);

// ---- list screen -------------------------------------------------------------

class CatalogueList : public zui::TForm {
    Q_OBJECT
public:
    zui::DBGrid* DBGridEh1;
    QPushButton* Button1;  // "Добавить"
    QPushButton* Button2;  // "Изменить"
    QPushButton* Button3;  // "Удалить"
    QLineEdit* Edit1;      // filter box
    QPushButton* Button4;  // "Выход"

    zdb::Dataset* list() const { return list_; }

    // A double click on the grid presses "Изменить". The base deletes the current
    // row of the catalogue's table after asking; the others belong to the screen.
    virtual void Button1Click() {}
    virtual void Button2Click() {}
    virtual void Button3Click();

    // The caller's side of a picker: Tag, open the list, dress it, show it, then
    // undo what the caller undoes and close the list. Returns the modal result.
    int showAsPicker(int tag, unsigned look, unsigned undo = 0);

protected:
    struct Setup {
        const char* name;
        QString caption;
        zui::Placement placement;
        zdb::Dataset* list;
        QString table;                   // written by delete; empty: no delete
        QString filterField = QStringLiteral("s_caption");  // empty: the box does nothing at all
        zui::FilterBox::KeyMode keys = zui::FilterBox::KeyMode::ConsumeAll;
        int width = 640;
        int height = 420;
    };
    CatalogueList(const Setup& setup, std::initializer_list<Column> columns, QWidget* parent = nullptr);

    bool hasRows() const;
    int currentId() const;                                // 0 on an empty list
    QString currentText(const QString& field) const;      // trimmed
    qlonglong currentInt(const QString& field) const;

    // "Изменить": on an empty list nothing happens (an update needs an id);
    // otherwise 'showEditor' runs and the cursor goes back to its row number.
    void changeKeepingRow(const std::function<void()>& showEditor);

    // A click on the title of 'column' sorts by 'whenDesc' if the current sort
    // has "DESC" in it, otherwise by 'otherwise': the first click sorts descending.
    void sortOnTitle(int column, const QString& whenDesc, const QString& otherwise);

    // On becoming active, for screens that want it.
    void focusFilterIfVisible();

private:
    zdb::Dataset* list_;
    QString table_;
    std::map<int, std::pair<QString, QString>> titleSorts_;
};

// ---- editor ------------------------------------------------------------------

class CatalogueEditor : public zui::TForm {
    Q_OBJECT
public:
    QPushButton* Button1;  // "Записать"
    QPushButton* Button2;  // "Отмена" (Esc)

    virtual void Button1Click() = 0;

protected:
    // 'group' non-empty frames the boxes in a group with that caption.
    CatalogueEditor(const char* name, const QString& caption, zui::Placement placement, const QString& group = {},
                    const QString& cancelCaption = QStringLiteral("Отмена"), QWidget* parent = nullptr);

    QLineEdit* addEdit(const char* name, const QString& label, int minWidth = 280);
    zui::LookupBox* addLookup(const char* name, const QString& label, zdb::Dataset* list,
                              const QString& keyField = QStringLiteral("id"),
                              const QString& listField = QStringLiteral("s_caption"));
    // Any other control on a row of its own; returns the row's label (none for an empty text).
    QLabel* addRow(const QString& label, QWidget* box);

    // The department list of the editors' lookup boxes (cb_department).
    zdb::Table* departmentList();
    // The lookup box's key, 0 when nothing is chosen.
    static int keyOr0(const zui::LookupBox* box);

    // Shows "Все поля должны быть заполнены!" when one of the boxes is blank.
    static bool filled(std::initializer_list<const QLineEdit*> required);

    // Writes, re-reads the list (its cursor on the first row) and closes.
    void writeAndClose(const QString& sql, zdb::Dataset* list);

private:
    QGridLayout* rows_;
};

}  // namespace zcat
