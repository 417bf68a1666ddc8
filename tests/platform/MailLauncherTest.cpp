#include "platform/MailLauncher.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The desktop as the launcher sees it: which programs exist, and what it was asked.
class FakeMailDesktop : public platform::MailDesktop {
public:
    QString findProgram(const QString& name) override
    {
        return name == QLatin1String("xdg-email") && hasXdgEmail ? QStringLiteral("/usr/bin/xdg-email") : QString();
    }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        started.push_back(program);
        startArguments.push_back(arguments);
        return startSucceeds;
    }
    bool openAddress(const QUrl& address) override
    {
        opened.push_back(address.toString(QUrl::FullyEncoded));
        return true;
    }

    bool hasXdgEmail = true;
    bool startSucceeds = true;
    std::vector<QString> started;
    std::vector<QStringList> startArguments;
    std::vector<QString> opened;
};

const QString kAddress = QStringLiteral("mailto:?Subject=Brindlecase File&Attacth=\"/home/ann/my notes.bcn\"");
const QString kEncoded = QStringLiteral("mailto:?Subject=Brindlecase%20File&Attacth=%22/home/ann/my%20notes.bcn%22");

TEST(MailLauncher, AnAttachmentGoesToXdgEmailWhereItIsPresent)
{
    FakeMailDesktop desktop;
    platform::MailLauncher(desktop).send(kAddress, QStringLiteral("/home/ann/my notes.bcn"));
    ASSERT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.started[0], "/usr/bin/xdg-email");
    EXPECT_EQ(desktop.startArguments[0], QStringList({"--attach", "/home/ann/my notes.bcn", kEncoded}));
    EXPECT_TRUE(desktop.opened.empty());
}

TEST(MailLauncher, WithoutXdgEmailOrAnAttachmentTheAddressGoesToTheMailHandler)
{
    FakeMailDesktop missing;
    missing.hasXdgEmail = false;
    platform::MailLauncher(missing).send(kAddress, QStringLiteral("/home/ann/my notes.bcn"));
    EXPECT_TRUE(missing.started.empty());
    EXPECT_EQ(missing.opened, std::vector<QString>{kEncoded});

    FakeMailDesktop noFile;
    platform::MailLauncher(noFile).send(QStringLiteral("mailto:ann@example.org?Body=a%0D%0Ab%0D%0A"), QString());
    EXPECT_TRUE(noFile.started.empty());
    EXPECT_EQ(noFile.opened, std::vector<QString>{"mailto:ann@example.org?Body=a%0D%0Ab%0D%0A"});
}

TEST(MailLauncher, XdgEmailThatDoesNotStartFallsBackToTheMailHandler)
{
    FakeMailDesktop desktop;
    desktop.startSucceeds = false;
    platform::MailLauncher(desktop).send(kAddress, QStringLiteral("/home/ann/my notes.bcn"));
    EXPECT_EQ(desktop.started.size(), 1u);
    EXPECT_EQ(desktop.opened, std::vector<QString>{kEncoded});
}

} // namespace
