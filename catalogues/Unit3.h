// Inventory items list; also the item picker of the process editor, receipt,
// request and purchase lines.
#pragma once

#include "catalogue.h"

class TForm3 : public zcat::CatalogueList {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Kind of nomenclature a new item starts with; -1 once the list has closed.
    int preset_id_nom = 0;

    zdb::Query* pt_cnt;

    void FormActivate() override;
    void FormClose() override;
    void Button1Click() override;
    // "Изменить" as a catalogue; "Выбрать" for the screen named by Tag.
    void Button2Click() override;
    // The processes of the row's item.
    void DBGridEh1CellButtonClick(int column);

    static constexpr const char* kSortByName = "marka, s_nom ASC";
};

extern TForm3* Form3;
