// Reduced item list: the item picker of the process editor while the full item
// list is itself open underneath it.
#pragma once

#include "catalogue.h"

class TForm303 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm303(QWidget* parent = nullptr);

    // Its own list; the caller sets the text.
    zdb::Query* inventory_items;

    void FormActivate() override;
    void FormClose() override;
};

extern TForm303* Form303;
