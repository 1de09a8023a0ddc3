// List of technological processes, all of them or those of one item.
#pragma once

#include "catalogue.h"

#include <QString>

class TForm4 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent = nullptr);

    // The item whose processes are shown when opened from the item list.
    int preset_id_ii = 0;
    QString preset_marka;

    void FormActivate() override;
    void Button1Click() override;
    void changeRow() override;
    void Button3Click() override;
};

extern TForm4* Form4;
