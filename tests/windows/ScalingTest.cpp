// The windows at any screen scale (this suite also runs at 150% and 200%): every
// picture sharp, every text whole or cut with the whole of it on hover, no control
// over another, no frame touching another.

#include "support/EveryWindow.h"
#include "windows/controls/TagLabel.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace testing_support;
using windows::TagLabel;

namespace {

TEST(ScalingTest, EveryPictureHasATwinTwiceItsSize)
{
    const QDir folder(QStringLiteral(BRINDLECASE_ASSETS "/pictures"));
    const QStringList plain = folder.entryList({QStringLiteral("*.png")}).filter(QRegularExpression(QStringLiteral("^[^@]+$")));
    ASSERT_GE(plain.size(), 35);
    for (const QString& name : plain) {
        const QImage sharp(folder.filePath(QString(name).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"))));
        EXPECT_EQ(sharp.size(), QImage(folder.filePath(name)).size() * 2) << name.toStdString();
    }
}

// The controls a person reads or works (not the parts of a box, nor strips, swatches
// and cells without text or picture).
bool isControl(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return false;
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

void expectWholeTextsAndSharpPictures(const QLabel* label)
{
    const std::string name = label->objectName().toStdString();
    if (!label->pixmap().isNull()) {
        EXPECT_EQ(label->pixmap().devicePixelRatio(), qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0) << name;
    }
    const int indent = label->alignment() & Qt::AlignHCenter ? 0 : std::max(label->indent(), 0);
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->contentsRect().width() - indent) << name;
    EXPECT_LE(label->fontMetrics().height(), label->contentsRect().height()) << name;
    const auto* row = qobject_cast<const TagLabel*>(label);
    if (row && row->text() != row->caption()) { // cut short: "..." and the whole text on hover
        EXPECT_TRUE(row->text().endsWith(QStringLiteral("...")) && row->toolTip() == row->caption()) << name;
    }
}

TEST(ScalingTest, EveryWindowShowsItsPicturesSharpItsTextsWholeAndNoControlOverAnother)
{
    WindowHarness harness;
    int cut = 0;
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        std::vector<std::pair<QString, QRect>> placed;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow() || !isControl(widget))
                continue;
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                expectWholeTextsAndSharpPictures(label);
                const auto* row = qobject_cast<const TagLabel*>(label);
                cut += row && row->text() != row->caption();
            }
            const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
            for (const auto& [other, otherPlace] : placed)
                EXPECT_FALSE(place.intersects(otherPlace)) << widget->objectName().toStdString() << " over " << other.toStdString();
            placed.emplace_back(widget->objectName(), place);
        }
        // Frames round buttons and boxes neither overlap nor touch, unless one holds the other.
        const QList<windows::FrameShape*> frames = window->findChildren<windows::FrameShape*>();
        for (qsizetype i = 0; i < frames.size(); ++i) {
            for (qsizetype j = i + 1; j < frames.size(); ++j) {
                const QRect a = frames[i]->geometry(), b = frames[j]->geometry();
                if (frames[i]->isVisible() && frames[j]->isVisible() && !a.contains(b) && !b.contains(a)) {
                    EXPECT_FALSE(a.adjusted(-1, -1, 1, 1).intersects(b))
                        << frames[i]->objectName().toStdString() << " touches " << frames[j]->objectName().toStdString();
                }
            }
        }
    }
    EXPECT_GE(cut, 4); // the long master, sub and link names and the picker's path
}

} // namespace
