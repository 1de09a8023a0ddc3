// Roles, read only: they are added and changed in the administration list.
#pragma once

#include "catalogue.h"

class TForm32 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm32(QWidget* parent = nullptr);
};

extern TForm32* Form32;
