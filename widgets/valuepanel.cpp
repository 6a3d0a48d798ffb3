// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/valuepanel.h"

#include "widgets/accessibility.h"
#include "widgets/numberdisplay.h"

#include <QPainter>

namespace quorvel {

ValuePanel::ValuePanel(QWidget* parent) : QFrame(parent) {
    SetAccessibleFace(this, {QAccessible::Grouping, {}, {}, {}, {}});
}

void ValuePanel::ShowsNumberOf(NumberDisplay* display, std::function<void()> press) {
    const QAccessible::Role role = press ? QAccessible::Button : QAccessible::Grouping;
    SetAccessibleFace(
        this, {role, {}, [display] { return display->ReadableText(); }, {}, {}, std::move(press)});
    connect(display, &NumberDisplay::TextShown, this, [this] {
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    });
}

void ValuePanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool focused = hasFocus();
    const qreal width = focused ? 2 : 1;
    painter.setPen(QPen(focused ? QColor(0x2f, 0x6f, 0xd0) : QColor(0x8a, 0x9a, 0xb5), width));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawRoundedRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2),
                            3, 3);
}

void ValuePanel::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void ValuePanel::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

} // namespace quorvel
