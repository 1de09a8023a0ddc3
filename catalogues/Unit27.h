// Position editor.
#pragma once

#include "catalogue.h"

class TForm27 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm27(QWidget* parent = nullptr);

    zdb::Table* cb_department;

    QLineEdit* Edit1;  // "Наименование"
    QLineEdit* Edit2;  // "Описание"
    zui::LookupBox* p_department;

    // A change remembers the row as the list showed it.
    void FormActivate() override;
    void Button1Click() override;
    void FormClose() override;
};

extern TForm27* Form27;
