#include "Unit54.h"

#include "Unit6.h"
#include "zui_parts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

TForm54* Form54 = nullptr;

TForm54::TForm54(QWidget* parent) : zui::TForm(parent) {
    setObjectName(QStringLiteral("Form54"));
    setWindowTitle(QStringLiteral("Приход (54)"));

    dep_from = ownQuery(this, "dep_from",
                             QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =-1"));
    dep_in = ownQuery(this, "dep_in",
                           QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =0 or d.type=1"));

    GroupBox1 = zparts::named(new QGroupBox(QStringLiteral("Приходный ордер")), "GroupBox1");
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    LCB_dep_from = zparts::named(new zui::LookupBox, "LCB_dep_from");
    LCB_dep_from->setListSource(dep_from, QStringLiteral("id"), QStringLiteral("s_caption"));
    LCB_dep_from->setMinimumWidth(260);
    LCB_dep_in = zparts::named(new zui::LookupBox, "LCB_dep_in");
    LCB_dep_in->setListSource(dep_in, QStringLiteral("id"), QStringLiteral("s_caption"));

    auto* fields = new QGridLayout(GroupBox1);
    zparts::addRow(fields, 0, new QLabel(QStringLiteral("Дата:")), DateTimePicker1);
    zparts::addRow(fields, 1, new QLabel(QStringLiteral("Подразделение:")), LCB_dep_from);
    zparts::addRow(fields, 2, new QLabel(QStringLiteral("Склад отгрузки:")), LCB_dep_in);

    Button1 = zparts::button("Button1", QStringLiteral("Записать"));
    Button2 = zparts::button("Button2", QStringLiteral("Отмена"));

    zparts::layOutEditor(this, GroupBox1, Button1, Button2);

    setupScreen(zui::Placement::CentredOnDesktop);
}
