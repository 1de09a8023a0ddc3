#include "Unit66.h"

#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm66* Form66 = nullptr;

TForm66::TForm66(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form66"));
    setWindowTitle(QStringLiteral("Ведение цены (66)"));

    GroupBox1 = zparts::named(new QGroupBox, "GroupBox1");
    GroupBox1->setMinimumWidth(320);
    Edit1 = zparts::edit("Edit1");
    zui::setKeyFilter(Edit1, zui::Keys::DigitsComma | zui::Keys::PointToComma);

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Цена:")), Edit1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::CentredOnDesktop);
}
