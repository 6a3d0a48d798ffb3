#include "widgets/designscale.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {
constexpr qreal DesignedLineSpacing = 14;
}

TDesignScale::TDesignScale(const QFont& font)
    : factor_(std::max<qreal>(1, QFontMetricsF(font).lineSpacing() / DesignedLineSpacing)) {}

int TDesignScale::operator()(int length) const {
    return static_cast<int>(std::lround(length * factor_));
}

QSize TDesignScale::operator()(const QSize& size) const {
    return {(*this)(size.width()), (*this)(size.height())};
}

QRect TDesignScale::operator()(const QRect& rect) const {
    const int left = (*this)(rect.left()), top = (*this)(rect.top());
    return {left, top, (*this)(rect.left() + rect.width()) - left,
            (*this)(rect.top() + rect.height()) - top};
}

QFont TDesignScale::PixelFont(const QFont& base, int designedPixels, bool bold) const {
    QFont font = base;
    font.setPixelSize((*this)(designedPixels));
    font.setBold(bold);
    return font;
}

} // namespace quorvel
