#include "session.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTextStream>

#include "zui_style.h"

namespace session {

namespace {
QStringList& args() {
    static QStringList a;
    return a;
}
Terminator& terminator() {
    static Terminator t;
    return t;
}
}  // namespace

QStringList arguments() { return args(); }
void setArguments(const QStringList& a) { args() = a; }

QString appDataFolder() {
    const QString env = qEnvironmentVariable("ZORNA_APPDATA");
    if (!env.isEmpty()) return env;
    // The roaming application-data folder's counterpart here: the user's config home.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QString styleFilePath() { return QDir(appDataFolder()).filePath(QStringLiteral("t_style.txt")); }

void saveStyleName(const QString& name) {
    QDir().mkpath(appDataFolder());
    QFile f(styleFilePath());
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return;
    QTextStream out(&f);
    out << name << '\n';
}

QString loadStyleName() {
    const QString fallback = QStringLiteral("Windows");
    QFile f(styleFilePath());
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text)) {
        saveStyleName(fallback);
        return fallback;
    }
    QTextStream in(&f);
    const QString first = in.readLine();
    f.close();
    if (first.isEmpty()) {
        saveStyleName(fallback);
        return fallback;
    }
    return first;
}

void restoreStyle() { zui::applyStyle(loadStyleName()); }

void terminate() {
    if (terminator()) {
        terminator()();
        return;
    }
    QCoreApplication::exit(0);
}

Terminator setTerminator(Terminator t) {
    Terminator old = std::move(terminator());
    terminator() = std::move(t);
    return old;
}

}  // namespace session
