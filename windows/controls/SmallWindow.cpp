#include "windows/controls/SmallWindow.h"

#include "windows/controls/Colours.h"

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

TagLabel* makeFramedButton(QWidget* window, const QString& name, const QString& caption, const QString& tip,
                           QRect place, FrameShape*& frame, const QString& frameName,
                           const platform::HandPointer& hand)
{
    frame = new FrameShape(frameName, window);
    frame->setGeometry(place.adjusted(-2, -2, 2, 2));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    auto* button = new TagLabel(name, window);
    button->setToolTip(tip);
    button->setCaption(caption);
    button->setAlignment(Qt::AlignCenter);
    button->setGeometry(place);
    button->setFocusPolicy(Qt::TabFocus);
    hand.applyTo(button);
    return button;
}

void paintSmallWindow(QWidget* window, const store::AppState& state, std::initializer_list<TagLabel*> texts)
{
    const std::uint32_t text = state.Settings.ColourScheme == 9 ? kBlack : state.Shades[0];
    QPalette colours = window->palette();
    colours.setColor(QPalette::Window, fromColourRef(state.Shades[4]));
    colours.setColor(QPalette::WindowText, fromColourRef(text));
    window->setPalette(colours);
    for (TagLabel* label : texts)
        label->setForeColour(text);
}

} // namespace windows
