// Department editor: name, remark, parent and the kind of warehouse.
#pragma once

#include "catalogue.h"

class QCheckBox;
class QComboBox;

class TForm31 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm31(QWidget* parent = nullptr);

    zdb::Table* cb_department;

    QLineEdit* Edit1;  // "Наименование"
    QLineEdit* Edit2;  // "Описание"
    zui::LookupBox* p_department;
    QCheckBox* CheckBox1;  // "Склад"
    QComboBox* type_combo;

    // Kinds of department by their fixed codes: -1 is no warehouse, else the item's position.
    void showType(int type);
    int typeNumber() const;

    // A change remembers the row as the list showed it.
    void FormActivate() override;
    void Button1Click() override;
    void CheckBox1Click();
    void FormClose() override;

private:
    QLabel* typeLabel_;
};

extern TForm31* Form31;
