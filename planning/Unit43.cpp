#include "Unit43.h"

#include "Unit34.h"
#include "Unit5.h"
#include "Unit6.h"
#include "requests.h"
#include "zui_msg.h"

#include <QLineEdit>

TForm43* Form43 = nullptr;

TForm43::TForm43(QWidget* parent)
    : zui::EditorScreen({"Form43", QStringLiteral("Ведение данных (43)"), zui::Placement::AsDesigned, DataModule6->ADO_DB,
                         QStringLiteral("Заявка в производство"), QStringLiteral("Отмена"), false},
                        parent) {
    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Исполнитель:"), 440);
    std::tie(Edit1, Button3) = addPicked("Edit1", "Button3", QStringLiteral("Контрагент:"), 440);
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    DateTimePicker2 = zparts::named(new zui::DatePicker, "DateTimePicker2");
    addRow(QStringLiteral("Дата пр-ва:"), DateTimePicker1);
    addRow(QStringLiteral("Дата отгрузки:"), DateTimePicker2);
    zui::on(Button5, &QPushButton::clicked, this, &TForm43::Button5Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm43::Button3Click);
}

void TForm43::FormActivate() {
    // A change is written only onto the request as the list showed it.
    if (Tag != 1)
        rememberRow(DataModule6->app_doc, {{QStringLiteral("id_jur_person"), QStringLiteral("id_jur_person")},
                                           {QStringLiteral("id_person"), QStringLiteral("id_person")},
                                           {QStringLiteral("d_mnf"), QStringLiteral("d_mnf")},
                                           {QStringLiteral("d_out"), QStringLiteral("d_out")}});
}

void TForm43::Button1Click() {
    if (id_person_sel == 0 || id_jur_person_sel == 0) return zui::msg::error(QStringLiteral("Все поля должны быть заполнены!"));
    const QString mnf = DateTimePicker1->date().toString(QStringLiteral("dd.MM.yyyy"));
    const QString out = DateTimePicker2->date().toString(QStringLiteral("dd.MM.yyyy"));
    zdb::Dataset* list = DataModule6->app_doc;
    int id = 0;
    if (Tag == 1) {
        id = zdb::insertedId(*DataModule6->ADO_DB, QStringLiteral("INSERT INTO mnf_app.app_doc(id_jur_person, id_person, d_mnf, d_out)VALUES(") +
                                     QString::number(id_jur_person_sel) + ", " + QString::number(id_person_sel) + ", '" + mnf +
                                     "', '" + out + "')");
    } else {
        if (!list->active() || list->isEmpty()) {
            close();
            return;
        }
        id = int(list->fieldByName(QStringLiteral("id")).asInteger());
        if (!updateRemembered(QStringLiteral("UPDATE mnf_app.app_doc SET id_jur_person=") + QString::number(id_jur_person_sel) +
                              ", id_person=" + QString::number(id_person_sel) + ", d_mnf='" + mnf + "', d_out='" + out +
                              "' where id=" + QString::number(id)))
            return;
    }
    // The list is read again, its cursor on the request just written.
    if (list->active()) zui::reopenAt(list, id, list->recNo());
    close();
}

void TForm43::Button5Click() {
    Form5->showAsPicker(43, zui::Look::Standard, 0, zcat::chooseInto(id_person_sel, Edit2, QStringLiteral("s_caption")));
}

void TForm43::Button3Click() {
    Form34->showAsPicker(43, zui::Look::Standard, 0,
                         zcat::chooseInto(id_jur_person_sel, Edit1, QStringLiteral("s_full_caption")));
}
