#include "Unit2.h"

#include "Unit6.h"

#include <QLineEdit>

TForm2* Form2 = nullptr;

namespace {

zdb::Table* sortedTable(QObject* owner, const char* name, const QString& table) {
    auto* t = new zdb::Table(DataModule6->ADO_DB, table, owner);
    t->setObjectName(QLatin1String(name));
    t->setSort(QStringLiteral("s_caption"));
    return t;
}

}  // namespace

TForm2::TForm2(QWidget* parent)
    : zui::EditorScreen({"Form2", QString(), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB, QStringLiteral("Данные о работнике"),
                            QStringLiteral("Отмена")}, parent) {
    staffpos = sortedTable(this, "staffpos", QStringLiteral("hrms_staffpos.staffpos"));
    department = sortedTable(this, "department", QStringLiteral("cmn_department.department"));
    roles = sortedTable(this, "roles", QStringLiteral("adm_role.roles"));
    cmd_person = new zdb::Command(DataModule6->ADO_DB, this);
    cmd_person->setObjectName(QStringLiteral("cmd_person"));

    Edit1 = addEdit("Edit1", QStringLiteral("Фамилия"), 300);
    Edit2 = addEdit("Edit2", QStringLiteral("Имя"), 300);
    Edit3 = addEdit("Edit3", QStringLiteral("Отчество"), 300);
    LCB_department = addLookup("LCB_department", QStringLiteral("Подразделение"), department);
    LCB_staffpos = addLookup("LCB_staffpos", QStringLiteral("Должность"), staffpos);
    LCB_roles = addLookup("LCB_roles", QStringLiteral("Роль"), roles);
    for (zui::LookupBox* b : {LCB_department, LCB_staffpos, LCB_roles}) b->setDropDownRows(10);
}

void TForm2::FormActivate() {
    Edit1->setFocus();
    if (Tag != 1)
        rememberRow(DataModule6->workers, {{"s_second_name", "s_second_name"}, {"s_first_name", "s_first_name"},
                                           {"s_third_name", "s_third_name"}, {"id_staffpos", "staff_id"},
                                           {"id_department", "dep_id"}, {"id_role", "role_id"}});
}

void TForm2::FormClose() {
    staffpos->close();
    roles->close();
    department->close();
}

void TForm2::Button1Click() {
    for (const QString& text : {Edit1->text(), Edit2->text(), Edit3->text(), LCB_department->currentText(), LCB_staffpos->currentText(),
                                LCB_roles->currentText()}) {
        if (text.trimmed().isEmpty()) {
            zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
            return;
        }
    }
    const QString surname = Edit1->text().trimmed();
    const QString first = Edit2->text().trimmed();
    const QString patronymic = Edit3->text().trimmed();
    const QString fullName = zdb::quoted(surname + QLatin1Char(' ') + first + QLatin1Char(' ') + patronymic);
    const QString position = QString::number(keyOr0(LCB_staffpos));
    const QString dep = QString::number(keyOr0(LCB_department));
    const QString role = QString::number(keyOr0(LCB_roles));

    if (Tag == 1) {
        cmd_person->execute(
            QStringLiteral("INSERT INTO cmn_contractor.person (s_caption, s_second_name, s_first_name, s_third_name, id_staffpos, "
                           "id_department, id_role)VALUES(") +
            fullName + ", " + zdb::quoted(surname) + ", " + zdb::quoted(first) + ", " + zdb::quoted(patronymic) + ", " + position + ", " +
            dep + ", " + role + ")");
    } else {
        if (!updateRemembered(QStringLiteral("UPDATE cmn_contractor.person SET s_caption=") + fullName +
                            ", s_second_name=" + zdb::quoted(surname) + ", s_first_name=" + zdb::quoted(first) +
                            ", s_third_name=" + zdb::quoted(patronymic) + ", id_staffpos=" + position + ", id_department=" + dep +
                            ", id_role=" + role + " where cmn_contractor.person.id=" + QString::number(id_person_edit)))
            return;
    }
    close();
}
