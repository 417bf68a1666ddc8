// The preview window driven as a person does, with a browser that shows nothing:
// how it takes the browser's news of a missing page or server, its text view with
// what lands on disk, its openers and its page setup.

#include "support/WindowHarness.h"
#include "windows/links/LinkFrm.h"
#include "windows/preview/PreviewFrm.h"

#include <QDialog>
#include <QRegularExpression>
#include <QTextDocument>
#include <QPrinter>
#include <QPushButton>

#include <gmock/gmock.h>

using namespace testing_support;
using platform::LoadResult;
using ::testing::ElementsAre;

namespace {

class PreviewFrmTest : public ::testing::Test {
protected:
    // Opens the preview of `target` as the link menu does.
    windows::PreviewFrm& preview(const std::string& target, const std::string& description = "Plans")
    {
        harness.state.SelectedLinkDescription = description;
        harness.state.SelectedLinkTarget = target;
        harness.owner->previewFrm().openPreview(true, true);
        return harness.owner->previewFrm();
    }
    // Opens `bytes` as a file in the text view.
    windows::PreviewFrm& textView(const std::string& bytes)
    {
        file = harness.folder.write("notes.txt", bytes);
        WindowHarness::click(preview(file.string()).Command5); // "TEXT VIEW"
        return harness.owner->previewFrm();
    }
    FakeBrowser& browser() { return *harness.fakes.browsers.made.back(); }
    // Which view shows, and the buttons' captions.
    static std::string view(windows::PreviewFrm& window)
    {
        QStringList texts{QLatin1String(window.isWebView() ? "web" : "text")};
        for (QPushButton* button : {window.Command1, window.Command2, window.Command3, window.Command4, window.Command5})
            texts << button->text();
        return texts.join(QLatin1Char('|')).toStdString();
    }

    WindowHarness harness;
    std::filesystem::path file;
    const std::string webShown = "web|PRINT|PRINT PREVIEW|PAGE SETUP|PAGE PROPERTIES|TEXT VIEW";
};

TEST_F(PreviewFrmTest, NoPageTurnsToTheTextViewServerNotFoundFailsANearMissChangesNothing)
{
    const auto page = harness.folder.write("page.bin", "line one\nline two");
    windows::PreviewFrm& window = preview(page.string());
    EXPECT_EQ(browser().navigations, (std::vector<QString>{"about:blank", QString::fromStdString(page.string())}));

    browser().finishLoad(LoadResult::Loaded, "Cannot find server - Search results");
    browser().finishLoad(LoadResult::Loaded, "No page to display here");
    browser().finishLoad(LoadResult::Failed);
    EXPECT_EQ(view(window), webShown);
    browser().finishLoad(LoadResult::NoPage);
    EXPECT_EQ(view(window), "text|Save changes|Properties|Open File||");
    EXPECT_EQ(window.Text1->toPlainText(), "line one\nline two\n");

    // A new opener starts again in the web view; an unreachable server ends in the failed state.
    preview("https://nowhere.invalid/x", "Seeds");
    EXPECT_EQ(view(window), webShown);
    browser().finishLoad(LoadResult::ServerNotFound);
    EXPECT_EQ(window.Text1->toPlainText(),
              "Seeds\n\nUnable to navigate to the following location: \n\nhttps://nowhere.invalid/x");
    EXPECT_TRUE(window.Text1->isVisible());
    for (QPushButton* button : {window.Command1, window.Command2, window.Command3, window.Command4, window.Command5})
        EXPECT_FALSE(button->isEnabled());
}

TEST_F(PreviewFrmTest, TextViewReadsLineByLineAndSavesTheTextWithOneLineEnd)
{
    const std::tuple<std::string, QString, std::string> cases[] = { // bytes, shown, saved
        {"a\rb\n\nc\r\n", "a\nb\n\nc\n", "a\r\nb\r\n\r\nc\r\n\r\n"},
        // e acute, the euro sign, a no-break space, a form feed: Windows-1252 bytes kept as they are.
        {"caf\xE9 \x80\xA0\x0C" "1\r\n", QString::fromUtf8("caf\u00E9 \u20AC\u00A0\f1\n"), "caf\xE9 \x80\xA0\x0C" "1\r\n\r\n"},
    };
    for (const auto& [bytes, shown, saved] : cases) {
        SCOPED_TRACE(bytes);
        windows::PreviewFrm& window = textView(bytes);
        EXPECT_EQ(window.Text1->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n')), shown);
        WindowHarness::click(window.Command1); // "Save changes"
        EXPECT_EQ(readFile(file), saved);
        window.close();
    }
}

TEST_F(PreviewFrmTest, TextOutsideTheCodePageIsRefusedAndKeptClosingUnsavedAsks)
{
    windows::PreviewFrm& window = textView("old\r\n");
    WindowHarness::type(window.Text1, QString::fromUtf8("\u0142"));
    WindowHarness::click(window.Command5); // an empty button leaves the edit alone
    WindowHarness::click(window.Command1);
    EXPECT_EQ(readFile(file), "old\r\n");
    ASSERT_EQ(harness.fakes.messages.texts.size(), 1u);
    EXPECT_THAT(harness.fakes.messages.texts[0].toStdString(), ::testing::HasSubstr("\u0142"));

    // Closing, or another preview, with the edit unsaved asks; "Cancel" keeps the window and the text.
    harness.fakes.messages.answers = {2, 2};
    window.close();
    preview("https://seeds.example");
    EXPECT_TRUE(harness.owner->isPreviewFrmLoaded());
    EXPECT_EQ(harness.fakes.messages.questions.size(), 2u);
    EXPECT_TRUE(window.Text1->toPlainText().endsWith(QString::fromUtf8("\u0142")));
    EXPECT_EQ(browser().navigations.size(), 2u);
}

TEST_F(PreviewFrmTest, HelpAboutOpenFileAndPropertiesPageSetupKeptForTheNextPrint)
{
    const QString folder = QString::fromStdString(harness.folder.path().string());
    harness.owner->startUp().show();
    WindowHarness::click(harness.label(&harness.owner->startUp(), QStringLiteral("Image7")));
    windows::PreviewFrm& window = harness.owner->previewFrm();
    EXPECT_EQ(window.windowTitle(), "Preview");
    EXPECT_EQ(browser().navigations.back(), folder + "/help/index.htm");

    harness.openData("");
    harness.window->Label8_Click();
    EXPECT_EQ(window.windowTitle(), "Preview - About Brindlecase");
    EXPECT_EQ(browser().navigations.back(), folder + "/About.htm");

    harness.fakes.printing.pageSetup = [](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); };
    WindowHarness::click(window.Command3); // "PAGE SETUP"
    harness.fakes.printing.printChosen = false;
    WindowHarness::click(window.Command1); // "PRINT", cancelled
    EXPECT_EQ(browser().prints, 0);
    harness.fakes.printing.printChosen = true;
    WindowHarness::click(window.Command1);
    EXPECT_EQ(browser().prints, 1);
    WindowHarness::click(window.Command2); // "PRINT PREVIEW"
    EXPECT_EQ(browser().prints, 2);
    ASSERT_EQ(harness.fakes.printing.layouts.size(), 2u);
    EXPECT_EQ(harness.fakes.printing.layouts.back().orientation(), QPageLayout::Landscape);

    textView("x\r\n");
    WindowHarness::click(window.Command3); // "Open File"
    EXPECT_THAT(harness.fakes.launcher.opened, ElementsAre(QString::fromStdString(file.string())));

    // "Properties": what the file system keeps of it.
    std::filesystem::permissions(file, std::filesystem::perms(0640));
    WindowHarness::click(window.Command2);
    QStringList facts;
    auto* dialog = window.findChild<QDialog*>(QStringLiteral("PropertiesDialog"));
    for (auto* fact : dialog->findChildren<windows::TagLabel*>(QRegularExpression(QStringLiteral("^Fact_"))))
        facts << fact->caption();
    EXPECT_THAT(facts, ::testing::IsSupersetOf({QStringLiteral("Name: notes.txt"), QStringLiteral("Size: 3 bytes"),
                                               QStringLiteral("Permissions: read and write (rw-r-----)")}));
}

} // namespace
