#include "forms.h"
#include "session.h"
#include "Unit23.h"
#include "zui_form.h"
#include "zui_guard.h"

int main(int argc, char** argv) {
    zui::Application app(argc, argv);
    app.setApplicationName(QStringLiteral("ZORNA.ERP"));
    app.setWindowIcon(zui::appIcon());
    app.setQuitOnLastWindowClosed(false);
    session::setArguments(app.arguments().mid(1));

    session::restoreStyle();
    createAllForms();
    Form23->showAsMainWindow();
    const int rc = app.exec();
    destroyAllForms();
    return rc;
}
