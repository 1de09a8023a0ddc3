// Editor of a kind of nomenclature.
#pragma once

#include "catalogue.h"

class TForm29 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm29(QWidget* parent = nullptr);

    zdb::Table* cb_department;

    QLineEdit* Edit1;  // "Наименование"
    zui::LookupBox* p_department;  // "Склад"

    // A change remembers the row as the list showed it.
    void FormActivate() override;
    void Button1Click() override;
    void FormClose() override;
};

extern TForm29* Form29;
