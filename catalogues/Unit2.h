// Editor of one person; the list refreshes itself after it closes.
#pragma once

#include "catalogue.h"

class TForm2 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm2(QWidget* parent = nullptr);

    int id_person_edit = 0;

    zdb::Table* staffpos;
    zdb::Table* department;
    zdb::Table* roles;
    zdb::Command* cmd_person;

    QLineEdit* Edit1;  // "Фамилия"
    QLineEdit* Edit2;  // "Имя"
    QLineEdit* Edit3;  // "Отчество"
    zui::LookupBox* LCB_department;
    zui::LookupBox* LCB_staffpos;
    zui::LookupBox* LCB_roles;

    void FormActivate() override;
    void FormClose() override;
    void Button1Click() override;
};

extern TForm2* Form2;
