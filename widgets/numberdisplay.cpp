// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/numberdisplay.h"

#include "calc/displaytext.h"
#include "calc/errors.h"
#include "calc/numbertext.h"

#include "widgets/accessibility.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

const QString MultiplicationSign = QString(QChar(0x00D7));

qsizetype ExponentLetter(const QString& text) {
    // A plain search: a regular expression here costs its engine's start-up on the first paint.
    const auto found =
        std::find_if(text.cbegin(), text.cend(), [](QChar c) { return c == 'E' || c == 'e'; });
    return found == text.cend() ? -1 : found - text.cbegin();
}

// The parts of a text as drawn from the right edge: the mantissa, then in exponent layout the
// multiplication sign, "10" and the raised exponent.
struct Layout {
    QString mantissa;
    QString exponent; // empty in fixed layout
};

Layout LayoutOf(const QString& displayText) {
    const qsizetype letter = ExponentLetter(displayText);
    if (letter < 0)
        return {displayText, {}};
    return {displayText.left(letter), displayText.mid(letter + 1)};
}

int DrawnWidth(const Layout& layout, const QFontMetrics& metrics) {
    int width = metrics.horizontalAdvance(layout.mantissa);
    if (!layout.exponent.isEmpty()) {
        width += metrics.horizontalAdvance(MultiplicationSign) + metrics.horizontalAdvance("10") +
                 metrics.horizontalAdvance(layout.exponent);
    }
    return width;
}

} // namespace

NumberDisplay::NumberDisplay(QWidget* parent) : QWidget(parent), drawingFont_(font()) {
    // A screen reader reads the number as shown, as a static text; the window's name for the
    // display (such as "Value") is its description.
    SetAccessibleFace(this,
                      {QAccessible::StaticText, [this] { return ReadableText(); },
                       [this] { return accessibleName(); }, [this] { return DisplayedText(); },
                       [this]() -> std::optional<double> {
                           try {
                               return static_cast<double>(ParseNumberText(Text().toStdString()));
                           } catch (const EConvertError&) {
                               return std::nullopt;
                           }
                       }});
    resize(145, 20);
    SetText("-123456789E-1234");
    SetGroupsThousands(true);
}

QString NumberDisplay::Text() const {
    return QString::fromStdString(CleanNumberText(displayText_.toStdString()));
}

void NumberDisplay::SetText(const QString& text) {
    if (text == displayText_)
        return;
    displayText_ = QString::fromStdString(DisplayText(text.toStdString(), thouSep_));
    fitted_ = false;
    update();
    NotifyFaceChanged(this);
    emit TextShown();
}

QString NumberDisplay::ReadableText() const {
    const Layout layout = LayoutOf(displayText_);
    if (layout.exponent.isEmpty())
        return layout.mantissa;
    return layout.mantissa + " " + MultiplicationSign + " 10^" + layout.exponent;
}

void NumberDisplay::SetGroupsThousands(bool grouped) {
    if (grouped == thouSep_)
        return;
    thouSep_ = grouped;
    update();
}

int NumberDisplay::DrawnTextWidth() const {
    return DrawnWidth(LayoutOf(displayText_), QFontMetrics(DrawingFont()));
}

const QFont& NumberDisplay::DrawingFont() const {
    FitFont();
    return drawingFont_;
}

void NumberDisplay::FitFont() const {
    if (fitted_)
        return;
    fitted_ = true;
    drawingFont_ = font();
    const int available = width();
    if (available <= 0)
        return;
    const bool inPixels = drawingFont_.pixelSize() > 0;
    qreal size = inPixels ? drawingFont_.pixelSize() : drawingFont_.pointSizeF();
    const Layout layout = LayoutOf(displayText_);
    for (int drawn = DrawnWidth(layout, QFontMetrics(drawingFont_)); drawn > available && size > 4;
         drawn = DrawnWidth(layout, QFontMetrics(drawingFont_))) {
        size = std::max<qreal>(4, std::floor(size * available / drawn * 0.98));
        if (inPixels)
            drawingFont_.setPixelSize(static_cast<int>(size));
        else
            drawingFont_.setPointSizeF(size);
    }
}

void NumberDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    painter.setFont(DrawingFont());
    const QFontMetrics metrics(DrawingFont());
    const int w = width();
    const int h = metrics.height();
    auto draw = [&](int left, int top, const QString& text) {
        painter.drawText(left, top + metrics.ascent(), text);
    };

    const Layout layout = LayoutOf(displayText_);
    if (layout.exponent.isEmpty()) {
        draw(w - metrics.horizontalAdvance(layout.mantissa), h / 4, layout.mantissa);
        return;
    }
    // Mantissa x 10 with the exponent raised, laid out from the right edge.
    const int signWidth = metrics.horizontalAdvance(MultiplicationSign);
    const int x10 =
        w - metrics.horizontalAdvance(layout.exponent) - metrics.horizontalAdvance("10");
    draw(w - metrics.horizontalAdvance(layout.exponent), 0, layout.exponent);
    draw(x10, h / 3, "10");
    draw(x10 - signWidth - metrics.horizontalAdvance(layout.mantissa), h / 3, layout.mantissa);
    draw(x10 - signWidth, h / 3, MultiplicationSign);
}

void NumberDisplay::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitted_ = false;
        update();
    }
}

void NumberDisplay::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitted_ = false;
}

} // namespace quorvel
