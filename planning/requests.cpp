#include "requests.h"

#include "Unit6.h"
#include "zui_screens.h"

namespace zreq {

bool lockRow(const QString& table, int id) {
    zdb::Query q(DataModule6->ADO_DB);
    q.setSql(QStringLiteral("select id from ") + table + QStringLiteral(" where id=") + QString::number(id) +
             QStringLiteral(" for update"));
    q.open();
    return !q.isEmpty();
}

qlonglong lockLinesInWork(int doc) {
    zdb::Query q(DataModule6->ADO_DB);
    q.setSql(QStringLiteral("select id, state from mnf_app.app_spec where id_app_doc=") + QString::number(doc) +
             QStringLiteral(" order by id for update"));
    q.open();
    qlonglong n = 0;
    const int state = q.fieldIndex(QStringLiteral("state"));
    for (int r = 0; r < q.recordCount(); ++r)
        if (q.value(r, state).toInt() != 0) ++n;
    return n;
}

QString typedNumber(const QString& text, const QString& what) {
    try {
        return DataModule6->NumToSql(text.trimmed(), false);
    } catch (const zdb::DbError& e) {
        // The user learns which box holds it; nothing has been sent yet.
        throw zdb::DbError(what + QStringLiteral(": ") + e.text() + QStringLiteral(".\nНичего не записано."));
    }
}

double valueOf(const QString& literal) {
    QString t = literal;
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    return t.toDouble();
}

}  // namespace zreq
