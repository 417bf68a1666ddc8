#pragma once

#include <QLabel>

#include <cstdint>

namespace windows {

// A label that serves as a button or a list row: it is clicked, it reports the
// pointer moving over it, it carries a Tag string (the index behind a row), and
// its colours are set with the platform's 0x00BBGGRR values.
//
// Its caption is always drawn legibly over what is behind it (its own background,
// or what lies below it when it paints none), also while disabled. A label that is
// clicked and shows something is reached with Tab and acts on Enter or Space.
class TagLabel : public QLabel {
    Q_OBJECT
public:
    explicit TagLabel(const QString& objectName, QWidget* parent);

    QString Tag;

    void setForeColour(std::uint32_t colour);
    void setBackColour(std::uint32_t colour);
    std::uint32_t foreColour() const { return foreColour_; }
    std::uint32_t backColour() const { return backColour_; }

    // The caption; a label without a tooltip is announced by its caption.
    void setCaption(const QString& caption);
    // The whole caption, also while a shortened form is shown.
    QString caption() const { return caption_; }
    // A picture instead of a caption.
    void setPixmap(const QPixmap& picture);

    // What a screen reader announces when the caption is empty (before the
    // tooltip and the control's name).
    void setSpokenName(const QString& name);

    // A caption too long for the label is shown cut, ending in "...", with the
    // whole text as the tooltip.
    void setElidesCaption(bool elides);

    // The chosen row or tab: bold, with a mark at its left edge.
    void setSelected(bool selected);
    bool isSelected() const { return selected_; }
    // Under the pointer: underlined, so the row stands out whatever its colours.
    void setHovered(bool hovered);
    bool isHovered() const { return hovered_; }

    // Reached with Tab even without a caption or picture (a swatch, a cell).
    void setAlwaysReachable(bool reachable);
    // A label filled with a colour much like what is behind it gets an edge that
    // stands out (a white swatch on a white strip).
    void setOutlinedWhenAlike(bool outlined);

    // Draws the caption again over what is behind it now.
    void refreshColours();

signals:
    void clicked();
    void pressed(Qt::MouseButton button, QPoint position);
    void pointerMoved(Qt::MouseButtons buttons, QPoint position);

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showCaption();
    void announce();
    void showStateInFont();
    void updateKeyboardReach();
    bool isClickable() const;
    void watchParent();

    QString caption_;
    QString spokenName_;
    QString designTip_;
    bool elides_ = false;
    bool selected_ = false;
    bool hovered_ = false;
    bool alwaysReachable_ = false;
    bool outlinedWhenAlike_ = false;
    bool restingFontKnown_ = false;
    QFont restingFont_;
    QWidget* watchedParent_ = nullptr;

    std::uint32_t foreColour_ = 0;
    std::uint32_t backColour_ = 0xFFFFFF;
    bool pressedInside_ = false;
};

// A frame or rule drawn in the scheme's colours (the window's shapes and lines).
class FrameShape : public QWidget {
    Q_OBJECT
public:
    explicit FrameShape(const QString& objectName, QWidget* parent);

    void setBorderColour(std::uint32_t colour);
    void setFillColour(std::uint32_t colour); // and filled from now on
    std::uint32_t borderColour() const { return border_; }
    std::uint32_t fillColour() const { return fill_; }
    bool isFilled() const { return filled_; }

    // Drawn as an outline only, what is behind showing through, while keeping its
    // fill colour (an empty cell whose fill would look like a full one).
    void setHollow(bool hollow);
    bool isHollow() const { return hollow_; }
    // Draws the fill in `drawn` (lifted to stand out) while fillColour() keeps the
    // colour set; an invalid colour draws the fill colour itself.
    void setDrawnFill(const QColor& drawn);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showFill();

    std::uint32_t border_ = 0;
    std::uint32_t fill_ = 0;
    bool filled_ = false;
    bool hollow_ = false;
    QColor drawnFill_;
};

} // namespace windows
