// Operation types; also the operation type picker of the operation editor.
#pragma once

#include "catalogue.h"

class TForm8 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm8(QWidget* parent = nullptr);

    void Button1Click() override;
    // "Изменить" as a catalogue (Tag 0).
    void changeRow() override;
    void FormActivate() override;
};

extern TForm8* Form8;
