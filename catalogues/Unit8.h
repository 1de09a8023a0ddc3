// Operation types; also the operation type picker of the operation editor.
#pragma once

#include "catalogue.h"

class TForm8 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    void Button1Click() override;
    // "Изменить" as a catalogue; with a non-zero Tag it chooses for the operation editor.
    void Button2Click() override;
    void FormActivate() override;
};

extern TForm8* Form8;
