#include "Unit61.h"

#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm61* Form61 = nullptr;

TForm61::TForm61(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form61"));
    setWindowTitle(QStringLiteral("Ведение данных (61)"));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Заявка на закупку")), "GroupBox1");
    Edit2 = zparts::edit("Edit2", true);
    Edit2->setMinimumWidth(280);
    Button5 = zparts::ellipsis("Button5");
    Edit1 = zparts::edit("Edit1", true);
    Button3 = zparts::ellipsis("Button3");
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Исполнитель:")), Edit2, Button5);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Контрагент:")), Edit1, Button3);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Дата поставки:")), DateTimePicker1);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::CentredOnDesktop);
}
