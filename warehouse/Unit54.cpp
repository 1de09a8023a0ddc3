#include "Unit54.h"

#include "Unit6.h"

TForm54* Form54 = nullptr;

TForm54::TForm54(QWidget* parent)
    : zui::EditorScreen({"Form54", QStringLiteral("Приход (54)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Приходный ордер")},
                        parent) {
    dep_from = ownQuery(this, "dep_from",
                        QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =-1"));
    dep_in = ownQuery(this, "dep_in",
                      QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =0 or d.type=1"));

    GroupBox1 = group();
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    addRow(QStringLiteral("Дата:"), DateTimePicker1);
    LCB_dep_from = addLookup("LCB_dep_from", QStringLiteral("Подразделение:"), dep_from);
    LCB_dep_from->setMinimumWidth(260);
    LCB_dep_in = addLookup("LCB_dep_in", QStringLiteral("Склад отгрузки:"), dep_in);
}
