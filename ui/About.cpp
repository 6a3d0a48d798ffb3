#include "ui/About.h"

#include "widgets/colours.h"
#include "widgets/creditspanel.h"
#include "widgets/icons.h"

#include <QDesktopServices>
#include <QEnterEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QUrl>
#include <QVBoxLayout>

namespace quorvel {

namespace {

// A label that reads as a link: navy, bold and underlined; red with a pointing hand while the
// mouse is over it; a click, or Space while it has the focus, follows it.
class TLinkLabel : public QLabel {
public:
    TLinkLabel(const char* name, const QString& text, std::function<void()> follow)
        : QLabel(text), follow_(std::move(follow)) {
        setObjectName(name);
        setAccessibleName(text);
        setFocusPolicy(Qt::StrongFocus);
        QFont font = this->font();
        font.setBold(true);
        font.setUnderline(true);
        setFont(font);
        SetColour(accent::Navy);
    }

protected:
    void enterEvent(QEnterEvent*) override {
        hovered_ = true;
        SetColour(accent::Warning);
        setCursor(Qt::PointingHandCursor);
    }
    void leaveEvent(QEvent*) override {
        hovered_ = false;
        SetColour(accent::Navy);
        unsetCursor();
    }
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !settingColour_)
            SetColour(hovered_ ? accent::Warning : accent::Navy);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            follow_();
    }
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space)
            follow_();
        else
            QLabel::keyPressEvent(event);
    }

private:
    // The accent, or its variant that reads well on the window's colour.
    void SetColour(const QColor& colour) {
        settingColour_ = true;
        QPalette palette = this->palette();
        palette.setColor(QPalette::WindowText, Readable(colour, palette.color(QPalette::Window)));
        setPalette(palette);
        settingColour_ = false;
    }

    std::function<void()> follow_;
    bool hovered_ = false;
    bool settingColour_ = false;
};

QStringList Credits() {
    return {"Quorvel",
            "version " QUORVEL_VERSION,
            "",
            "Units converter",
            "and scientific calculator",
            "",
            HomePageAddress,
            "",
            "Units data from the SI Brochure,",
            "NIST SP 811, CODATA 2022",
            "and the 1959 yard and pound agreement",
            "",
            "Built with Qt",
            "",
            "Thanks to everyone who sent us",
            "a unit we did not have yet",
            ""};
}

} // namespace

TFormAbout::TFormAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("FormAbout");
    setWindowTitle("About");
    setAttribute(Qt::WA_DeleteOnClose);

    auto* image = new QLabel;
    image->setObjectName("Image1");
    image->setPixmap(
        SplashPicture().scaled(202, 145, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    image->setAccessibleName("Quorvel");

    spAbout_ = new TCreditsPanel;
    spAbout_->setObjectName("spAbout");
    spAbout_->setAccessibleName("Credits");
    spAbout_->setFixedSize(240, 145);
    spAbout_->SetLines(Credits());

    auto* url = new TLinkLabel("RxlbURL", HomePageAddress, [this] { RxlbURLClick(); });
    auto* mail = new TLinkLabel("RxlbMail", MailAddress, [this] { RxlbMailClick(); });
    auto* ok = new QPushButton("&OK");
    ok->setObjectName("obOK");
    ok->setAccessibleName("OK");
    connect(ok, &QPushButton::clicked, this, &TFormAbout::hbOKClick);

    auto* top = new QHBoxLayout;
    top->addWidget(image);
    top->addWidget(spAbout_);
    auto* links = new QHBoxLayout;
    links->addWidget(url);
    links->addStretch();
    links->addWidget(mail);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(links);
    layout->addLayout(bottom);
    setFixedSize(sizeHint());
}

void TFormAbout::Open() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowModality(Qt::ApplicationModal);
    show();
}

void TFormAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QPalette colours = spAbout_->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    spAbout_->setPalette(colours);
    spAbout_->Start();
}

// However the box closes, the credits stop.
void TFormAbout::hideEvent(QHideEvent* event) {
    spAbout_->Stop();
    QDialog::hideEvent(event);
}

void TFormAbout::hbOKClick() {
    spAbout_->Stop();
    accept();
}

void TFormAbout::RxlbURLClick() {
    QDesktopServices::openUrl(QUrl(HomePageAddress));
}

void TFormAbout::RxlbMailClick() {
    QDesktopServices::openUrl(QUrl(QString("mailto:") + MailAddress));
}

} // namespace quorvel
