// Editor of one inventory item.
#pragma once

#include "catalogue.h"

class TForm7 : public zui::EditorScreen {
    Q_OBJECT
public:
    explicit TForm7(QWidget* parent = nullptr);

    zdb::Table* nomenclature;
    zdb::Table* operation_state;  // the item types
    zdb::Table* msm;

    QLineEdit* Edit1;  // "Наименование"
    zui::LookupBox* cb_msm;
    zui::LookupBox* combo_nomenclature;
    zui::LookupBox* cb_operation_state;
    QLineEdit* Edit3;  // "Длина (мм)"
    QLineEdit* Edit4;  // "Толщина (мм)"
    QLineEdit* Edit2;  // "Масса"
    QLineEdit* Edit5;  // "Расход краски"

    void FormActivate() override;
    void FormClose() override;
    void Button1Click() override;

    // 1 when the paint consumption is a positive number, else 0; a text that is
    // no number raises an error.
    static int paintedFlag(const QString& ralCons);
};

extern TForm7* Form7;
