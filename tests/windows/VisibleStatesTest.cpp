// The states a person must see stay visible in every scheme, also where the
// scheme paints them alike (black and white): the chosen row and tab, the row
// under the pointer, a disabled button, the filled transparency cells and every
// swatch.

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/controls/TagLabel.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::TagLabel;

namespace {

QColor middleOf(const QImage& shown)
{
    return shown.pixelColor(shown.width() / 2, shown.height() / 2);
}

class StatesInEveryScheme : public ::testing::TestWithParam<int> {};

TEST_P(StatesInEveryScheme, ChosenHoveredDisabledFilledAndSwatchesStandOut)
{
    WindowHarness harness;
    chooseScheme(harness, GetParam());
    QWidget* main = mainWindowWithRecord(harness); // master row 0 and the "email" tab chosen
    auto label = [&](const char* name) { return harness.label(main, QString::fromLatin1(name)); };
    // Chosen: bold, with a mark at the left edge standing out from the row.
    for (const char* name : {"Res_0", "Label1_0", "Res_1", "Label1_1", "Subs_0"}) {
        const bool chosen = name == std::string("Res_0") || name == std::string("Label1_0");
        const QImage shown = paintedArea(label(name));
        EXPECT_EQ(label(name)->font().bold(), chosen) << name;
        EXPECT_EQ(wcagContrast(shown.pixelColor(1, shown.height() / 2), mostCommonColour(shown)) >= 3.0, chosen) << name;
    }
    // Under the pointer: underlined until the pointer leaves for the background.
    for (const char* name : {"Subs_0", "resA_1", "Label1_4"}) {
        WindowHarness::hover(label(name));
        EXPECT_TRUE(label(name)->font().underline()) << name;
    }
    WindowHarness::hover(main);
    EXPECT_FALSE(label("Label1_4")->font().underline());
    // Disabled: slanted.
    EXPECT_TRUE(label("Label1_6")->font().italic());
    EXPECT_FALSE(label("Label1_7")->font().italic());
    // Filled transparency cells against empty ones.
    WindowHarness::click(label("Label3_4"));
    const QColor filled = middleOf(paintedArea(main->findChild<QWidget*>(QStringLiteral("Shape3_2"))));
    const QColor empty = middleOf(paintedArea(main->findChild<QWidget*>(QStringLiteral("Shape3_7"))));
    EXPECT_GE(wcagContrast(filled, empty), 3.0) << filled.name().toStdString() << " " << empty.name().toStdString();
    // A swatch shows against the strip by its colour or, where that is too much like
    // the strip (white on white), by its edge.
    const QColor strip = mostCommonColour(paintedArea(label("settingsLbl")));
    for (TagLabel* swatch : main->findChildren<TagLabel*>(QRegularExpression(QStringLiteral("^cols\\d_\\d$")))) {
        const QImage shown = paintedArea(swatch);
        const QColor edge = shown.pixelColor(0, shown.height() / 2);
        EXPECT_GE(std::max(wcagContrast(middleOf(shown), strip), wcagContrast(edge, strip)), 3.0)
            << swatch->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, StatesInEveryScheme, ::testing::Range(0, 10));

} // namespace
