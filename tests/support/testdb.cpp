#include "testdb.h"

#include "zorna_config.h"

#include <QProcess>
#include <stdexcept>
#include <string>

namespace testdb {

QString sysPassword() { return QStringLiteral(ZORNA_MAVORET); }

void recreate() {
    zdb::Connection maint;
    maint.setConnectionString(QStringLiteral("DSN=zorna_erp_maint;UID=sys;PWD=") + sysPassword());
    maint.open();
    maint.execute(QStringLiteral("DROP DATABASE IF EXISTS zorna_erp WITH (FORCE)"));
    maint.execute(QStringLiteral("CREATE DATABASE zorna_erp TEMPLATE zorna_tpl"));
    maint.execute(QStringLiteral("ALTER DATABASE zorna_erp SET datestyle = 'ISO, DMY'"));
}

void connectSys(zdb::Connection& c) {
    c.close();
    c.setConnectionString(QStringLiteral("Provider=MSDASQL.1;Password=") + sysPassword() +
                          QStringLiteral(";Persist Security Info=True;User ID=sys;Data Source=zorna_erp_dev"));
    c.open();
}

QVariant scalar(zdb::Connection& c, const QString& sql) {
    zdb::Query q(&c);
    q.setSql(sql);
    q.open();
    return q.isEmpty() ? QVariant() : q.value(0, 0);
}

}  // namespace testdb

namespace testdb {

void superuserSql(const QString& sql) {
    QProcess p;
    p.setProgram(QStringLiteral(ZORNA_SOURCE_DIR "/scripts/db"));
    p.setArguments({QStringLiteral("psql"), QStringLiteral("-q"), QStringLiteral("-v"), QStringLiteral("ON_ERROR_STOP=1"),
                    QStringLiteral("-d"), QStringLiteral("postgres"), QStringLiteral("-c"), sql});
    p.start();
    // Only a psql that ran to its end with status 0 has done the command.
    if (!p.waitForStarted(10000)) throw std::runtime_error("psql did not start: " + p.errorString().toStdString());
    if (!p.waitForFinished(60000)) {
        p.kill();
        p.waitForFinished(5000);
        throw std::runtime_error("psql did not finish within 60 s: " + sql.toStdString());
    }
    if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        throw std::runtime_error("psql failed (" + std::to_string(p.exitCode()) + "): " + p.readAllStandardError().toStdString());
}

}  // namespace testdb
