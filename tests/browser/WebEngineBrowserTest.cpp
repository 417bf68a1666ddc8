// The real embedded browser, offscreen: a page shown, its mail link followed, and
// the page printed to PDF as the preview's "PRINT" does.

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

// A local page shown: its mail link, when followed, goes to the window while the
// browser stays on the page. Printed into a PDF printer, as the preview's "PRINT"
// does with a PDF file chosen: the file holds the page's words, and the window
// went on taking events while the page was rendered.
TEST(WebEngineBrowser, HandsOverMailLinksAndPrintsTheShownPageIntoAPdfFile)
{
    TempFolder folder;
    QWidget window;
    platform::WebEngineBrowserFactory factory;
    platform::Browser* browser = factory.create(&window);
    std::vector<LoadResult> results;
    std::vector<QUrl> mails;
    browser->onLoadFinished([&](LoadResult result) { results.push_back(result); });
    browser->onMailLink([&](const QUrl& address) { mails.push_back(address); });
    window.resize(400, 300);
    browser->widget()->setGeometry(0, 0, 400, 300);
    window.show();
    const auto page = folder.write("print.htm", "<html><head><title>Print me</title></head><body>"
                                                "<a href='mailto:a@example.org;b@example.org' style='display:block;height:280px'>"
                                                "<h1>Garden shed rebuild</h1><p>Three quotes before March.</p></a>"
                                                "</body></html>");
    browser->navigate(QString::fromStdString(page.string()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !results.empty(); }, 20000));
    ASSERT_EQ(results.back(), LoadResult::Loaded);

    // The page takes input only once it is drawn, a moment after it loaded.
    QWidget* surface = browser->widget()->focusProxy() ? browser->widget()->focusProxy() : browser->widget();
    for (int attempt = 0; attempt < 40 && mails.empty(); ++attempt) {
        QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
        (void)QTest::qWaitFor([&] { return !mails.empty(); }, 500);
    }
    EXPECT_EQ(mails, std::vector<QUrl>{QUrl(QStringLiteral("mailto:a@example.org;b@example.org"))});
    EXPECT_EQ(results.size(), 1u) << "following a mail link is no navigation";

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
