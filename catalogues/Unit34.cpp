#include "Unit34.h"

#include "Unit14.h"
#include "Unit43.h"
#include "Unit6.h"
#include "Unit60.h"
#include "Unit61.h"

#include <QLineEdit>

TForm34* Form34 = nullptr;

TForm34::TForm34(QWidget* parent)
    : zcat::CatalogueList({"Form34", QStringLiteral("Контрагенты"), zui::Placement::CentredOnDesktop, DataModule6->jur_person,
                           QStringLiteral("cmn_contractor.jur_person")},
                          {{QStringLiteral("Наименование"), QStringLiteral("s_full_caption"), zui::DBGrid::Align::Auto, 440},
                           {QStringLiteral("ОГРН"), QStringLiteral("s_ogrn"), zui::DBGrid::Align::Auto, 140},
                           {QStringLiteral("ИНН"), QStringLiteral("s_inn"), zui::DBGrid::Align::Auto, 120}},
                          parent) {}

void TForm34::Button1Click() {
    Form14->Tag = 1;
    for (QLineEdit* e : {Form14->Edit1, Form14->Edit2, Form14->Edit3, Form14->Edit4}) e->clear();
    Form14->showModal();
}

void TForm34::Button2Click() {
    switch (Tag) {
    case 0:
        changeKeepingRow([this] {
            Form14->Tag = 0;
            Form14->Edit2->setText(currentText(QStringLiteral("s_caption")));
            Form14->Edit1->setText(currentText(QStringLiteral("s_full_caption")));
            Form14->Edit3->setText(currentText(QStringLiteral("s_inn")));
            Form14->Edit4->setText(currentText(QStringLiteral("s_ogrn")));
            Form14->showModal();
        });
        break;
    case 43:
        chooseFor(Form43->id_jur_person_sel, Form43->Edit1);
        break;
    case 61:
        chooseFor(Form61->id_jur_person_sel, Form61->Edit1);
        break;
    case 60:
        setPurchaseCounterparty();
        break;
    default:
        break;  // an unknown caller: the picker stays open
    }
}

// The name is written even when the caller already holds this counterparty.
void TForm34::chooseFor(int& chosenId, QLineEdit* nameBox) {
    if (hasRows()) {
        if (currentId() != chosenId) chosenId = currentId();
        if (chosenId != 0) nameBox->setText(currentText(QStringLiteral("s_full_caption")));
    }
    close();
}

void TForm34::setPurchaseCounterparty() {
    zdb::Query* docs = Form60->purchase_doc;
    // Without a current purchase document there is nothing to give the counterparty to.
    if (hasRows() && docs->active() && !docs->isEmpty()) {
        zcat::run(QStringLiteral("UPDATE stk_purchase.purchase_doc SET id_jur_person=") + QString::number(currentId()) +
                  " where id=" + zcat::idOf(docs));
        zcat::reopenKeepingRow(docs);
    }
    close();
}
