#pragma once

#include <QPointer>
#include <QWidget>

namespace windows {

// The frame drawn round the control that has the keyboard focus, in every window,
// just outside the control: an outer band in black or white, whichever stands out
// more from what lies round the control, and an inner line in the other, so the
// frame shows over any colour in every scheme (frames and rules included). One
// frame per window follows the focus from control to control.
class FocusFrame : public QWidget {
    Q_OBJECT
public:
    // Starts following the focus in every window of the program (once).
    static void followFocus();

    // The control framed now (null when the window has no focus).
    QWidget* framed() const { return control_; }
    QColor outerColour() const { return outer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FocusFrame(QWidget* window);
    static FocusFrame* of(QWidget* window, bool create);
    static void focusMoved(QWidget* from, QWidget* to);
    void frame(QWidget* control);
    void release();
    void place();

    QPointer<QWidget> control_;
    QColor outer_;
};

} // namespace windows
