#include "windows/controls/TagLabel.h"

#include "windows/controls/Colours.h"
#include "windows/controls/Legibility.h"

#include <QMouseEvent>

#include <algorithm>
#include <QPainter>

namespace windows {

TagLabel::TagLabel(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    setMouseTracking(true);
    setAutoFillBackground(true);
    applyColours();
}

void TagLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
    // Announced by its caption; a picture by its tooltip; else by its name.
    const QString spoken = caption.trimmed();
    setAccessibleName(!spoken.isEmpty() ? spoken : !toolTip().isEmpty() ? toolTip() : objectName());
}

void TagLabel::setElidesCaption(bool elides)
{
    elides_ = elides;
    showCaption();
}

void TagLabel::showCaption()
{
    if (!elides_) {
        setText(caption_);
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const int room = contentsRect().width() - 2 * std::max(indent(), 0) - 2 * margin();
    QString shown = caption_;
    if (metrics.horizontalAdvance(caption_) > room) {
        // The longest beginning that still fits with the dots after it.
        const QString dots = QStringLiteral("...");
        qsizetype fits = 0;
        qsizetype tooLong = caption_.size();
        while (tooLong - fits > 1) {
            const qsizetype middle = (fits + tooLong) / 2;
            if (metrics.horizontalAdvance(caption_.left(middle) + dots) <= room)
                fits = middle;
            else
                tooLong = middle;
        }
        shown = caption_.left(fits) + dots;
    }
    setText(shown);
    setToolTip(shown != caption_ ? caption_ : QString());
}

void TagLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (elides_)
        showCaption();
}

void TagLabel::setForeColour(std::uint32_t colour)
{
    foreColour_ = colour;
    applyColours();
}

void TagLabel::setBackColour(std::uint32_t colour)
{
    backColour_ = colour;
    applyColours();
}

void TagLabel::applyColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, fromColourRef(backColour_));
    // The caption is drawn legibly over what is behind it (its own background, or
    // the window's where it paints none); the colours themselves stay as set.
    const QColor behind = autoFillBackground() || !parentWidget()
                              ? fromColourRef(backColour_)
                              : parentWidget()->palette().color(QPalette::Window);
    const QColor text = legibleText(fromColourRef(foreColour_), behind);
    colours.setColor(QPalette::WindowText, text);
    // A disabled button keeps the scheme's look, dimmed by its text only.
    QColor dimmed = text;
    dimmed.setAlphaF(0.45);
    colours.setColor(QPalette::Disabled, QPalette::WindowText, dimmed);
    colours.setColor(QPalette::Disabled, QPalette::Window, fromColourRef(backColour_));
    setPalette(colours);
}

void TagLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        event->accept();
        if (isEnabled())
            emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void TagLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}

void TagLabel::mousePressEvent(QMouseEvent* event)
{
    pressedInside_ = event->button() == Qt::LeftButton;
    emit pressed(event->button(), event->position().toPoint());
    event->accept(); // the window behind the label does not see it

}

void TagLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressedInside_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    pressedInside_ = false;
    event->accept();
    if (click && isEnabled())
        emit clicked();
}

void TagLabel::mouseMoveEvent(QMouseEvent* event)
{
    emit pointerMoved(event->buttons(), event->position().toPoint());
    event->accept(); // a move over a label is not a move over the background

}

FrameShape::FrameShape(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
}

void FrameShape::setBorderColour(std::uint32_t colour)
{
    border_ = colour;
    update();
}

void FrameShape::setFillColour(std::uint32_t colour)
{
    fill_ = colour;
    filled_ = true;
    update();
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (filled_)
        painter.fillRect(rect(), fromColourRef(fill_));
    painter.setPen(fromColourRef(border_));
    if (height() <= 2 || width() <= 2)
        painter.fillRect(rect(), fromColourRef(border_)); // a rule
    else
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void FrameShape::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace windows
