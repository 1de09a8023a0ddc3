// The shared data module: the one connection, the datasets several screens use,
// and the number formatting every screen applies before splicing into SQL.
#pragma once

#include "zdb.h"

class TDataModule6 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule6(QObject* parent = nullptr);

    // The system account through the data source the workstation is set up with.
    static QString storedConnectionString();
    void openStoredConnection();

    // Decimal text to an SQL numeric literal: empty gives "0"; the first comma,
    // or failing that the first point, becomes the database's separator.
    QString NumToSql(const QString& text) const;

    zdb::Connection* ADO_DB;
    QString delim;

    zdb::Query* workers;
    zdb::Query* Control;
    zdb::Command* cmd_all;
    zdb::Query* operation;
    zdb::Query* operation_type;
    zdb::Query* Smena1;
    zdb::Query* Smena2;
    zdb::Query* Smena3;
    zdb::Query* Smena4;
    zdb::Command* DelSmena;
    zdb::Command* H_Tabel_ins;
    zdb::Query* department;
    zdb::Query* inventory_items;
    zdb::Table* ver;
    zdb::Query* staffpos;
    zdb::Query* nomenclature;
    zdb::Query* role;
    zdb::Query* proc_tech;
    zdb::Query* jur_person;
    zdb::Query* stock;
    zdb::Query* stock_in;
    zdb::Table* msm;
    zdb::Query* app_doc;
    zdb::Query* app_spec;
    zdb::Query* spec_out;
    zdb::Query* user;

    // The shift list of shift 1..4; any other number counts as 1.
    zdb::Query* smena(int shift) const;
    static QString smenaSql(int shift);

private:
    zdb::Query* query(const char* name, const QString& sql);
};

extern TDataModule6* DataModule6;

// A screen's own dataset or command, on the one connection.
zdb::Query* ownQuery(QObject* owner, const char* name, const QString& sql = {});
zdb::Command* ownCommand(QObject* owner, const char* name, const QString& sql = {});
