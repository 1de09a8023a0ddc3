#include "zui_form.h"

#include "zui_hooks.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QLayout>
#include <QPushButton>
#include <QScreen>

#include <stdexcept>

namespace zui {

namespace {
QPointer<QWidget>& mainWindowSlot() {
    static QPointer<QWidget> w;
    return w;
}

// Enter is handled by the form itself (default or focused button), so Qt's
// own juggling of the default flag between focused buttons is switched off.
void takeOverEnter(QWidget* form) {
    for (QPushButton* b : form->findChildren<QPushButton*>()) b->setAutoDefault(false);
}
}  // namespace

void setMainWindow(QWidget* window) { mainWindowSlot() = window; }
QWidget* mainWindow() { return mainWindowSlot(); }

TForm::TForm(QWidget* parent) : QDialog(parent) {}

TForm::~TForm() = default;

void TForm::setupScreen(Placement placement) {
    placement_ = placement;
    setWindowIcon(appIcon());
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    switch (placement) {
    case Placement::AsDesigned:
    case Placement::CentredOnDesktop:
    case Placement::CentredOnMainWindow:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
        break;
    case Placement::NoSystemMenu:
        flags |= Qt::MSWindowsFixedSizeDialogHint;
        break;
    case Placement::ResizableAsDesigned:
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint;
        break;
    }
    setWindowFlags(flags);
    setSizeGripEnabled(false);
}

void TForm::prepareShowing() {
    takeOverEnter(this);
    if (!sized_) {
        sized_ = true;
        if (layout()) layout()->activate();
        // A size the screen set itself wins over what its layout asks for.
        QSize s = testAttribute(Qt::WA_Resized) || !sizeHint().isValid() ? size() : sizeHint();
        s = s.expandedTo(minimumSizeHint());
        if (placement_ == Placement::ResizableAsDesigned) resize(s);
        else setFixedSize(s);
    } else if (placement_ != Placement::ResizableAsDesigned && layout()) {
        // Controls shown since the last showing may need more room.
        QSize want = minimumSizeHint().expandedTo(size());
        if (want != size()) setFixedSize(want);
    }

    QRect around;
    // A main window that was never shown has no meaningful place yet.
    if (placement_ == Placement::CentredOnMainWindow && mainWindow() && mainWindow() != this &&
        mainWindow()->testAttribute(Qt::WA_WState_ExplicitShowHide))
        around = mainWindow()->frameGeometry();
    if (placement_ == Placement::CentredOnDesktop ||
        (placement_ == Placement::CentredOnMainWindow && around.isEmpty())) {
        if (QScreen* screen = QGuiApplication::primaryScreen()) around = screen->availableGeometry();
    }
    if (!around.isEmpty()) move(around.center() - QPoint(width() / 2, height() / 2));
}

int TForm::showModal() {
    if (showing_ || isVisible()) throw std::runtime_error("Нельзя показать модально уже видимое окно");

    QPointer<QWidget> previous = QApplication::activeWindow();
    prepareShowing();
    setResult(0);
    setWindowModality(Qt::ApplicationModal);
    showing_ = true;
    show();
    raise();
    activateWindow();

    guard([this] { FormActivate(); });

    if (isVisible()) {
        if (const auto& runner = hooks::modalRunner()) {
            runner(*this);
        } else {
            QEventLoop loop;
            loop_ = &loop;
            loop.exec(QEventLoop::DialogExec);
            loop_ = nullptr;
        }
    }
    // A test script may leave the screen open: it then closes as by the close box.
    if (isVisible()) reject();
    showing_ = false;

    if (previous && previous->isVisible()) {
        previous->activateWindow();
        // With a runner in place of our loop (tests) nobody else delivers the activation.
        if (hooks::modalRunner()) QCoreApplication::processEvents();
    }
    return result();
}

void TForm::showAsMainWindow() {
    setMainWindow(this);
    prepareShowing();
    setWindowModality(Qt::NonModal);
    show();
    raise();
    activateWindow();
    guard([this] { FormActivate(); });
}

void TForm::setModalResult(int result) { done(result); }

void TForm::done(int result) {
    if (!isVisible() || closing_) {
        setResult(result);
        return;
    }
    closing_ = true;
    guard([this] { FormClose(); });
    closing_ = false;
    QDialog::done(result);
}

void TForm::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (!visible && loop_) loop_->exit();
}

void TForm::setDefaultButton(QPushButton* button) {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b != button && b->isDefault()) b->setDefault(false);
    if (button) {
        button->setAutoDefault(false);
        button->setDefault(true);
    }
}

QPushButton* TForm::defaultButton() const {
    for (QPushButton* b : findChildren<QPushButton*>())
        if (b->isDefault()) return b;
    return nullptr;
}

void TForm::setCancelButton(QPushButton* button) { cancel_ = button; }

void TForm::keyPressEvent(QKeyEvent* event) {
    const bool plain = !(event->modifiers() & ~Qt::KeypadModifier);
    if (event->key() == Qt::Key_Escape && plain) {
        if (cancel_ && cancel_->isVisible() && cancel_->isEnabled()) cancel_->click();
        event->accept();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        QPushButton* target = qobject_cast<QPushButton*>(focusWidget());
        if (!target || !target->isVisible()) target = defaultButton();
        if (target && target->isVisible() && target->isEnabled()) target->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

BusyCursor::BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
BusyCursor::~BusyCursor() { QApplication::restoreOverrideCursor(); }

}  // namespace zui
