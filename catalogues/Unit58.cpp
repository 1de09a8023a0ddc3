#include "Unit58.h"

#include "Unit6.h"

#include <QCheckBox>
#include <QLineEdit>

TForm58* Form58 = nullptr;

TForm58::TForm58(QWidget* parent)
    : zui::EditorScreen({"Form58", QStringLiteral("Ведение ролей (58)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                            QStringLiteral("Данные о роли"), QStringLiteral("Выход")}, parent) {
    Edit2 = addEdit("Edit2", QStringLiteral("Наименование"));
    Edit1 = addEdit("Edit1", QStringLiteral("Ситемное имя"));
    CheckBox1 = new QCheckBox(QStringLiteral("Активна"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    addRow({}, CheckBox1);
}

// The administration list re-reads the roles itself once this editor closes.
void TForm58::Button1Click() {
    if (!filled({Edit2, Edit1})) return;
    const bool active = CheckBox1->isChecked();
    const QString a = active ? QStringLiteral("1") : QStringLiteral("0");
    if (Tag == 0)
        writeAndClose(QStringLiteral("INSERT INTO adm_role.roles(s_name, s_caption, d_begin, b_active)VALUES(") + zcat::sqlText(Edit1) +
                          ", " + zcat::sqlText(Edit2) + ", now()::t_date, " + a + "::t_boolean)",
                      nullptr);
    else
        updateRememberedAndClose(QStringLiteral("UPDATE adm_role.roles SET s_caption=") + zcat::sqlText(Edit2) + ", s_name= " +
                          zcat::sqlText(Edit1) + ", b_active= " + a + "::t_boolean, " +
                          (active ? QStringLiteral("d_begin=now()::t_date, d_end=NULL") : QStringLiteral("d_end=now()::t_date")) +
                          " where id=" + zui::idOf(DataModule6->role),
                      nullptr);
}

void TForm58::FormActivate() {
    if (Tag != 0) rememberRow(DataModule6->role, {{"s_caption", "s_caption"}, {"s_name", "s_name"}, {"b_active", "b_active"}});
}
