// Editor of a purchase line's price.
#pragma once

#include "zui_screens.h"

class TForm66 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm66(QWidget* parent = nullptr);

    QGroupBox* GroupBox1;  // captioned with the line's item
    QLineEdit* Edit1;      // "Цена:"

    // The price of the current line of Form62; 0 is a price too.
    void Button1Click() override;
};

extern TForm66* Form66;
