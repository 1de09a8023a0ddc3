#include "screen_fixture.h"

#include "Unit1.h"
#include "forms.h"
#include "session.h"

#include <QDir>

BuildStamp testBuildStamp{20261211, 12 * 3600};

BuildStamp compiledBuildStamp() { return testBuildStamp; }

void ScreenTest::SetUp() {
    zui::testing::ensureApp();
    testBuildStamp = BuildStamp{20261211, 12 * 3600};
    session::setArguments({});
    session::setTerminator([this] { ++terminations; });
    static bool created = false;
    if (DataModule6) DataModule6->ADO_DB->close();
    testdb::recreate();
    if (!created) {
        created = true;
        createAllForms();
        // Tests drive the version check themselves.
        Form1->Timer1->stop();
    }
    DataModule6->openStoredConnection();
    DataModule6->delim = QStringLiteral(".");
}

void ScreenTest::TearDown() {
    session::setTerminator({});
    // Shared lists left open by a failed test must not leak into the next one.
    for (zdb::Dataset* ds : DataModule6->findChildren<zdb::Dataset*>()) ds->close();
}
