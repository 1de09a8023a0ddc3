#include "zui_hooks.h"
#include "zui_msg.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace zui::hooks {

namespace {
ModalRunner& runnerSlot() {
    static ModalRunner r;
    return r;
}
MessageSink& sinkSlot() {
    static MessageSink s;
    return s;
}
}  // namespace

ModalRunner setModalRunner(ModalRunner runner) { return std::exchange(runnerSlot(), std::move(runner)); }
MessageSink setMessageSink(MessageSink sink) { return std::exchange(sinkSlot(), std::move(sink)); }
const ModalRunner& modalRunner() { return runnerSlot(); }
const MessageSink& messageSink() { return sinkSlot(); }

}  // namespace zui::hooks

namespace zui::msg {

namespace {

bool show(Kind kind, const QString& caption, const QString& text, bool defaultYes = true) {
    if (const auto& sink = hooks::messageSink()) return sink(kind, caption, text);

    QMessageBox::Icon icon = QMessageBox::Critical;
    switch (kind) {
    case Kind::Error: icon = QMessageBox::Critical; break;
    case Kind::Question: icon = QMessageBox::Question; break;
    case Kind::Warning: icon = QMessageBox::Warning; break;
    case Kind::Info: icon = QMessageBox::Information; break;
    }
    QWidget* parent = QApplication::activeModalWidget();
    if (!parent) parent = QApplication::activeWindow();
    QMessageBox box(icon, caption, text, QMessageBox::NoButton, parent);
    if (kind == Kind::Question) {
        QPushButton* yes = box.addButton(QStringLiteral("Да"), QMessageBox::YesRole);
        QPushButton* no = box.addButton(QStringLiteral("Нет"), QMessageBox::NoRole);
        box.setDefaultButton(defaultYes ? yes : no);
        box.setEscapeButton(no);
        box.exec();
        return box.clickedButton() == yes;
    }
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return true;
}

}  // namespace

void error(const QString& text, const QString& caption) { show(Kind::Error, caption, text); }
bool question(const QString& text, const QString& caption, bool defaultYes) {
    return show(Kind::Question, caption, text, defaultYes);
}
void warning(const QString& text, const QString& caption) { show(Kind::Warning, caption, text); }
void info(const QString& text, const QString& caption) { show(Kind::Info, caption, text); }

}  // namespace zui::msg
