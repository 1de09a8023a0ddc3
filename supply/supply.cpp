#include "supply.h"

#include "Unit6.h"
#include "zui_msg.h"
#include "zui_screens.h"

namespace zsup {

const QString kChangedElsewhere = QStringLiteral(
    "Строка изменена или удалена на другом рабочем месте. Изменение не записано: список прочитан заново.");

namespace {

qlonglong one(const QString& sql, const char* field) {
    zdb::Query q(DataModule6->ADO_DB);
    q.setSql(sql);
    q.open();
    return q.isEmpty() ? 0 : q.fieldByName(QLatin1String(field)).asInteger();
}

}  // namespace

int written(const QString& sql) {
    return int(one(QStringLiteral("with changed as (") + sql + QStringLiteral(" returning id) select count(*) as n from changed"), "n"));
}

bool writeOne(const QString& sql) {
    if (written(sql) > 0) return true;
    zui::msg::error(kChangedElsewhere);
    return false;
}

int inserted(const QString& insert) {
    return int(one(QStringLiteral("with added as (") + insert + QStringLiteral(" returning id) select id from added"), "id"));
}

void reopenAt(zdb::Dataset* list, int id) {
    const int recNo = list->recNo();
    list->reopen();
    if (!list->locate(QStringLiteral("id"), id)) zui::restoreRow(list, recNo);
}

}  // namespace zsup
