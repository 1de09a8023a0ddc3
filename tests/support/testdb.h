// Every test that touches the database starts from a fresh copy of the demo
// database, reached through the same data source name the client uses.
#pragma once

#include "zdb.h"

namespace testdb {

// Drops zorna_erp and copies it anew from the template; closes nothing of the caller's,
// so close your connections first.
void recreate();

// "sys" through the data source. Linking this support also makes the data
// module's stored connection (before the login) use "sys" instead of the
// start-up account, since tests set up the database through it.
void connectSys(zdb::Connection& c);

QString sysPassword();
QString startupPassword();

// A login of the demo plant (password = login name), as the login screen connects.
void connectAs(zdb::Connection& c, const QString& login, const QString& password);

// Runs SQL as the cluster's superuser (for what no application role may do,
// such as creating a login).
void superuserSql(const QString& sql);

// A one-off scalar read for assertions.
QVariant scalar(zdb::Connection& c, const QString& sql);

}  // namespace testdb
