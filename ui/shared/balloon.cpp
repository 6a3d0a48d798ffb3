// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/shared/balloon.h"

#include "ui/language/translated.h"
#include "widgets/accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QToolTip>

namespace quorvel {

namespace {

constexpr int HintWidth = 298;
constexpr int TextMargin = 2;
const QColor HintColour(255, 128, 64);
const QColor FrameColour(128, 0, 0);

// Word-wrapped text with "&" shown as itself.
constexpr int WrapFlags = Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop;

// The rectangle moved so that it lies within the bounds: up, then left, then right and down
// again, so that where it is larger its top-left corner stays inside.
QRect HeldWithin(QRect rect, const QRect& bounds) {
    if (rect.bottom() > bounds.bottom())
        rect.moveBottom(bounds.bottom());
    if (rect.right() > bounds.right())
        rect.moveRight(bounds.right());
    if (rect.left() < bounds.left())
        rect.moveLeft(bounds.left());
    if (rect.top() < bounds.top())
        rect.moveTop(bounds.top());
    return rect;
}

// A window that opens over the others: not a menu, a list's popup or a tool tip.
bool OpensOverOthers(const QObject* object) {
    const auto* widget = qobject_cast<const QWidget*>(object);
    if (!widget || !widget->isWindow())
        return false;
    switch (widget->windowType()) {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Drawer:
    case Qt::Tool: return true;
    default: return false;
    }
}

} // namespace

Balloon::Balloon(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                          Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(QToolTip::font());
    qApp->installEventFilter(this);
}

Balloon::~Balloon() {
    if (qApp)
        qApp->removeEventFilter(this);
}

void Balloon::ShowAt(QRect rect, const QString& text, const QRect& window) {
    setWindowTitle(text);
    if (window.isValid())
        rect = HeldWithin(rect, window);
    const QScreen* screen = QGuiApplication::screenAt(rect.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? HeldWithin(rect, screen->virtualGeometry()) : rect);
    show(); // a stay-on-top tool tip window: shown above the others, never activated
    update();
    raisedBy_ = lastPress_;
    watching_ = true;
}

bool Balloon::IsClosingEvent(const QEvent* event) const {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::ApplicationActivate:
    case QEvent::ApplicationDeactivate: return true;
    default: return false;
    }
}

Balloon::PressRecord Balloon::PressOf(const QEvent* event) {
    PressRecord press;
    press.type = event->type();
    if (event->isInputEvent()) {
        const auto* input = static_cast<const QInputEvent*>(event);
        press.timestamp = input->timestamp();
        press.modifiers = input->modifiers().toInt();
    }
    if (event->isSinglePointEvent()) {
        const auto* point = static_cast<const QSinglePointEvent*>(event);
        press.code = point->button();
        press.place = point->globalPosition();
    } else if (press.type == QEvent::KeyPress || press.type == QEvent::ShortcutOverride) {
        press.code = static_cast<const QKeyEvent*>(event)->key();
    }
    return press;
}

namespace {

bool IsEscape(const QEvent* event) {
    const QEvent::Type type = event->type();
    return (type == QEvent::ShortcutOverride || type == QEvent::KeyPress ||
            type == QEvent::KeyRelease) &&
           static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Escape;
}

} // namespace

void Balloon::Close() {
    watching_ = false;
    hide();
    Closed();
}

// The Esc that closed the balloon goes no further, in any of its events: the check for a
// shortcut, the key press, and its auto-repeats until it is released.
bool Balloon::SwallowsEscape(QEvent* event) {
    if (!escapeHeld_)
        return false;
    if (!IsEscape(event)) {
        if (IsClosingEvent(event))
            escapeHeld_ = false; // another press: the release went elsewhere
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (event->type() == QEvent::KeyRelease) {
        escapeHeld_ = key->isAutoRepeat();
        return false;
    }
    event->accept(); // an accepted shortcut check keeps Esc shortcuts from firing
    return true;
}

void Balloon::LetEscapeActIn(QWidget* window) {
    escapeActsIn_.append(window);
}

// Keys go to the focused control of the active window.
bool Balloon::EscapeActsInFocusedWindow() const {
    const QWidget* focus = QApplication::focusWidget();
    const QWidget* window = focus ? focus->window() : QApplication::activeWindow();
    return window && escapeActsIn_.contains(window);
}

bool Balloon::eventFilter(QObject* watched, QEvent* event) {
    if (SwallowsEscape(event))
        return true;
    if (watching_ && event->type() == QEvent::Hide && watched == shownFor_) {
        Close();
    } else if (watching_ && event->type() == QEvent::Show && OpensOverOthers(watched)) {
        Close();
    } else if (IsClosingEvent(event)) {
        const PressRecord press = PressOf(event);
        const auto* target = qobject_cast<QWidget*>(watched);
        const auto* lastTarget = qobject_cast<QWidget*>(lastTarget_.data());
        const bool passedOn =
            press == lastPress_ && target && lastTarget && target->isAncestorOf(lastTarget);
        lastPress_ = press;
        lastTarget_ = watched;
        if (watching_ && !(passedOn && press == raisedBy_)) {
            Close();
            if (IsEscape(event) && !EscapeActsInFocusedWindow()) {
                escapeHeld_ = true;
                return SwallowsEscape(event);
            }
        }
    }
    return QWidget::eventFilter(watched, event); // the event goes on to its target
}

void Balloon::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(FrameColour);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

ErrorBalloon::ErrorBalloon(QWidget* parent) : Balloon(parent) {
    // Screen readers see the balloon as an alert named by its message.
    SetAccessibleFace(this,
                      {QAccessible::AlertMessage, [this] { return windowTitle(); }, {}, {}, {}});
    setObjectName("ErrorHint");
    QPalette colours = palette();
    colours.setColor(QPalette::Window, HintColour);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
}

void ErrorBalloon::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawText(rect().adjusted(TextMargin, TextMargin, 0, 0), WrapFlags, windowTitle());
    painter.end();
    Balloon::paintEvent(event);
}

// The window a balloon for the control lies within: the control's own while it shows, else the
// one the user is working in; none when no window is active.
QRect ErrorBalloon::WindowAround(const QWidget* control) {
    const QWidget* window = control->isVisible() ? control->window() : QApplication::activeWindow();
    return window ? window->geometry() : QRect();
}

void ErrorBalloon::ShowUnder(QWidget* control, const QString& message, BalloonFocus focus) {
    if (!control)
        throw EBalloonError(
            QUORVEL_MESSAGE("quorvel::ErrorBalloon", "An error hint needs a control"));
    const QString text = WithControlsEscaped(message);
    QWidget* before = QApplication::focusWidget();
    if (control->isVisible())
        control->setFocus();
    QWidget* after = QApplication::focusWidget();
    const bool moved = after == control && before && before != control;
    if (!isVisible()) {
        focusedControl_ = control;
        returnFocus_ = focus == BalloonFocus::ReturnWhenClosed && moved ? before : nullptr;
    } else if (after == control) {
        focusedControl_ = control; // a second message: back to where the first one came from
    }
    const QRect measured =
        QFontMetrics(font()).boundingRect(QRect(0, 0, HintWidth, 0), WrapFlags, text);
    // Just below the control, 6 pixels in, with a margin around the text; above the control
    // where its window has no room below. A balloon for a control of a hidden window (an error
    // shown under the calculator's display while another window is in use) lies within the
    // window in use.
    const QRect window = WindowAround(control);
    QRect rect(control->mapToGlobal(QPoint(6, control->height() + 1)),
               QSize(measured.width() + 6, measured.height() + 8));
    if (window.isValid() && rect.bottom() > window.bottom())
        rect.moveBottom(control->mapToGlobal(QPoint(0, 0)).y() - 2);
    ShowAt(rect, text, window);
    SetShownFor(control->window());
    // Qt tells screen readers of a tool tip window that hides, but not of one that shows;
    // readers present an alert when it starts showing.
    NotifyFaceChanged(this);
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    // Readers leave an alert in a tool tip window unspoken; the notice is spoken, after the
    // focus has moved to the control concerned.
    Announce(control, text);
}

void ErrorBalloon::Closed() {
    // Before the closing press is delivered: a key typed next goes to the control the user was
    // using, not to the one the message concerned.
    if (returnFocus_ && returnFocus_->isVisible() && returnFocus_->isEnabled() &&
        QApplication::focusWidget() == focusedControl_)
        returnFocus_->setFocus(Qt::OtherFocusReason);
    focusedControl_ = nullptr;
    returnFocus_ = nullptr;
}

} // namespace quorvel
