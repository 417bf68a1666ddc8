// Long paths, names and links are cut to their place with "...", and the whole
// text shows on hover.

#include "store/DataFile.h"
#include "support/StoreFixtures.h"
#include "support/WindowHarness.h"
#include "windows/links/BrowseFrm.h"
#include "windows/links/NewLinkFrm.h"
#include "windows/links/QuickLinkFrm.h"
#include "windows/main/DataFrm.h"

#include <QLineEdit>
#include <QListWidget>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const std::string kLong = "A very long name that goes on and on well past the edge of any row it is shown in, "
                          "and then some more for a wide screen as well";

std::string longNamesFile()
{
    TempFolder scratch;
    store::AppState s;
    const int master = addMaster(s, "Open", kLong + "\xAC");
    addSub(s, master, "Sub: " + kLong + "\xAC");
    s.Records[master].WebLinks.push_back("Link: " + kLong + "\xAC" "https://example.org/" + std::string(80, 'x'));
    s.DataFilePath = scratch.file("made.bcn");
    store::SaveDataFile(s);
    return readFile(s.DataFilePath);
}

void expectCutWithWholeTextOnHover(const windows::TagLabel* label, const QString& whole)
{
    SCOPED_TRACE(label->objectName().toStdString());
    EXPECT_EQ(label->caption(), whole);
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("...")));
    EXPECT_TRUE(whole.startsWith(label->text().chopped(3)));
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    EXPECT_EQ(label->toolTip(), whole);
}

TEST(ElisionTest, LongPathsNamesAndLinksAreCutWithTheWholeTextOnHover)
{
    WindowHarness harness;
    const std::string deep = std::string(60, 'd') + "/" + std::string(60, 'e') + "/" + std::string(60, 'f');
    std::filesystem::create_directories(harness.folder.path() / deep);
    windows::DataFrm& main = harness.openData(longNamesFile(), deep + "/work.bcn");
    expectCutWithWholeTextOnHover(harness.label(&main, QStringLiteral("Label9")),
                                  QString::fromStdString(harness.state.DataFilePath.string()));

    harness.find<QLineEdit>(&main, QStringLiteral("SearchTxt"))->setText(QStringLiteral("long"));
    const QString name = QString::fromStdString(kLong);
    expectCutWithWholeTextOnHover(harness.label(&main, QStringLiteral("Res_0")), name);
    WindowHarness::click(harness.label(&main, QStringLiteral("Res_0")));
    expectCutWithWholeTextOnHover(harness.label(&main, QStringLiteral("Subs_0")), QStringLiteral("Sub: ") + name);

    harness.state.PickerLastFolder = (harness.folder.path() / deep).string();
    windows::BrowseFrm& picker = harness.owner->browseFrm();
    picker.show();
    windows::TagLabel* path = harness.label(&picker, QStringLiteral("Label1_0"));
    expectCutWithWholeTextOnHover(path, QString::fromStdString(harness.state.PickerLastFolder));
    picker.Label1_Click(1); // "select" hands over the whole path, not the cut one
    EXPECT_EQ(harness.owner->newLinkFrm().LinkTxt->text().toStdString(), harness.state.PickerLastFolder);

    WindowHarness::click(harness.label(&main, QStringLiteral("Label1_3"))); // "web"
    harness.state.CurrentLinkKind = 4;
    windows::QuickLinkFrm& quick = harness.owner->quickLinkFrm();
    quick.show();
    auto* list = harness.find<QListWidget>(&quick, QStringLiteral("List1"));
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->toolTip(), list->item(0)->text());
    EXPECT_TRUE(list->item(0)->text().startsWith(QStringLiteral("Link: ") + name));
    // The letters stop short of the list's right edge: the item is cut, not run off.
    const QImage shown = list->viewport()->grab().toImage();
    const QRect row = list->visualItemRect(list->item(0));
    const QColor base = list->palette().color(QPalette::Base);
    for (int y = row.top(); y <= row.bottom(); ++y) {
        for (int x = shown.width() - 4; x < shown.width(); ++x)
            ASSERT_EQ(shown.pixelColor(x, y).name().toStdString(), base.name().toStdString()) << x << "," << y;
    }
}

} // namespace
