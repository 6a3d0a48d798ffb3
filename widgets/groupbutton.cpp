// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/groupbutton.h"

#include "widgets/accessibility.h"
#include "widgets/colours.h"

#include <QEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace quorvel {

QString OneLine(QString name) {
    name.replace("\r\n", " ");
    for (QChar lineBreak : {QChar('\r'), QChar('\n'), QChar(0x2028), QChar(0x2029)})
        name.replace(lineBreak, ' ');
    return name;
}

QString AsCaption(QString name) {
    return name.replace('&', "&&");
}

GroupButton::GroupButton(QWidget* parent) : QPushButton(parent) {
    setCheckable(true);
    setAutoDefault(false);
    // One choice among the groups, the loaded one checked: readers see a radio button (the
    // column checks one at a time itself).
    SetAccessibleFace(this, {QAccessible::RadioButton,
                             {},
                             {},
                             {},
                             {},
                             [this] { click(); },
                             [this] { return isChecked(); }});
}

void GroupButton::SetGroupName(const QString& name) {
    groupName_ = name;
    ShowCaption();
}

// Styles show a checked button barely darker than the others; the loaded group's is filled with
// a colour that stands out from the face the style draws for the others.
void GroupButton::paintEvent(QPaintEvent* event) {
    if (!isChecked()) {
        QPushButton::paintEvent(event);
        return;
    }
    const QColor fill = ChosenFill(UncheckedFace(), palette());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    const QColor ink = Readable(palette().color(QPalette::HighlightedText), fill);
    painter.setPen(ink);
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(ink, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(3, 3, -4, -4));
    }
}

// The face of the other buttons as the style draws it, which may be far from the palette's button
// colour: the pixel of middle lightness inside the border.
QColor GroupButton::UncheckedFace() const {
    QStyleOptionButton option;
    option.initFrom(this);
    option.state &= ~(QStyle::State_On | QStyle::State_Sunken | QStyle::State_HasFocus |
                      QStyle::State_MouseOver);
    option.state |= QStyle::State_Raised | QStyle::State_Off;
    QImage face(size(), QImage::Format_ARGB32_Premultiplied);
    face.fill(palette().color(QPalette::Window));
    QPainter painter(&face);
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    painter.end();
    QList<QColor> pixels;
    for (int y = 3; y < face.height() - 3; ++y) {
        for (int x = 3; x < face.width() - 3; ++x)
            pixels.append(face.pixelColor(x, y));
    }
    if (pixels.isEmpty())
        return palette().color(QPalette::Button);
    const auto middle = pixels.begin() + pixels.size() / 2;
    std::nth_element(pixels.begin(), middle, pixels.end(),
                     [](const QColor& a, const QColor& b) { return Luminance(a) < Luminance(b); });
    return *middle;
}

void GroupButton::resizeEvent(QResizeEvent* event) {
    QPushButton::resizeEvent(event);
    ShowCaption();
}

void GroupButton::changeEvent(QEvent* event) {
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        ShowCaption();
}

void GroupButton::ShowCaption() {
    const QString name = OneLine(groupName_);
    const int room = width() - 2 * style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) -
                     2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    const QString shown = fontMetrics().elidedText(name, Qt::ElideRight, std::max(room, 0));
    setText(AsCaption(shown));
    setToolTip(shown == name ? QString() : name);
}

} // namespace quorvel
