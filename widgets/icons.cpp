// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/icons.h"

#include "widgets/colours.h"
#include "widgets/designscale.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIconEngine>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <map>
#include <optional>
#include <tuple>

namespace quorvel {

namespace {

// The outline colour of the pictures: navy on a light window, the text colour on a dark one.
QColor Ink() {
    return PictureInk(QGuiApplication::palette());
}
const QColor Accent(0x2f, 0x6f, 0xd0);
const QColor Paper(0xfb, 0xfb, 0xf8);

void DrawPage(QPainter& p, QRectF page) {
    p.setPen(QPen(Ink(), 1.5));
    p.setBrush(Paper);
    p.drawRoundedRect(page, 2, 2);
}

void DrawLines(QPainter& p, QRectF area, int count) {
    p.setPen(QPen(Accent, 1.5));
    const qreal step = area.height() / count;
    for (int k = 0; k < count; ++k) {
        const qreal y = area.top() + step * (k + 0.5);
        p.drawLine(QPointF(area.left(), y), QPointF(area.right() - (k % 2) * 4, y));
    }
}

void DrawArrow(QPainter& p, bool up) {
    QPainterPath arrow;
    const qreal tip = up ? 4 : 28, base = up ? 16 : 16, tail = up ? 28 : 4;
    arrow.moveTo(16, tip);
    arrow.lineTo(28, base);
    arrow.lineTo(21, base);
    arrow.lineTo(21, tail);
    arrow.lineTo(11, tail);
    arrow.lineTo(11, base);
    arrow.lineTo(4, base);
    arrow.closeSubpath();
    QLinearGradient fill(0, 0, 32, 32);
    fill.setColorAt(0, Accent.lighter(130));
    fill.setColorAt(1, Ink());
    p.setPen(QPen(Ink(), 1));
    p.setBrush(fill);
    p.drawPath(arrow);
}

void DrawChevrons(QPainter& p, bool down) {
    if (down) {
        p.translate(32, 0);
        p.rotate(90);
    }
    p.setPen(QPen(Ink(), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal x : {8.0, 17.0}) {
        const QPointF chevron[] = {{x, 9}, {x + 7, 16}, {x, 23}};
        p.drawPolyline(chevron, 3);
    }
}

// The emblem of packaging/icons/org.quorvel.Quorvel.svg, drawn in its 128-unit square: two
// conversion arrows above a ruler on a blue tile.
void DrawEmblem(QPainter& p) {
    p.scale(0.25, 0.25);
    QLinearGradient tile(0, 0, 128, 128);
    tile.setColorAt(0, accent::Ink);
    tile.setColorAt(1, Accent);
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(6, 6, 116, 116), 24, 24);
    p.setBrush(QColor(0xee, 0xf4, 0xfd));
    p.drawPolygon(
        QPolygonF({{42, 14}, {62, 38}, {50, 38}, {50, 66}, {34, 66}, {34, 38}, {22, 38}}));
    p.drawPolygon(
        QPolygonF({{86, 66}, {106, 42}, {94, 42}, {94, 14}, {78, 14}, {78, 42}, {66, 42}}));
    p.setPen(QPen(accent::Ink, 2));
    p.setBrush(QColor(0xf4, 0xe3, 0xb5));
    p.drawRoundedRect(QRectF(16, 76, 96, 32), 3, 3);
    p.setPen(QPen(accent::Ink, 2, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k <= 10; ++k) {
        const qreal x = 24 + 8 * k;
        p.drawLine(QPointF(x, 77), QPointF(x, k % 4 == 0 ? 93 : k % 2 == 0 ? 88 : 84));
    }
}

void Draw(QPainter& p, Picture picture) {
    switch (picture) {
    case Picture::Copy:
        DrawPage(p, QRectF(4, 3, 16, 20));
        DrawPage(p, QRectF(12, 9, 16, 20));
        DrawLines(p, QRectF(15, 13, 10, 13), 3);
        break;
    case Picture::Paste:
        p.setPen(QPen(Ink(), 1.5));
        p.setBrush(QColor(0xc8, 0x9b, 0x5e));
        p.drawRoundedRect(QRectF(5, 5, 18, 23), 2, 2);
        p.setBrush(QColor(0x9a, 0xa4, 0xb0));
        p.drawRoundedRect(QRectF(10, 2, 8, 6), 1.5, 1.5);
        DrawPage(p, QRectF(13, 12, 15, 17));
        DrawLines(p, QRectF(16, 15, 9, 11), 3);
        break;
    case Picture::Preferences:
        for (int k = 0; k < 3; ++k) {
            const qreal y = 8 + 8 * k;
            const qreal knob = k == 1 ? 20 : k == 0 ? 10 : 14;
            p.setPen(QPen(Ink(), 2));
            p.drawLine(QPointF(4, y), QPointF(28, y));
            p.setBrush(Accent);
            p.setPen(QPen(Ink(), 1));
            p.drawEllipse(QPointF(knob, y), 3.5, 3.5);
        }
        break;
    case Picture::Calculator:
        p.setPen(QPen(Ink(), 1.5));
        // On a dark window the body is left unfilled, so that the keys in the ink stand out.
        p.setBrush(IsDark(QGuiApplication::palette()) ? QBrush(Qt::NoBrush)
                                                      : QBrush(QColor(0xe3, 0xe8, 0xef)));
        p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
        p.setBrush(QColor(0xcf, 0xe6, 0xc8));
        p.drawRect(QRectF(9, 5, 14, 6));
        p.setPen(Qt::NoPen);
        p.setBrush(Ink());
        for (int row = 0; row < 3; ++row) {
            for (int column = 0; column < 3; ++column)
                p.drawRect(QRectF(9.5 + 5 * column, 14 + 5 * row, 3, 3));
        }
        break;
    case Picture::Report:
        DrawPage(p, QRectF(7, 3, 18, 26));
        DrawLines(p, QRectF(10, 7, 12, 18), 5);
        break;
    case Picture::Help: {
        p.setPen(QPen(Ink(), 1.5));
        p.setBrush(Accent);
        p.drawEllipse(QRectF(3, 3, 26, 26));
        // A question mark of strokes: a font of its own would be loaded for this one picture.
        QPainterPath hook;
        hook.moveTo(11.5, 12.5);
        hook.cubicTo(11.5, 6.5, 20.5, 6.5, 20.5, 12);
        hook.cubicTo(20.5, 15.5, 16, 15.5, 16, 19);
        p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hook);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 23.5), 2, 2);
        break;
    }
    case Picture::ArrowUp:
    case Picture::ArrowDown: DrawArrow(p, picture == Picture::ArrowUp); break;
    case Picture::MoreRight:
    case Picture::MoreDown: DrawChevrons(p, picture == Picture::MoreDown); break;
    case Picture::Clear:
        p.setPen(Qt::NoPen);
        p.setBrush(Ink());
        p.drawEllipse(QRectF(3, 3, 26, 26));
        p.setPen(QPen(IsDark(QGuiApplication::palette()) ? Qt::black : Qt::white, 3, Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
        break;
    case Picture::Emblem: DrawEmblem(p); break;
    case Picture::List:
        p.setPen(QPen(Ink(), 1));
        p.setBrush(Accent);
        for (int k = 0; k < 4; ++k) {
            const qreal y = 7 + 6 * k;
            p.drawEllipse(QPointF(7, y), 2, 2);
            p.drawLine(QPointF(12, y), QPointF(27, y));
        }
        break;
    }
}

} // namespace

namespace {

// Draws its picture at whatever size is asked for, when it is asked for: no pixmaps are made
// for sizes nobody shows. A disabled icon is drawn faded in grey. Each pixmap is drawn once for
// the palette in use: every window shown asks for the program's icon in five sizes.
class DrawnIconEngine : public QIconEngine {
public:
    explicit DrawnIconEngine(Picture picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter canvas(&image);
        canvas.setRenderHint(QPainter::Antialiasing);
        canvas.scale(rect.width() / 32.0, rect.height() / 32.0);
        Draw(canvas, picture_);
        canvas.end();
        if (mode == QIcon::Disabled)
            image = Faded(image);
        painter->drawImage(rect, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        const Key key{size.width(), size.height(), mode, QGuiApplication::palette().cacheKey()};
        if (const auto drawn = drawn_.find(key); drawn != drawn_.end())
            return drawn->second;
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(), size), mode, state);
        painter.end();
        drawn_.emplace(key, pixmap);
        return pixmap;
    }

    QIconEngine* clone() const override { return new DrawnIconEngine(picture_); }

    // The sizes a window manager takes a window's icon in.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        if (picture_ != Picture::Emblem)
            return {};
        return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48), QSize(64, 64)};
    }

private:
    static QImage Faded(const QImage& image) {
        QImage grey = image;
        for (int y = 0; y < grey.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
            for (int x = 0; x < grey.width(); ++x) {
                const QRgb colour = qUnpremultiply(line[x]);
                const int g = qGray(colour);
                line[x] = qPremultiply(qRgba(g, g, g, qAlpha(colour) / 2));
            }
        }
        return grey;
    }

    using Key = std::tuple<int, int, QIcon::Mode, qint64>; // width, height, mode, palette
    Picture picture_;
    std::map<Key, QPixmap> drawn_;
};

} // namespace

QIcon MakeIcon(Picture picture) {
    return QIcon(new DrawnIconEngine(picture));
}

namespace {

class StandardIconEngine : public QIconEngine {
public:
    explicit StandardIconEngine(QStyle::StandardPixmap picture) : picture_(picture) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().pixmap(size, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return Icon().actualSize(size, mode, state);
    }
    QIconEngine* clone() const override { return new StandardIconEngine(picture_); }

private:
    const QIcon& Icon() {
        if (!icon_)
            icon_ = QApplication::style()->standardIcon(picture_);
        return *icon_;
    }

    QStyle::StandardPixmap picture_;
    std::optional<QIcon> icon_;
};

} // namespace

QIcon StandardIcon(QStyle::StandardPixmap picture) {
    return QIcon(new StandardIconEngine(picture));
}

QPixmap SplashPicture() {
    QPixmap pixmap(303, 218);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    QLinearGradient band(0, 0, 303, 120);
    band.setColorAt(0, accent::Ink);
    band.setColorAt(1, Accent);
    p.fillRect(QRect(0, 0, 303, 120), band);

    // The main window's type: the name as large as its value, the rest as its text. Every font
    // costs a search of the font configuration and a face to load, and the splash window is there
    // while the main window loads its own.
    const QFont text = QGuiApplication::font();
    p.setFont(DesignScale(text).PixelFont(text, 24, true));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 18, 303, 56), Qt::AlignCenter, "Quorvel");
    //: The line under the program's name on the splash picture (303 pixels wide; a longer line
    //: is drawn smaller).
    const QString line = QCoreApplication::translate("quorvel::SplashPicture",
                                                     "Units converter and scientific calculator");
    QFont lineFont = text;
    while (lineFont.pointSizeF() > 6 && QFontMetrics(lineFont).horizontalAdvance(line) > 303 - 12)
        lineFont.setPointSizeF(lineFont.pointSizeF() - 0.5);
    p.setFont(lineFont);
    p.drawText(QRect(0, 72, 303, 24), Qt::AlignCenter, line);

    // A ruler: centimetres above, inches below.
    const int left = 20, right = 283, top = 140;
    p.setPen(QPen(accent::Ink, 1));
    p.setBrush(QColor(0xf4, 0xe3, 0xb5));
    p.drawRect(QRect(left, top, right - left, 44));
    for (int mm = 0; left + mm * 3 <= right; ++mm) {
        const int x = left + mm * 3;
        p.drawLine(x, top, x, top + (mm % 10 == 0 ? 12 : mm % 5 == 0 ? 8 : 4));
    }
    const qreal inch = 3 * 25.4;
    for (int sixteenth = 0; left + sixteenth * inch / 16 <= right; ++sixteenth) {
        const qreal x = left + sixteenth * inch / 16;
        const int length = sixteenth % 16 == 0 ? 12 : sixteenth % 4 == 0 ? 8 : 4;
        p.drawLine(QPointF(x, top + 44), QPointF(x, top + 44 - length));
    }
    p.setPen(accent::Ink);
    p.drawText(QRect(0, 192, 303, 20), Qt::AlignCenter, "1 inch = 0.0254 metre");
    return pixmap;
}

} // namespace quorvel
