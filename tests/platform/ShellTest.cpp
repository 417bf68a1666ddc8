#include "platform/Browser.h"
#include "platform/MailLauncher.h"
#include "platform/Shell.h"
#include "platform/WebEngineBrowser.h"
#include "support/FakePlatform.h"
#include "support/TempFolder.h"

#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace platform;
using namespace testing_support;
using Domain = QWebEngineLoadingInfo::ErrorDomain;

namespace {

// Every code of 32 or less with its message, as the shell's result codes read; a
// link reports results up to 32 under the busy pointer and nothing above.
TEST(OpenLink, EveryResultUpTo32HasItsMessageAndLargerOnesAreSuccess)
{
    const std::map<int, QString> messages = {
        {2, "File not found"}, {3, "Path not found"}, {5, "Access denied"}, {8, "Out of memory"},
        {11, "Invalid EXE file or error in EXE image"}, {26, "A sharing violation occurred"},
        {27, "Incomplete or invalid file association"}, {28, "DDE Time out"}, {29, "DDE transaction failed"},
        {30, "DDE busy"}, {31, "No association for file extension"}, {32, "DLL not found"},
    };
    for (int code = -40; code <= 32; ++code) {
        const auto found = messages.find(code);
        EXPECT_EQ(ShellErrorText(code), found == messages.end() ? "Unknown error" : found->second) << code;
    }
    FakeLauncher launcher;
    FakeMessages shown;
    for (int result : {32, 0, 33}) {
        launcher.result = result;
        OpenLink(QStringLiteral("/srv/x.zzz"), launcher, shown, nullptr);
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    }
    EXPECT_EQ(shown.texts, (std::vector<QString>{"DLL not found", "Unknown error"}));
    EXPECT_EQ(shown.titles, std::vector<QString>(2, QStringLiteral("Brindlecase")));
}

// The real launcher with the desktop replaced: what it asks and what it hands over.
struct RecordingDesktop : DesktopLauncher {
    bool hasProgramFor(const QString& mimeType) override { return asked.push_back(mimeType), hasProgram; }
    bool openUrl(const QUrl& url) override { return opened.push_back(url.toString(QUrl::FullyEncoded)), opens; }
    bool hasProgram = true, opens = true;
    std::vector<QString> asked, opened;
};

TEST(DesktopLauncher, PathsAreCheckedBeforeTheDesktopIsAskedAddressesByTheirScheme)
{
    TempFolder folder;
    const QString base = QString::fromStdString(folder.path().string());
    folder.write("notes.txt", "x");
    ::chmod(folder.write("locked.txt", "x").c_str(), 0);
    RecordingDesktop desktop;
    EXPECT_EQ(desktop.ShellOpen(base + "/gone.txt"), shell::kFileNotFound);
    EXPECT_EQ(desktop.ShellOpen(base + "/no/where.txt"), shell::kPathNotFound);
    EXPECT_EQ(desktop.ShellOpen("file://" + base + "/gone"), shell::kFileNotFound);
    EXPECT_EQ(desktop.ShellOpen(base + "/notes.txt"), shell::kOpened);
    EXPECT_EQ(desktop.ShellOpen(base), shell::kOpened);
    EXPECT_EQ(desktop.asked, (std::vector<QString>{"text/plain", "inode/directory"}));

    // Addresses are asked about by their scheme in lower case; a mail address goes
    // over without the blank after "mailto:" and with "," between its members.
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("HTTPS://example.org/a b")), shell::kOpened);
    EXPECT_EQ(desktop.asked.back(), "x-scheme-handler/https");
    desktop.hasProgram = false;
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("zzz:thing")), shell::kNoAssociation);
    desktop.hasProgram = true, desktop.opens = false;
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("news:group")), shell::kUnknownError);
    // A drive letter and a colon is a path, not an address.
    EXPECT_EQ(desktop.ShellOpen(QStringLiteral("C:/missing/file.txt")), shell::kPathNotFound);
    desktop.openMail(QStringLiteral("mailto: bob@example.org;ann@example.org?Subject=a;b"));
    desktop.openMail(QStringLiteral("MAILTO:ann@example.org"));
    EXPECT_EQ(desktop.opened, (std::vector<QString>{"file://" + base + "/notes.txt", "file://" + base, "https://example.org/a%20b",
                                                    "news:group", "mailto:bob@example.org,ann@example.org?Subject=a;b",
                                                    "mailto:ann@example.org"}));
    // An administrator may read anything.
    EXPECT_EQ(desktop.ShellOpen(base + "/locked.txt"), ::geteuid() == 0 ? shell::kUnknownError : shell::kAccessDenied);
}

// The desktop as the mail launcher sees it: which programs exist, and what it was asked.
struct FakeMailDesktop : MailDesktop {
    QString findProgram(const QString& name) override { return hasXdgEmail && name == "xdg-email" ? "/usr/bin/xdg-email" : ""; }
    bool startProgram(const QString& program, const QStringList& arguments) override
    {
        return calls << (QStringList{program} + arguments).join('|'), startSucceeds;
    }
    bool openAddress(const QUrl& address) override { return calls << "open|" + address.toString(QUrl::FullyEncoded), true; }
    bool hasXdgEmail = true, startSucceeds = true;
    QStringList calls;
};

// An attachment goes to xdg-email where it is present and starts; otherwise, and
// without an attachment, the address goes to the desktop's mail handler.
TEST(MailLauncher, AnAttachmentGoesToXdgEmailWhereItIsPresentElseTheAddressToTheMailHandler)
{
    const QString address = QStringLiteral("mailto:?Subject=Brindlecase File&Attacth=\"/home/ann/my notes.bcn\"");
    const QString encoded = QStringLiteral("mailto:?Subject=Brindlecase%20File&Attacth=%22/home/ann/my%20notes.bcn%22");
    const QString file = QStringLiteral("/home/ann/my notes.bcn"), body = QStringLiteral("mailto:a@example.org?Body=a%0D%0A");
    FakeMailDesktop desktop;
    MailLauncher(desktop).send(address, file);
    MailLauncher(desktop).send(body, QString());
    desktop.startSucceeds = false;
    MailLauncher(desktop).send(address, file);
    desktop.hasXdgEmail = false;
    MailLauncher(desktop).send(address, file);
    const QString xdgEmail = "/usr/bin/xdg-email|--attach|" + file + "|" + encoded;
    EXPECT_EQ(desktop.calls, QStringList({xdgEmail, "open|" + body, xdgEmail, "open|" + encoded, "open|" + encoded}));
}

TEST(Browser, AddressesStayPathsBecomeFileAddressesAndFailedLoadsAreSorted)
{
    EXPECT_EQ(browserUrl(QStringLiteral("https://example.org/a b")).toString(), QStringLiteral("https://example.org/a b"));
    EXPECT_EQ(browserUrl(QStringLiteral("/srv/my pages/Status Summary.htm")),
              QUrl(QStringLiteral("file:///srv/my%20pages/Status%20Summary.htm")));
    // One letter and a colon is a drive-like name, not a scheme: a path here.
    EXPECT_EQ(browserUrl(QStringLiteral("C:notes.htm")).toLocalFile(), QDir::current().filePath("C:notes.htm"));
    // Local failures are no page, unreachable servers not found. Chromium's published
    // network errors: -105 name not resolved, -109 address unreachable, -137 name
    // resolution failed; -2 failed, -202 certificate authority invalid.
    EXPECT_EQ(loadResultFor(true, Domain::InternalErrorDomain, -6), LoadResult::NoPage);
    EXPECT_EQ(loadResultFor(true, Domain::ConnectionErrorDomain, -105), LoadResult::NoPage);
    EXPECT_EQ(loadResultFor(false, Domain::DnsErrorDomain, -800), LoadResult::ServerNotFound);
    EXPECT_EQ(loadResultFor(false, Domain::ConnectionErrorDomain, -102), LoadResult::ServerNotFound);
    for (int unreachable : {-105, -109, -137})
        EXPECT_EQ(loadResultFor(false, Domain::InternalErrorDomain, unreachable), LoadResult::ServerNotFound);
    EXPECT_EQ(loadResultFor(false, Domain::CertificateErrorDomain, -202), LoadResult::Failed);
    EXPECT_EQ(loadResultFor(false, Domain::InternalErrorDomain, -2), LoadResult::Failed);
}

} // namespace
