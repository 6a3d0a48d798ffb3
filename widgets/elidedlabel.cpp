// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/elidedlabel.h"

#include "widgets/accessibility.h"

#include <QEvent>

namespace quorvel {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) {
    SetAccessibleFace(this, {QAccessible::StaticText, [this] { return fullText_; }, {}, {}, {}});
}

void ElidedLabel::SetFullText(const QString& text) {
    if (text == fullText_)
        return;
    fullText_ = text;
    ShowText();
    NotifyFaceChanged(this);
}

void ElidedLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    ShowText();
}

void ElidedLabel::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        ShowText();
}

void ElidedLabel::ShowText() {
    const int room = contentsRect().width() - 2 * margin() - std::max(indent(), 0);
    const QString shown = fontMetrics().elidedText(fullText_, Qt::ElideRight, std::max(room, 0));
    setText(shown);
    setToolTip(shown == fullText_ ? QString() : fullText_);
}

} // namespace quorvel
