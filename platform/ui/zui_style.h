// Appearance styles: Qt's own and a few looks of ours on top of Fusion.
#pragma once

#include <QStringList>

namespace zui {

QStringList styleNames();
// Switches every window to the named style. An unknown name shows
// Стиль "name" не найден (caption "Ошибка") and keeps the current look.
bool applyStyle(const QString& name);
QString currentStyleName();

}  // namespace zui
