#include "windows/preview/PropertiesDialog.h"

#include "platform/Platform.h"
#include "windows/controls/SmallWindow.h"
#include "windows/controls/TagLabel.h"

namespace windows {
namespace {

constexpr int kWidth = 460;
constexpr int kLineHeight = 22;

} // namespace

PropertiesDialog::PropertiesDialog(QWidget* parent, const QString& title, const QStringList& facts,
                                   const store::AppState& state, const QString& programFolder)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("PropertiesDialog"));
    setWindowTitle(title);
    setAccessibleName(title);
    setAttribute(Qt::WA_DeleteOnClose);
    const int count = static_cast<int>(facts.size());
    setFixedSize(kWidth, 16 + count * kLineHeight + 52);

    std::vector<TagLabel*> lines;
    for (int i = 0; i < count; ++i) {
        auto* fact = new TagLabel(QStringLiteral("Fact_%1").arg(i), this);
        fact->setAutoFillBackground(false);
        fact->setGeometry(12, 10 + i * kLineHeight, kWidth - 24, kLineHeight);
        fact->setElidesCaption(true);
        fact->setCaption(facts[i]);
        lines.push_back(fact);
    }
    FrameShape* frame = nullptr;
    const platform::HandPointer hand(programFolder);
    TagLabel* closeButton = makeFramedButton(this, QStringLiteral("Close"), QStringLiteral("close"), QString(),
                                       QRect(kWidth - 112, height() - 40, 100, 28), frame,
                                       QStringLiteral("CloseFrame"), hand);
    connect(closeButton, &TagLabel::clicked, this, &QDialog::close);

    paintSmallWindow(this, state, {});
    for (TagLabel* fact : lines)
        fact->setForeColour(state.Settings.ColourScheme == 9 ? 0 : state.Shades[0]);
    SmallWindowButtons buttons(state, {closeButton}, {frame});
    buttons.paint();
    closeOnEscape(this, [this] { QDialog::close(); });
}

} // namespace windows
