// The real embedded browser, offscreen: a page shown and printed to PDF, as the
// preview's "PRINT" does.

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
};

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
