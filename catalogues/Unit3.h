// Inventory items list; also the item picker of the process editor, receipt,
// request and purchase lines.
#pragma once

#include "catalogue.h"

class TForm3 : public zui::ListScreen {
    Q_OBJECT
public:
    explicit TForm3(QWidget* parent = nullptr);

    // Kind of nomenclature a new item starts with; -1 once the list has closed.
    int preset_id_nom = 0;

    zdb::Query* pt_cnt;

    // Shows the list as a picker over the caller's own statement 'sql' (and
    // 'filter', when given); the list's statement is put back afterwards, also
    // when showing fails.
    int pick(int tag, const QString& sql, unsigned look, unsigned undo, zui::Choice choice, const QString& filter = {});
    // The item list of the pickers with each item's process material;
    // 'where' narrows it ("where ii.id_type = 0 order by ii.marka").
    static QString pickerSql(const QString& where);
    // Whether the item has a technological process (pt_cnt).
    bool hasProcess(int idItem);

    void FormActivate() override;
    void FormClose() override;
    void Button1Click() override;
    // "Изменить" as a catalogue (Tag 0).
    void changeRow() override;
    // The processes of the row's item.
    void DBGridEh1CellButtonClick(int column);

    static constexpr const char* kSortByName = "marka, s_nom ASC";
};

extern TForm3* Form3;
