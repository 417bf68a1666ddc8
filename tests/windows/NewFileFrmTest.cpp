#include "store/DataFile.h"
#include "support/WindowHarness.h"
#include "windows/start/NewFileFrm.h"

#include <QCheckBox>

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

class NewFileFrmTest : public ::testing::Test, public WindowHarness {
protected:
    void SetUp() override { startButton(0); }
    windows::NewFileFrm& window() { return owner->newFileFrm(); }
    QLineEdit* nameBox() { return find<QLineEdit>(&window(), QStringLiteral("SearchTxt")); }
    QLineEdit* passwordBox() { return find<QLineEdit>(&window(), QStringLiteral("Text1")); }
    void clickTick()
    {
        auto* tick = find<QCheckBox>(&window(), QStringLiteral("Check1"));
        QTest::mouseClick(tick, Qt::LeftButton, Qt::NoModifier, QPoint(8, tick->height() / 2));
    }
    void create(const QString& name)
    {
        nameBox()->clear();
        type(nameBox(), name);
        click(label(&window(), QStringLiteral("Label1_1")));
    }
};

// The tick turns the password box on (emptied, with the keyboard) and off; ticked
// without a password nothing is made; unticked again, a plain file of one empty
// line replaces whatever stood under that name and opens in the main window.
TEST_F(NewFileFrmTest, ThePasswordTickAndAPlainFileOfOneEmptyLine)
{
    EXPECT_FALSE(owner->startUp().isVisible());
    EXPECT_EQ(window().windowTitle(), "New Brindlecase File");
    EXPECT_FALSE(passwordBox()->isEnabled());
    passwordBox()->setText(QStringLiteral("left over"));
    clickTick();
    EXPECT_TRUE(passwordBox()->isEnabled());
    EXPECT_TRUE(label(&window(), QStringLiteral("Label2_1"))->isEnabled());
    EXPECT_TRUE(passwordBox()->text().isEmpty());
    EXPECT_EQ(window().focusWidget(), passwordBox());
    create(QStringLiteral("plans"));
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));

    state.FilePassword = "before";
    type(passwordBox(), QStringLiteral("typed"));
    clickTick();
    EXPECT_FALSE(passwordBox()->isEnabled());
    folder.write("plans.bcn", "000010000001Open      Garden\r\n");
    state.Records.emplace_back();
    QTest::keyClick(nameBox(), Qt::Key_Return); // Enter in the name box creates too
    EXPECT_EQ(readFile(folder.file("plans.bcn")), "\r\n");
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));
    EXPECT_EQ(state.DataFilePath, folder.file("plans.bcn"));
    EXPECT_FALSE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "before");
    EXPECT_EQ(store::upperBound(state.Records), 0);
    ASSERT_TRUE(owner->isDataFrmLoaded());
    EXPECT_TRUE(owner->dataFrm().isVisible());
    EXPECT_FALSE(owner->isStartUpLoaded());
    EXPECT_FALSE(owner->isNewFileFrmLoaded());
    EXPECT_TRUE(fakes.messages.texts.empty());
}

TEST_F(NewFileFrmTest, AnEncipheredFileStartsWithOneUnencipheredEmptyLine)
{
    clickTick();
    type(passwordBox(), QStringLiteral("caf\u00E9"));
    create(QStringLiteral("secret plans"));
    EXPECT_EQ(readFile(folder.file("secret plans.bcy")), "\r\n");
    EXPECT_FALSE(fs::exists(folder.file("secret plans.bcn")));
    EXPECT_TRUE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "caf\xE9");
    EXPECT_TRUE(owner->isDataFrmLoaded());
}

// A read-only file, a name that leaves the folder and a password outside the code
// page are told and make nothing; the window stays.
TEST_F(NewFileFrmTest, WhatCannotBeMadeIsToldAndTheWindowStays)
{
    const fs::path locked = folder.write("locked.bcn", "000010000001Open      Kept\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    create(QStringLiteral("locked"));
    create(QStringLiteral("../outside"));
    clickTick();
    type(passwordBox(), QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"));
    create(QStringLiteral("plans"));
    ASSERT_EQ(fakes.messages.texts.size(), 3u);
    EXPECT_EQ(fakes.messages.texts[0], QString::fromStdString("Could not save the file '" + locked.string() + "': the file is read-only."));
    EXPECT_EQ(fakes.messages.titles[0], "Brindlecase");
    EXPECT_TRUE(fakes.messages.texts[1].contains(QStringLiteral("a file name cannot hold \"/\"")));
    EXPECT_TRUE(fakes.messages.texts[2].startsWith(QStringLiteral("The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\".")));
    EXPECT_EQ(readFile(locked), "000010000001Open      Kept\r\n");
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "outside.bcn"));
    EXPECT_FALSE(fs::exists(folder.file("plans.bcy")));
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(owner->isDataFrmLoaded());
}

// Exit, the close box and Escape bring the start window back with an empty store.
TEST_F(NewFileFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBackAndEmptyTheStore)
{
    for (int way = 0; way < 3; ++way) {
        state.Records.emplace_back();
        if (way == 0)
            click(label(&window(), QStringLiteral("Label1_2")));
        else if (way == 1)
            window().close();
        else
            QTest::keyClick(nameBox(), Qt::Key_Escape);
        EXPECT_FALSE(owner->isNewFileFrmLoaded()) << way;
        EXPECT_TRUE(owner->startUp().isVisible()) << way;
        EXPECT_EQ(store::upperBound(state.Records), 0) << way;
        startButton(0);
    }
}

} // namespace
