#include "zui_guard.h"

#include "zui_msg.h"
#include "zdb.h"

#include <exception>

namespace zui {

void showCurrentException() {
    QString text;
    try {
        throw;
    } catch (const zdb::DbError& e) {
        text = e.text();
    } catch (const std::exception& e) {
        text = QString::fromUtf8(e.what());
    } catch (...) {
        text = QStringLiteral("Неизвестная ошибка");
    }
    // The display itself must not throw back into the caller's catch block.
    try {
        msg::error(text);
    } catch (...) {
    }
}

bool guard(const std::function<void()>& handler) {
    try {
        handler();
        return true;
    } catch (...) {
        showCurrentException();
        return false;
    }
}

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        showCurrentException();
        return false;
    }
}

}  // namespace zui
