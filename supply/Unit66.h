// Editor of a purchase line's price.
// The screen's actions come with its own issue.
#pragma once

#include "zui_screens.h"

class TForm66 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm66(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;  // captioned with the line's item
    QLineEdit* Edit1;      // "Цена:"
};

extern TForm66* Form66;
