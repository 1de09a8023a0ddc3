#include "Unit61.h"

#include "Unit34.h"
#include "Unit5.h"
#include "Unit6.h"
#include "Unit60.h"
#include "supply.h"
#include "zui_msg.h"

TForm61* Form61 = nullptr;

TForm61::TForm61(QWidget* parent)
    : zui::EditorScreen({"Form61", QStringLiteral("Ведение данных (61)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Заявка на закупку")},
                        parent) {
    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Исполнитель:"), 440);
    std::tie(Edit1, Button3) = addPicked("Edit1", "Button3", QStringLiteral("Контрагент:"), 440);
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    addRow(QStringLiteral("Дата поставки:"), DateTimePicker1);
    zui::on(Button5, &QPushButton::clicked, this, &TForm61::Button5Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm61::Button3Click);
}

void TForm61::Button5Click() {
    Form5->showAsPicker(61, zui::Look::Standard, 0, zcat::chooseInto(id_person_sel, Edit2, QStringLiteral("s_caption")));
}

void TForm61::Button3Click() {
    Form34->showAsPicker(61, zui::Look::Standard, 0,
                         zcat::chooseInto(id_jur_person_sel, Edit1, QStringLiteral("s_full_caption")));
}

// A change writes only onto the request as the list showed it.
void TForm61::FormActivate() {
    if (Tag != 1)
        rememberRow(Form60->purchase_doc,
                    {{"id_jur_person", "id_jur_person"}, {"id_person", "id_person"}, {"d_in", "d_in"}});
}

void TForm61::Button1Click() {
    if (id_person_sel == 0 || id_jur_person_sel == 0)
        return zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
    const QString day = zdb::quoted(DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy")));
    zdb::Query* requests = Form60->purchase_doc;
    if (Tag == 1) {
        const int id = zdb::insertedId(*DataModule6->ADO_DB, QStringLiteral("INSERT INTO stk_purchase.purchase_doc( id_jur_person, id_person, d_in)VALUES(") +
                                      QString::number(id_jur_person_sel) + ", " + QString::number(id_person_sel) + ", " + day + ")");
        zui::reopenAt(requests, id);
    } else {
        if (!updateRemembered(QStringLiteral("UPDATE stk_purchase.purchase_doc SET id_jur_person=") +
                              QString::number(id_jur_person_sel) + ", id_person=" + QString::number(id_person_sel) +
                              ", d_in=" + day + " where id=" + zui::idOf(requests)))
            return;
        zui::reopenAt(requests, int(requests->fieldByName(QStringLiteral("id")).asInteger()));
    }
    close();
}
