// The base of every screen test: the real screens, created once per test
// program as at start-up, over a fresh copy of the demo database per test,
// with modal showings scripted and message boxes recorded.
#pragma once

#include "Unit6.h"
#include "buildinfo.h"
#include "testdb.h"
#include "zui_testing.h"

#include <gtest/gtest.h>

// The build stamp the screens see; tests move it to play older and newer clients.
extern BuildStamp testBuildStamp;

class ScreenTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    zdb::Connection& db() { return *DataModule6->ADO_DB; }
    QVariant scalar(const QString& sql) { return testdb::scalar(db(), sql); }
    qlonglong count(const QString& table) { return scalar("select count(*) from " + table).toLongLong(); }

    zui::testing::ScriptedModals modals;
    zui::testing::RecordedMessages messages;
    int terminations = 0;  // requests to end the application
};
