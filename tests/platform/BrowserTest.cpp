#include "platform/Browser.h"
#include "platform/WebEngineBrowser.h"

#include <QDir>

#include <gtest/gtest.h>

using platform::LoadResult;
using Domain = QWebEngineLoadingInfo::ErrorDomain;

namespace {

TEST(BrowserUrl, AddressesStayPathsBecomeFileAddresses)
{
    EXPECT_EQ(platform::browserUrl(QStringLiteral("about:blank")), QUrl(QStringLiteral("about:blank")));
    EXPECT_EQ(platform::browserUrl(QStringLiteral("https://example.org/a b")).toString(),
              QStringLiteral("https://example.org/a b"));
    EXPECT_EQ(platform::browserUrl(QStringLiteral("/srv/p/emailGroup.htm")),
              QUrl(QStringLiteral("file:///srv/p/emailGroup.htm")));
    EXPECT_EQ(platform::browserUrl(QStringLiteral("/srv/my pages/Status Summary.htm")).toLocalFile(),
              QStringLiteral("/srv/my pages/Status Summary.htm"));
    // One letter and a colon is a drive-like name, not a scheme: a path here.
    EXPECT_EQ(platform::browserUrl(QStringLiteral("C:notes.htm")).toLocalFile(), QDir::current().filePath("C:notes.htm"));
}

TEST(BrowserLoadResult, LocalFailuresAreNoPageUnreachableServersAreServerNotFound)
{
    EXPECT_EQ(platform::loadResultFor(true, Domain::InternalErrorDomain, -6), LoadResult::NoPage);
    EXPECT_EQ(platform::loadResultFor(true, Domain::ConnectionErrorDomain, -105), LoadResult::NoPage);
    EXPECT_EQ(platform::loadResultFor(false, Domain::DnsErrorDomain, -800), LoadResult::ServerNotFound);
    EXPECT_EQ(platform::loadResultFor(false, Domain::ConnectionErrorDomain, -102), LoadResult::ServerNotFound);
    EXPECT_EQ(platform::loadResultFor(false, Domain::InternalErrorDomain, -105), LoadResult::ServerNotFound);
    EXPECT_EQ(platform::loadResultFor(false, Domain::CertificateErrorDomain, -202), LoadResult::Failed);
    EXPECT_EQ(platform::loadResultFor(false, Domain::InternalErrorDomain, -2), LoadResult::Failed);
}

} // namespace
