// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/buttonpanel.h"

#include "widgets/accessibility.h"
#include "widgets/colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <qdrawutil.h>

namespace quorvel {

namespace {

// Lower is better: how far a panel lies from `from` when moving in the direction of `key`;
// negative when it does not lie in that direction at all.
int DistanceInDirection(QPoint from, QPoint to, int key) {
    const int dx = to.x() - from.x(), dy = to.y() - from.y();
    switch (key) {
    case Qt::Key_Left: return dx < 0 ? -dx + 2 * std::abs(dy) : -1;
    case Qt::Key_Right: return dx > 0 ? dx + 2 * std::abs(dy) : -1;
    case Qt::Key_Up: return dy < 0 ? -dy + 2 * std::abs(dx) : -1;
    case Qt::Key_Down: return dy > 0 ? dy + 2 * std::abs(dx) : -1;
    default: return -1;
    }
}

} // namespace

ButtonPanel::ButtonPanel(const QString& caption, Trigger trigger, QWidget* parent)
    : QWidget(parent), captionColour_(Qt::black), trigger_(trigger) {
    // A screen reader sees a panel as a push button it can press.
    SetAccessibleFace(this, {QAccessible::Button, {}, {}, {}, {}, [this] { Activate(); }});
    caption_.setPerformanceHint(QStaticText::AggressiveCaching);
    SetCaption(caption);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ButtonPanel::SetCaption(const QString& caption) {
    caption_.setTextFormat(caption.contains('<') ? Qt::RichText : Qt::PlainText);
    caption_.setText(caption);
    update();
}

void ButtonPanel::Activate() {
    if (action_)
        action_();
}

void ButtonPanel::SetLowered(bool lowered) {
    if (lowered == lowered_)
        return;
    lowered_ = lowered;
    update();
}

void ButtonPanel::Look(bool lowered) {
    if (!latched_)
        SetLowered(lowered);
}

void ButtonPanel::SetCaptionColour(const QColor& colour) {
    captionColour_ = colour;
    update();
}

QSize ButtonPanel::sizeHint() const {
    QStaticText caption = caption_;
    caption.prepare(QTransform(), font());
    return caption.size().toSize() + QSize(2, 2); // the border
}

void ButtonPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QBrush face = palette().button();
    qDrawShadePanel(&painter, rect(), palette(), lowered_, 1, &face);
    painter.setFont(font());
    // The caption's colour as designed where it reads well on the face, else its variant that does.
    painter.setPen(isEnabled() ? Readable(captionColour_, face.color())
                               : palette().color(QPalette::Disabled, QPalette::Text));
    const QSizeF size = caption_.size();
    const int shift = lowered_ ? 1 : 0;
    painter.drawStaticText(
        QPointF((width() - size.width()) / 2 + shift, (height() - size.height()) / 2 + shift),
        caption_);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void ButtonPanel::mousePressEvent(QMouseEvent* event) {
    event->accept();
    if (trigger_ == Trigger::Press) {
        Look(true);
        Activate();
    } else if (event->button() == Qt::LeftButton) {
        held_ = true;
        Look(true);
    } else {
        event->ignore();
    }
}

void ButtonPanel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (trigger_ == Trigger::Press) {
        mousePressEvent(event); // the second press of a double click is a press of its own
    } else if (event->button() == Qt::LeftButton) {
        // The first click of the pair has acted already.
        event->accept();
        Look(true);
    } else {
        event->ignore();
    }
}

void ButtonPanel::mouseMoveEvent(QMouseEvent* event) {
    if (held_)
        Look(rect().contains(event->position().toPoint()));
}

void ButtonPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (trigger_ == Trigger::Press) {
        if (event->buttons() == Qt::NoButton)
            Look(false);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    Look(false);
    const bool click = held_ && rect().contains(event->position().toPoint());
    held_ = false;
    if (click)
        Activate();
}

void ButtonPanel::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
        if (event->modifiers() == Qt::NoModifier) {
            Activate();
            return;
        }
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: MoveFocus(event->key()); return;
    default: break;
    }
    QWidget::keyPressEvent(event);
}

void ButtonPanel::MoveFocus(int key) {
    const QPoint from = geometry().center();
    ButtonPanel* nearest = nullptr;
    int best = -1;
    for (ButtonPanel* panel :
         parentWidget()->findChildren<ButtonPanel*>(Qt::FindDirectChildrenOnly)) {
        if (panel == this || !(panel->focusPolicy() & Qt::TabFocus))
            continue;
        const int distance = DistanceInDirection(from, panel->geometry().center(), key);
        if (distance >= 0 && (best < 0 || distance < best)) {
            best = distance;
            nearest = panel;
        }
    }
    if (nearest)
        nearest->setFocus(Qt::TabFocusReason);
}

void ButtonPanel::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void ButtonPanel::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

} // namespace quorvel
