#include "testdb.h"

#include "Unit6.h"
#include "zorna_config.h"

#include <QFile>
#include <QProcess>
#include <stdexcept>
#include <string>

namespace testdb {

// As scripts/db sets it: the environment, else the demo file. The client
// under test need not have it compiled in.
QString sysPassword() {
    const QString env = qEnvironmentVariable("ZORNA_MAVORET");
    if (!env.isEmpty()) return env;
    QFile f(QStringLiteral(ZORNA_SOURCE_DIR "/data/demo/sys_password"));
    if (!f.open(QIODevice::ReadOnly)) throw std::runtime_error("no ZORNA_MAVORET and no data/demo/sys_password");
    return QString::fromUtf8(f.readLine()).trimmed();
}

namespace {
// Test programs set up and inspect the database as the system account before
// any login; the tests of the start-up account switch back to it themselves.
const bool storedAsSys = [] {
    TDataModule6::setStoredAccount(QStringLiteral("sys"), sysPassword());
    return true;
}();
}  // namespace

QString startupPassword() {
    const QString env = qEnvironmentVariable("ZORNA_STARTUP_PASSWORD");
    return env.isEmpty() ? QStringLiteral("zorna-startup") : env;
}

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

void connectAs(zdb::Connection& c, const QString& login, const QString& password) {
    c.close();
    c.setConnectionString(TDataModule6::connectionString({}, login, password));
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
