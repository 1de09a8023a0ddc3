// What the client takes from its surroundings: the command line, the per-user
// style file, and the way it ends.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace session {

// Positional arguments after the program name.
QStringList arguments();
void setArguments(const QStringList& args);

// The per-user application-data folder; ZORNA_APPDATA overrides it.
QString appDataFolder();
QString styleFilePath();

// Reads the style named by the style file, repairing a missing or empty file
// to hold "Windows".
QString loadStyleName();
// Applies the style of the style file (start-up).
void restoreStyle();
// Rewrites the style file to hold the one name.
void saveStyleName(const QString& name);

// Ends the application: leaves every event loop, so that open modal screens and
// message boxes do not keep it alive. Tests replace it to observe the request.
void terminate();
using Terminator = std::function<void()>;
Terminator setTerminator(Terminator t);

}  // namespace session
