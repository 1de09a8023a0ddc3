#include "zui_parts.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zparts {

QPushButton* button(const char* name, const QString& caption) {
    auto* b = named(new QPushButton(caption), name);
    b->setMinimumWidth(90);
    return b;
}

QLabel* label(const char* name, const QString& caption) { return named(new QLabel(caption), name); }

QLineEdit* edit(const char* name, bool readOnly) {
    auto* e = named(new QLineEdit, name);
    e->setReadOnly(readOnly);
    return e;
}

QPushButton* ellipsis(const char* name) {
    auto* b = named(new QPushButton(QStringLiteral("...")), name);
    b->setFixedWidth(28);
    return b;
}

zui::DBGrid* grid(const char* name, zdb::Dataset* dataset, std::initializer_list<Column> columns, int minWidth,
                  int minHeight) {
    auto* g = named(new zui::DBGrid, name);
    g->setSelectionBehavior(QAbstractItemView::SelectRows);
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    for (const Column& c : columns) {
        const bool buttonColumn = c.title.isEmpty() && c.field.isEmpty();
        const int col = g->addColumn(c.title, c.field, c.align, buttonColumn && c.width < 0 ? 24 : c.width);
        if (buttonColumn) g->setCellButton(col);
    }
    if (dataset) g->setDataset(dataset);
    g->setMinimumSize(minWidth, minHeight);
    return g;
}

zui::DBText* dataText(const char* name, zdb::Dataset* dataset, const QString& field, int minWidth) {
    auto* t = named(new zui::DBText, name);
    t->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    t->setMinimumWidth(minWidth);
    if (dataset) t->setDataField(dataset, field);
    return t;
}

QHBoxLayout* buttonRow(std::initializer_list<QWidget*> left, QWidget* right) {
    auto* row = new QHBoxLayout;
    for (QWidget* w : left) row->addWidget(w);
    row->addStretch(1);
    if (right) row->addWidget(right);
    return row;
}

QHBoxLayout* editorButtons(QPushButton* save, QPushButton* cancel) {
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(save);
    row->addWidget(cancel);
    return row;
}

void closesScreen(zui::TForm* form, QPushButton* button) {
    zui::on(button, &QPushButton::clicked, form, [form] { form->close(); });
    form->setCancelButton(button);
}

void addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QWidget* extra) {
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    if (extra) grid->addWidget(extra, row, 2);
    grid->setColumnStretch(1, 1);
}

}  // namespace zparts
