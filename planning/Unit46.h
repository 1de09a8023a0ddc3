// Current production: request lines not yet produced, with their material needs.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm46 : public zui::GridScreen {
    Q_OBJECT
public:
    explicit TForm46(QWidget* parent = nullptr);

    zdb::Query* app_spec;

    QPushButton* Button1;  // "Краска"
};

extern TForm46* Form46;
