// Builders the screens share, so that a screen's constructor reads as its
// layout: controls named as the other screens reach them, list grids with
// their columns, the rows of buttons and of labelled boxes.
#pragma once

#include "zdb.h"
#include "zui_controls.h"
#include "zui_form.h"
#include "zui_grid.h"

#include <QString>

#include <initializer_list>

class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace zparts {

template <class W>
W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QPushButton* button(const char* name, const QString& caption);
QLabel* label(const char* name, const QString& caption);
QLineEdit* edit(const char* name, bool readOnly = false);
// The small "..." button beside a box that opens a picker.
QPushButton* ellipsis(const char* name);

struct Column {
    QString title;
    QString field;
    zui::DBGrid::Align align = zui::DBGrid::Align::Auto;
    int width = -1;
};
// A read-only list grid, whole rows selected. A column without title and field
// is the narrow column of a row's ellipsis button.
zui::DBGrid* grid(const char* name, zdb::Dataset* dataset, std::initializer_list<Column> columns,
                  int minWidth, int minHeight);

// The read-only text of a field of a dataset's current row, framed like a box;
// without a dataset yet, the screen binds it later.
zui::DBText* dataText(const char* name, zdb::Dataset* dataset, const QString& field, int minWidth = 120);

// The bottom row of a screen: buttons from the left, 'right' at the right edge.
QHBoxLayout* buttonRow(std::initializer_list<QWidget*> left, QWidget* right = nullptr);

// The bottom row of an editor: its buttons at the right edge.
QHBoxLayout* editorButtons(QPushButton* save, QPushButton* cancel);

// Makes 'button' the screen's way out: it and Esc close the screen.
void closesScreen(zui::TForm* form, QPushButton* button);

// A "Label: box" row of an editor group.
void addRow(QGridLayout* grid, int row, QLabel* caption, QWidget* box, QWidget* extra = nullptr);

}  // namespace zparts
