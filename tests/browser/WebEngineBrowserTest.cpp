// The real embedded browser, offscreen: what it tells the windows about a page
// shown, a missing file and a mail link followed, and a page printed to PDF.

#include "platform/WebEngineBrowser.h"
#include "support/TempFolder.h"

#include <QPrinter>
#include <QProcess>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <optional>

using namespace testing_support;
using platform::LoadResult;

namespace {

class WebEngineBrowserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        browser = factory.create(&window);
        browser->onLoadFinished([this](LoadResult result) { results.push_back(result); });
        browser->onMailLink([this](const QUrl& address) { mails.push_back(address); });
        window.resize(400, 300);
        browser->widget()->setGeometry(0, 0, 400, 300);
        window.show();
    }
    bool waitForResults(std::size_t count) { return QTest::qWaitFor([&] { return results.size() >= count; }, 20000); }

    TempFolder folder;
    QWidget window;
    platform::WebEngineBrowserFactory factory;
    platform::Browser* browser = nullptr;
    std::vector<LoadResult> results;
    std::vector<QUrl> mails;
};

// The group page loads with its title, and its picture link, when followed, goes
// to the window while the browser stays on the page.
TEST_F(WebEngineBrowserTest, PageLoadsAndMailLinksAreHandedOver)
{
    const auto page = folder.write("group.htm", "<html><head><title>email group</title></head><body>"
                                                "<a href='mailto:a@example.org;b@example.org' "
                                                "style='display:block;height:280px'>all</a></body></html>");
    const QUrl address = QUrl::fromLocalFile(QString::fromStdString(page.string()));
    browser->navigate(QString::fromStdString(page.string()));
    ASSERT_TRUE(waitForResults(1));
    EXPECT_EQ(results.back(), LoadResult::Loaded);
    EXPECT_EQ(browser->title() + " " + browser->address().toString(), "email group " + address.toString());

    // The page takes input only once it is drawn, a moment after it loaded.
    QWidget* surface = browser->widget()->focusProxy() ? browser->widget()->focusProxy() : browser->widget();
    for (int attempt = 0; attempt < 40 && mails.empty(); ++attempt) {
        QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        (void)QTest::qWaitFor([&] { return !mails.empty(); }, 500);
    }
    ASSERT_FALSE(mails.empty());
    EXPECT_EQ(mails[0].toString(), "mailto:a@example.org;b@example.org");
    EXPECT_EQ(results.size(), 1u) << "following a mail link is no navigation";
    EXPECT_EQ(browser->address(), address);
}

// A local page printed into a PDF printer, as the preview's "PRINT" does with a
// PDF file chosen: the file holds the page's words, and the window went on taking
// events while the page was rendered.
TEST_F(WebEngineBrowserTest, PrintsTheShownPageIntoAPdfFile)
{
    const auto page = folder.write("print.htm", "<html><head><title>Print me</title></head><body>"
                                                "<h1>Garden shed rebuild</h1><p>Three quotes before March.</p>"
                                                "</body></html>");
    browser->navigate(QString::fromStdString(page.string()));
    ASSERT_TRUE(waitForResults(1));
    ASSERT_EQ(results.back(), LoadResult::Loaded);

    const std::filesystem::path pdf = folder.file("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    std::optional<bool> printed;
    browser->print(printer, [&](bool ok) { printed = ok; });
    EXPECT_FALSE(printed.has_value()) << "printing returns before the page is rendered";
    std::optional<bool> second;
    browser->print(printer, [&](bool ok) { second = ok; });
    EXPECT_EQ(second, std::optional<bool>(false)) << "a second print while one runs is refused at once";
    ASSERT_TRUE(QTest::qWaitFor([&] { return printed.has_value(); }, 30000));
    EXPECT_TRUE(*printed);

    QProcess pdftotext; // the text poppler's pdftotext reads from the file
    pdftotext.start(QStringLiteral("pdftotext"), {QString::fromStdString(pdf.string()), QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(30000)) << "pdftotext is missing (Debian package poppler-utils)";
    EXPECT_EQ(pdftotext.readAllStandardOutput().simplified(), "Garden shed rebuild Three quotes before March.");
}

} // namespace
