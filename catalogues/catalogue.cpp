#include "catalogue.h"

#include "Unit6.h"

#include <QLineEdit>

namespace zcat {

QString sqlText(const QLineEdit* box) { return zdb::quoted(box->text().trimmed()); }
QString sqlTextUntrimmed(const QLineEdit* box) { return zdb::quoted(box->text()); }

void run(const QString& sql) { DataModule6->cmd_all->execute(sql); }

zdb::Table* departmentList(QObject* owner) {
    auto* t = new zdb::Table(DataModule6->ADO_DB, QStringLiteral("cmn_department.department"), owner);
    t->setObjectName(QStringLiteral("cb_department"));
    t->setSort(QStringLiteral("s_caption"));
    return t;
}

zui::Choice chooseInto(int& held, QLineEdit* box, const QString& nameField) {
    return [&held, box, nameField](zdb::Dataset& rows) {
        if (!rows.isEmpty()) {
            const int id = int(rows.fieldByName(QStringLiteral("id")).asInteger());
            if (id != held) held = id;
            if (held != 0) box->setText(rows.fieldByName(nameField).asString().trimmed());
        }
        return true;
    };
}

}  // namespace zcat
