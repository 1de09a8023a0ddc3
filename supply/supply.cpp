#include "supply.h"

#include "Unit6.h"
#include "zui_msg.h"
#include "zui_screens.h"

namespace zsup {

const QString kChangedElsewhere = QStringLiteral(
    "Строка изменена или удалена на другом рабочем месте. Изменение не записано: список прочитан заново.");

bool writeOne(const QString& sql) {
    if (zdb::rowsWritten(*DataModule6->ADO_DB, sql) > 0) return true;
    zui::msg::error(kChangedElsewhere);
    return false;
}

}  // namespace zsup
