#include "windows/controls/SmallWindow.h"

#include "platform/Platform.h"

namespace windows {

SmallWindowButtons::SmallWindowButtons(const store::AppState& state, std::vector<TagLabel*> buttons,
                                       std::vector<FrameShape*> frames)
    : state_(state), buttons_(std::move(buttons)), frames_(std::move(frames))
{
}

void SmallWindowButtons::paint()
{
    for (FrameShape* frame : frames_)
        frame->setBorderColour(shade(2));
    for (TagLabel* button : buttons_) {
        button->setBackColour(shade(4));
        button->setForeColour(shade(3));
    }
}

void SmallWindowButtons::rest()
{
    for (TagLabel* button : buttons_) {
        button->setBackColour(shade(5));
        if (state_.Settings.ColourScheme == 9)
            button->setForeColour(shade(4));
    }
}

void SmallWindowButtons::hover(TagLabel* hovered)
{
    rest();
    if (state_.Settings.ColourScheme == 9) {
        hovered->setForeColour(shade(5));
        hovered->setBackColour(shade(4));
    } else {
        hovered->setBackColour(shade(4));
    }
}

TagLabel* makeSmallButton(QWidget* window, const QString& name, const QString& caption, const QString& tip,
                          QRect place, FrameShape*& frame, const QString& frameName, const QString& programFolder)
{
    frame = new FrameShape(frameName, window);
    frame->setGeometry(place.adjusted(-2, -2, 2, 2));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* button = new TagLabel(name, window);
    button->setToolTip(tip);
    button->setCaption(caption);
    button->setAlignment(Qt::AlignCenter);
    button->setGeometry(place);
    platform::HandPointer(programFolder).applyTo(button);
    return button;
}

} // namespace windows
