#include "windows/controls/TagLabel.h"

#include "windows/controls/Backdrop.h"
#include "windows/controls/Colours.h"
#include "windows/controls/Legibility.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace windows {

TagLabel::TagLabel(const QString& objectName, QWidget* parent) : QLabel(parent)
{
    setObjectName(objectName);
    setAccessibleName(objectName);
    setMouseTracking(true);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    watchParent();
    refreshColours();
}

void TagLabel::setCaption(const QString& caption)
{
    caption_ = caption;
    showCaption();
    announce();
    updateKeyboardReach();
}

void TagLabel::setPixmap(const QPixmap& picture)
{
    QLabel::setPixmap(picture);
    updateKeyboardReach();
}

void TagLabel::setSpokenName(const QString& name)
{
    spokenName_ = name;
    announce();
}

// Announced by its caption; else by the name given for it; a picture by its
// tooltip; else by its control name.
void TagLabel::announce()
{
    const QString spoken = caption_.trimmed();
    const QString tip = elides_ ? designTip_ : toolTip();
    setAccessibleName(!spoken.isEmpty()       ? spoken
                      : !spokenName_.isEmpty() ? spokenName_
                      : !tip.isEmpty()         ? tip
                                               : objectName());
}

void TagLabel::setElidesCaption(bool elides)
{
    if (elides && !elides_)
        designTip_ = toolTip();
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
    setToolTip(shown != caption_ ? caption_ : designTip_);
}

void TagLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    if (elides_)
        showCaption();
}

void TagLabel::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    showStateInFont();
    update();
}

void TagLabel::setHovered(bool hovered)
{
    if (hovered_ == hovered)
        return;
    hovered_ = hovered;
    showStateInFont();
}

// States shown by the letters as well as by colours, for schemes where the
// colours of two states come out alike: bold when chosen, underlined under the
// pointer, italic while disabled.
void TagLabel::showStateInFont()
{
    if (!restingFontKnown_) {
        restingFont_ = font();
        restingFontKnown_ = true;
    }
    QFont shown = restingFont_;
    shown.setBold(restingFont_.bold() || selected_);
    shown.setUnderline(restingFont_.underline() || hovered_);
    shown.setItalic(restingFont_.italic() || !isEnabled());
    if (shown != font())
        setFont(shown);
}

void TagLabel::setAlwaysReachable(bool reachable)
{
    alwaysReachable_ = reachable;
    updateKeyboardReach();
}

void TagLabel::setOutlinedWhenAlike(bool outlined)
{
    outlinedWhenAlike_ = outlined;
    update();
}

bool TagLabel::isClickable() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&TagLabel::clicked));
}

// Tab reaches a label that does something when clicked and shows something; an
// empty row is passed over.
void TagLabel::updateKeyboardReach()
{
    const bool showsSomething = !caption_.isEmpty() || !pixmap().isNull() || alwaysReachable_;
    setFocusPolicy(isClickable() && showsSomething ? Qt::TabFocus : Qt::NoFocus);
}

void TagLabel::connectNotify(const QMetaMethod& signal)
{
    QLabel::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&TagLabel::clicked))
        updateKeyboardReach();
}

void TagLabel::setForeColour(std::uint32_t colour)
{
    foreColour_ = colour;
    refreshColours();
}

void TagLabel::setBackColour(std::uint32_t colour)
{
    backColour_ = colour;
    refreshColours();
}

// The caption is drawn legibly over what is behind it (its own background, or
// what lies below it where it paints none), also while disabled; the colours
// themselves stay as set.
void TagLabel::refreshColours()
{
    QPalette colours = palette();
    const QColor back = fromColourRef(backColour_);
    colours.setColor(QPalette::Window, back);
    const QColor behind = autoFillBackground() ? back : backdropColour(this);
    const QColor text = legibleText(fromColourRef(foreColour_), behind);
    const QColor dimmed = dimmedText(text, behind);
    // A label that takes the keyboard draws its caption through a text document,
    // which takes the text role while disabled.
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text}) {
        colours.setColor(role, text);
        colours.setColor(QPalette::Disabled, role, dimmed);
    }
    colours.setColor(QPalette::Disabled, QPalette::Window, back);
    // The style etches disabled text with a light copy; it is drawn in the
    // background's colour, so only the legible text shows.
    colours.setColor(QPalette::Disabled, QPalette::Light, behind);
    if (colours != palette())
        setPalette(colours);
    if (autoFillBackground())
        backdropChanged(this);
}

void TagLabel::watchParent()
{
    if (watchedParent_ == parentWidget())
        return;
    if (watchedParent_)
        watchedParent_->removeEventFilter(this);
    watchedParent_ = parentWidget();
    if (watchedParent_)
        watchedParent_->installEventFilter(this);
}

bool TagLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedParent_ && event->type() == QEvent::PaletteChange && !autoFillBackground())
        refreshColours();
    return QLabel::eventFilter(watched, event);
}

bool TagLabel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        watchParent();
        refreshColours();
        break;
    case QEvent::Polish:
    case QEvent::Show:
        refreshColours();
        break;
    default:
        break;
    }
    return QLabel::event(event);
}

void TagLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        showStateInFont();
    else if (event->type() == QEvent::FontChange && elides_)
        showCaption();
}

void TagLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (activates && isClickable() && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
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
    QPainter painter(this);
    if (selected_) {
        const QColor mark = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
        painter.fillRect(QRect(0, 3, 3, std::max(height() - 6, 1)), mark);
    }
    if (outlinedWhenAlike_ && autoFillBackground()) {
        const QColor back = fromColourRef(backColour_);
        const QColor behind = backdropColour(this);
        if (contrastRatio(back, behind) < kMinimumMarkContrast) {
            painter.setPen(legibleText(back, behind, kMinimumMarkContrast));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }
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
    showFill();
}

void FrameShape::setHollow(bool hollow)
{
    hollow_ = hollow;
    showFill();
}

void FrameShape::setDrawnFill(const QColor& drawn)
{
    drawnFill_ = drawn;
    showFill();
}

// A filled shape paints its background like any other widget, so the labels
// over it know what is behind them.
void FrameShape::showFill()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, drawnFill_.isValid() ? drawnFill_ : fromColourRef(fill_));
    setPalette(colours);
    setAutoFillBackground(filled_ && !hollow_);
    update();
    backdropChanged(this);
}

void FrameShape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
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
