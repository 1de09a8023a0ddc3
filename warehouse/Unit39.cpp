#include "Unit39.h"

#include "Unit6.h"
#include "supply.h"
#include "zui_msg.h"

#include <QLineEdit>

TForm39* Form39 = nullptr;

TForm39::TForm39(QWidget* parent)
    : zui::EditorScreen({"Form39", QStringLiteral("Ведение приходных ордеров (39)"), zui::Placement::AsDesigned, DataModule6->ADO_DB,
                         QStringLiteral("Приходный ордер")},
                        parent) {
    jur_person = ownQuery(this, "jur_person", QStringLiteral("select jp.* from cmn_contractor.jur_person jp"));
    department = ownQuery(this, "department",
                          QStringLiteral("SELECT s_caption, s_type, id FROM cmn_department.department d where d.type =2"));

    GroupBox1 = group();
    Edit1 = addEdit("Edit1", QStringLiteral("Номер:"), 120);
    Edit1->setEnabled(false);
    LCB_jur_person = addLookup("LCB_jur_person", QStringLiteral("Контрагент:"), jur_person, QStringLiteral("id"),
                               QStringLiteral("s_full_caption"));
    LCB_jur_person->setMinimumWidth(300);
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    addRow(QStringLiteral("Дата:"), DateTimePicker1);
    Edit2 = addEdit("Edit2", QStringLiteral("Сопроводит. док-т:"), 120);
    zui::setKeyFilter(Edit2, zui::Keys::DigitsOnly);
    LCB_department = addLookup("LCB_department", QStringLiteral("Склад:"), department);
}

void TForm39::Button1Click() {
    if (keyOr0(LCB_jur_person) <= 0 || keyOr0(LCB_department) <= 0)
        return zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
    const QString number = Edit2->text().trimmed().isEmpty() ? QStringLiteral("0") : Edit2->text().trimmed();
    const QString day = zdb::quoted(DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy")));
    const QString counterparty = QString::number(keyOr0(LCB_jur_person));
    const QString warehouse = QString::number(keyOr0(LCB_department));
    zdb::Query* orders = DataModule6->stock_in;
    if (Tag == 1) {
        const qlonglong id = zdb::insertedId(*DataModule6->ADO_DB,
                                             QStringLiteral("INSERT INTO stk_stocks.stock_in (date_in, id_accomp_doc, id_jur_pers, id_department)VALUES(") +
                                                 day + ", " + zdb::quoted(number) + ", " + counterparty + ", " + warehouse + ")");
        zui::reopenAt(orders, id);
    } else {
        const qlonglong id = orders->fieldByName(QStringLiteral("id")).asInteger();
        const bool written = zsup::writeOne(QStringLiteral("UPDATE stk_stocks.stock_in SET id_jur_pers=") + counterparty +
                                            ", id_accomp_doc=" + zdb::quoted(number) + ", date_in=" + day +
                                            ", id_department=" + warehouse + " where id=" + QString::number(id));
        zui::reopenAt(orders, id);
        if (!written) return;
    }
    close();
}
