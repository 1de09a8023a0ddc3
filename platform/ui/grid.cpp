#include "zui_grid.h"
#include "zui_guard.h"

#include "zdb.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace zui {

// ---- Model: O(1) per cell, straight from the dataset's view --------------------

class DatasetModel : public QAbstractTableModel {
public:
    struct Column {
        QString title;
        QString field;
        DBGrid::Align align = DBGrid::Align::Auto;
        bool button = false;
        int fieldIndex = -1;  // resolved at each reset
    };

    using QAbstractTableModel::QAbstractTableModel;

    QPointer<zdb::Dataset> dataset;
    std::vector<Column> columns;
    DBGrid::RowColorFn colors;
    Qt::Alignment titleAlign = Qt::AlignLeft | Qt::AlignVCenter;
    bool titleBold = false;

    int rows() const { return rows_; }
    bool inStep() const { return rows_ == (dataset ? dataset->recordCount() : 0); }

    void reset() {
        beginResetModel();
        rows_ = dataset ? dataset->recordCount() : 0;
        for (auto& c : columns) c.fieldIndex = (dataset && !c.field.isEmpty()) ? dataset->fieldIndex(c.field) : -1;
        colorRow_ = -1;
        endResetModel();
    }

    void addColumn(Column c) {
        const int at = int(columns.size());
        beginInsertColumns({}, at, at);
        c.fieldIndex = (dataset && !c.field.isEmpty()) ? dataset->fieldIndex(c.field) : -1;
        columns.push_back(std::move(c));
        endInsertColumns();
    }

    void colorsChanged() {
        colorRow_ = -1;
        if (rows_ > 0 && !columns.empty()) emit dataChanged(index(0, 0), index(rows_ - 1, int(columns.size()) - 1));
    }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : rows_; }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(columns.size()); }

    Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled | Qt::ItemIsSelectable; }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() || !dataset) return {};
        const Column& c = columns[size_t(index.column())];
        switch (role) {
        case Qt::DisplayRole:
            return c.fieldIndex >= 0 ? QVariant(dataset->text(index.row(), c.fieldIndex)) : QVariant();
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(alignment(c) | Qt::AlignVCenter);
        case Qt::BackgroundRole: {
            const QColor& bg = rowColors(index.row()).background;
            return bg.isValid() ? QVariant(bg) : QVariant();
        }
        case Qt::ForegroundRole: {
            const QColor& fg = rowColors(index.row()).text;
            return fg.isValid() ? QVariant(fg) : QVariant();
        }
        default:
            return {};
        }
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal || section < 0 || section >= int(columns.size())) return {};
        switch (role) {
        case Qt::DisplayRole: return columns[size_t(section)].title;
        case Qt::TextAlignmentRole: return QVariant::fromValue(titleAlign);
        case Qt::FontRole:
            if (titleBold) {
                QFont f = QApplication::font("QHeaderView");
                f.setBold(true);
                return f;
            }
            return {};
        default: return {};
        }
    }

private:
    Qt::Alignment alignment(const Column& c) const {
        switch (c.align) {
        case DBGrid::Align::Left: return Qt::AlignLeft;
        case DBGrid::Align::Centre: return Qt::AlignHCenter;
        case DBGrid::Align::Right: return Qt::AlignRight;
        case DBGrid::Align::Auto: break;
        }
        if (c.fieldIndex >= 0 && c.fieldIndex < dataset->fieldCount()) {
            const auto type = dataset->columns()[size_t(c.fieldIndex)].type;
            if (type == zdb::FieldType::Integer || type == zdb::FieldType::Float) return Qt::AlignRight;
        }
        return Qt::AlignLeft;
    }

    // Cells are painted row by row, so one row's answer serves all its cells.
    const DBGrid::RowColors& rowColors(int row) const {
        if (row != colorRow_) {
            colorRow_ = row;
            colorCache_ = {};
            if (colors) {
                // Painting must go on whatever the screen's function does.
                try {
                    colorCache_ = colors(row);
                } catch (...) {
                }
            }
        }
        return colorCache_;
    }

    int rows_ = 0;
    mutable int colorRow_ = -1;
    mutable DBGrid::RowColors colorCache_;
};

// ---- Delegate: text plus the ellipsis button -------------------------------------

class GridDelegate : public QStyledItemDelegate {
public:
    explicit GridDelegate(DBGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

    static QRect buttonRect(const QRect& cell, bool left) {
        const int w = std::min(20, std::max(12, cell.height()));
        const int x = left ? cell.left() + 1 : cell.right() - w;
        return QRect(x, cell.top() + 1, w, std::max(1, cell.height() - 2));
    }

    bool buttonOnLeft(int column) const { return grid_->columnField(column).isEmpty(); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!grid_->hasCellButton(index.column())) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        const bool left = buttonOnLeft(index.column());
        const QRect button = buttonRect(option.rect, left);

        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        QStyle* style = grid_->style();
        // Background over the whole cell, text beside the button.
        QStyleOptionViewItem bg = cell;
        bg.text.clear();
        style->drawControl(QStyle::CE_ItemViewItem, &bg, painter, grid_);
        cell.rect = left ? option.rect.adjusted(button.width() + 2, 0, 0, 0) : option.rect.adjusted(0, 0, -button.width() - 2, 0);
        cell.state &= ~QStyle::State_HasFocus;
        cell.backgroundBrush = Qt::NoBrush;
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, grid_);

        QStyleOptionButton b;
        b.initFrom(grid_);
        b.rect = button;
        b.text = QStringLiteral("...");
        b.state = QStyle::State_Enabled;
        b.state |= (grid_->pressedButton_ == index) ? QStyle::State_Sunken : QStyle::State_Raised;
        style->drawControl(QStyle::CE_PushButton, &b, painter, grid_);
    }

private:
    DBGrid* grid_;
};

// ---- Grid -------------------------------------------------------------------------

DBGrid::DBGrid(QWidget* parent) : QTableView(parent), model_(new DatasetModel(this)), delegate_(new GridDelegate(this)) {
    setModel(model_);
    setItemDelegate(delegate_);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setWordWrap(false);
    setSortingEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);

    // Uniform rows and no row header: scrolling cost does not grow with the list.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);

    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setStretchLastSection(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) { emit titleClicked(section); });

    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex& current) {
        if (syncing_ || !current.isValid() || !model_->dataset) return;
        if (model_->dataset->currentRow() != current.row()) guard([&] { model_->dataset->setCurrentRow(current.row()); });
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (!index.isValid()) return;
        makeRowCurrent(index.row());
        emit rowDoubleClicked();
    });
}

DBGrid::~DBGrid() = default;

void DBGrid::setDataset(zdb::Dataset* dataset) {
    if (model_->dataset) disconnect(model_->dataset, nullptr, this, nullptr);
    model_->dataset = dataset;
    if (dataset) {
        connect(dataset, &zdb::Dataset::changed, this, [this](zdb::Dataset::Change change) {
            if (change != zdb::Dataset::Change::RowMoved || !model_->inStep()) model_->reset();
            followDataset();
        });
        connect(dataset, &QObject::destroyed, this, [this] {
            model_->dataset = nullptr;
            model_->reset();
        });
    }
    model_->reset();
    followDataset();
}

zdb::Dataset* DBGrid::dataset() const { return model_->dataset; }

int DBGrid::addColumn(const QString& title, const QString& field, Align align, int width) {
    model_->addColumn({title, field, align, false, -1});
    const int column = int(model_->columns.size()) - 1;
    if (width < 0) width = std::max(48, horizontalHeader()->fontMetrics().horizontalAdvance(title) + 24);
    setColumnWidth(column, width);
    return column;
}

int DBGrid::columnCount() const { return int(model_->columns.size()); }

QString DBGrid::columnField(int column) const {
    return (column >= 0 && column < columnCount()) ? model_->columns[size_t(column)].field : QString();
}

void DBGrid::setCellButton(int column, bool on) {
    if (column < 0 || column >= columnCount()) return;
    model_->columns[size_t(column)].button = on;
    viewport()->update();
}

bool DBGrid::hasCellButton(int column) const {
    return column >= 0 && column < columnCount() && model_->columns[size_t(column)].button;
}

QRect DBGrid::cellButtonRect(int viewRow, int column) const {
    if (!hasCellButton(column)) return {};
    const QRect cell = visualRect(model_->index(viewRow, column));
    if (cell.isEmpty()) return {};
    return GridDelegate::buttonRect(cell, columnField(column).isEmpty());
}

void DBGrid::setRowColors(RowColorFn colors) {
    model_->colors = std::move(colors);
    model_->colorsChanged();
}

void DBGrid::setMultiSelect(bool on) {
    multiSelect_ = on;
    setSelectionMode(on ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    followDataset();
}

QList<int> DBGrid::selectedRows() const {
    QList<int> rows;
    for (const QModelIndex& i : selectionModel()->selectedRows()) rows << i.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void DBGrid::setColumnsResizable(bool on) {
    horizontalHeader()->setSectionResizeMode(on ? QHeaderView::Interactive : QHeaderView::Fixed);
}

void DBGrid::setTitlesAlignment(Qt::Alignment alignment) {
    model_->titleAlign = alignment | Qt::AlignVCenter;
    horizontalHeader()->viewport()->update();
}

void DBGrid::setTitlesBold(bool bold) {
    model_->titleBold = bold;
    horizontalHeader()->viewport()->update();
}

// Puts the grid's current row where the dataset's cursor stands.
void DBGrid::followDataset() {
    zdb::Dataset* ds = model_->dataset;
    const int row = ds ? ds->currentRow() : -1;
    syncing_ = true;
    if (row < 0 || row >= model_->rows()) {
        if (!multiSelect_) selectionModel()->clearSelection();
    } else {
        int column = currentIndex().column();
        if (column < 0 || isColumnHidden(column)) {
            column = 0;
            for (int v = 0; v < horizontalHeader()->count(); ++v) {
                const int logical = horizontalHeader()->logicalIndex(v);
                if (!isColumnHidden(logical)) {
                    column = logical;
                    break;
                }
            }
        }
        const QModelIndex index = model_->index(row, column);
        if (index.isValid()) {
            // A multi-selection is the user's; moving the cursor from code keeps it.
            selectionModel()->setCurrentIndex(index, multiSelect_ ? QItemSelectionModel::NoUpdate
                                                                  : QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            scrollTo(index);
        }
    }
    syncing_ = false;
}

void DBGrid::makeRowCurrent(int viewRow) {
    const QModelIndex index = model_->index(viewRow, std::max(0, currentIndex().column()));
    if (!index.isValid()) return;
    if (currentIndex().row() != viewRow)
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    if (model_->dataset && model_->dataset->currentRow() != viewRow)
        guard([&] { model_->dataset->setCurrentRow(viewRow); });
}

// Whole rows are selected, so Home and End go to the first and the last row.
QModelIndex DBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if (action == MoveHome || action == MoveEnd) {
        const int row = action == MoveHome ? 0 : model_->rows() - 1;
        const QModelIndex index = model_->index(row, std::max(0, currentIndex().column()));
        if (index.isValid()) return index;
    }
    return QTableView::moveCursor(action, modifiers);
}

QPersistentModelIndex DBGrid::buttonAt(const QPoint& pos) const {
    const QModelIndex index = indexAt(pos);
    if (!index.isValid() || !hasCellButton(index.column())) return {};
    return cellButtonRect(index.row(), index.column()).contains(pos) ? QPersistentModelIndex(index) : QPersistentModelIndex();
}

void DBGrid::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const QPersistentModelIndex button = buttonAt(event->position().toPoint());
        if (button.isValid()) {
            if (!hasFocus()) setFocus(Qt::MouseFocusReason);
            makeRowCurrent(button.row());
            pressedButton_ = button;
            viewport()->update();
            event->accept();
            return;
        }
    }
    QTableView::mousePressEvent(event);
}

void DBGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (pressedButton_.isValid()) {
        const QPersistentModelIndex pressed = pressedButton_;
        pressedButton_ = QPersistentModelIndex();
        viewport()->update();
        event->accept();
        if (buttonAt(event->position().toPoint()) == pressed) emit cellButtonClicked(pressed.column());
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void DBGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press on a cell button is another press, not a double click on the row.
    if (event->button() == Qt::LeftButton && buttonAt(event->position().toPoint()).isValid()) {
        mousePressEvent(event);
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void DBGrid::mouseMoveEvent(QMouseEvent* event) {
    if (pressedButton_.isValid()) {
        event->accept();
        return;
    }
    QTableView::mouseMoveEvent(event);
}

}  // namespace zui
