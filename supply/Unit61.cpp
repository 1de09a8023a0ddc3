#include "Unit61.h"

#include "Unit34.h"
#include "Unit5.h"
#include "Unit6.h"

TForm61* Form61 = nullptr;

TForm61::TForm61(QWidget* parent)
    : zui::EditorScreen({"Form61", QStringLiteral("Ведение данных (61)"), zui::Placement::CentredOnDesktop, DataModule6->ADO_DB,
                         QStringLiteral("Заявка на закупку")},
                        parent) {
    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Исполнитель:"));
    std::tie(Edit1, Button3) = addPicked("Edit1", "Button3", QStringLiteral("Контрагент:"));
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
