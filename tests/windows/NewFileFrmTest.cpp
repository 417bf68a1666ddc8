#include "store/DataFile.h"
#include "support/WindowHarness.h"
#include "windows/main/DataFrm.h"
#include "windows/start/NewFileFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QCheckBox>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::NewFileFrm;
namespace fs = std::filesystem;

namespace {

class NewFileFrmTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        harness.owner->startUp().show();
        WindowHarness::click(harness.label(&harness.owner->startUp(), QStringLiteral("Label1_0")));
    }
    NewFileFrm& window() { return harness.owner->newFileFrm(); }
    QLineEdit* nameBox() { return harness.find<QLineEdit>(&window(), QStringLiteral("SearchTxt")); }
    QLineEdit* passwordBox() { return harness.find<QLineEdit>(&window(), QStringLiteral("Text1")); }
    QCheckBox* tick() { return harness.find<QCheckBox>(&window(), QStringLiteral("Check1")); }
    void clickTick() { QTest::mouseClick(tick(), Qt::LeftButton, Qt::NoModifier, QPoint(8, tick()->height() / 2)); }
    void typeName(const QString& name) { WindowHarness::type(nameBox(), name); }
    void create() { WindowHarness::click(harness.label(&window(), QStringLiteral("Label1_1"))); }
    bool stillOpen() { return harness.owner->isNewFileFrmLoaded() && window().isVisible(); }
    std::size_t filesInFolder()
    {
        std::size_t count = 0;
        for (const auto& entry : fs::directory_iterator(harness.folder.path()))
            count += entry.is_regular_file() ? 1 : 0;
        return count;
    }

    WindowHarness harness;
};

TEST_F(NewFileFrmTest, OpensInPlaceOfTheStartWindowWithThePasswordOff)
{
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(harness.owner->startUp().isVisible());
    EXPECT_EQ(window().windowTitle(), "New Brindlecase File");
    EXPECT_FALSE(tick()->isChecked());
    EXPECT_FALSE(passwordBox()->isEnabled());
    EXPECT_FALSE(harness.label(&window(), QStringLiteral("Label2_1"))->isEnabled());
    EXPECT_EQ(harness.label(&window(), QStringLiteral("Label1_1"))->toolTip(), "create new file");

    passwordBox()->setText(QStringLiteral("left over"));
    clickTick();
    EXPECT_TRUE(passwordBox()->isEnabled());
    EXPECT_TRUE(harness.label(&window(), QStringLiteral("Label2_1"))->isEnabled());
    EXPECT_TRUE(passwordBox()->text().isEmpty());
    EXPECT_EQ(window().focusWidget(), passwordBox());
    clickTick();
    EXPECT_FALSE(passwordBox()->isEnabled());
}

TEST_F(NewFileFrmTest, APlainFileIsOneEmptyLineAndOpensInTheMainWindow)
{
    harness.state.Records.emplace_back(); // whatever was there before
    typeName(QStringLiteral("plans"));
    create();
    EXPECT_EQ(readFile(harness.folder.file("plans.bcn")), "\r\n");
    EXPECT_EQ(harness.state.DataFilePath, harness.folder.file("plans.bcn"));
    EXPECT_FALSE(harness.state.FileEncrypted);
    EXPECT_EQ(store::upperBound(harness.state.Records), 0);
    ASSERT_TRUE(harness.owner->isDataFrmLoaded());
    EXPECT_TRUE(harness.owner->dataFrm().isVisible());
    EXPECT_FALSE(harness.owner->isStartUpLoaded());
    EXPECT_FALSE(harness.owner->isNewFileFrmLoaded());
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
}

TEST_F(NewFileFrmTest, AnEncipheredFileStartsWithOneUnencipheredEmptyLine)
{
    typeName(QStringLiteral("secret plans"));
    clickTick();
    WindowHarness::type(passwordBox(), QStringLiteral("caf\u00E9"));
    create();
    EXPECT_EQ(readFile(harness.folder.file("secret plans.bcy")), "\r\n");
    EXPECT_FALSE(fs::exists(harness.folder.file("secret plans.bcn")));
    EXPECT_TRUE(harness.state.FileEncrypted);
    EXPECT_EQ(harness.state.FilePassword, "caf\xE9");
    EXPECT_TRUE(harness.owner->isDataFrmLoaded());
}

TEST_F(NewFileFrmTest, ATickWithoutAPasswordDoesNothing)
{
    typeName(QStringLiteral("plans"));
    clickTick();
    create();
    QTest::keyClick(passwordBox(), Qt::Key_Return);
    EXPECT_TRUE(stillOpen());
    EXPECT_EQ(filesInFolder(), 0u);
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
}

TEST_F(NewFileFrmTest, UntickingAfterTypingAPasswordMakesAPlainFile)
{
    harness.state.FilePassword = "before";
    typeName(QStringLiteral("plans"));
    clickTick();
    WindowHarness::type(passwordBox(), QStringLiteral("typed"));
    clickTick();
    QTest::keyClick(nameBox(), Qt::Key_Return); // Enter in the name box creates too
    EXPECT_EQ(readFile(harness.folder.file("plans.bcn")), "\r\n");
    EXPECT_FALSE(fs::exists(harness.folder.file("plans.bcy")));
    EXPECT_FALSE(harness.state.FileEncrypted);
    EXPECT_EQ(harness.state.FilePassword, "before");
}

TEST_F(NewFileFrmTest, AnExistingFileIsEmptiedAndAnEmptyNameIsTakenAsTyped)
{
    harness.folder.write("plans.bcn", "000010000001Open      Garden\r\n");
    typeName(QStringLiteral("plans"));
    create();
    EXPECT_EQ(readFile(harness.folder.file("plans.bcn")), "\r\n");

    WindowHarness second;
    second.owner->startUp().show();
    WindowHarness::click(second.label(&second.owner->startUp(), QStringLiteral("Label1_0")));
    WindowHarness::click(second.label(&second.owner->newFileFrm(), QStringLiteral("Label1_1")));
    EXPECT_EQ(readFile(second.folder.file(".bcn")), "\r\n");
}

TEST_F(NewFileFrmTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    const fs::path locked = harness.folder.write("locked.bcn", "000010000001Open      Kept\r\n");
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    typeName(QStringLiteral("locked"));
    create();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(harness.fakes.messages.texts[0],
              QString::fromStdString("Could not save the file '" + locked.string() + "': the file is read-only."));
    EXPECT_EQ(harness.fakes.messages.titles[0], "Brindlecase");
    EXPECT_EQ(readFile(locked), "000010000001Open      Kept\r\n");
    EXPECT_TRUE(stillOpen());
    EXPECT_FALSE(harness.owner->isDataFrmLoaded());
    EXPECT_NE(harness.state.DataFilePath, locked);

    fs::create_directory(harness.folder.file("folder.bcn"));
    nameBox()->clear();
    typeName(QStringLiteral("folder"));
    create();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 2u);
    EXPECT_EQ(harness.fakes.messages.texts[1], QString::fromStdString("Could not save the file '"
                                                                      + harness.folder.file("folder.bcn").string()
                                                                      + "': it is a folder."));

    nameBox()->clear();
    typeName(QStringLiteral("../outside"));
    create();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 3u);
    EXPECT_TRUE(harness.fakes.messages.texts[2].contains(QStringLiteral("a file name cannot hold \"/\"")));
    EXPECT_FALSE(fs::exists(harness.folder.path().parent_path() / "outside.bcn"));
    EXPECT_TRUE(stillOpen());
}

TEST_F(NewFileFrmTest, APasswordOutsideTheCodePageIsRefused)
{
    typeName(QStringLiteral("plans"));
    clickTick();
    WindowHarness::type(passwordBox(), QStringLiteral("\u041F\u0430\u0440\u043E\u043B\u044C"));
    create();
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    const QString message = harness.fakes.messages.texts[0];
    EXPECT_TRUE(message.startsWith(QStringLiteral("The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\".")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("the letters A to Z and a to z"))) << message.toStdString();
    EXPECT_EQ(filesInFolder(), 0u);
    EXPECT_TRUE(stillOpen());
    EXPECT_FALSE(harness.state.FileEncrypted);
}

TEST_F(NewFileFrmTest, ExitTheCloseBoxAndEscapeBringTheStartWindowBackAndEmptyTheStore)
{
    for (int way = 0; way < 3; ++way) {
        harness.state.Records.emplace_back();
        if (way == 0)
            WindowHarness::click(harness.label(&window(), QStringLiteral("Label1_2")));
        else if (way == 1)
            window().close();
        else
            QTest::keyClick(nameBox(), Qt::Key_Escape);
        EXPECT_FALSE(harness.owner->isNewFileFrmLoaded()) << way;
        EXPECT_TRUE(harness.owner->startUp().isVisible()) << way;
        EXPECT_EQ(store::upperBound(harness.state.Records), 0) << way;
        WindowHarness::click(harness.label(&harness.owner->startUp(), QStringLiteral("Label1_0")));
        ASSERT_TRUE(window().isVisible());
    }
    EXPECT_EQ(filesInFolder(), 0u);
}

TEST_F(NewFileFrmTest, TheButtonsAreReachedWithTabAndActOnSpace)
{
    QApplication::setActiveWindow(&window());
    nameBox()->setFocus();
    windows::TagLabel* exit = harness.label(&window(), QStringLiteral("Label1_2"));
    for (int i = 0; i < 6 && QApplication::focusWidget() != exit; ++i)
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : nameBox(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), exit);
    QTest::keyClick(exit, Qt::Key_Space);
    EXPECT_FALSE(harness.owner->isNewFileFrmLoaded());
    EXPECT_TRUE(harness.owner->startUp().isVisible());
}

} // namespace
