#include "Unit40.h"

#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm40* Form40 = nullptr;

TForm40::TForm40(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form40"));
    setWindowTitle(QStringLiteral("Ведение спецификации (40)"));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Приходный ордер № ")), "GroupBox1");
    Edit2 = zparts::edit("Edit2", true);
    Edit2->setMinimumWidth(260);
    Button5 = zparts::ellipsis("Button5");
    Edit3 = zparts::edit("Edit3");
    Label5 = zparts::label("Label5", QString());
    Edit1 = zparts::edit("Edit1");
    for (QLineEdit* e : {Edit3, Edit1}) zui::setKeyFilter(e, zui::Keys::DigitsCommaPoint);

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("ТМЦ:")), Edit2, Button5);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Количество:")), Edit3, Label5);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Цена:")), Edit1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::CentredOnDesktop);
}
