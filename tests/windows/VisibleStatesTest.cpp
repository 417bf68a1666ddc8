// The states a person must see stay visible in every scheme, also where the
// scheme paints them alike (black and white): the chosen row and tab, the row
// under the pointer, the filled transparency cells and every swatch.

#include "support/EveryWindow.h"
#include "support/PaintedColours.h"
#include "windows/controls/TagLabel.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::TagLabel;

namespace {

constexpr double kMarkContrast = 3.0;

class StatesInEveryScheme : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        chooseScheme(harness, GetParam());
        window = mainWindowWithRecord(harness);
    }
    TagLabel* label(const QString& name) { return harness.label(window, name); }
    // The contrast between the left edge of a row and its background.
    double edgeContrast(TagLabel* row)
    {
        const QImage shown = paintedArea(row);
        return wcagContrast(shown.pixelColor(1, shown.height() / 2), mostCommonColour(shown));
    }
    QColor middleOf(QWidget* control)
    {
        const QImage shown = paintedArea(control);
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    }

    WindowHarness harness;
    QWidget* window = nullptr;
};

TEST_P(StatesInEveryScheme, TheChosenRowAndTabAreBoldAndMarkedTheOthersNot)
{
    for (const char* chosen : {"Res_0", "Label1_0"}) {
        SCOPED_TRACE(chosen);
        EXPECT_TRUE(label(QString::fromLatin1(chosen))->font().bold());
        EXPECT_GE(edgeContrast(label(QString::fromLatin1(chosen))), kMarkContrast);
    }
    for (const char* other : {"Res_1", "Label1_1", "Subs_0"}) {
        SCOPED_TRACE(other);
        EXPECT_FALSE(label(QString::fromLatin1(other))->font().bold());
        EXPECT_LT(edgeContrast(label(QString::fromLatin1(other))), 1.5);
    }
    WindowHarness::click(label(QStringLiteral("Subs_1")));
    EXPECT_TRUE(label(QStringLiteral("Subs_1"))->font().bold());
    EXPECT_FALSE(label(QStringLiteral("Subs_0"))->font().bold());
}

TEST_P(StatesInEveryScheme, TheRowUnderThePointerIsUnderlinedUntilThePointerLeaves)
{
    for (const char* row : {"Res_1", "Subs_0", "resA_1", "Label1_4"}) {
        SCOPED_TRACE(row);
        WindowHarness::hover(label(QString::fromLatin1(row)));
        EXPECT_TRUE(label(QString::fromLatin1(row))->font().underline());
    }
    WindowHarness::hover(label(QStringLiteral("Res_0")));
    EXPECT_FALSE(label(QStringLiteral("Res_1"))->font().underline());
    WindowHarness::hover(window); // the background: the sub rows, link rows and commands rest
    for (const char* row : {"Subs_0", "resA_1", "Label1_4"})
        EXPECT_FALSE(label(QString::fromLatin1(row))->font().underline()) << row;
}

TEST_P(StatesInEveryScheme, FilledTransparencyCellsStandOutFromEmptyOnes)
{
    WindowHarness::click(label(QStringLiteral("Label3_4")));
    const QColor filled = middleOf(window->findChild<QWidget*>(QStringLiteral("Shape3_2")));
    const QColor empty = middleOf(window->findChild<QWidget*>(QStringLiteral("Shape3_7")));
    EXPECT_GE(wcagContrast(filled, empty), kMarkContrast) << filled.name().toStdString() << " " << empty.name().toStdString();
}

// A swatch shows against the strip by its own colour or, where that is too much
// like the strip (white on white), by its edge.
TEST_P(StatesInEveryScheme, EverySwatchStandsOutFromTheStrip)
{
    const QColor strip = paintedBackground(label(QStringLiteral("settingsLbl")));
    for (TagLabel* swatch : window->findChildren<TagLabel*>(QRegularExpression(QStringLiteral("^cols\\d_\\d$")))) {
        SCOPED_TRACE(swatch->objectName().toStdString());
        const QImage shown = paintedArea(swatch);
        const QColor edge = shown.pixelColor(0, shown.height() / 2);
        EXPECT_GE(std::max(wcagContrast(middleOf(swatch), strip), wcagContrast(edge, strip)), kMarkContrast);
    }
}

INSTANTIATE_TEST_SUITE_P(NoSchemeAndSchemes1To9, StatesInEveryScheme, ::testing::Range(0, 10));

TEST(VisibleStatesTest, ADisabledCaptionIsSlantedAndStraightensWhenEnabled)
{
    WindowHarness harness;
    QWidget* window = mainWindowWithRecord(harness);
    TagLabel* save = harness.label(window, QStringLiteral("Label1_6"));
    ASSERT_FALSE(save->isEnabled());
    EXPECT_TRUE(save->font().italic());
    save->setEnabled(true);
    EXPECT_FALSE(save->font().italic());
}

} // namespace
