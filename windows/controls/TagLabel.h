#pragma once

#include <QLabel>

#include <cstdint>

namespace windows {

// A label that serves as a button or a list row: it is clicked, it reports the
// pointer moving over it, it carries a Tag string (the index behind a row), and
// its colours are set with the platform's 0x00BBGGRR values.
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

    // A caption too long for the label is shown cut, ending in "...", with the
    // whole text as the tooltip.
    void setElidesCaption(bool elides);

signals:
    void clicked();
    void pressed(Qt::MouseButton button, QPoint position);
    void pointerMoved(Qt::MouseButtons buttons, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // A label that takes the keyboard focus acts on Enter and Space like a click
    // and shows a dotted frame while it has the focus.
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColours();
    void showCaption();

    QString caption_;
    bool elides_ = false;

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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::uint32_t border_ = 0;
    std::uint32_t fill_ = 0;
    bool filled_ = false;
};

} // namespace windows
