#include "support/EveryWindow.h"

#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/LinkFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"
#include "windows/start/StartUpFrm.h"

#include <QLineEdit>
#include <QListWidget>

namespace testing_support {
namespace {

std::string showcaseFile()
{
    TempFolder scratch;
    store::AppState s;
    const int garden = addMaster(s, "Open", "Garden\xAC" "weeds and seeds");
    addSub(s, garden, "Fence\xAC");
    addSub(s, garden, "Shed roof\xAC");
    addMaster(s, "Done", "Car service\xAC");
    s.Records[garden].Emails.push_back("Ann\xAC" "ann@example.org");
    s.Records[garden].Emails.push_back("Bob\xAC" "bob@example.org");
    s.Records[garden].Folders.push_back("Plans\xAC" "/home/me/plans");
    s.Records[garden].Files.push_back("Sketch\xAC" "/home/me/sketch.pdf");
    s.Records[garden].WebLinks.push_back("Seeds\xAC" "https://seeds.example");
    s.DataFilePath = scratch.file("made.bcn");
    store::SaveDataFile(s);
    return readFile(s.DataFilePath);
}

void selectFirst(QListWidget* list)
{
    if (list->count() > 0)
        list->setCurrentRow(0);
}

QWidget* linkEditor(WindowHarness& harness)
{
    QWidget* main = mainWindowWithRecord(harness);
    if (!harness.owner->isNewLinkFrmLoaded())
        WindowHarness::click(harness.label(main, QStringLiteral("Image3_3")));
    windows::NewLinkFrm& editor = harness.owner->newLinkFrm();
    editor.LinkDescription->setText(QStringLiteral("Ann"));
    return &editor;
}

QWidget* shown(QWidget* window)
{
    window->show();
    return window;
}

} // namespace

void chooseScheme(WindowHarness& harness, int scheme)
{
    if (scheme != 0)
        harness.writeSettings(" 1500 \r\n 900 \r\nFalse\r\nTrue\r\n 1 \r\n " + std::to_string(scheme) + " \r\n");
}

QWidget* mainWindowWithRecord(WindowHarness& harness)
{
    if (harness.owner->isDataFrmLoaded())
        return &harness.owner->dataFrm();
    windows::DataFrm& main = harness.openData(showcaseFile());
    harness.find<QLineEdit>(&main, QStringLiteral("SearchTxt"))->setText(QStringLiteral("e"));
    WindowHarness::click(harness.label(&main, QStringLiteral("Res_0")));
    main.Timer1_Timer(); // the note's first step, with the typing hint showing
    WindowHarness::click(harness.label(&main, QStringLiteral("Label1_0")));
    main.Image1_Click(); // the file menu
    return &main;
}

const std::vector<WindowLoader>& everyWindow()
{
    static const std::vector<WindowLoader> loaders = {
        {"StartUpFrm",
         [](WindowHarness& harness) {
             windows::StartUpFrm& start = harness.owner->startUp();
             harness.folder.write("other.bcn", "");
             start.setFolder(QString::fromStdString(harness.folder.path().string()));
             selectFirst(harness.find<QListWidget>(&start, QStringLiteral("File1")));
             return shown(&start);
         }},
        {"DataFrm", [](WindowHarness& harness) { return mainWindowWithRecord(harness); }},
        {"LinkFrm",
         [](WindowHarness& harness) {
             WindowHarness::click(harness.label(mainWindowWithRecord(harness), QStringLiteral("resB_0")));
             return shown(&harness.owner->linkFrm());
         }},
        {"NewLinkFrm", [](WindowHarness& harness) { return shown(linkEditor(harness)); }},
        {"BrowseFrm",
         [](WindowHarness& harness) {
             harness.state.PickerLastFolder = harness.folder.path().string();
             WindowHarness::click(harness.label(linkEditor(harness), QStringLiteral("Label1_2")));
             windows::BrowseFrm& picker = harness.owner->browseFrm();
             selectFirst(harness.find<QListWidget>(&picker, QStringLiteral("File1")));
             return shown(&picker);
         }},
        {"QuickLinkFrm",
         [](WindowHarness& harness) {
             WindowHarness::click(harness.label(linkEditor(harness), QStringLiteral("Label1_3")));
             windows::QuickLinkFrm& quick = harness.owner->quickLinkFrm();
             selectFirst(harness.find<QListWidget>(&quick, QStringLiteral("List1")));
             return shown(&quick);
         }},
    };
    return loaders;
}

} // namespace testing_support
