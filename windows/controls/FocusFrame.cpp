#include "windows/controls/FocusFrame.h"

#include "windows/controls/Backdrop.h"
#include "windows/controls/Legibility.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>

namespace windows {
namespace {

constexpr int kOuterWidth = 2;
constexpr int kInnerWidth = 1;
constexpr int kWidth = kOuterWidth + kInnerWidth;

// The control a person sees as focused: a combo box for its edit line, a list or
// note box for its viewport.
QWidget* controlShowing(QWidget* focused)
{
    for (QWidget* up = focused->parentWidget(); up && !up->isWindow(); up = up->parentWidget()) {
        if (qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractScrollArea*>(up))
            return up;
    }
    return focused;
}


} // namespace

void FocusFrame::followFocus()
{
    static QCoreApplication* following = nullptr;
    if (following == QCoreApplication::instance() || !qApp)
        return;
    following = QCoreApplication::instance();
    QObject::connect(qApp, &QApplication::focusChanged, qApp, &FocusFrame::focusMoved);
}

void FocusFrame::focusMoved(QWidget* from, QWidget* to)
{
    if (from) {
        if (FocusFrame* old = of(from->window(), false))
            old->release();
    }
    if (to && !to->inherits("QMenu") && !to->window()->inherits("QComboBoxPrivateContainer"))
        of(to->window(), true)->frame(controlShowing(to));
}

FocusFrame* FocusFrame::of(QWidget* window, bool create)
{
    auto* found = window->findChild<FocusFrame*>(QString(), Qt::FindDirectChildrenOnly);
    return found || !create ? found : new FocusFrame(window);
}

FocusFrame::FocusFrame(QWidget* window) : QWidget(window)
{
    setObjectName(QStringLiteral("FocusFrame"));
    setAccessibleName(QStringLiteral("focus frame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusFrame::frame(QWidget* control)
{
    release();
    control_ = control;
    control->installEventFilter(this);
    place();
}

void FocusFrame::release()
{
    if (control_)
        control_->removeEventFilter(this);
    control_ = nullptr;
    hide();
}

void FocusFrame::place()
{
    if (!control_ || !control_->isVisible()) {
        hide();
        return;
    }
    setGeometry(QRect(control_->mapTo(window(), QPoint(0, 0)), control_->size()).adjusted(-kWidth, -kWidth, kWidth, kWidth));
    const QColor around = backdropColour(this);
    outer_ = contrastRatio(Qt::black, around) >= contrastRatio(Qt::white, around) ? QColor(Qt::black) : QColor(Qt::white);
    show();
    raise();
    update();
}

// The frame follows its control as it moves, changes size or colour, hides and
// shows again.
bool FocusFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == control_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::PaletteChange:
            place();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusFrame::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    auto band = [&painter](QRect outside, int width, const QColor& colour) {
        painter.fillRect(QRect(outside.left(), outside.top(), outside.width(), width), colour);
        painter.fillRect(QRect(outside.left(), outside.bottom() - width + 1, outside.width(), width), colour);
        painter.fillRect(QRect(outside.left(), outside.top(), width, outside.height()), colour);
        painter.fillRect(QRect(outside.right() - width + 1, outside.top(), width, outside.height()), colour);
    };
    band(rect(), kOuterWidth, outer_);
    band(rect().adjusted(kOuterWidth, kOuterWidth, -kOuterWidth, -kOuterWidth), kInnerWidth,
         outer_ == QColor(Qt::black) ? QColor(Qt::white) : QColor(Qt::black));
}

} // namespace windows
