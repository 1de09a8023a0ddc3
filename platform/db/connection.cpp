#include "odbc_util.h"

#include <QRegularExpression>

#include <malloc.h>

namespace zdb {

DbError::DbError(const QString& text, const QString& state)
    : std::runtime_error(text.toStdString()), text_(text), state_(state) {}

QString connectionValue(const QString& value) {
    QString v = value;
    v.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + v + QLatin1Char('}');
}

namespace odbc {

QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, QString* firstState) {
    QStringList parts;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLWCHAR state[6];
        SQLINTEGER native = 0;
        SQLWCHAR msg[4096];
        SQLSMALLINT len = 0;
        SQLRETURN rc = SQLGetDiagRecW(handleType, handle, i, state, &native, msg, SQLSMALLINT(std::size(msg)), &len);
        if (!SQL_SUCCEEDED(rc)) break;
        if (i == 1 && firstState) *firstState = QString::fromUtf16(reinterpret_cast<const char16_t*>(state), 5);
        len = std::min<SQLSMALLINT>(len, SQLSMALLINT(std::size(msg) - 1));
        QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(msg), len).trimmed();
        // The driver manager's and driver's bracketed names mean nothing to a user.
        static const QRegularExpression brackets(QStringLiteral("^(\\[[^\\]]*\\])+\\s*"));
        text.remove(brackets);
        if (!text.isEmpty() && !parts.contains(text)) parts << text;
    }
    return parts.join(QLatin1Char('\n'));
}

void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* what) {
    if (SQL_SUCCEEDED(rc) || rc == SQL_NO_DATA) return;
    QString state;
    QString text = handle ? diagnostics(handleType, handle, &state) : QString();
    if (text.isEmpty()) text = QStringLiteral("Ошибка ODBC (%1)").arg(QLatin1String(what));
    throw DbError(text, state);
}

Statement::Statement(Connection* c) {
    if (c && c->lost()) c->recover();
    if (!c || !c->connected()) throw DbError(QStringLiteral("Нет подключения к базе данных"));
    SQLHDBC dbc = static_cast<SQLHDBC>(c->handle());
    check(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &h), SQL_HANDLE_DBC, dbc, "SQLAllocHandle");
}

Statement::~Statement() {
    if (h != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, h);
}

}  // namespace odbc

namespace {

SQLHENV environment() {
    static SQLHENV env = [] {
        SQLHENV e = SQL_NULL_HENV;
        if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &e)))
            throw DbError(QStringLiteral("Не удалось инициализировать ODBC"));
        SQLSetEnvAttr(e, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
        return e;
    }();
    return env;
}

// Splits "a=1;b=2" into pairs, honouring ODBC's {braced} values.
QList<std::pair<QString, QString>> splitPairs(const QString& cs) {
    QList<std::pair<QString, QString>> out;
    int i = 0;
    const int n = int(cs.size());
    while (i < n) {
        int eq = int(cs.indexOf(QLatin1Char('='), i));
        if (eq < 0) break;
        QString key = cs.mid(i, eq - i).trimmed();
        QString value;
        int j = eq + 1;
        if (j < n && cs[j] == QLatin1Char('{')) {
            ++j;
            while (j < n) {
                if (cs[j] == QLatin1Char('}')) {
                    if (j + 1 < n && cs[j + 1] == QLatin1Char('}')) { value += QLatin1Char('}'); j += 2; continue; }
                    ++j;
                    break;
                }
                value += cs[j++];
            }
            int semi = int(cs.indexOf(QLatin1Char(';'), j));
            i = semi < 0 ? n : semi + 1;
        } else {
            int semi = int(cs.indexOf(QLatin1Char(';'), j));
            value = cs.mid(j, (semi < 0 ? n : semi) - j);
            i = semi < 0 ? n : semi + 1;
        }
        if (!key.isEmpty()) out.append({key, value});
    }
    return out;
}

QString braced(const QString& v) {
    if (!v.contains(QRegularExpression(QStringLiteral("[;{}=\\s]")))) return v;
    QString b = v;
    b.replace(QLatin1Char('}'), QStringLiteral("}}"));
    return QLatin1Char('{') + b + QLatin1Char('}');
}

}  // namespace

struct Connection::Impl {
    SQLHDBC dbc = SQL_NULL_HDBC;
};

namespace {
// Lists are read whole, cell by cell, and dropped at every reopen. By default
// glibc hands such memory back to the system at once and faults it in again
// at the next reading, which doubled the time of opening a list of 100,000
// request lines; the process keeps it instead.
void keepFreedMemory() {
    static const bool done = [] {
        mallopt(M_MMAP_THRESHOLD, 32 << 20);
        mallopt(M_TRIM_THRESHOLD, 1 << 30);
        return true;
    }();
    (void)done;
}
}  // namespace

Connection::Connection(QObject* parent) : QObject(parent), d(std::make_unique<Impl>()) { keepFreedMemory(); }

Connection::~Connection() {
    try { close(); } catch (...) {}
}

void Connection::setConnectionString(const QString& cs) { connectionString_ = cs; }

QString Connection::odbcConnectionString(const QString& cs) {
    const auto pairs = splitPairs(cs);
    bool provider = false;
    for (const auto& [k, v] : pairs)
        if (k.compare(QLatin1String("Provider"), Qt::CaseInsensitive) == 0) provider = true;
    if (!provider) return cs;
    // The OLE DB provider form names a data source; the driver manager wants DSN/UID/PWD.
    QStringList out;
    for (const auto& [k, v] : pairs) {
        if (k.compare(QLatin1String("Data Source"), Qt::CaseInsensitive) == 0) out << QStringLiteral("DSN=") + braced(v);
        else if (k.compare(QLatin1String("User ID"), Qt::CaseInsensitive) == 0) out << QStringLiteral("UID=") + braced(v);
        else if (k.compare(QLatin1String("Password"), Qt::CaseInsensitive) == 0) out << QStringLiteral("PWD=") + connectionValue(v);
        else if (k.compare(QLatin1String("Provider"), Qt::CaseInsensitive) == 0 ||
                 k.compare(QLatin1String("Persist Security Info"), Qt::CaseInsensitive) == 0) continue;
        else out << k + QLatin1Char('=') + braced(v);
    }
    return out.join(QLatin1Char(';'));
}

void Connection::open() {
    if (connected()) return;
    SQLHENV env = environment();
    SQLHDBC dbc = SQL_NULL_HDBC;
    odbc::check(SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc), SQL_HANDLE_ENV, env, "SQLAllocHandle");
    SQLSetConnectAttr(dbc, SQL_ATTR_LOGIN_TIMEOUT, reinterpret_cast<SQLPOINTER>(10), 0);
    std::u16string cs = odbc::wide(odbcConnectionString(connectionString_));
    SQLWCHAR out[2048];
    SQLSMALLINT outLen = 0;
    SQLRETURN rc = SQLDriverConnectW(dbc, nullptr, odbc::wptr(cs), SQLSMALLINT(cs.size()), out,
                                     SQLSMALLINT(std::size(out)), &outLen, SQL_DRIVER_NOPROMPT);
    if (!SQL_SUCCEEDED(rc)) {
        QString text = odbc::diagnostics(SQL_HANDLE_DBC, dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, dbc);
        throw DbError(text.isEmpty() ? QStringLiteral("Не удалось подключиться к базе данных") : text);
    }
    d->dbc = dbc;
    inTransaction_ = false;
    lost_ = false;
    if (!sessionSetup_.trimmed().isEmpty()) {
        try {
            execute(sessionSetup_);
        } catch (...) {
            close();
            throw;
        }
    }
}

namespace {

// The server or the way to it is gone: 08 is the class of connection
// exceptions, 57P01..57P03 a server shutting down or restarting.
bool connectionLostState(const QString& s) {
    return s.startsWith(QLatin1String("08")) || s == QLatin1String("57P01") || s == QLatin1String("57P02") ||
           s == QLatin1String("57P03");
}

}  // namespace

void Connection::fail(const DbError& e) {
    const QString& s = e.state();
    if (connectionLostState(s) && d->dbc) {
        // The handle is of no further use; a transaction on it is gone with the session.
        SQLDisconnect(d->dbc);
        SQLFreeHandle(SQL_HANDLE_DBC, d->dbc);
        d->dbc = SQL_NULL_HDBC;
        inTransaction_ = false;
        lost_ = true;
        throw DbError(QStringLiteral("Соединение с базой данных потеряно. Следующее действие восстановит его.\n") + e.text(), s);
    }
    if (s == QLatin1String("57014"))
        throw DbError(QStringLiteral("Запрос выполнялся слишком долго и прерван; ничего не изменено.\n") + e.text(), s);
    if (s == QLatin1String("55P03"))
        throw DbError(QStringLiteral("Данные заняты другим пользователем; ничего не изменено, повторите позже.\n") + e.text(), s);
    throw e;
}

void Connection::recover() {
    if (!lost_) return;
    try {
        open();
    } catch (const DbError& e) {
        throw DbError(QStringLiteral("Нет соединения с базой данных.\n") + e.text(), e.state());
    }
    throw DbError(QStringLiteral("Соединение с базой данных восстановлено. Повторите действие."));
}

void Connection::close() {
    lost_ = false;
    if (!d->dbc) return;
    emit aboutToClose();
    if (inTransaction_) SQLEndTran(SQL_HANDLE_DBC, d->dbc, SQL_ROLLBACK);
    inTransaction_ = false;
    SQLDisconnect(d->dbc);
    SQLFreeHandle(SQL_HANDLE_DBC, d->dbc);
    d->dbc = SQL_NULL_HDBC;
}

bool Connection::connected() const { return d->dbc != SQL_NULL_HDBC; }

void* Connection::handle() const { return d->dbc; }

void Connection::execute(const QString& sql) {
    Command c(this);
    c.execute(sql);
}

void Connection::beginTransaction() {
    if (lost_) recover();
    if (!connected()) throw DbError(QStringLiteral("Нет подключения к базе данных"));
    if (inTransaction_) return;
    odbc::check(SQLSetConnectAttr(d->dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
                SQL_HANDLE_DBC, d->dbc, "SQL_AUTOCOMMIT_OFF");
    inTransaction_ = true;
}

void Connection::commit() {
    if (!inTransaction_) return;
    SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, d->dbc, SQL_COMMIT);
    QString state;
    QString err = SQL_SUCCEEDED(rc) ? QString() : odbc::diagnostics(SQL_HANDLE_DBC, d->dbc, &state);
    if (!SQL_SUCCEEDED(rc)) SQLEndTran(SQL_HANDLE_DBC, d->dbc, SQL_ROLLBACK);
    SQLSetConnectAttr(d->dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    inTransaction_ = false;
    if (!SQL_SUCCEEDED(rc)) fail(DbError(err.isEmpty() ? QStringLiteral("Ошибка фиксации транзакции") : err, state));
}

void Connection::rollback() {
    if (!inTransaction_ || !d->dbc) return;
    SQLEndTran(SQL_HANDLE_DBC, d->dbc, SQL_ROLLBACK);
    SQLSetConnectAttr(d->dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0);
    inTransaction_ = false;
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
    if (!connection_.inTransaction()) {
        connection_.beginTransaction();
        owner_ = true;
    }
}

Transaction::~Transaction() {
    if (owner_ && !done_) connection_.rollback();
}

void Transaction::commit() {
    if (owner_ && !done_) connection_.commit();
    done_ = true;
}

}  // namespace zdb
