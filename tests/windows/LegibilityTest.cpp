// The contrast rule every drawn text follows.

#include "windows/controls/Legibility.h"

#include <QColor>

#include <gtest/gtest.h>

using windows::contrastRatio;
using windows::legibleText;

TEST(LegibilityTest, ContrastFollowsThePublishedFormula)
{
    // Published reference values of the WCAG 2.x formula.
    EXPECT_NEAR(contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    EXPECT_NEAR(contrastRatio(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(255, 0, 0), Qt::white), 4.00, 0.005);
    EXPECT_NEAR(contrastRatio(QColor(0, 0, 255), Qt::black), 2.44, 0.005);
}

// Pairs that pass are drawn as they are; the schemes' weak pairs (button captions
// in shade 3 on shade 4, hints, black on black) keep their hue and just reach 4.5.
TEST(LegibilityTest, OnlyTheLightnessOfAFailingTextColourMovesAndJustFarEnough)
{
    EXPECT_EQ(legibleText(QColor(192, 0, 0), QColor(255, 255, 255)), QColor(192, 0, 0));
    EXPECT_EQ(legibleText(QColor(255, 255, 255), QColor(64, 0, 0)), QColor(255, 255, 255));
    const QColor pairs[][2] = {{QColor(0, 192, 0), QColor(0, 128, 0)}, {QColor(0, 46, 0), QColor(0, 64, 0)},
                               {QColor(0, 0, 0), QColor(0, 0, 0)}, {QColor(255, 255, 255), QColor(255, 255, 255)},
                               {QColor(128, 128, 128), QColor(64, 64, 64)}, {QColor(192, 192, 0), QColor(255, 255, 128)}};
    for (const auto& [text, background] : pairs) {
        const QColor drawn = legibleText(text, background);
        SCOPED_TRACE(text.name().toStdString() + " on " + background.name().toStdString());
        EXPECT_GE(contrastRatio(drawn, background), 4.5);
        EXPECT_LT(contrastRatio(drawn, background), 4.8); // the smallest step, not the extreme
        EXPECT_NEAR(drawn.hslHue(), text.hslHue(), 2);
        EXPECT_NEAR(drawn.hslSaturation(), text.hslSaturation(), 3);
    }
}
