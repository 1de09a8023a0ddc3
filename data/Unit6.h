// The shared data module: the one connection, the datasets several screens use,
// and the number formatting every screen applies before splicing into SQL.
#pragma once

#include "zdb.h"

class TDataModule6 : public QObject {
    Q_OBJECT
public:
    explicit TDataModule6(QObject* parent = nullptr);

    // Where the command line points: no argument, the data source zorna_erp_dev;
    // one, a data source; two or more, a server and a database (port 5432).
    struct Target {
        QString server, database, dataSource;
        bool direct() const { return !server.isEmpty() && !database.isEmpty(); }
    };
    static Target target(const QStringList& args);
    // The connection string for a target and credentials; the password is
    // braced, and so is a login with ';', '=' or braces, so that no character
    // of theirs changes an option.
    static QString connectionString(const QStringList& args, const QString& login, const QString& password);

    // Before anybody logs in the client runs as the start-up account, which
    // can only read the build stamp and record a newer build.
    static QString storedConnectionString(const QStringList& args = {});
    void openStoredConnection(const QStringList& args = {});
    // The account of the stored connection; test programs set up and inspect
    // the database through it.
    static void setStoredAccount(const QString& login, const QString& password);

    // Settings of every session: a statement or a lock wait that hangs ends
    // with a message instead of freezing the client.
    static QString sessionSetup();

    // Decimal text to an SQL numeric literal: empty gives "0"; otherwise digits
    // with at most one separator ("," or "."), a leading minus where
    // allowMinus, at most 15 significant digits, blanks around. The literal is
    // canonical, with the database's separator; anything else throws DbError
    // with a message for the user, before any SQL is built from it.
    QString NumToSql(const QString& text, bool allowMinus = true) const;

    // Takes the separator read from ver; anything but "." or "," is refused,
    // since it is spliced into every decimal the client sends.
    void setDelim(const QString& fromVer);

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

    // The request lines with their needs and the free stock of their material
    // and paint (the production requests list; app_spec narrows it to one
    // product). 'where' narrows the lines; empty: every line. Without 'whole', only
    // what the production requests grid shows and the keys the reserve starts from.
    static QString appSpecSql(const QString& where, bool whole = true);

private:
    zdb::Query* query(const char* name, const QString& sql);
};

extern TDataModule6* DataModule6;

// A screen's own dataset or command, on the one connection.
zdb::Query* ownQuery(QObject* owner, const char* name, const QString& sql = {});
zdb::Command* ownCommand(QObject* owner, const char* name, const QString& sql = {});
