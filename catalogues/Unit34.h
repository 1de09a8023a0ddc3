// Counterparties; also the counterparty picker of request headers and purchases.
#pragma once

#include "catalogue.h"

class TForm34 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm34(QWidget* parent = nullptr);

    void Button1Click() override;
    // "Изменить" as a catalogue, "Выбрать" for the caller named by Tag.
    void Button2Click() override;

private:
    void chooseFor(int& chosenId, QLineEdit* nameBox);
    void setPurchaseCounterparty();
};

extern TForm34* Form34;
