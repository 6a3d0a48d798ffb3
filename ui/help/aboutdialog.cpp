// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help/aboutdialog.h"

#include "widgets/colours.h"
#include "widgets/creditspanel.h"
#include "widgets/designscale.h"
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
#include <algorithm>

namespace quorvel {

namespace {

// A label that reads as a link: navy, bold and underlined; red with a pointing hand while the
// mouse is over it; a click, or Space while it has the focus, follows it.
class LinkLabel : public QLabel {
public:
    LinkLabel(const char* name, const QString& text, std::function<void()> follow)
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

// The credits, a line at a time; a translation breaks its sentences into lines of its own.
QStringList Credits() {
    QStringList lines = {"Quorvel",
                         //: A line of the scrolling credits: %1 is the version number.
                         AboutDialog::tr("version %1").arg(QUORVEL_VERSION), ""};
    for (const QString& paragraph :
         //: Lines of the scrolling credits, about 30 characters each, broken with \n.
         {AboutDialog::tr("Units converter\nand scientific calculator"), QString(HomePageAddress),
          //: Lines of the scrolling credits, about 30 characters each, broken with \n. The
          //: names of the sources stay as they are.
          AboutDialog::tr(
              "Units data from the SI Brochure,\nNIST SP 811, CODATA 2022\nand the 1959 "
              "yard and pound agreement"),
          //: A line of the scrolling credits; Qt is the name of the toolkit.
          AboutDialog::tr("Built with Qt"),
          //: Lines of the scrolling credits, about 30 characters each, broken with \n.
          AboutDialog::tr("Thanks to everyone who sent us\na unit we did not have yet")})
        lines << paragraph.split('\n') << "";
    return lines;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("FormAbout");
    //: Title of the About box.
    setWindowTitle(tr("About"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* image = new QLabel;
    image->setObjectName("Image1");
    const DesignScale scale(font());
    image->setPixmap(SplashPicture().scaled(scale(QSize(202, 145)), Qt::KeepAspectRatio,
                                            Qt::SmoothTransformation));
    image->setAccessibleName("Quorvel");

    credits_ = new CreditsPanel;
    credits_->setObjectName("spAbout");
    //: The panel of scrolling credits, as screen readers name it.
    credits_->setAccessibleName(tr("Credits"));
    credits_->SetLines(Credits());
    // As high as the picture; wider where a line (a larger font, a translation) needs it.
    credits_->setFixedSize(std::max(scale(240), credits_->sizeHint().width()), scale(145));

    auto* url = new LinkLabel("RxlbURL", HomePageAddress, [this] { OpenHomePage(); });
    auto* mail = new LinkLabel("RxlbMail", MailAddress, [this] { WriteMail(); });
    //: Closes the About box.
    auto* ok = new QPushButton(tr("&OK"));
    ok->setObjectName("obOK");
    ok->setAccessibleName(QString(ok->text()).remove('&'));
    //: Tells that the manual (Help) is written in English only. Shown in every language.
    auto* manual = new QLabel(tr("The manual is in English."));
    manual->setObjectName("lbManual");
    connect(ok, &QPushButton::clicked, this, &AboutDialog::Accept);

    auto* top = new QHBoxLayout;
    top->addWidget(image);
    top->addWidget(credits_);
    auto* links = new QHBoxLayout;
    links->addWidget(url);
    links->addStretch();
    links->addWidget(mail);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(manual);
    bottom->addStretch();
    bottom->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(links);
    layout->addLayout(bottom);
    setFixedSize(sizeHint());
}

void AboutDialog::Open() {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    setWindowModality(Qt::ApplicationModal);
    show();
}

void AboutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    QPalette colours = credits_->palette();
    colours.setColor(QPalette::Window, Qt::black);
    colours.setColor(QPalette::WindowText, QColor(0, 255, 0));
    credits_->setPalette(colours);
    credits_->Start();
}

// However the box closes, the credits stop.
void AboutDialog::hideEvent(QHideEvent* event) {
    credits_->Stop();
    QDialog::hideEvent(event);
}

void AboutDialog::Accept() {
    credits_->Stop();
    accept();
}

void AboutDialog::OpenHomePage() {
    QDesktopServices::openUrl(QUrl(HomePageAddress));
}

void AboutDialog::WriteMail() {
    QDesktopServices::openUrl(QUrl(QString("mailto:") + MailAddress));
}

} // namespace quorvel
