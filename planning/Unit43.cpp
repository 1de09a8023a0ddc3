#include "Unit43.h"

#include "Unit34.h"
#include "Unit5.h"
#include "Unit6.h"

TForm43* Form43 = nullptr;

TForm43::TForm43(QWidget* parent)
    : zui::EditorScreen({"Form43", QStringLiteral("Ведение данных (43)"), zui::Placement::AsDesigned, DataModule6->ADO_DB,
                         QStringLiteral("Заявка в производство"), QStringLiteral("Отмена"), false},
                        parent) {
    GroupBox1 = group();
    std::tie(Edit2, Button5) = addPicked("Edit2", "Button5", QStringLiteral("Исполнитель:"));
    std::tie(Edit1, Button3) = addPicked("Edit1", "Button3", QStringLiteral("Контрагент:"));
    DateTimePicker1 = zparts::named(new zui::DatePicker, "DateTimePicker1");
    DateTimePicker2 = zparts::named(new zui::DatePicker, "DateTimePicker2");
    addRow(QStringLiteral("Дата пр-ва:"), DateTimePicker1);
    addRow(QStringLiteral("Дата отгрузки:"), DateTimePicker2);
    zui::on(Button5, &QPushButton::clicked, this, &TForm43::Button5Click);
    zui::on(Button3, &QPushButton::clicked, this, &TForm43::Button3Click);
}

void TForm43::Button5Click() {
    Form5->showAsPicker(43, zui::Look::Standard, 0, zcat::chooseInto(id_person_sel, Edit2, QStringLiteral("s_caption")));
}

void TForm43::Button3Click() {
    Form34->showAsPicker(43, zui::Look::Standard, 0,
                         zcat::chooseInto(id_jur_person_sel, Edit1, QStringLiteral("s_full_caption")));
}
