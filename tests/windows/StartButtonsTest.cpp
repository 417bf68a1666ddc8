// The start window's buttons that lead elsewhere: mailing the chosen file, the new
// file window and the password window.

#include "support/WindowHarness.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::StartUpFrm;

namespace {

class StartButtonsTest : public ::testing::Test {
protected:
    StartUpFrm& start()
    {
        StartUpFrm& window = harness.owner->startUp();
        window.show();
        return window;
    }
    void choose(const QString& name)
    {
        auto* list = harness.find<QListWidget>(&start(), QStringLiteral("File1"));
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(found[0]).center());
    }
    void clickButton(int index)
    {
        WindowHarness::click(harness.label(&start(), QStringLiteral("Label1_%1").arg(index)));
    }

    WindowHarness harness;
};

TEST_F(StartButtonsTest, EmailFileComposesAMailWithTheChosenFileAttached)
{
    harness.folder.write("my notes.bcn", "\r\n");
    choose(QStringLiteral("my notes.bcn"));
    clickButton(1);
    const QString path = QString::fromStdString(harness.folder.file("my notes.bcn").string());
    ASSERT_EQ(harness.fakes.launcher.composed.size(), 1u);
    EXPECT_EQ(harness.fakes.launcher.composed[0], "mailto:?Subject=Brindlecase File&Attacth=\"" + path + "\"");
    EXPECT_EQ(harness.fakes.launcher.attachments[0], path);
    EXPECT_TRUE(harness.fakes.messages.texts.empty());
    EXPECT_TRUE(start().isVisible());
}

TEST_F(StartButtonsTest, EmailFileWithoutAChosenFileAsksForOne)
{
    harness.folder.write("notes.bcn", "\r\n");
    start();
    clickButton(1);
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_EQ(harness.fakes.messages.texts[0], "Select a file to email.");
    EXPECT_EQ(harness.fakes.messages.titles[0], "Brindlecase");
    EXPECT_TRUE(harness.fakes.launcher.composed.empty());
}

} // namespace
