#include "zui_screens.h"

#include "zui_msg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zui {

void restoreRow(zdb::Dataset* list, int recNo) {
    if (!list->active() || list->isEmpty()) return;
    list->setRecNo(recNo);  // clamped: after deleting the last row, the new last one
}

void reopenKeepingRow(zdb::Dataset* list) {
    const int recNo = list->recNo();
    list->reopen();
    restoreRow(list, recNo);
}

void reopenAt(zdb::Dataset* list, qlonglong id, int recNo) {
    if (recNo == 0) recNo = list->recNo();
    list->reopen();
    if (list->isEmpty()) return;
    if (id > 0 && list->locate(QStringLiteral("id"), id)) return;
    restoreRow(list, recNo);
}

QString idOf(const zdb::Dataset* list) { return QString::number(list->fieldByName(QStringLiteral("id")).asInteger()); }

bool deleteCurrentRow(zdb::Dataset* list, const QString& sql, const QString& question) {
    if (!list->active() || list->isEmpty()) return false;
    const int recNo = list->recNo();
    const bool yes = msg::question(question, QStringLiteral("Удаление"));
    if (yes) {
        list->connection()->execute(sql);
        list->reopen();
    }
    restoreRow(list, recNo);
    return yes;
}

// ---- grid screen -------------------------------------------------------------

GridScreen::GridScreen(const Setup& s, std::initializer_list<Column> columns, QWidget* parent)
    : TForm(parent), list_(s.list) {
    setObjectName(QLatin1String(s.name));
    setWindowTitle(s.caption);

    int widths = 30;  // the row of the vertical scroll bar and the frame
    for (const Column& c : columns) widths += c.width > 0 ? c.width : 80;
    DBGridEh1 = zparts::grid("DBGridEh1", list_, columns, std::max(s.width, widths), s.height);
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));

    row_ = new QHBoxLayout;
    row_->addStretch(1);
    row_->addWidget(Button4);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(DBGridEh1, 1);
    layout_->addLayout(row_);

    zparts::closesScreen(this, Button4);
    on(DBGridEh1, &DBGrid::titleClicked, this, [this](int column) {
        auto it = titleSorts_.find(column);
        if (it == titleSorts_.end() || !list_->active()) return;
        list_->setSort(list_->sort().contains(QLatin1String("DESC")) ? it->second.first : it->second.second);
    });

    setupScreen(s.placement);
}

void GridScreen::setList(zdb::Dataset* list) {
    list_ = list;
    DBGridEh1->setDataset(list);
}

QPushButton* GridScreen::addButton(const char* name, const QString& caption) {
    QPushButton* b = zparts::button(name, caption);
    addToRow(b);
    return b;
}

void GridScreen::addToRow(QWidget* widget) { row_->insertWidget(rowCount_++, widget); }

void GridScreen::addSpacingToRow(int width) { row_->insertSpacing(rowCount_++, width); }

void GridScreen::addAbove(QWidget* widget) { layout_->insertWidget(aboveCount_++, widget); }

void GridScreen::addAbove(QLayout* layout) { layout_->insertLayout(aboveCount_++, layout); }

bool GridScreen::hasRows() const { return list_ && list_->active() && !list_->isEmpty(); }

int GridScreen::currentId() const { return hasRows() ? int(list_->fieldByName(QStringLiteral("id")).asInteger()) : 0; }

QString GridScreen::currentText(const QString& field) const {
    return hasRows() ? list_->fieldByName(field).asString().trimmed() : QString();
}

qlonglong GridScreen::currentInt(const QString& field) const {
    return hasRows() ? list_->fieldByName(field).asInteger() : 0;
}

void GridScreen::changeKeepingRow(const std::function<void()>& showEditor) {
    if (!hasRows()) return;
    const int recNo = list_->recNo();
    showEditor();
    restoreRow(list_, recNo);
}

void GridScreen::sortOnTitle(int column, const QString& whenDesc, const QString& otherwise) {
    titleSorts_[column] = {whenDesc, otherwise};
}

// ---- list screen -------------------------------------------------------------

ListScreen::ListScreen(const Setup& s, std::initializer_list<Column> columns, QWidget* parent)
    : GridScreen({s.name, s.caption, s.placement, s.list, s.width, s.height}, columns, parent), deleteSql_(s.deleteSql) {
    Button1 = addButton("Button1", QStringLiteral("Добавить"));
    Button2 = addButton("Button2", QStringLiteral("Изменить"));
    Button3 = addButton("Button3", QStringLiteral("Удалить"));
    Edit1 = zparts::edit("Edit1");
    Edit1->setFixedWidth(180);
    if (s.filterBox) {
        addSpacingToRow(12);
        addToRow(Edit1);
        if (!s.filterField.isEmpty() && list()) new FilterBox(Edit1, list(), FilterBox::startsWith(s.filterField), s.keys);
    } else {
        Edit1->setParent(this);
        Edit1->hide();
    }

    setDefaultButton(Button1);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    on(DBGridEh1, &DBGrid::rowDoubleClicked, this, [this] { Button2Click(); });
}

void ListScreen::Button2Click() {
    if (!choice_) return changeRow();
    const int recNo = list()->recNo();
    const Choice choice = choice_;  // the caller may show screens that show this one
    if (choice(*list())) close();
    restoreRow(list(), recNo);
}

void ListScreen::Button3Click() {
    if (deleteSql_.isEmpty()) return;
    if (!hasRows()) return;
    deleteCurrentRow(list(), deleteSql_.arg(currentId()));
}

int ListScreen::showAsPicker(int tag, unsigned look, unsigned undo, Choice choice) {
    Tag = tag;
    zdb::Dataset* ds = list();
    ds->open();
    if (look & Look::ChooseCaption) {
        Button2->setText(QStringLiteral("Выбрать"));
        Button2->setVisible(true);
    }
    if (look & Look::HideAdd) Button1->setVisible(false);
    if (look & Look::HideDelete) Button3->setVisible(false);
    if (look & Look::ChooseDefault) setDefaultButton(Button2);
    if (look & Look::ShowFilter) {
        Edit1->setVisible(true);
        Edit1->clear();
    }
    Choice previous = std::exchange(choice_, std::move(choice));
    struct Restore {
        Choice& slot;
        Choice saved;
        ~Restore() { slot = std::move(saved); }
    } restore{choice_, std::move(previous)};
    const int result = showModal();
    if (undo & Undo::Buttons) {
        Button1->setVisible(true);
        Button3->setVisible(true);
        Button2->setText(QStringLiteral("Изменить"));
    }
    if ((undo & Undo::ChooseDefault) && defaultButton() == Button2) setDefaultButton(nullptr);
    if (undo & Undo::HideFilter) Edit1->setVisible(false);
    if (undo & Undo::Filter) ds->setFiltered(false);
    ds->close();
    return result;
}

void ListScreen::focusFilterIfVisible() {
    if (Edit1->isVisible()) Edit1->setFocus();
}

// ---- editor ------------------------------------------------------------------

EditorScreen::EditorScreen(const Setup& s, QWidget* parent) : TForm(parent), db_(s.db) {
    setObjectName(QLatin1String(s.name));
    setWindowTitle(s.caption);

    auto* layout = new QVBoxLayout(this);
    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    if (s.group.isEmpty() && !s.framed) {
        layout->addLayout(rows_);
    } else {
        group_ = zparts::named(new QGroupBox(s.group, this), "GroupBox1");
        group_->setLayout(rows_);
        layout->addWidget(group_);
    }
    layout->addStretch(1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", s.cancelCaption);
    layout->addLayout(zparts::editorButtons(Button1, Button2));

    if (s.saveIsDefault) setDefaultButton(Button1);
    zparts::closesScreen(this, Button2);
    on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    wheelMovesFocusedLookup(this);

    setupScreen(s.placement);
}

QLabel* EditorScreen::addRow(const QString& label, QWidget* box, QWidget* extra) {
    const int r = rows_->rowCount();
    QLabel* caption = nullptr;
    if (!label.isEmpty()) {
        caption = new QLabel(label, this);
        caption->setBuddy(box);
        rows_->addWidget(caption, r, 0);
    }
    rows_->addWidget(box, r, 1);
    if (extra) rows_->addWidget(extra, r, 2);
    return caption;
}

QLineEdit* EditorScreen::addEdit(const char* name, const QString& label, int minWidth) {
    auto* e = zparts::edit(name);
    e->setMinimumWidth(minWidth);
    addRow(label, e);
    return e;
}

std::pair<QLineEdit*, QPushButton*> EditorScreen::addPicked(const char* editName, const char* buttonName,
                                                            const QString& label, int minWidth) {
    auto* e = zparts::edit(editName, true);
    e->setMinimumWidth(minWidth);
    auto* b = zparts::ellipsis(buttonName);
    addRow(label, e, b);
    return {e, b};
}

LookupBox* EditorScreen::addLookup(const char* name, const QString& label, zdb::Dataset* list, const QString& keyField,
                                   const QString& listField) {
    auto* b = zparts::named(new LookupBox(this), name);
    b->setListSource(list, keyField, listField);
    addRow(label, b);
    return b;
}

int EditorScreen::keyOr0(const LookupBox* box) {
    const QVariant key = box->keyValue();
    return key.isValid() && !key.isNull() ? key.toInt() : 0;
}

bool EditorScreen::filled(std::initializer_list<const QLineEdit*> required) {
    for (const QLineEdit* e : required) {
        if (e->text().trimmed().isEmpty()) {
            msg::error(QStringLiteral("Все поля должны быть заполнены!"));
            return false;
        }
    }
    return true;
}

void EditorScreen::writeAndClose(const QString& sql, zdb::Dataset* list) {
    db_->execute(sql);
    if (list) list->reopen();
    close();
}

namespace {

// The condition that a column still holds what a list read of it.
QString sameAsRead(const QString& column, const zdb::Field& f) {
    if (f.isNull()) return column + QStringLiteral(" is null");
    switch (f.type()) {
    case zdb::FieldType::Integer:
        return column + QStringLiteral(" = ") + QString::number(f.asInteger());
    case zdb::FieldType::Float:
        return column + QStringLiteral(" = ") + f.value().toString() + QStringLiteral("::numeric");
    case zdb::FieldType::Boolean:
        return column + (f.asBoolean() ? QStringLiteral(" = true") : QStringLiteral(" = false"));
    case zdb::FieldType::Date:
        return column + QStringLiteral(" = ") + zdb::quoted(f.asDate().toString(Qt::ISODate)) + QStringLiteral("::date");
    case zdb::FieldType::DateTime:
        return column + QStringLiteral(" = ") + zdb::quoted(f.asDateTime().toString(Qt::ISODateWithMs)) +
               QStringLiteral("::timestamp");
    case zdb::FieldType::Text:
        break;
    }
    return column + QStringLiteral("::text = ") + zdb::quoted(f.value().toString());
}

}  // namespace

void EditorScreen::rememberRow(const zdb::Dataset* list, std::initializer_list<std::pair<QString, QString>> columns) {
    remembered_.clear();
    if (!list->active() || list->isEmpty()) return;
    for (const auto& [column, field] : columns) remembered_ << sameAsRead(column, list->fieldByName(field));
}

bool EditorScreen::updateRemembered(const QString& update) {
    QString sql = update;
    for (const QString& c : remembered_) sql += QStringLiteral(" and ") + c;
    if (zdb::rowsWritten(*db_, sql) > 0) return true;
    msg::error(QStringLiteral("Строка изменена или удалена на другом рабочем месте. Изменение не записано: "
                              "закройте окно и откройте строку заново."));
    return false;
}

void EditorScreen::updateRememberedAndClose(const QString& update, zdb::Dataset* list) {
    if (!updateRemembered(update)) return;
    if (list) list->reopen();
    close();
}

// ---- document screen ---------------------------------------------------------

DocumentScreen::DocumentScreen(const Setup& s, QWidget* parent) : TForm(parent) {
    setObjectName(QLatin1String(s.name));
    setWindowTitle(s.caption);
    layout_ = new QVBoxLayout(this);
    auto* header = new QGroupBox(s.headerCaption, this);
    fields_ = new QGridLayout(header);
    fields_->setColumnStretch(1, 1);
    layout_->addWidget(header);
    setupScreen(s.placement);
}

DBText* DocumentScreen::headerField(const char* name, const QString& label, const QString& field, int minWidth) {
    DBText* text = zparts::dataText(name, nullptr, field, minWidth);
    zparts::addRow(fields_, fields_->rowCount(), new QLabel(label), text);
    headerFields_.emplace_back(text, field);
    return text;
}

void DocumentScreen::bindHeader(zdb::Dataset* documents) {
    for (auto& [text, field] : headerFields_) text->setDataField(documents, field);
}

void DocumentScreen::linesLabel(const QString& text) { layout_->addWidget(new QLabel(text, this)); }

DBGrid* DocumentScreen::linesGrid(const char* name, zdb::Dataset* lines, std::initializer_list<Column> columns,
                                  int minWidth, int minHeight) {
    DBGrid* grid = zparts::grid(name, lines, columns, minWidth, minHeight);
    layout_->addWidget(grid, 1);
    return grid;
}

void DocumentScreen::buttons(std::initializer_list<QWidget*> left, QPushButton* exit, QPushButton* enter) {
    layout_->addLayout(zparts::buttonRow(left, exit));
    if (enter) setDefaultButton(enter);
    zparts::closesScreen(this, exit);
}

}  // namespace zui
