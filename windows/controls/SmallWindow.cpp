#include "windows/controls/SmallWindow.h"

#include "windows/controls/Colours.h"
#include "windows/controls/WindowColours.h"

#include <QKeyEvent>

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
        button->setHovered(false);
        button->setBackColour(shade(5));
        if (state_.Settings.ColourScheme == 9)
            button->setForeColour(shade(4));
    }
}

void SmallWindowButtons::hover(TagLabel* hovered)
{
    rest();
    hovered->setHovered(true);
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
    hand.applyTo(button);
    return button;
}

void paintSmallWindow(QWidget* window, const store::AppState& state, std::initializer_list<TagLabel*> texts)
{
    const std::uint32_t text = state.Settings.ColourScheme == 9 ? kBlack : state.Shades[0];
    paintWindow(window, fromColourRef(state.Shades[4]), fromColourRef(text));
    for (TagLabel* label : texts)
        label->setForeColour(text);
    paintTextBoxes(window);
}

namespace {

// Escape pressed anywhere in a window reaches the window when no control takes it.
class EscapeCloser : public QObject {
public:
    EscapeCloser(QWidget* window, std::function<void()> close) : QObject(window), close_(std::move(close))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            close_();
            return true;
        }
        return false;
    }

private:
    std::function<void()> close_;
};

} // namespace

void closeOnEscape(QWidget* window, std::function<void()> close)
{
    new EscapeCloser(window, std::move(close));
}

void bringForward(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    for (QWidget* next = window->nextInFocusChain(); next && next != window; next = next->nextInFocusChain()) {
        if ((next->focusPolicy() & Qt::TabFocus) && next->isEnabled() && next->isVisibleTo(window)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace windows
