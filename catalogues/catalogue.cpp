#include "catalogue.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace zcat {

void restoreRow(zdb::Dataset* list, int recNo) {
    if (!list->active() || list->isEmpty()) return;
    list->setRecNo(recNo);  // clamped: after deleting the last row, the new last one
}

void reopenKeepingRow(zdb::Dataset* list) {
    const int recNo = list->recNo();
    list->reopen();
    restoreRow(list, recNo);
}

QString sqlText(const QLineEdit* box) { return zdb::quoted(box->text().trimmed()); }
QString sqlTextUntrimmed(const QLineEdit* box) { return zdb::quoted(box->text()); }

QString idOf(const zdb::Dataset* list) { return QString::number(list->fieldByName(QStringLiteral("id")).asInteger()); }

void run(const QString& sql) { DataModule6->cmd_all->execute(sql); }

// ---- list screen -------------------------------------------------------------

CatalogueList::CatalogueList(const Setup& s, std::initializer_list<Column> columns, QWidget* parent)
    : zui::TForm(parent), list_(s.list), table_(s.table) {
    setObjectName(QLatin1String(s.name));
    setWindowTitle(s.caption);

    int widths = 30;  // the row of the vertical scroll bar and the frame
    for (const Column& c : columns) widths += c.width > 0 ? c.width : 80;
    DBGridEh1 = zparts::grid("DBGridEh1", list_, columns, std::max(s.width, widths), s.height);

    Button1 = zparts::button("Button1", QStringLiteral("Добавить"));
    Button2 = zparts::button("Button2", QStringLiteral("Изменить"));
    Button3 = zparts::button("Button3", QStringLiteral("Удалить"));
    Button4 = zparts::button("Button4", QStringLiteral("Выход"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setFixedWidth(180);
    if (!s.filterField.isEmpty()) new zui::FilterBox(Edit1, list_, zui::FilterBox::startsWith(s.filterField), s.keys);

    auto* row = new QHBoxLayout;
    row->addWidget(Button1);
    row->addWidget(Button2);
    row->addWidget(Button3);
    row->addSpacing(12);
    row->addWidget(Edit1);
    row->addStretch(1);
    row->addWidget(Button4);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(DBGridEh1, 1);
    layout->addLayout(row);

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button4);
    zui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zui::on(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    zui::on(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
    zui::on(DBGridEh1, &zui::DBGrid::rowDoubleClicked, this, [this] { Button2Click(); });
    zui::on(DBGridEh1, &zui::DBGrid::titleClicked, this, [this](int column) {
        auto it = titleSorts_.find(column);
        if (it == titleSorts_.end() || !list_->active()) return;
        list_->setSort(list_->sort().contains(QLatin1String("DESC")) ? it->second.first : it->second.second);
    });

    setupScreen(s.placement);
}

void CatalogueList::Button3Click() {
    if (table_.isEmpty() || !hasRows()) return;
    const int recNo = list_->recNo();
    if (zui::msg::question(QStringLiteral("Удалить строку?"), QStringLiteral("Удаление"))) {
        run(QStringLiteral("delete from ") + table_ + QStringLiteral(" where id=") + QString::number(currentId()));
        list_->reopen();
    }
    restoreRow(list_, recNo);
}

int CatalogueList::showAsPicker(int tag, unsigned look, unsigned undo) {
    Tag = tag;
    list_->open();
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
    const int result = showModal();
    if (undo & Undo::Buttons) {
        Button1->setVisible(true);
        Button3->setVisible(true);
        Button2->setText(QStringLiteral("Изменить"));
    }
    if ((undo & Undo::ChooseDefault) && defaultButton() == Button2) setDefaultButton(nullptr);
    if (undo & Undo::HideFilter) Edit1->setVisible(false);
    list_->close();
    return result;
}

bool CatalogueList::hasRows() const { return list_->active() && !list_->isEmpty(); }

int CatalogueList::currentId() const { return hasRows() ? int(list_->fieldByName(QStringLiteral("id")).asInteger()) : 0; }

QString CatalogueList::currentText(const QString& field) const {
    return hasRows() ? list_->fieldByName(field).asString().trimmed() : QString();
}

qlonglong CatalogueList::currentInt(const QString& field) const {
    return hasRows() ? list_->fieldByName(field).asInteger() : 0;
}

void CatalogueList::changeKeepingRow(const std::function<void()>& showEditor) {
    if (!hasRows()) return;
    const int recNo = list_->recNo();
    showEditor();
    restoreRow(list_, recNo);
}

void CatalogueList::sortOnTitle(int column, const QString& whenDesc, const QString& otherwise) {
    titleSorts_[column] = {whenDesc, otherwise};
}

void CatalogueList::focusFilterIfVisible() {
    if (Edit1->isVisible()) Edit1->setFocus();
}

// ---- editor ------------------------------------------------------------------

CatalogueEditor::CatalogueEditor(const char* name, const QString& caption, zui::Placement placement, const QString& group,
                                 const QString& cancelCaption, QWidget* parent)
    : zui::TForm(parent) {
    setObjectName(QLatin1String(name));
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    rows_ = new QGridLayout;
    rows_->setColumnStretch(1, 1);
    if (group.isEmpty()) {
        layout->addLayout(rows_);
    } else {
        auto* box = new QGroupBox(group, this);
        box->setObjectName(QStringLiteral("GroupBox1"));
        box->setLayout(rows_);
        layout->addWidget(box);
    }
    layout->addStretch(1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", cancelCaption);
    layout->addLayout(zparts::editorButtons(Button1, Button2));

    setDefaultButton(Button1);
    zparts::closesScreen(this, Button2);
    zui::on(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    zui::wheelMovesFocusedLookup(this);

    setupScreen(placement);
}

QLabel* CatalogueEditor::addRow(const QString& label, QWidget* box) {
    const int r = rows_->rowCount();
    QLabel* caption = nullptr;
    if (!label.isEmpty()) {
        caption = new QLabel(label, this);
        caption->setBuddy(box);
        rows_->addWidget(caption, r, 0);
    }
    rows_->addWidget(box, r, 1);
    return caption;
}

QLineEdit* CatalogueEditor::addEdit(const char* name, const QString& label, int minWidth) {
    auto* e = new QLineEdit(this);
    e->setObjectName(QLatin1String(name));
    e->setMinimumWidth(minWidth);
    addRow(label, e);
    return e;
}

zui::LookupBox* CatalogueEditor::addLookup(const char* name, const QString& label, zdb::Dataset* list,
                                           const QString& keyField, const QString& listField) {
    auto* b = new zui::LookupBox(this);
    b->setObjectName(QLatin1String(name));
    b->setListSource(list, keyField, listField);
    addRow(label, b);
    return b;
}

zdb::Table* CatalogueEditor::departmentList() {
    auto* t = new zdb::Table(DataModule6->ADO_DB, QStringLiteral("cmn_department.department"), this);
    t->setObjectName(QStringLiteral("cb_department"));
    t->setSort(QStringLiteral("s_caption"));
    return t;
}

int CatalogueEditor::keyOr0(const zui::LookupBox* box) {
    const QVariant key = box->keyValue();
    return key.isValid() && !key.isNull() ? key.toInt() : 0;
}

bool CatalogueEditor::filled(std::initializer_list<const QLineEdit*> required) {
    for (const QLineEdit* e : required) {
        if (e->text().trimmed().isEmpty()) {
            zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
            return false;
        }
    }
    return true;
}

void CatalogueEditor::writeAndClose(const QString& sql, zdb::Dataset* list) {
    run(sql);
    if (list) list->reopen();
    close();
}

}  // namespace zcat
