// Personnel list; also the person picker of the shift entry, request and purchase headers.
#pragma once

#include "catalogue.h"

class TForm5 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // 1 when the shift entry's picker chose a new brigade member; reset at every showing.
    int picked = 0;

    void FormActivate() override;
    void Button1Click() override;
    // "Изменить" as a catalogue; "Выбрать" for the screen named by Tag.
    void Button2Click() override;
    void Button3Click() override;
};

extern TForm5* Form5;
