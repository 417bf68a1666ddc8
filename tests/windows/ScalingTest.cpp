// The windows at any screen scale (this suite also runs at 150% and 200%): every
// picture sharp, every text whole, no control over another, no frame touching
// another.

#include "support/EveryWindow.h"
#include "windows/controls/Pictures.h"
#include "windows/controls/TagLabel.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

QStringList screenPictures()
{
    return QDir(QStringLiteral(BRINDLECASE_ASSETS "/pictures"))
        .entryList({QStringLiteral("*.png")}, QDir::Files)
        .filter(QRegularExpression(QStringLiteral("^[^@]+\\.png$")));
}

TEST(ScalingTest, EveryPictureHasATwinTwiceItsSize)
{
    const QDir folder(QStringLiteral(BRINDLECASE_ASSETS "/pictures"));
    ASSERT_GE(screenPictures().size(), 35);
    for (const QString& name : screenPictures()) {
        const QImage plain(folder.filePath(name));
        const QImage sharp(folder.filePath(QString(name).replace(QStringLiteral(".png"), QStringLiteral("@2x.png"))));
        ASSERT_FALSE(sharp.isNull()) << name.toStdString();
        EXPECT_EQ(sharp.size(), plain.size() * 2) << name.toStdString();
    }
}

TEST(ScalingTest, TheTwinIsTakenOnScaledScreensAndShownAtTheSameSize)
{
    WindowHarness harness;
    const QString help = QString::fromStdString((harness.folder.path() / "pictures" / "help.png").string());
    const QPixmap plain = windows::loadPicture(help, 1.0);
    EXPECT_EQ(plain.devicePixelRatio(), 1.0);
    EXPECT_EQ(plain.size(), QSize(24, 24));
    for (qreal ratio : {1.5, 2.0, 3.0}) {
        const QPixmap sharp = windows::loadPicture(help, ratio);
        EXPECT_EQ(sharp.devicePixelRatio(), 2.0) << ratio;
        EXPECT_EQ(sharp.size(), QSize(48, 48)) << ratio;
        EXPECT_EQ(sharp.deviceIndependentSize(), QSizeF(24, 24)) << ratio;
    }
    // A picture without a twin is shown as it is.
    std::filesystem::remove(harness.folder.path() / "pictures" / "help@2x.png");
    EXPECT_EQ(windows::loadPicture(help, 2.0).size(), QSize(24, 24));
}

// The controls a person reads or works: texts, pictures, boxes, lists, scroll
// bars (not the parts of a box, and not strips, swatches and cells without text).
bool isControl(const QWidget* widget)
{
    for (const QWidget* up = widget->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractScrollArea*>(up))
            return false;
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty() || !label->pixmap().isNull();
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget)
        || qobject_cast<const QAbstractScrollArea*>(widget) || qobject_cast<const QAbstractSlider*>(widget);
}

// The width a label's text has inside it.
int roomForText(const QLabel* label)
{
    const bool centred = label->alignment() & Qt::AlignHCenter;
    return label->contentsRect().width() - 2 * label->margin() - (centred ? 0 : std::max(label->indent(), 0));
}

TEST(ScalingTest, EveryWindowShowsItsPicturesSharpItsTextsWholeAndNoControlOverAnother)
{
    const qreal expectedRatio = qApp->devicePixelRatio() > 1.0 ? 2.0 : 1.0;
    WindowHarness harness;
    for (const WindowLoader& loader : everyWindow()) {
        SCOPED_TRACE(loader.name);
        QWidget* window = loader.load(harness);
        std::vector<std::pair<QWidget*, QRect>> placed;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (!widget->isVisible() || widget->isWindow() || !isControl(widget))
                continue;
            const std::string name = widget->objectName().toStdString();
            if (const auto* label = qobject_cast<const QLabel*>(widget)) {
                if (!label->pixmap().isNull()) {
                    EXPECT_EQ(label->pixmap().devicePixelRatio(), expectedRatio) << name;
                }
                const QFontMetrics metrics = label->fontMetrics();
                EXPECT_LE(metrics.horizontalAdvance(label->text()), roomForText(label)) << name;
                EXPECT_LE(metrics.height(), label->contentsRect().height()) << name;
                const auto* row = qobject_cast<const windows::TagLabel*>(label);
                if (row && row->text() != row->caption()) { // cut short: the whole text on hover
                    EXPECT_EQ(row->toolTip(), row->caption()) << name;
                }
            }
            const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
            for (const auto& [other, otherPlace] : placed)
                EXPECT_FALSE(place.intersects(otherPlace)) << name << " over " << other->objectName().toStdString();
            placed.emplace_back(widget, place);
        }
        EXPECT_GT(placed.size(), 3u);
        // Frames round buttons and boxes neither overlap nor touch, unless one holds the other.
        const QList<windows::FrameShape*> frames = window->findChildren<windows::FrameShape*>();
        for (qsizetype i = 0; i < frames.size(); ++i) {
            for (qsizetype j = i + 1; j < frames.size(); ++j) {
                const QRect a = frames[i]->geometry(), b = frames[j]->geometry();
                if (!frames[i]->isVisible() || !frames[j]->isVisible() || a.contains(b) || b.contains(a))
                    continue;
                EXPECT_FALSE(a.adjusted(-1, -1, 1, 1).intersects(b))
                    << frames[i]->objectName().toStdString() << " touches " << frames[j]->objectName().toStdString();
            }
        }
    }
}

} // namespace
