#include "Unit14.h"

#include "Unit6.h"

#include <QLineEdit>

TForm14* Form14 = nullptr;

TForm14::TForm14(QWidget* parent)
    : zui::EditorScreen({"Form14", QStringLiteral("Ведение контрагентов"), zui::Placement::AsDesigned, DataModule6->ADO_DB,
                            QStringLiteral("Данные о позиции"), QStringLiteral("Отмена")}, parent) {
    Edit2 = addEdit("Edit2", QStringLiteral("Наименование"), 440);
    Edit1 = addEdit("Edit1", QStringLiteral("Полное ниамен."), 440);
    Edit3 = addEdit("Edit3", QStringLiteral("ИНН"), 440);
    Edit4 = addEdit("Edit4", QStringLiteral("ОГРН"), 440);
}

// Counterparty texts go in as typed, blanks included.
void TForm14::Button1Click() {
    if (!filled({Edit1})) return;
    using zcat::sqlTextUntrimmed;
    if (Tag == 1)
        writeAndClose(QStringLiteral("INSERT INTO cmn_contractor.jur_person(s_caption, s_full_caption, s_ogrn, s_inn)VALUES(") +
                          sqlTextUntrimmed(Edit2) + "," + sqlTextUntrimmed(Edit1) + " ," + sqlTextUntrimmed(Edit4) + ", " +
                          sqlTextUntrimmed(Edit3) + ")",
                      DataModule6->jur_person);
    else
        updateRememberedAndClose(QStringLiteral("UPDATE cmn_contractor.jur_person  SET s_caption=") + sqlTextUntrimmed(Edit2) +
                          ", s_full_caption=" + sqlTextUntrimmed(Edit1) + ", s_ogrn=" + sqlTextUntrimmed(Edit4) +
                          ", s_inn=" + sqlTextUntrimmed(Edit3) + " WHERE id=" + zui::idOf(DataModule6->jur_person),
                      DataModule6->jur_person);
}

void TForm14::FormActivate() {
    if (Tag != 1)
        rememberRow(DataModule6->jur_person, {{"s_caption", "s_caption"}, {"s_full_caption", "s_full_caption"},
                                              {"s_ogrn", "s_ogrn"}, {"s_inn", "s_inn"}});
}
