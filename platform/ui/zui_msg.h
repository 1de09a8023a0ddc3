// The four kinds of message box the screens use. Button texts are Russian.
#pragma once

#include <QString>

namespace zui::msg {

enum class Kind { Error, Question, Warning, Info };

// Error icon, OK.
void error(const QString& text, const QString& caption = QStringLiteral("Ошибка"));
// Question icon, "Да" and "Нет"; true for "Да". Enter answers with the default button.
bool question(const QString& text, const QString& caption = QStringLiteral("Удаление"), bool defaultYes = true);
// Warning icon, OK.
void warning(const QString& text, const QString& caption = QStringLiteral("Внимание"));
// Information icon, OK.
void info(const QString& text, const QString& caption = QStringLiteral("Сообщение"));

}  // namespace zui::msg
