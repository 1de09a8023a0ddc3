// Read-only grid over a zdb::Dataset. The grid's current row and the dataset's
// cursor move together both ways; the grid never sorts or filters by itself.
#pragma once

#include <QColor>
#include <QPointer>
#include <QTableView>

#include <functional>
#include <vector>

#include "zdb.h"

namespace zui {

class DatasetModel;
class GridDelegate;

class DBGrid : public QTableView {
    Q_OBJECT
public:
    enum class Align { Auto, Left, Centre, Right };  // Auto: numbers right, the rest left

    struct RowColors {
        QColor background;  // invalid: the grid's own
        QColor text;
    };
    using RowColorFn = std::function<RowColors(int viewRow)>;

    explicit DBGrid(QWidget* parent = nullptr);
    ~DBGrid() override;

    void setDataset(zdb::Dataset* dataset);
    zdb::Dataset* dataset() const;

    // Returns the column's index. 'field' may be empty (a column for a cell button);
    // width -1 fits the title.
    int addColumn(const QString& title, const QString& field = {}, Align align = Align::Auto, int width = -1);
    int columnCount() const;
    QString columnField(int column) const;
    void setColumnVisible(int column, bool visible) { setColumnHidden(column, !visible); }

    // An ellipsis button in every cell of the column: pressing it makes the row
    // current and emits cellButtonClicked. It sits at the right of the text, or
    // on the left of a column without a field.
    void setCellButton(int column, bool on = true);
    bool hasCellButton(int column) const;
    // The button's place in viewport coordinates; empty when the cell is not shown.
    QRect cellButtonRect(int viewRow, int column) const;

    // Colours per row; called for visible rows only, so it may read the dataset.
    void setRowColors(RowColorFn colors);

    // Several rows at once (Ctrl/Shift with the mouse or keys). Moving the
    // dataset's cursor from code keeps the selection.
    void setMultiSelect(bool on);
    bool multiSelect() const { return multiSelect_; }
    // Selected view rows in list order.
    QList<int> selectedRows() const;

    void setColumnsResizable(bool on);
    void setTitlesAlignment(Qt::Alignment alignment);
    void setTitlesBold(bool bold);

signals:
    // A double click on a row, after that row became current.
    void rowDoubleClicked();
    // A click on a column's title; the screen decides the sort.
    void titleClicked(int column);
    void cellButtonClicked(int column);

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    friend class GridDelegate;
    void followDataset();
    void makeRowCurrent(int viewRow);
    QPersistentModelIndex buttonAt(const QPoint& pos) const;

    DatasetModel* model_;
    GridDelegate* delegate_;
    bool multiSelect_ = false;
    bool syncing_ = false;
    QPersistentModelIndex pressedButton_;
};

}  // namespace zui
