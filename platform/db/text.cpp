#include "zdb.h"

namespace zdb {

QString quoted(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + s + QLatin1Char('\'');
}

// A numeric column's exact digits ("1234.5000") as the workstation shows
// decimals: a comma, no trailing zeros, as a double would show them.
static QString formatDecimal(const QByteArray& digits) {
    QString s = QString::fromLatin1(digits);
    const qsizetype point = s.indexOf(QLatin1Char('.'));
    if (point >= 0) {
        qsizetype end = s.size();
        while (end > point + 1 && s[end - 1] == QLatin1Char('0')) --end;
        if (end == point + 1) end = point;
        s.truncate(end);
        if (end > point) s[point] = QLatin1Char(',');
    }
    if (s == QLatin1String("-0")) return QStringLiteral("0");
    return s;
}

static QString formatFloat(double v) {
    QString s = QString::number(v, 'g', 15);
    s.replace(QLatin1Char('.'), QLatin1Char(','));
    return s;
}

QString displayText(const QVariant& value) {
    if (!value.isValid() || value.isNull()) return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return formatFloat(value.toDouble());
    case QMetaType::QByteArray:
        return formatDecimal(value.toByteArray());
    case QMetaType::QDate:
        return value.toDate().toString(QStringLiteral("dd.MM.yyyy"));
    case QMetaType::QDateTime:
        return value.toDateTime().toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"));
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    default:
        return value.toString();
    }
}

}  // namespace zdb
