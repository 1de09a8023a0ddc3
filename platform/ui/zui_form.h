// Screen base: one instance per screen for the whole run, shown modally,
// keeping its state between showings.
#pragma once

#include "zui_guard.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>
#include <QPushButton>

class QEventLoop;

namespace zui {

// The application's icon "Icon_1": a paint drop on a gear, drawn at run time.
QIcon appIcon();

// The window that CentredOnMainWindow screens centre on (the login screen).
void setMainWindow(QWidget* window);
QWidget* mainWindow();

enum class Placement {
    AsDesigned,           // single border, close button only, where the screen puts itself
    CentredOnDesktop,     // the same, centred on the desktop at each showing
    CentredOnMainWindow,  // the same, centred on the main window at each showing
    NoSystemMenu,         // single border, no title-bar buttons at all, as designed
    ResizableAsDesigned,  // sizeable border, the usual title-bar buttons
};

class TForm : public QDialog {
    Q_OBJECT
public:
    explicit TForm(QWidget* parent = nullptr);
    ~TForm() override;

    // The screen's mode, set by the opener right before showing it.
    int Tag = 0;

    // Shows the screen modally and returns when it closes: its modal result,
    // 0 when closed by close(), Esc or the close box. FormActivate runs at every
    // showing, not when a screen shown over this one closes.
    int showModal();
    bool isShowingModal() const { return showing_; }
    // Shows the screen as the application's main window (not modal) and runs
    // FormActivate; CentredOnMainWindow screens centre on it from then on.
    void showAsMainWindow();

    // Closes the screen; showModal returns 'result'.
    void setModalResult(int result);

    // Enter clicks the default button (or the focused push button); nullptr: none.
    void setDefaultButton(QPushButton* button);
    QPushButton* defaultButton() const;
    // Esc clicks the cancel button if it is visible and enabled; without one Esc does nothing.
    void setCancelButton(QPushButton* button);
    QPushButton* cancelButton() const { return cancel_; }

    // Handlers of the screen's own events; each runs through guard().
    virtual void FormCreate() {}    // once, right after construction (createForm)
    virtual void FormActivate() {}  // at every showModal, once the screen is visible
    virtual void FormClose() {}     // whenever the screen closes

    void done(int result) override;
    void setVisible(bool visible) override;

protected:
    // Icon, border, title-bar buttons and position, as every screen sets up on creation.
    void setupScreen(Placement placement = Placement::AsDesigned);

    void keyPressEvent(QKeyEvent* event) override;

private:
    void prepareShowing();

    Placement placement_ = Placement::AsDesigned;
    QPointer<QPushButton> cancel_;
    QEventLoop* loop_ = nullptr;
    bool showing_ = false;
    bool closing_ = false;
    bool sized_ = false;
};

// Creates a screen into its global and runs its FormCreate, in that order, so
// that FormCreate may already reach the screen through the global.
template <class Form, class... Args>
Form* createForm(Form*& global, Args&&... args) {
    global = new Form(std::forward<Args>(args)...);
    Form* form = global;
    guard([form] { form->FormCreate(); });
    return form;
}

// Shows the busy cursor for the life of the object.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

}  // namespace zui
