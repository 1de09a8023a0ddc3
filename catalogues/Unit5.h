// Personnel list; also the person picker of the shift entry, request and purchase headers.
#pragma once

#include "catalogue.h"

class TForm5 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm5(QWidget* parent = nullptr);

    // 1 when the shift entry's choice took a new brigade member; reset at every showing.
    int picked = 0;

    void FormActivate() override;
    void Button1Click() override;
    // "Изменить" as a catalogue (Tag 0).
    void changeRow() override;
    void Button3Click() override;
};

extern TForm5* Form5;
