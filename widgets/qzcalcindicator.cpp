#include "widgets/qzcalcindicator.h"

#include "calc/displaytext.h"
#include "calc/numbertext.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace quorvel {

namespace {

const QString MultiplicationSign = QString(QChar(0x00D7));

} // namespace

TQZCalcIndicator::TQZCalcIndicator(QWidget* parent) : QWidget(parent) {
    resize(145, 20);
    SetText("-123456789E-1234");
    SetThouSep(true);
}

QString TQZCalcIndicator::Text() const {
    return QString::fromStdString(CleanNumberText(displayText_.toStdString()));
}

void TQZCalcIndicator::SetText(const QString& text) {
    if (text == displayText_)
        return;
    displayText_ = QString::fromStdString(DisplayText(text.toStdString(), thouSep_));
    setAccessibleDescription(displayText_);
    update();
}

void TQZCalcIndicator::SetThouSep(bool grouped) {
    if (grouped == thouSep_)
        return;
    thouSep_ = grouped;
    update();
}

void TQZCalcIndicator::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    const QFontMetrics metrics(font());
    const int w = width();
    const int h = metrics.height();
    auto draw = [&](int left, int top, const QString& text) {
        painter.drawText(left, top + metrics.ascent(), text);
    };

    // A plain search: a regular expression here costs its engine's start-up on the first paint.
    const auto found = std::find_if(displayText_.cbegin(), displayText_.cend(),
                                    [](QChar c) { return c == 'E' || c == 'e'; });
    const qsizetype letter = found == displayText_.cend() ? -1 : found - displayText_.cbegin();
    if (letter < 0) {
        draw(w - metrics.horizontalAdvance(displayText_), h / 4, displayText_);
        return;
    }
    // Mantissa x 10 with the exponent raised, laid out from the right edge.
    const QString mantissa = displayText_.left(letter);
    const QString exponent = displayText_.mid(letter + 1);
    const int signWidth = metrics.horizontalAdvance(MultiplicationSign);
    const int x10 = w - metrics.horizontalAdvance(exponent) - metrics.horizontalAdvance("10");
    draw(w - metrics.horizontalAdvance(exponent), 0, exponent);
    draw(x10, h / 3, "10");
    draw(x10 - signWidth - metrics.horizontalAdvance(mantissa), h / 3, mantissa);
    draw(x10 - signWidth, h / 3, MultiplicationSign);
}

void TQZCalcIndicator::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void TQZCalcIndicator::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        update();
}

} // namespace quorvel
