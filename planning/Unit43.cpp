#include "Unit43.h"

#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

TForm43* Form43 = nullptr;

TForm43::TForm43(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form43"));
    setWindowTitle(QStringLiteral("Ведение данных (43)"));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Заявка в производство")), "GroupBox1");
    Edit2 = zparts::edit("Edit2", true);
    Edit2->setMinimumWidth(280);
    Button5 = zparts::ellipsis("Button5");
    Edit1 = zparts::edit("Edit1", true);
    Button3 = zparts::ellipsis("Button3");
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    DateTimePicker2 = zparts::named(new zui::DatePicker, "DateTimePicker2");

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Исполнитель:")), Edit2, Button5);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Контрагент:")), Edit1, Button3);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Дата пр-ва:")), DateTimePicker1);
    zparts::addRow(fields, 3, new QLabel(QStringLiteral("Дата отгрузки:")), DateTimePicker2);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2, false);

    setupScreen(zui::Placement::AsDesigned);
}
