// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/colours.h"

#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

QColor Mixed(const QColor& from, const QColor& to, double share) {
    auto mix = [share](double a, double b) { return a + (b - a) * share; };
    return QColor::fromRgbF(static_cast<float>(mix(from.redF(), to.redF())),
                            static_cast<float>(mix(from.greenF(), to.greenF())),
                            static_cast<float>(mix(from.blueF(), to.blueF())));
}

} // namespace

double Luminance(const QColor& colour) {
    return 0.2126 * Linear(colour.redF()) + 0.7152 * Linear(colour.greenF()) +
           0.0722 * Linear(colour.blueF());
}

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool IsDark(const QPalette& palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor Readable(const QColor& wanted, const QColor& background, double minimum) {
    if (ContrastRatio(wanted, background) >= minimum)
        return wanted;
    // Towards whichever of white and black stands further from the background.
    const QColor end = ContrastRatio(Qt::white, background) >= ContrastRatio(Qt::black, background)
                           ? QColor(Qt::white)
                           : QColor(Qt::black);
    for (int step = 1; step < 20; ++step) {
        const QColor candidate = Mixed(wanted, end, step / 20.0);
        if (ContrastRatio(candidate, background) >= minimum)
            return candidate;
    }
    return end;
}

QColor ChosenFill(const QColor& face, const QPalette& palette) {
    constexpr double margin = 0.2; // for smoothed edges and a face drawn as a gradient
    return Readable(palette.color(QPalette::Highlight), face, MinimumStateContrast + margin);
}

QColor PictureInk(const QPalette& palette) {
    return IsDark(palette) ? palette.color(QPalette::WindowText) : accent::Ink;
}

} // namespace quorvel
