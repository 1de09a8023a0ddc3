// Seams for zui_testing: screens shown modally and message boxes can be
// replaced so that tests run offscreen and never wait for a user.
// Screens never use this header.
#pragma once

#include "zui_msg.h"

#include <functional>

namespace zui {
class TForm;
}

namespace zui::hooks {

// Runs in place of the modal event loop of TForm::showModal (after FormActivate).
using ModalRunner = std::function<void(TForm& form)>;
// Takes a message box instead of showing it; the result answers a question.
using MessageSink = std::function<bool(msg::Kind kind, const QString& caption, const QString& text)>;

// Each returns the previous one, so that installations can nest.
ModalRunner setModalRunner(ModalRunner runner);
MessageSink setMessageSink(MessageSink sink);

const ModalRunner& modalRunner();
const MessageSink& messageSink();

}  // namespace zui::hooks
