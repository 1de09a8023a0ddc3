#include "Unit35.h"

#include "Unit58.h"
#include "Unit6.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

TForm35* Form35 = nullptr;

TForm35::TForm35(QWidget* parent)
    : zui::ListScreen({"Form35", QStringLiteral("Роли"), zui::Placement::CentredOnDesktop, DataModule6->role, {}, {}, {}, 720},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 220},
                           {QStringLiteral("Системное имя"), QStringLiteral("s_name"), zui::DBGrid::Align::Auto, 150},
                           {QStringLiteral("Дата начала"), QStringLiteral("d_begin"), zui::DBGrid::Align::Auto, 100},
                           {QStringLiteral("Дата оконч."), QStringLiteral("d_end"), zui::DBGrid::Align::Auto, 100},
                           {QStringLiteral("Активна"), QStringLiteral("yesno"), zui::DBGrid::Align::Centre, 70}},
                          parent) {
    DBGridEh1->setColumnsResizable(true);
}

// Roles are switched off, never deleted: the menu shows "Удалить", this screen hides it.
void TForm35::FormActivate() {
    Button3->setVisible(false);
    DataModule6->role->open();
}

void TForm35::FormClose() { DataModule6->role->close(); }

void TForm35::Button1Click() {
    Form58->Edit1->clear();
    Form58->Edit2->clear();
    Form58->CheckBox1->setChecked(true);
    Form58->Tag = 0;
    Form58->showModal();
    DataModule6->role->reopen();
}

void TForm35::changeRow() {
    changeKeepingRow([this] {
        Form58->Tag = 1;
        Form58->Edit2->setText(currentText(QStringLiteral("s_caption")));
        Form58->Edit1->setText(currentText(QStringLiteral("s_name")));
        Form58->CheckBox1->setChecked(list()->fieldByName(QStringLiteral("b_active")).asBoolean());
        Form58->showModal();
        DataModule6->role->reopen();
    });
}
