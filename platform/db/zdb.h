// Data access over ODBC: one connection, static client-side query results,
// commands and single-table editing. Everything the screens read is held in
// memory once opened; sorting, filtering and locating never go back to the server.
#pragma once

#include <QDate>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <stdexcept>
#include <vector>

namespace zdb {

// The one error type of the layer; what() and text() carry the database's own message.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text, const QString& state = {});
    const QString& text() const { return text_; }
    // SQLSTATE of the first diagnostic record, empty when the error is the layer's own.
    const QString& state() const { return state_; }

private:
    QString text_;
    QString state_;
};

// 'text' with every apostrophe doubled: the only way user text goes into SQL or a filter.
QString quoted(const QString& text);

// 'text' as a literal of a filter's like pattern: %, _, * and the escape
// character \ match themselves.
QString likeLiteral(const QString& text);

// A value for an ODBC connection string, always in braces with '}' doubled,
// so that ';' or '=' in a password changes no other option. (The PostgreSQL
// driver takes a login only as it stands: braces stay part of it, so a login
// is braced only when it holds such characters and could not log in anyway.)
QString connectionValue(const QString& value);

// How the workstation shows a value: decimals with a comma, dates DD.MM.YYYY,
// moments DD.MM.YYYY HH:MM:SS, booleans 1/0, null as empty text.
QString displayText(const QVariant& value);

class Connection;

// Commits on destruction only if commit() was called; otherwise rolls back.
// Nested guards join the outermost transaction.
class Transaction {
public:
    explicit Transaction(Connection& connection);
    ~Transaction();
    void commit();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

private:
    Connection& connection_;
    bool owner_ = false;
    bool done_ = false;
};

class Connection : public QObject {
    Q_OBJECT
public:
    explicit Connection(QObject* parent = nullptr);
    ~Connection() override;

    // Either an ODBC driver string ("DRIVER=...;SERVER=...") or the
    // "Provider=MSDASQL.1;Password=..;User ID=..;Data Source=.." form.
    void setConnectionString(const QString& cs);
    QString connectionString() const { return connectionString_; }
    // The string handed to the driver manager after mapping the provider form.
    static QString odbcConnectionString(const QString& cs);

    void open();
    void close();
    bool connected() const;

    // Statements run after every opening (a session's settings such as its timeouts).
    void setSessionSetup(const QString& sql) { sessionSetup_ = sql; }
    QString sessionSetup() const { return sessionSetup_; }

    // The server went away under a statement (restart, network, termination):
    // the connection is dropped, and the next statement first opens it again
    // with the same string, then refuses itself with a message asking to
    // repeat the action, since what the user did was not done.
    bool lost() const { return lost_; }
    // For the layer's sources: turns a failure into the error the user sees,
    // dropping the connection when it was lost.
    [[noreturn]] void fail(const DbError& e);
    // For the layer's sources: reconnects a lost connection (throws either way).
    void recover();

    void execute(const QString& sql);

    void beginTransaction();
    void commit();
    void rollback();
    bool inTransaction() const { return inTransaction_; }

    void* handle() const;  // SQLHDBC, for the datasets of this layer

signals:
    void aboutToClose();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    QString connectionString_;
    QString sessionSetup_;
    bool inTransaction_ = false;
    bool lost_ = false;
};

enum class FieldType { Text, Integer, Float, Date, DateTime, Boolean };

// A named parameter (":name" in the statement text). Values: QString, qlonglong/int,
// double, QDate, QDateTime, bool; an invalid QVariant is NULL.
struct Param {
    QString name;
    QVariant value;
};

class Params {
public:
    Param& byName(const QString& name);  // throws DbError for an unknown name
    const Param* find(const QString& name) const;
    std::vector<Param>& list() { return params_; }
    const std::vector<Param>& list() const { return params_; }
    void setNames(const QStringList& names);  // keeps values of names that stay

private:
    std::vector<Param> params_;
};

// Statement text split into pieces: names of parameters in order of appearance
// and the text with each ":name" replaced by "?". Quoted text, quoted identifiers,
// comments and "::" casts are left alone.
struct ParsedSql {
    QString text;
    QStringList occurrences;  // one per "?", may repeat
    QStringList names;        // distinct, in order of first appearance
};
ParsedSql parseSql(const QString& sql);

class Dataset;
struct FilterNode;

// Read access to one field of a dataset's current row.
class Field {
public:
    Field(const Dataset* ds, int column) : ds_(ds), col_(column) {}
    QVariant value() const;
    bool isNull() const;
    QString asString() const;   // displayText()
    qlonglong asInteger() const;  // 0 for null, truncates decimals, "1"/"0" text
    double asFloat() const;
    bool asBoolean() const;
    QDate asDate() const;
    QDateTime asDateTime() const;
    QString name() const;
    FieldType type() const;

private:
    const Dataset* ds_;
    int col_;
};

struct Column {
    QString name;
    FieldType type = FieldType::Text;
};

// Rows held in memory, seen through a view (filter, then sort); the cursor is a
// position in that view. Record numbers are 1-based as the screens count them.
class Dataset : public QObject {
    Q_OBJECT
public:
    enum class Change { Opened, Closed, RowMoved, Resorted, Refiltered, DataChanged };
    Q_ENUM(Change)

    explicit Dataset(Connection* connection, QObject* parent = nullptr);
    ~Dataset() override;

    Connection* connection() const { return connection_; }
    void setConnection(Connection* c) { connection_ = c; }

    void open();  // does nothing when already open
    void close();
    void reopen() { close(); open(); }
    bool active() const { return active_; }

    int recordCount() const;  // rows in the view
    bool isEmpty() const { return recordCount() == 0; }
    int recNo() const;        // 1-based, 0 when empty
    void setRecNo(int n);     // clamped to the view
    int currentRow() const { return pos_; }  // 0-based position in the view, -1 when empty
    void setCurrentRow(int row);
    void first();
    void last();
    void next();   // past the last row sets eof()
    void prior();
    bool eof() const { return eof_; }
    bool bof() const { return bof_; }

    int fieldCount() const { return int(columns_.size()); }
    const std::vector<Column>& columns() const { return columns_; }
    int fieldIndex(const QString& name) const;  // -1 when missing; case-insensitive
    Field fieldByName(const QString& name) const;  // throws DbError when missing
    Field field(int column) const { return Field(this, column); }

    // Cells of the view, for grids and lookups.
    QVariant value(int viewRow, int column) const;
    QString text(int viewRow, int column) const;

    // "a ASC, b DESC"; empty restores the server's order.
    void setSort(const QString& sort);
    QString sort() const { return sort_; }

    // Expressions like "s_caption like 'x%'", "id_nom=5", "tp_cnt>0 and marka like '%x%'".
    // A malformed expression throws DbError; the old filter stays.
    void setFilter(const QString& filter);
    QString filter() const { return filter_; }
    void setFiltered(bool on);
    bool filtered() const { return filtered_; }

    // Moves to the first row of the view whose fields equal the values; false leaves the cursor.
    bool locate(const QString& fields, const QVariantList& values, bool caseInsensitive = false,
                bool partialKey = false);
    bool locate(const QString& field, const QVariant& value) { return locate(field, QVariantList{value}); }

signals:
    void changed(zdb::Dataset::Change change);

protected:
    virtual void fetch() = 0;  // fills columns_ and rows_
    void resetData();
    void rebuildView();
    void moveTo(int row, bool notify = true);
    void setRowValue(int storeRow, int column, const QVariant& v);
    int storeRow(int viewRow) const;

    Connection* connection_;
    std::vector<Column> columns_;
    std::vector<std::vector<QVariant>> rows_;

private:
    friend class Field;
    friend struct DatasetAccess;
    const QString& folded(int storeRow, int column) const;
    const std::vector<int>& ranks(int column) const;

    bool active_ = false;
    std::vector<int> view_;
    int pos_ = -1;
    bool eof_ = true;
    bool bof_ = true;
    QString sort_;
    QString filter_;
    bool filtered_ = false;
    std::shared_ptr<FilterNode> filterTree_;
    mutable std::vector<std::vector<QString>> foldCache_;  // per column, lazily
    mutable std::vector<std::vector<int>> rankCache_;      // sort order of each row per column, lazily
};

// A read statement with parameters. Opening runs it and fetches every row.
class Query : public Dataset {
    Q_OBJECT
public:
    explicit Query(Connection* connection, QObject* parent = nullptr);

    void setSql(const QString& sql);
    QString sql() const { return sql_; }
    void clearSql();             // the "Control" way: clear, then add
    void addSql(const QString& line);
    Params& params() { return params_; }
    Param& paramByName(const QString& name) { return params_.byName(name); }
    void setParam(const QString& name, const QVariant& value) { params_.byName(name).value = value; }

protected:
    void fetch() override;

private:
    QString sql_;
    Params params_;
};

// Writes that must say what they wrote, asked as a query so the answer comes back
// through the driver (a bare "... returning id" statement does not).
// The number of rows an UPDATE or DELETE 'sql' wrote.
int rowsWritten(Connection& connection, const QString& sql);
// The key of the one row an INSERT 'sql' added (0 when it added none).
qlonglong insertedId(Connection& connection, const QString& sql);

// A statement run for its effect.
class Command : public QObject {
    Q_OBJECT
public:
    explicit Command(Connection* connection, QObject* parent = nullptr);
    void setText(const QString& sql);
    QString text() const { return sql_; }
    Params& params() { return params_; }
    void setParam(const QString& name, const QVariant& value) { params_.byName(name).value = value; }
    void execute();
    // Convenience for one-off statements.
    void execute(const QString& sql) { setText(sql); execute(); }

private:
    Connection* connection_;
    QString sql_;
    Params params_;
};

// Every row of one table, editable row by row.
class Table : public Dataset {
    Q_OBJECT
public:
    explicit Table(Connection* connection, const QString& tableName = {}, QObject* parent = nullptr);
    void setTableName(const QString& name) { table_ = name; }
    QString tableName() const { return table_; }

    void edit();
    void setFieldValue(const QString& field, const QVariant& value);
    void post();    // writes the changed fields of the edited row
    void cancel();
    bool editing() const { return editing_; }

protected:
    void fetch() override;

private:
    QString table_;
    bool editing_ = false;
    std::vector<QVariant> original_;
    std::vector<QVariant> edited_;
};

}  // namespace zdb
