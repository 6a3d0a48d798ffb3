// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/groupbutton.h"

#include "widgets/accessibility.h"

#include <QEvent>
#include <QStyle>

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
