#include "support/EveryWindow.h"

#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/preview/EmailGroup.h"
#include "windows/preview/PreviewFrm.h"
#include "windows/start/EncryptionFrm.h"
#include "windows/start/NewFileFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QDialog>
#include <QListWidget>

namespace testing_support {
namespace {

// Master "Garden" with links of every kind and two sub records, and a second
// master; some names too long for any row or list they are shown in.
std::string showcaseFile()
{
    const std::string tooLong = " that goes on and on, well past the edge of any row or list it is shown in, and on";
    return crlfLines({"000010000001Open      Garden" + tooLong + "\xAC" "weeds and seeds",
                      "000010000002Ann\xAC" "ann@example.org", "000010000002Bob" + tooLong + "\xAC" "bob@example.org",
                      "000010000003Plans\xAC" "/home/me/plans", "000010000005Seeds\xAC" "https://seeds.example",
                      "000020000101Fence\xAC", "000030000101Shed roof" + tooLong + "\xAC",
                      "000040000001Done      Car service\xAC"});
}

// The link menu of the main window's first e-mail link.
QWidget* linkMenu(WindowHarness& harness)
{
    WindowHarness::click(harness.label(mainWindowWithRecord(harness), QStringLiteral("resB_0")));
    return &harness.owner->linkFrm();
}

// A window of the link editor's, opened by its button `button`.
template <typename Window>
QWidget* fromLinkEditor(WindowHarness& harness, const char* button, Window& (windows::WindowOwner::*window)())
{
    QWidget* main = mainWindowWithRecord(harness);
    if (!harness.owner->isNewLinkFrmLoaded())
        WindowHarness::click(harness.label(main, QStringLiteral("Image3_3")));
    harness.owner->newLinkFrm().LinkDescription->setText(QStringLiteral("Ann"));
    if (button)
        WindowHarness::click(harness.label(&harness.owner->newLinkFrm(), QString::fromLatin1(button)));
    QWidget* opened = &(*harness.owner.*window)();
    if (auto* list = opened->findChild<QListWidget*>(QStringLiteral("List1")))
        list->setCurrentRow(0);
    return opened;
}

// The preview of a text file with a long name, switched to its text view.
QWidget* previewInTextView(WindowHarness& harness)
{
    const auto file = harness.folder.write("notes of the garden shed rebuild" + std::string(60, 'x') + ".txt",
                                           "Old shed\r\nThree quotes\r\n");
    harness.state.SelectedLinkDescription = "Shed notes";
    harness.state.SelectedLinkTarget = file.string();
    windows::PreviewFrm& preview = harness.owner->previewFrm();
    preview.openPreview(true, true);
    preview.Command5_Click(); // "TEXT VIEW"
    return &preview;
}

} // namespace

void chooseScheme(WindowHarness& harness, int scheme, bool soundOn)
{
    if (scheme != 0)
        harness.writeSettings(std::string(" 1500 \r\n 900 \r\n") + (soundOn ? "True" : "False") + "\r\nTrue\r\n 1 \r\n "
                              + std::to_string(scheme) + " \r\n");
}

QWidget* mainWindowWithRecord(WindowHarness& harness)
{
    if (harness.owner->isDataFrmLoaded())
        return &harness.owner->dataFrm();
    windows::DataFrm& main = harness.openData(showcaseFile());
    harness.search(QStringLiteral("e"));
    harness.click(harness.label("Res_0"));
    main.Timer1_Timer(); // the note's first step, with the typing hint showing
    harness.click(harness.command(0));
    main.Image1_Click(); // the file menu
    return &main;
}

const std::vector<WindowLoader>& everyWindow()
{
    using windows::WindowOwner;
    using H = WindowHarness;
    static const std::vector<WindowLoader> loaders = {
        {"StartUpFrm", [](H& harness) -> QWidget* { return &harness.startUp(); }},
        {"DataFrm", mainWindowWithRecord},
        {"LinkFrm", [](H& harness) -> QWidget* { return linkMenu(harness); }},
        {"NewLinkFrm", [](H& harness) { return fromLinkEditor(harness, nullptr, &WindowOwner::newLinkFrm); }},
        {"BrowseFrm",
         [](H& harness) {
             const std::string deep = "folder" + std::string(80, 'x'); // a path too long for its place
             harness.state.PickerLastFolder = (harness.folder.path() / deep).string();
             std::filesystem::create_directories(harness.state.PickerLastFolder);
             harness.folder.write(deep + "/plan.txt", "");
             return fromLinkEditor(harness, "Label1_2", &WindowOwner::browseFrm);
         }},
        {"QuickLinkFrm", [](H& harness) { return fromLinkEditor(harness, "Label1_3", &WindowOwner::quickLinkFrm); }},
        {"NewFileFrm",
         [](H& harness) -> QWidget* {
             harness.startButton(0); // "new file"
             return &harness.owner->newFileFrm();
         }},
        {"EncryptionFrm",
         [](H& harness) -> QWidget* {
             harness.folder.write("notes.bcn", "");
             harness.startUp().setFolder(QString::fromStdString(harness.folder.path().string()));
             harness.chooseFile(QStringLiteral("notes.bcn"));
             harness.startButton(3); // "encrypt file"
             return &harness.owner->encryptionFrm();
         }},
        {"EmailGroup",
         [](H& harness) -> QWidget* {
             WindowHarness::click(harness.label(linkMenu(harness), QStringLiteral("LinkType_1"))); // "add to group"
             return &harness.owner->emailGroup();
         }},
        {"PreviewFrm", previewInTextView},
        {"PropertiesDialog",
         [](H& harness) -> QWidget* {
             WindowHarness::click(harness.find<QWidget>(previewInTextView(harness), QStringLiteral("Command2")));
             return harness.owner->previewFrm().findChildren<QDialog*>(QStringLiteral("PropertiesDialog")).constLast();
         }},
    };
    return loaders;
}

} // namespace testing_support
