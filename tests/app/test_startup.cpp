#include "session.h"
#include "zui_style.h"
#include "zui_testing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class StyleFile : public ::testing::Test {
protected:
    void SetUp() override {
        zui::testing::ensureApp();
        qputenv("ZORNA_APPDATA", dir.path().toUtf8());
    }
    void TearDown() override { qunsetenv("ZORNA_APPDATA"); }
    void write(const QByteArray& content) {
        QFile f(session::styleFilePath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QByteArray read() {
        QFile f(session::styleFilePath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
    QTemporaryDir dir;
    zui::testing::RecordedMessages messages;
};

TEST_F(StyleFile, MissingEmptyOrBlankFirstLineBecomesWindows) {
    for (const QByteArray& content : {QByteArray("<none>"), QByteArray(""), QByteArray("\nFusion\n")}) {
        if (content == "<none>") QFile::remove(session::styleFilePath());
        else write(content);
        session::restoreStyle();
        EXPECT_EQ(read(), "Windows\n") << content.constData();
        EXPECT_EQ(zui::currentStyleName().toLower(), "windows");
    }
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(StyleFile, FirstLineNamesTheStyleAndAnUnknownOneKeepsTheLook) {
    write("Fusion\nignored\n");
    session::restoreStyle();
    EXPECT_EQ(zui::currentStyleName().toLower(), "fusion");
    write("NoSuchLook\n");
    messages.expectError("Стиль \"NoSuchLook\" не найден");
    session::restoreStyle();
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.messages()[0].caption, "Ошибка");
    EXPECT_TRUE(messages.messages()[0].text.contains("NoSuchLook"));
    EXPECT_EQ(zui::currentStyleName().toLower(), "fusion");
    EXPECT_EQ(read(), "NoSuchLook\n");  // the file is the user's choice; only empty ones are repaired
}

}  // namespace
