// Counterparties; also the counterparty picker of request headers and purchases.
#pragma once

#include "catalogue.h"

class TForm34 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm34(QWidget* parent = nullptr);

    void Button1Click() override;
    // "Изменить" as a catalogue (Tag 0).
    void changeRow() override;
};

extern TForm34* Form34;
