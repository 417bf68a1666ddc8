#pragma once

#include "platform/Platform.h"
#include "store/AppState.h"
#include "windows/controls/TagLabel.h"

#include <QWidget>

#include <functional>
#include <vector>

namespace windows {

// The look shared by the small link windows: buttons in shade 4 with text in
// shade 3 inside frames of shade 2, and their hover rule (resting background
// shade 5; the hovered button shade 4; in the black-and-white scheme the texts
// in shade 4 and the hovered one in shade 5).
class SmallWindowButtons {
public:
    SmallWindowButtons(const store::AppState& state, std::vector<TagLabel*> buttons, std::vector<FrameShape*> frames);

    void paint();
    void rest();
    void hover(TagLabel* button);

private:
    std::uint32_t shade(int n) const { return state_.Shades[static_cast<std::size_t>(n - 1)]; }

    const store::AppState& state_;
    std::vector<TagLabel*> buttons_;
    std::vector<FrameShape*> frames_;
};

// A framed, centred label used as a button, with the hand pointer; it is reached
// with Tab and acts on Enter and Space.
TagLabel* makeFramedButton(QWidget* window, const QString& name, const QString& caption, const QString& tip,
                           QRect place, FrameShape*& frame, const QString& frameName,
                           const platform::HandPointer& hand);

// A small window's background (shade 5) and the colour of its hints and titles
// (black in the black-and-white scheme, else shade 1); its boxes and lists black
// on white.
void paintSmallWindow(QWidget* window, const store::AppState& state, std::initializer_list<TagLabel*> texts);

// Escape closes the window with `close` (the window's own exit).
void closeOnEscape(QWidget* window, std::function<void()> close);

// Shows a small window in front and hands it the keyboard, at its first control,
// so it is used by keys as well as by the pointer.
void bringForward(QWidget* window);

} // namespace windows
