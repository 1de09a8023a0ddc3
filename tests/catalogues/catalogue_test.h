// Fixture of the catalogue screen tests: lists shown as the main menu shows them.
#pragma once

#include "catalogue.h"
#include "screen_fixture.h"

#include <QLineEdit>

using zui::testing::click;
using zui::testing::clickRow;
using zui::testing::doubleClickRow;
using zui::testing::pressKey;
using zui::testing::typeText;

class CatalogueTest : public ScreenTest {
protected:
    // Opens 'list', shows 'screen' (catalogue mode) running 'script', closes 'list'.
    // The filter box starts empty: screens keep it between showings, tests must not.
    void showList(zdb::Dataset* list, zui::ListScreen* screen, zui::testing::ScriptedModals::Script script) {
        screen->Edit1->clear();
        screen->Tag = 0;
        list->open();
        modals.on(screen->objectName(), std::move(script));
        screen->showModal();
        list->close();
        screen->Edit1->clear();  // the shared list must not stay filtered for the next test
    }

    // The editor's script: replaces the text of 'box' and presses "Записать".
    void saveWith(zui::EditorScreen* editor, QLineEdit* box, const QString& text) {
        modals.on(editor->objectName(), [=](zui::TForm&) {
            box->clear();
            typeText(box, text);
            click(editor->Button1);
        });
    }

    QStringList column(zdb::Dataset* ds, const QString& field) {
        QStringList out;
        const int c = ds->fieldIndex(field);
        for (int r = 0; r < ds->recordCount(); ++r) out << ds->text(r, c).trimmed();
        return out;
    }
};
