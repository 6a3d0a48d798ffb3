#include "widgets/creditspanel.h"

#include <QPainter>

namespace quorvel {

namespace {
constexpr int StepMilliseconds = 40;
}

TCreditsPanel::TCreditsPanel(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    timer_.setInterval(StepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &TCreditsPanel::Step);
}

void TCreditsPanel::SetLines(const QStringList& lines) {
    lines_ = lines;
    offset_ = 0;
    update();
}

void TCreditsPanel::Start() {
    timer_.start();
}

void TCreditsPanel::Stop() {
    timer_.stop();
}

// The distance after which the picture repeats: the panel's height plus the text's.
int TCreditsPanel::Cycle() const {
    return height() + fontMetrics().lineSpacing() * static_cast<int>(lines_.size());
}

void TCreditsPanel::Step() {
    offset_ = (offset_ + 1) % std::max(Cycle(), 1);
    update();
}

void TCreditsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().lineSpacing();
    int y = height() - offset_;
    for (const QString& line : lines_) {
        painter.drawText(QRect(0, y, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         line);
        y += lineHeight;
    }
}

} // namespace quorvel
