#include "odbc_util.h"

#include <cstring>

namespace zdb {

// ---- statement text --------------------------------------------------------

ParsedSql parseSql(const QString& sql) {
    ParsedSql out;
    out.text.reserve(sql.size());
    const qsizetype n = sql.size();
    auto identChar = [](QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); };
    for (qsizetype i = 0; i < n;) {
        const QChar c = sql[i];
        if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // Quoted text and identifiers pass through whole; a doubled quote stays inside.
            qsizetype j = i + 1;
            while (j < n) {
                if (sql[j] == c) {
                    if (j + 1 < n && sql[j + 1] == c) { j += 2; continue; }
                    ++j;
                    break;
                }
                ++j;
            }
            out.text += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('-') && i + 1 < n && sql[i + 1] == QLatin1Char('-')) {
            qsizetype j = sql.indexOf(QLatin1Char('\n'), i);
            if (j < 0) j = n;
            out.text += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char('/') && i + 1 < n && sql[i + 1] == QLatin1Char('*')) {
            qsizetype j = sql.indexOf(QStringLiteral("*/"), i + 2);
            j = j < 0 ? n : j + 2;
            out.text += sql.mid(i, j - i);
            i = j;
        } else if (c == QLatin1Char(':') && i + 1 < n && sql[i + 1] == QLatin1Char(':')) {
            out.text += QStringLiteral("::");
            i += 2;
        } else if (c == QLatin1Char(':') && i + 1 < n && (sql[i + 1].isLetter() || sql[i + 1] == QLatin1Char('_')) &&
                   !(i > 0 && identChar(sql[i - 1]))) {
            qsizetype j = i + 1;
            while (j < n && identChar(sql[j])) ++j;
            const QString name = sql.mid(i + 1, j - i - 1);
            out.occurrences << name;
            bool known = false;
            for (const QString& x : out.names) known = known || x.compare(name, Qt::CaseInsensitive) == 0;
            if (!known) out.names << name;
            out.text += QLatin1Char('?');
            i = j;
        } else {
            out.text += c;
            ++i;
        }
    }
    return out;
}

namespace odbc {

SQLRETURN executeParsed(SQLHSTMT h, const ParsedSql& parsed, const Params& params, BoundParams& b) {
    const size_t count = size_t(parsed.occurrences.size());
    // Pointers into these vectors go to the driver: no reallocation after this point.
    b.texts.reserve(count);
    b.indicators.reserve(count);
    b.dates.reserve(count);
    b.stamps.reserve(count);
    b.ints.reserve(count);
    b.doubles.reserve(count);
    b.numbers.reserve(count);
    for (size_t i = 0; i < count; ++i) {
        const QString& name = parsed.occurrences[qsizetype(i)];
        const Param* p = params.find(name);
        if (!p) throw DbError(QStringLiteral("Параметр «%1» не задан").arg(name));
        const QVariant& v = p->value;
        const SQLUSMALLINT no = SQLUSMALLINT(i + 1);
        SQLRETURN rc;
        if (!v.isValid() || v.isNull()) {
            b.indicators.push_back(SQL_NULL_DATA);
            rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_VARCHAR, 1, 0, nullptr, 0, &b.indicators.back());
        } else {
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::LongLong:
            case QMetaType::ULongLong:
            case QMetaType::Long:
            case QMetaType::Short:
                b.ints.push_back(v.toLongLong());
                b.indicators.push_back(0);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_SBIGINT, SQL_BIGINT, 0, 0, &b.ints.back(), 0, &b.indicators.back());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                b.doubles.push_back(v.toDouble());
                b.indicators.push_back(0);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_DOUBLE, SQL_DOUBLE, 0, 0, &b.doubles.back(), 0, &b.indicators.back());
                break;
            case QMetaType::QByteArray: {
                // A decimal read from a numeric column goes back with every digit.
                b.numbers.push_back(v.toByteArray().toStdString());
                std::string& t = b.numbers.back();
                const size_t point = t.find('.');
                const SQLSMALLINT scale = point == std::string::npos ? 0 : SQLSMALLINT(t.size() - point - 1);
                b.indicators.push_back(SQL_NTS);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_NUMERIC, std::max<SQLULEN>(t.size(), 1), scale,
                                      t.data(), SQLLEN(t.size() + 1), &b.indicators.back());
                break;
            }
            case QMetaType::Bool:
                b.numbers.push_back(v.toBool() ? "1" : "0");
                b.indicators.push_back(SQL_NTS);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_CHAR, SQL_BIT, 1, 0, b.numbers.back().data(), 2, &b.indicators.back());
                break;
            case QMetaType::QDate: {
                QDate d = v.toDate();
                b.dates.push_back(SQL_DATE_STRUCT{SQLSMALLINT(d.year()), SQLUSMALLINT(d.month()), SQLUSMALLINT(d.day())});
                b.indicators.push_back(0);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_TYPE_DATE, SQL_TYPE_DATE, 10, 0, &b.dates.back(), 0, &b.indicators.back());
                break;
            }
            case QMetaType::QDateTime: {
                QDateTime t = v.toDateTime();
                QDate d = t.date();
                QTime tm = t.time();
                b.stamps.push_back(SQL_TIMESTAMP_STRUCT{SQLSMALLINT(d.year()), SQLUSMALLINT(d.month()), SQLUSMALLINT(d.day()),
                                                        SQLUSMALLINT(tm.hour()), SQLUSMALLINT(tm.minute()), SQLUSMALLINT(tm.second()), 0});
                b.indicators.push_back(0);
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_TYPE_TIMESTAMP, SQL_TYPE_TIMESTAMP, 19, 0, &b.stamps.back(), 0,
                                      &b.indicators.back());
                break;
            }
            default: {
                b.texts.push_back(wide(v.toString()));
                std::u16string& s = b.texts.back();
                b.indicators.push_back(SQLLEN(s.size() * sizeof(char16_t)));
                rc = SQLBindParameter(h, no, SQL_PARAM_INPUT, SQL_C_WCHAR, SQL_WVARCHAR, std::max<SQLULEN>(s.size(), 1), 0,
                                      wptr(s), SQLLEN(s.size() * sizeof(char16_t)), &b.indicators.back());
                break;
            }
            }
        }
        check(rc, SQL_HANDLE_STMT, h, "SQLBindParameter");
    }
    std::u16string text = wide(parsed.text);
    SQLRETURN rc = SQLExecDirectW(h, wptr(text), SQLINTEGER(text.size()));
    check(rc, SQL_HANDLE_STMT, h, "SQLExecDirect");
    return rc;
}

}  // namespace odbc

namespace {

// Consumes the results after the first, so that a fault in a later statement
// of a multi-statement text is reported rather than lost.
void drainResults(SQLHSTMT h) {
    while (true) {
        SQLRETURN rc = SQLMoreResults(h);
        if (rc == SQL_NO_DATA) return;
        odbc::check(rc, SQL_HANDLE_STMT, h, "SQLMoreResults");
    }
}

FieldType mapType(SQLSMALLINT sqlType, const QString& typeName) {
    if (typeName.compare(QLatin1String("bool"), Qt::CaseInsensitive) == 0) return FieldType::Boolean;
    switch (sqlType) {
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_TINYINT:
        return FieldType::Integer;
    case SQL_NUMERIC:
    case SQL_DECIMAL:
    case SQL_FLOAT:
    case SQL_REAL:
    case SQL_DOUBLE:
        return FieldType::Float;
    case SQL_TYPE_DATE:
    case SQL_DATE:
        return FieldType::Date;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
        return FieldType::DateTime;
    case SQL_BIT:
        return FieldType::Boolean;
    default:
        return FieldType::Text;
    }
}

struct Binding {
    SQLSMALLINT cType = SQL_C_WCHAR;
    SQLLEN elemBytes = 0;
    bool decimal = false;  // numeric/decimal read as its text, never through a double
    std::vector<char> buffer;
    std::vector<SQLLEN> ind;
};

// Text (or a decimal's digits) longer than its bound buffer, read whole in pieces.
QByteArray readWhole(SQLHSTMT h, SQLULEN row, SQLUSMALLINT column, SQLSMALLINT cType) {
    odbc::check(SQLSetPos(h, SQLSETPOSIROW(row + 1), SQL_POSITION, SQL_LOCK_NO_CHANGE), SQL_HANDLE_STMT, h, "SQLSetPos");
    QByteArray out;
    const SQLLEN unit = cType == SQL_C_WCHAR ? SQLLEN(sizeof(SQLWCHAR)) : 1;
    std::vector<char> piece(size_t(64 * 1024));
    while (true) {
        SQLLEN ind = 0;
        SQLRETURN rc = SQLGetData(h, column, cType, piece.data(), SQLLEN(piece.size()), &ind);
        if (rc == SQL_NO_DATA) break;
        odbc::check(rc, SQL_HANDLE_STMT, h, "SQLGetData");
        if (ind == SQL_NULL_DATA) return {};
        // Each piece but the last fills the buffer less its terminator.
        const SQLLEN room = SQLLEN(piece.size()) - unit;
        const SQLLEN got = (ind == SQL_NO_TOTAL || ind > room) ? room : ind;
        out.append(piece.data(), qsizetype(got));
        if (rc == SQL_SUCCESS) break;
    }
    return out;
}

// Fetches the current result set of h into columns/rows with block cursors.
void fetchResult(SQLHSTMT h, std::vector<Column>& columns, std::vector<std::vector<QVariant>>& rows) {
    SQLSMALLINT ncols = 0;
    odbc::check(SQLNumResultCols(h, &ncols), SQL_HANDLE_STMT, h, "SQLNumResultCols");
    std::vector<Binding> binds;
    binds.resize(size_t(ncols));
    SQLLEN rowBytes = 0;
    for (SQLSMALLINT c = 1; c <= ncols; ++c) {
        SQLWCHAR name[256];
        SQLSMALLINT nameLen = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        odbc::check(SQLDescribeColW(h, SQLUSMALLINT(c), name, SQLSMALLINT(std::size(name)), &nameLen, &type, &size, &digits, &nullable),
                    SQL_HANDLE_STMT, h, "SQLDescribeCol");
        SQLWCHAR tname[64];
        SQLSMALLINT tlen = 0;
        SQLColAttributeW(h, SQLUSMALLINT(c), SQL_DESC_TYPE_NAME, tname, sizeof(tname), &tlen, nullptr);
        const QString typeName = QString::fromUtf16(reinterpret_cast<const char16_t*>(tname), tlen / SQLSMALLINT(sizeof(SQLWCHAR)));
        Column col;
        col.name = QString::fromUtf16(reinterpret_cast<const char16_t*>(name), std::min<SQLSMALLINT>(nameLen, 255));
        col.type = mapType(type, typeName);
        columns.push_back(col);
        Binding& b = binds[size_t(c - 1)];
        switch (col.type) {
        case FieldType::Integer: b.cType = SQL_C_SBIGINT; b.elemBytes = sizeof(SQLBIGINT); break;
        case FieldType::Float:
            if (type == SQL_NUMERIC || type == SQL_DECIMAL) {
                b.cType = SQL_C_CHAR;
                b.decimal = true;
                b.elemBytes = 64;
            } else {
                b.cType = SQL_C_DOUBLE;
                b.elemBytes = sizeof(double);
            }
            break;
        case FieldType::Date: b.cType = SQL_C_TYPE_DATE; b.elemBytes = sizeof(SQL_DATE_STRUCT); break;
        case FieldType::DateTime: b.cType = SQL_C_TYPE_TIMESTAMP; b.elemBytes = sizeof(SQL_TIMESTAMP_STRUCT); break;
        case FieldType::Boolean: b.cType = SQL_C_CHAR; b.elemBytes = 8; break;
        case FieldType::Text: {
            SQLULEN chars = (size == 0 || size > 8190) ? 8190 : size;
            b.cType = SQL_C_WCHAR;
            b.elemBytes = SQLLEN((chars + 1) * sizeof(SQLWCHAR));
            break;
        }
        }
        rowBytes += b.elemBytes + SQLLEN(sizeof(SQLLEN));
    }
    if (ncols == 0) return;
    const SQLULEN arraySize = std::clamp<SQLULEN>(SQLULEN((4 << 20) / std::max<SQLLEN>(rowBytes, 1)), 1, 1024);
    SQLULEN fetched = 0;
    std::vector<SQLUSMALLINT> status(arraySize);
    SQLSetStmtAttr(h, SQL_ATTR_ROW_BIND_TYPE, reinterpret_cast<SQLPOINTER>(SQL_BIND_BY_COLUMN), 0);
    odbc::check(SQLSetStmtAttr(h, SQL_ATTR_ROW_ARRAY_SIZE, reinterpret_cast<SQLPOINTER>(arraySize), 0), SQL_HANDLE_STMT, h, "ROW_ARRAY_SIZE");
    SQLSetStmtAttr(h, SQL_ATTR_ROWS_FETCHED_PTR, &fetched, 0);
    SQLSetStmtAttr(h, SQL_ATTR_ROW_STATUS_PTR, status.data(), 0);
    for (SQLSMALLINT c = 1; c <= ncols; ++c) {
        Binding& b = binds[size_t(c - 1)];
        b.buffer.resize(size_t(b.elemBytes) * arraySize);
        b.ind.resize(arraySize);
        odbc::check(SQLBindCol(h, SQLUSMALLINT(c), b.cType, b.buffer.data(), b.elemBytes, b.ind.data()), SQL_HANDLE_STMT, h, "SQLBindCol");
    }
    while (true) {
        SQLRETURN rc = SQLFetch(h);
        if (rc == SQL_NO_DATA) break;
        odbc::check(rc, SQL_HANDLE_STMT, h, "SQLFetch");
        for (SQLULEN r = 0; r < fetched; ++r) {
            if (status[r] == SQL_ROW_ERROR || status[r] == SQL_ROW_NOROW) continue;
            std::vector<QVariant> row;
            row.resize(size_t(ncols));
            for (SQLSMALLINT c = 0; c < ncols; ++c) {
                const Binding& b = binds[size_t(c)];
                const SQLLEN ind = b.ind[r];
                if (ind == SQL_NULL_DATA) continue;
                const char* p = b.buffer.data() + size_t(b.elemBytes) * r;
                QVariant& v = row[size_t(c)];
                switch (columns[size_t(c)].type) {
                case FieldType::Integer: { SQLBIGINT x; std::memcpy(&x, p, sizeof x); v = qlonglong(x); break; }
                case FieldType::Float: {
                    if (b.decimal) {
                        QByteArray digits = (ind == SQL_NO_TOTAL || ind >= b.elemBytes)
                                                ? readWhole(h, r, SQLUSMALLINT(c + 1), SQL_C_CHAR)
                                                : QByteArray(p, qsizetype(ind));
                        v = digits.trimmed();
                    } else {
                        double x;
                        std::memcpy(&x, p, sizeof x);
                        v = x;
                    }
                    break;
                }
                case FieldType::Date: {
                    SQL_DATE_STRUCT d; std::memcpy(&d, p, sizeof d);
                    v = QDate(d.year, d.month, d.day);
                    break;
                }
                case FieldType::DateTime: {
                    SQL_TIMESTAMP_STRUCT t; std::memcpy(&t, p, sizeof t);
                    v = QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, int(t.fraction / 1000000)));
                    break;
                }
                case FieldType::Boolean: v = (p[0] == '1' || p[0] == 't' || p[0] == 'T' || p[0] == '-'); break;
                case FieldType::Text: {
                    const SQLLEN room = b.elemBytes - SQLLEN(sizeof(SQLWCHAR));
                    if (ind == SQL_NO_TOTAL || ind > room) {
                        const QByteArray whole = readWhole(h, r, SQLUSMALLINT(c + 1), SQL_C_WCHAR);
                        v = QString::fromUtf16(reinterpret_cast<const char16_t*>(whole.constData()), whole.size() / qsizetype(sizeof(SQLWCHAR)));
                    } else {
                        v = QString::fromUtf16(reinterpret_cast<const char16_t*>(p), ind / SQLLEN(sizeof(SQLWCHAR)));
                    }
                    break;
                }
                }
            }
            rows.push_back(std::move(row));
        }
    }
    SQLSetStmtAttr(h, SQL_ATTR_ROWS_FETCHED_PTR, nullptr, 0);
    SQLSetStmtAttr(h, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
}

void runAndFetchOn(Connection* conn, const QString& sql, const Params& params, std::vector<Column>& columns,
                   std::vector<std::vector<QVariant>>& rows) {
    odbc::Statement st(conn);
    odbc::BoundParams buffers;
    odbc::executeParsed(st.h, parseSql(sql), params, buffers);
    // The first result that has columns is the one read.
    while (true) {
        SQLSMALLINT ncols = 0;
        odbc::check(SQLNumResultCols(st.h, &ncols), SQL_HANDLE_STMT, st.h, "SQLNumResultCols");
        if (ncols > 0) {
            fetchResult(st.h, columns, rows);
            break;
        }
        SQLRETURN rc = SQLMoreResults(st.h);
        if (rc == SQL_NO_DATA) return;
        odbc::check(rc, SQL_HANDLE_STMT, st.h, "SQLMoreResults");
    }
    drainResults(st.h);
}

void runAndFetch(Connection* conn, const QString& sql, const Params& params, std::vector<Column>& columns,
                 std::vector<std::vector<QVariant>>& rows) {
    odbc::onConnection(conn, [&] { runAndFetchOn(conn, sql, params, columns, rows); });
}

}  // namespace

// ---- Query -----------------------------------------------------------------

Query::Query(Connection* connection, QObject* parent) : Dataset(connection, parent) {}

void Query::setSql(const QString& sql) {
    if (active()) close();
    sql_ = sql;
    params_.setNames(parseSql(sql_).names);
}

void Query::clearSql() { setSql(QString()); }

void Query::addSql(const QString& line) {
    setSql(sql_.isEmpty() ? line : sql_ + QLatin1Char('\n') + line);
}

void Query::fetch() {
    if (sql_.trimmed().isEmpty()) throw DbError(QStringLiteral("Текст запроса пуст"));
    runAndFetch(connection_, sql_, params_, columns_, rows_);
}

// ---- Command ---------------------------------------------------------------

Command::Command(Connection* connection, QObject* parent) : QObject(parent), connection_(connection) {}

void Command::setText(const QString& sql) {
    sql_ = sql;
    params_.setNames(parseSql(sql_).names);
}

void Command::execute() {
    if (sql_.trimmed().isEmpty()) throw DbError(QStringLiteral("Текст команды пуст"));
    odbc::onConnection(connection_, [&] {
        odbc::Statement st(connection_);
        odbc::BoundParams buffers;
        odbc::executeParsed(st.h, parseSql(sql_), params_, buffers);
        drainResults(st.h);
    });
}

// ---- Table -----------------------------------------------------------------

Table::Table(Connection* connection, const QString& tableName, QObject* parent) : Dataset(connection, parent), table_(tableName) {}

void Table::fetch() {
    if (table_.trimmed().isEmpty()) throw DbError(QStringLiteral("Не задано имя таблицы"));
    editing_ = false;
    runAndFetch(connection_, QStringLiteral("select * from ") + table_, Params(), columns_, rows_);
}

void Table::edit() {
    if (!active() || currentRow() < 0) throw DbError(QStringLiteral("Нет записи для изменения"));
    original_.clear();
    for (int c = 0; c < fieldCount(); ++c) original_.push_back(value(currentRow(), c));
    edited_ = original_;
    editing_ = true;
}

void Table::setFieldValue(const QString& field, const QVariant& v) {
    if (!editing_) edit();
    fieldByName(field);  // an unknown name is an error
    edited_.at(size_t(fieldIndex(field))) = v;
}

void Table::cancel() { editing_ = false; }

void Table::post() {
    if (!editing_) return;
    QStringList sets, where;
    Params params;
    QStringList names;
    std::vector<QVariant> values;
    for (int c = 0; c < fieldCount(); ++c) {
        if (edited_[size_t(c)] == original_[size_t(c)]) continue;
        const QString p = QStringLiteral("s%1").arg(c);
        sets << QStringLiteral("\"%1\" = :%2").arg(columns_[size_t(c)].name, p);
        names << p;
        values.push_back(edited_[size_t(c)]);
    }
    if (sets.isEmpty()) { editing_ = false; return; }
    // The row is found by its key and the original values of the changed fields
    // (without a key, by all of its values), so that a change another workstation
    // made to the same fields in between is refused instead of overwritten.
    const int idCol = fieldIndex(QStringLiteral("id"));
    for (int c = 0; c < fieldCount(); ++c) {
        if (idCol >= 0 && c != idCol && edited_[size_t(c)] == original_[size_t(c)]) continue;
        const QVariant& o = original_[size_t(c)];
        if (!o.isValid() || o.isNull()) { where << QStringLiteral("\"%1\" is null").arg(columns_[size_t(c)].name); continue; }
        const QString p = QStringLiteral("w%1").arg(c);
        where << QStringLiteral("\"%1\" = :%2").arg(columns_[size_t(c)].name, p);
        names << p;
        values.push_back(o);
    }
    const QString sql = QStringLiteral("update %1 set %2 where %3").arg(table_, sets.join(QStringLiteral(", ")), where.join(QStringLiteral(" and ")));
    params.setNames(names);
    for (int i = 0; i < names.size(); ++i) params.byName(names[i]).value = values[size_t(i)];
    SQLLEN affected = 0;
    odbc::onConnection(connection_, [&] {
        odbc::Statement st(connection_);
        odbc::BoundParams buffers;
        const SQLRETURN rc = odbc::executeParsed(st.h, parseSql(sql), params, buffers);
        if (rc != SQL_NO_DATA) SQLRowCount(st.h, &affected);
        drainResults(st.h);
    });
    if (affected == 0) throw DbError(QStringLiteral("Запись таблицы %1 изменена или удалена другим пользователем").arg(table_));
    for (int c = 0; c < fieldCount(); ++c) setRowValue(storeRow(currentRow()), c, edited_[size_t(c)]);
    editing_ = false;
    emit changed(Change::DataChanged);
}

int rowsWritten(Connection& connection, const QString& sql) {
    Query q(&connection);
    q.setSql(QStringLiteral("with written as (") + sql + QStringLiteral(" returning 1) select count(*) as n from written"));
    q.open();
    return int(q.fieldByName(QStringLiteral("n")).asInteger());
}

qlonglong insertedId(Connection& connection, const QString& sql) {
    Query q(&connection);
    q.setSql(QStringLiteral("with added as (") + sql + QStringLiteral(" returning id) select id from added"));
    q.open();
    return q.isEmpty() ? 0 : q.fieldByName(QStringLiteral("id")).asInteger();
}

}  // namespace zdb
