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
    QCheckBox* tick() { return find<QCheckBox>(&window(), QStringLiteral("Check1")); }
    void clickTick() { QTest::mouseClick(tick(), Qt::LeftButton, Qt::NoModifier, QPoint(8, tick()->height() / 2)); }
    void create(const QString& name)
    {
        nameBox()->clear();
        type(nameBox(), name);
        click(label(&window(), QStringLiteral("Label1_1")));
    }
    bool stillOpen() { return owner->isNewFileFrmLoaded() && window().isVisible(); }
    std::size_t filesInFolder()
    {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(folder.path()))
            count += entry.is_regular_file() ? 1 : 0;
        return count;
    }
};

// The tick turns the password box on (emptied, with the keyboard) and off; ticked
// without a password nothing is made.
TEST_F(NewFileFrmTest, OpensInPlaceOfTheStartWindowWithThePasswordOff)
{
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(owner->startUp().isVisible());
    EXPECT_EQ(window().windowTitle(), "New Brindlecase File");
    EXPECT_FALSE(tick()->isChecked());
    EXPECT_FALSE(passwordBox()->isEnabled());
    EXPECT_FALSE(label(&window(), QStringLiteral("Label2_1"))->isEnabled());
    passwordBox()->setText(QStringLiteral("left over"));
    clickTick();
    EXPECT_TRUE(passwordBox()->isEnabled());
    EXPECT_TRUE(label(&window(), QStringLiteral("Label2_1"))->isEnabled());
    EXPECT_TRUE(passwordBox()->text().isEmpty());
    EXPECT_EQ(window().focusWidget(), passwordBox());
    create(QStringLiteral("plans"));
    QTest::keyClick(passwordBox(), Qt::Key_Return);
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(filesInFolder(), 0u);
    EXPECT_TRUE(fakes.messages.texts.empty());
    clickTick();
    EXPECT_FALSE(passwordBox()->isEnabled());
}

TEST_F(NewFileFrmTest, APlainFileIsOneEmptyLineAndOpensInTheMainWindow)
{
    folder.write("plans.bcn", "000010000001Open      Garden\r\n"); // an existing file is emptied
    state.Records.emplace_back();                                  // whatever was there before
    create(QStringLiteral("plans"));
    EXPECT_EQ(readFile(folder.file("plans.bcn")), "\r\n");
    EXPECT_EQ(state.DataFilePath, folder.file("plans.bcn"));
    EXPECT_FALSE(state.FileEncrypted);
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

TEST_F(NewFileFrmTest, UntickingAfterTypingAPasswordMakesAPlainFileAndAnEmptyNameIsTakenAsTyped)
{
    state.FilePassword = "before";
    clickTick();
    type(passwordBox(), QStringLiteral("typed"));
    clickTick();
    QTest::keyClick(nameBox(), Qt::Key_Return); // Enter in the name box creates too
    EXPECT_EQ(readFile(folder.file(".bcn")), "\r\n");
    EXPECT_EQ(filesInFolder(), 1u);
    EXPECT_FALSE(state.FileEncrypted);
    EXPECT_EQ(state.FilePassword, "before");
}

// A read-only file, a folder, a name that leaves the folder and a password outside
// the code page are told and make nothing; the window stays.
TEST_F(NewFileFrmTest, WhatCannotBeMadeIsToldAndTheWindowStays)
{
    const fs::path locked = folder.write("locked.bcn", "000010000001Open      Kept\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_directory(folder.file("folder.bcn"));
    create(QStringLiteral("locked"));
    create(QStringLiteral("folder"));
    create(QStringLiteral("../outside"));
    clickTick();
    type(passwordBox(), QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"));
    create(QStringLiteral("plans"));
    ASSERT_EQ(fakes.messages.texts.size(), 4u);
    EXPECT_EQ(fakes.messages.texts[0], QString::fromStdString("Could not save the file '" + locked.string() + "': the file is read-only."));
    EXPECT_EQ(fakes.messages.titles[0], "Brindlecase");
    EXPECT_EQ(fakes.messages.texts[1], QString::fromStdString("Could not save the file '" + folder.file("folder.bcn").string()
                                                              + "': it is a folder."));
    EXPECT_TRUE(fakes.messages.texts[2].contains(QStringLiteral("a file name cannot hold \"/\"")));
    EXPECT_TRUE(fakes.messages.texts[3].startsWith(QStringLiteral("The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\".")));
    EXPECT_EQ(readFile(locked), "000010000001Open      Kept\r\n");
    EXPECT_FALSE(fs::exists(folder.path().parent_path() / "outside.bcn"));
    EXPECT_EQ(filesInFolder(), 1u);
    EXPECT_TRUE(stillOpen());
    EXPECT_FALSE(owner->isDataFrmLoaded());
    EXPECT_FALSE(state.FileEncrypted);
}

// Exit, the close box, Escape and Space on exit (reached with Tab) bring the start window back.
TEST_F(NewFileFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBackAndEmptyTheStore)
{
    for (int way = 0; way < 4; ++way) {
        state.Records.emplace_back();
        windows::TagLabel* exit = label(&window(), QStringLiteral("Label1_2"));
        if (way == 0)
            click(exit);
        else if (way == 1)
            window().close();
        else if (way == 2)
            QTest::keyClick(nameBox(), Qt::Key_Escape);
        else {
            QApplication::setActiveWindow(&window());
            nameBox()->setFocus();
            for (int i = 0; i < 6 && QApplication::focusWidget() != exit; ++i)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : nameBox(), Qt::Key_Tab);
            ASSERT_EQ(QApplication::focusWidget(), exit);
            QTest::keyClick(exit, Qt::Key_Space);
        }
        EXPECT_FALSE(owner->isNewFileFrmLoaded()) << way;
        EXPECT_TRUE(owner->startUp().isVisible()) << way;
        EXPECT_EQ(store::upperBound(state.Records), 0) << way;
        startButton(0);
        ASSERT_TRUE(window().isVisible());
    }
    EXPECT_EQ(filesInFolder(), 0u);
}

} // namespace
