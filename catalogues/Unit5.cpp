#include "Unit5.h"

#include "Unit2.h"
#include "Unit6.h"

#include <QLineEdit>
#include <QPushButton>

TForm5* Form5 = nullptr;

TForm5::TForm5(QWidget* parent)
    : zui::ListScreen({"Form5", QStringLiteral("Список рабочих (5)"), zui::Placement::CentredOnDesktop, DataModule6->workers,
                           QString(), QStringLiteral("s_caption"), zui::FilterBox::KeyMode::ConsumeAll, 940, 420},
                          {{QStringLiteral("ФИО"), QStringLiteral("s_caption"), zui::DBGrid::Align::Auto, 280},
                           {QStringLiteral("Должность"), QStringLiteral("s_staffpos"), zui::DBGrid::Align::Auto, 240},
                           {QStringLiteral("Подразделение"), QStringLiteral("s_department"), zui::DBGrid::Align::Auto, 250},
                           {QStringLiteral("Роль"), QStringLiteral("s_role"), zui::DBGrid::Align::Auto, 140}},
                          parent) {}

void TForm5::FormActivate() {
    picked = 0;
    focusFilterIfVisible();
}

void TForm5::Button1Click() {
    Form2->Edit1->clear();
    Form2->Edit2->clear();
    Form2->Edit3->clear();
    Form2->setWindowTitle(QStringLiteral("Заведение данных нового работника"));
    Form2->Tag = 1;
    for (zdb::Table* t : {Form2->staffpos, Form2->roles, Form2->department}) {
        t->open();
        t->first();
    }
    Form2->showModal();
    list()->reopen();
}

void TForm5::changeRow() {
    // Without a caller's choice only the catalogue changes a row.
    if (Tag != 0) return;
    changeKeepingRow([&] {
        Form2->setWindowTitle(QStringLiteral("Изменение данных работника"));
        Form2->Tag = 2;
        for (zdb::Table* t : {Form2->staffpos, Form2->roles, Form2->department}) t->reopen();
        Form2->Edit1->setText(currentText(QStringLiteral("s_second_name")));
        Form2->Edit2->setText(currentText(QStringLiteral("s_first_name")));
        Form2->Edit3->setText(currentText(QStringLiteral("s_third_name")));
        Form2->LCB_roles->setKeyValue(int(currentInt(QStringLiteral("role_id"))));
        Form2->LCB_department->setKeyValue(int(currentInt(QStringLiteral("dep_id"))));
        Form2->LCB_staffpos->setKeyValue(int(currentInt(QStringLiteral("staff_id"))));
        Form2->id_person_edit = currentId();
        Form2->showModal();
        list()->reopen();
    });
}

void TForm5::Button3Click() {
    if (!hasRows()) return;
    zui::deleteCurrentRow(list(), QStringLiteral("delete from cmn_contractor.person where id =") + QString::number(currentId()),
                          QStringLiteral("Удалить работника?"));
}
