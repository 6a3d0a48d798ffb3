#include "widgets/qzcalcindicator.h"

#include "calc/displaytext.h"
#include "calc/errors.h"
#include "calc/numbertext.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
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

// The widest texts the layout makes: a negative number with every digit the display shows, in
// fixed notation with a fraction and in exponent notation with a four-digit exponent (texts
// with the other decimal separator than the locale's read as other numbers, which does no harm).
int WidestTextWidth(const QFontMetrics& metrics) {
    int widest = 0;
    for (const char* text : {"-888888888888888,888", "-888888888888888.888",
                             "-8,88888888888888E-4888", "-8.88888888888888E-4888",
                             "-8,88888888888888E+4888", "-1,88888888888888E-5",
                             "-1.88888888888888E-5"}) {
        const QString shown = QString::fromStdString(DisplayText(text, true));
        widest = std::max(widest, DrawnWidth(LayoutOf(shown), metrics));
    }
    return widest;
}

// What a screen reader sees of a display: a read-only value, the number as shown.
class IndicatorAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit IndicatorAccessible(TQZCalcIndicator* display)
        : QAccessibleWidget(display, QAccessible::Indicator) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value)
            return Display()->DisplayedText();
        return QAccessibleWidget::text(t);
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QVariant currentValue() const override {
        try {
            return static_cast<double>(ParseNumberText(Display()->Text().toStdString()));
        } catch (const EConvertError&) {
            return {};
        }
    }
    void setCurrentValue(const QVariant&) override {} // read only
    QVariant maximumValue() const override { return {}; }
    QVariant minimumValue() const override { return {}; }
    QVariant minimumStepSize() const override { return {}; }

private:
    TQZCalcIndicator* Display() const { return static_cast<TQZCalcIndicator*>(widget()); }
};

QAccessibleInterface* IndicatorAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(TQZCalcIndicator::staticMetaObject.className()))
        return new IndicatorAccessible(static_cast<TQZCalcIndicator*>(object));
    return nullptr;
}

} // namespace

TQZCalcIndicator::TQZCalcIndicator(QWidget* parent) : QWidget(parent), drawingFont_(font()) {
    static const bool accessible = (QAccessible::installFactory(IndicatorAccessibleFactory), true);
    Q_UNUSED(accessible);
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
    update();
    // Screen readers announce the new number.
    QAccessibleValueChangeEvent changed(this, displayText_);
    QAccessible::updateAccessibility(&changed);
}

void TQZCalcIndicator::SetThouSep(bool grouped) {
    if (grouped == thouSep_)
        return;
    thouSep_ = grouped;
    update();
}

int TQZCalcIndicator::DrawnTextWidth() const {
    return DrawnWidth(LayoutOf(displayText_), QFontMetrics(DrawingFont()));
}

const QFont& TQZCalcIndicator::DrawingFont() const {
    FitFont();
    return drawingFont_;
}

void TQZCalcIndicator::FitFont() const {
    if (fitted_)
        return;
    fitted_ = true;
    drawingFont_ = font();
    const int available = width();
    if (available <= 0)
        return;
    const bool inPixels = drawingFont_.pixelSize() > 0;
    qreal size = inPixels ? drawingFont_.pixelSize() : drawingFont_.pointSizeF();
    for (int widest = WidestTextWidth(QFontMetrics(drawingFont_)); widest > available && size > 4;
         widest = WidestTextWidth(QFontMetrics(drawingFont_))) {
        size = std::max<qreal>(4, std::floor(size * available / widest * 0.98));
        if (inPixels)
            drawingFont_.setPixelSize(static_cast<int>(size));
        else
            drawingFont_.setPointSizeF(size);
    }
}

void TQZCalcIndicator::paintEvent(QPaintEvent*) {
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
    const int x10 = w - metrics.horizontalAdvance(layout.exponent) - metrics.horizontalAdvance("10");
    draw(w - metrics.horizontalAdvance(layout.exponent), 0, layout.exponent);
    draw(x10, h / 3, "10");
    draw(x10 - signWidth - metrics.horizontalAdvance(layout.mantissa), h / 3, layout.mantissa);
    draw(x10 - signWidth, h / 3, MultiplicationSign);
}

void TQZCalcIndicator::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        fitted_ = false;
        update();
    }
}

void TQZCalcIndicator::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitted_ = false;
}

} // namespace quorvel
