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

// An attachment goes to xdg-email where it is present and starts; otherwise, and
// without an attachment, the address goes to the desktop's mail handler.
TEST(MailLauncher, AnAttachmentGoesToXdgEmailWhereItIsPresentElseTheAddressToTheMailHandler)
{
    const QString file = QStringLiteral("/home/ann/my notes.bcn");
    FakeMailDesktop desktop;
    platform::MailLauncher(desktop).send(kAddress, file);
    EXPECT_EQ(desktop.started, std::vector<QString>{"/usr/bin/xdg-email"});
    EXPECT_EQ(desktop.startArguments[0], QStringList({"--attach", file, kEncoded}));
    EXPECT_TRUE(desktop.opened.empty());
    const QString body = QStringLiteral("mailto:ann@example.org?Body=a%0D%0Ab%0D%0A");
    platform::MailLauncher(desktop).send(body, QString());
    desktop.startSucceeds = false;
    platform::MailLauncher(desktop).send(kAddress, file);
    EXPECT_EQ(desktop.started.size(), 2u);
    desktop.hasXdgEmail = false;
    platform::MailLauncher(desktop).send(kAddress, file);
    EXPECT_EQ(desktop.started.size(), 2u);
    EXPECT_EQ(desktop.opened, (std::vector<QString>{body, kEncoded, kEncoded}));
}

} // namespace
