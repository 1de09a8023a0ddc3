// Internal helpers shared by the ODBC-facing sources of the data layer.
#pragma once

#include "zdb.h"

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

namespace zdb::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the layer assumes UTF-16 SQLWCHAR");

inline std::u16string wide(const QString& s) {
    return std::u16string(reinterpret_cast<const char16_t*>(s.utf16()), size_t(s.size()));
}
inline SQLWCHAR* wptr(std::u16string& s) { return reinterpret_cast<SQLWCHAR*>(s.data()); }

// The diagnostic records of a handle, joined; the database's own text comes first.
// 'state' receives the SQLSTATE of the first record.
QString diagnostics(SQLSMALLINT handleType, SQLHANDLE handle, QString* state = nullptr);

// Throws DbError with the diagnostics when rc is an error.
void check(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, const char* what);

// A statement handle that frees itself.
// Opening one on a lost connection reconnects it first (and throws).
class Statement {
public:
    explicit Statement(Connection* c);
    ~Statement();
    SQLHSTMT h = SQL_NULL_HSTMT;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
};

// Binds the parameters of a parsed statement and executes it on the handle.
// The buffers must stay alive until the statement's results are consumed.
struct BoundParams {
    std::vector<std::u16string> texts;
    std::vector<SQLLEN> indicators;
    std::vector<SQL_DATE_STRUCT> dates;
    std::vector<SQL_TIMESTAMP_STRUCT> stamps;
    std::vector<SQLBIGINT> ints;
    std::vector<double> doubles;
    std::vector<std::string> numbers;
};
SQLRETURN executeParsed(SQLHSTMT h, const ParsedSql& parsed, const Params& params, BoundParams& buffers);

// Runs f; a DbError it throws goes through the connection's fail(), which
// recognises a lost connection and the session's timeouts.
template <class F>
auto onConnection(Connection* c, F&& f) -> decltype(f()) {
    try {
        return f();
    } catch (const DbError& e) {
        if (!c) throw;
        c->fail(e);
    }
}

}  // namespace zdb::odbc
