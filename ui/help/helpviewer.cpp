// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/help/helpviewer.h"

#include "ui/help/helpcontext.h"
#include "widgets/accessibility.h"
#include "widgets/colours.h"
#include "widgets/designscale.h"
#include "widgets/icons.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexModel>
#include <QHelpLink>
#include <QKeyEvent>
#include <QScreen>
#include <QShortcut>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QThread>
#include <QToolButton>
#include <QTreeView>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

namespace {

const char* const ContentsIdentifier = "contents";
// The kind of help request the help key makes; HelpHandler takes any kind as this one.
constexpr int HelpContextCommand = 15;

bool IsWebAddress(const QUrl& url) {
    const QString scheme = url.scheme();
    return scheme == "http" || scheme == "https" || scheme == "mailto";
}

// The manual's style sheet for a dark palette, which the help file carries beside the light one.
const char* const DarkStyleSheet = "style-dark.css";

// A text browser that reads the topics and their style sheet out of the help file. Screen
// readers know it by the title of the topic it shows.
class HelpBrowser : public QTextBrowser {
public:
    HelpBrowser(QHelpEngine& engine, QWidget* parent) : QTextBrowser(parent), engine_(engine) {
        setObjectName("HelpBrowser");
        setOpenLinks(false); // web and mail addresses go to the desktop, topics stay here
        connect(this, &QTextBrowser::anchorClicked, this, &HelpBrowser::Follow);
        connect(this, &QTextBrowser::sourceChanged, this,
                [this] { setAccessibleName(documentTitle()); });
    }

    QVariant loadResource(int type, const QUrl& name) override {
        if (name.scheme() == "qthelp")
            return engine_.fileData(StyleSheetFor(name));
        return QTextBrowser::loadResource(type, name);
    }

protected:
    void changeEvent(QEvent* event) override {
        QTextBrowser::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !source().isEmpty())
            reload(); // the style sheet that suits the new palette
    }

private:
    // On a dark palette the dark variant of the manual's style sheet.
    QUrl StyleSheetFor(const QUrl& name) const {
        if (name.fileName() != "style.css" || !IsDark(palette()))
            return name;
        return name.resolved(QUrl(DarkStyleSheet));
    }

    void Follow(const QUrl& link) {
        const QUrl target = source().resolved(link);
        if (IsWebAddress(target))
            QDesktopServices::openUrl(target);
        else
            setSource(target);
    }

    QHelpEngine& engine_;
};

// The help engine reads its table of contents and its index in threads of its own, and frees what
// they read before it stops them: destroyed while one still runs, it corrupts memory. The
// reading takes milliseconds and needs nothing of this thread, so it is waited for.
void WaitForReaders(QHelpEngine& engine) {
    while (engine.contentModel()->isCreatingContents() || engine.indexModel()->isCreatingIndex())
        QThread::msleep(1);
}

} // namespace

// The help window: the manual's contents beside the topic, with back and forward.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    HelpWindow(QHelpEngine& engine, QWidget* parent) : QWidget(parent, Qt::Window) {
        SetAccessibleFace(this, {QAccessible::Window, {}, {}, {}, {}});
        setObjectName("HelpWindow");
        //: Title of the window of the manual. The manual itself is in English.
        setWindowTitle(tr("Quorvel Help"));
        const DesignScale scale(font());
        resize(scale(QSize(820, 560)));

        browser_ = new HelpBrowser(engine, this);
        contents_ = new QTreeView;
        contents_->setObjectName("HelpContents");
        contents_->setAccessibleName(tr("Table of contents"));
        contents_->setHeaderHidden(true);
        contents_->setModel(engine.contentModel());
        model_ = engine.contentModel();
        connect(contents_, &QTreeView::activated, this, &HelpWindow::OpenItem);
        connect(contents_, &QTreeView::clicked, this, &HelpWindow::OpenItem);
        connect(model_, &QHelpContentModel::contentsCreated, this, [this] {
            contents_->expandAll();
            FitContents();
            MarkTopic(browser_->source());
        });
        // The browser tells the new topic before source() returns it.
        connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::MarkTopic);

        splitter_ = new QSplitter;
        splitter_->addWidget(contents_);
        splitter_->addWidget(browser_);
        splitter_->setStretchFactor(1, 1);
        contents_->expandAll();
        FitContents();

        auto* bar = new QHBoxLayout;
        //: Goes back to the page shown before.
        bar->addWidget(Button("btBack", tr("Back"), QStyle::SP_ArrowBack,
                              QKeySequence(Qt::ALT | Qt::Key_Left), &QTextBrowser::backward,
                              &QTextBrowser::backwardAvailable));
        bar->addWidget(Button("btForward", tr("Forward"), QStyle::SP_ArrowForward,
                              QKeySequence(Qt::ALT | Qt::Key_Right), &QTextBrowser::forward,
                              &QTextBrowser::forwardAvailable));
        //: Goes to the manual's first page, its table of contents.
        bar->addWidget(Button("btHome", tr("Contents"), QStyle::SP_DirHomeIcon,
                              QKeySequence(Qt::ALT | Qt::Key_Home), &QTextBrowser::home));
        bar->addStretch();
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(4, 4, 4, 4);
        layout->addLayout(bar);
        layout->addWidget(splitter_, 1);
        auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        connect(close, &QShortcut::activated, this, &QWidget::close);
    }

    void ShowTopic(const QUrl& topic) {
        if (browser_->source() != topic)
            browser_->setSource(topic);
        show();
        raise();
        activateWindow();
    }

    QUrl Topic() const { return browser_->source(); }

private:
    // A button of the browser's `action`; with `available`, enabled only while the browser
    // says the action can be taken.
    QToolButton* Button(const char* name, const QString& text, QStyle::StandardPixmap icon,
                        const QKeySequence& key, void (QTextBrowser::*action)(),
                        void (QTextBrowser::*available)(bool) = nullptr) {
        auto* button = new QToolButton;
        button->setObjectName(name);
        button->setText(text);
        //: Hint of a button: %1 is what it does, %2 its shortcut key, as in "Back (Alt+Left)".
        button->setToolTip(tr("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
        button->setAccessibleName(text);
        button->setIcon(StandardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setShortcut(key);
        connect(button, &QToolButton::clicked, browser_, action);
        if (available) {
            button->setEnabled(false);
            connect(browser_, available, button, &QWidget::setEnabled);
        }
        return button;
    }

    // The contents as wide as designed, or as their longest entry needs; the topic beside them.
    void FitContents() {
        const DesignScale scale(font());
        const int entries = static_cast<QAbstractItemView*>(contents_)->sizeHintForColumn(0) +
                            2 * contents_->frameWidth();
        splitter_->setSizes({std::max(scale(220), entries), scale(600)});
    }

    void OpenItem(const QModelIndex& index) {
        if (const QHelpContentItem* item = model_->contentItemAt(index))
            browser_->setSource(item->url());
    }

    // Keeps the contents entry of the shown topic selected.
    void MarkTopic(const QUrl& topic) {
        const QModelIndex found = Find(QModelIndex(), topic.adjusted(QUrl::RemoveFragment));
        if (found.isValid())
            contents_->setCurrentIndex(found);
    }

    QModelIndex Find(const QModelIndex& parent, const QUrl& topic) const {
        for (int row = 0; row < model_->rowCount(parent); ++row) {
            const QModelIndex index = model_->index(row, 0, parent);
            const QHelpContentItem* item = model_->contentItemAt(index);
            if (item && item->url() == topic)
                return index;
            const QModelIndex below = Find(index, topic);
            if (below.isValid())
                return below;
        }
        return {};
    }

    QHelpContentModel* model_;
    QTreeView* contents_;
    HelpBrowser* browser_;
    QSplitter* splitter_;
};

HelpViewer::HelpViewer(QObject* parent) : QObject(parent) {
    setObjectName("HtmlHelp");
}

HelpViewer::~HelpViewer() {
    Unload();
}

void HelpViewer::SetHelpFile(const QString& file) {
    if (file == helpFile_)
        return;
    Unload();
    helpFile_ = file;
}

void HelpViewer::Unload() {
    delete window_; // it shows the engine's contents, so it goes first
    if (engine_)
        WaitForReaders(*engine_);
    engine_.reset();
    collectionDir_.reset();
}

// Registers the help file in a collection of our own in a temporary folder: the help engine
// needs a writable collection, and a fresh one never holds a stale copy of the manual.
bool HelpViewer::Load() {
    if (engine_)
        return true;
    const QFileInfo file(helpFile_);
    if (helpFile_.isEmpty() || !file.isFile())
        return false;
    auto folder = std::make_unique<QTemporaryDir>();
    if (!folder->isValid())
        return false;
    auto engine = std::make_unique<QHelpEngine>(folder->filePath("Help.qhc"));
    engine->setReadOnly(false);
    // The collection remembers the file relative to itself, so it must be given in full.
    if (!engine->setupData() || !engine->registerDocumentation(file.absoluteFilePath()))
        return false;
    engine->contentModel()->createContents(QString());
    collectionDir_ = std::move(folder);
    engine_ = std::move(engine);
    return true;
}

QUrl HelpViewer::TopicOf(const QString& identifier) const {
    const QList<QHelpLink> links = engine_->documentsForIdentifier(identifier);
    return links.isEmpty() ? QUrl() : links.first().url;
}

void HelpViewer::ShowTopic(const QUrl& topic) {
    if (topic.isEmpty())
        return;
    // A window shown modally blocks every other window but its own children: the help window
    // joins the modal window that asks for help, so that it can be read and scrolled there.
    QWidget* owner = QApplication::activeModalWidget();
    if (!window_) {
        window_ = new HelpWindow(*engine_, owner);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            window_->move(screen->availableGeometry().center() - window_->rect().center());
    } else if (window_->parentWidget() != owner) {
        const QRect place = window_->geometry();
        window_->setParent(owner, window_->windowFlags());
        window_->setGeometry(place);
    }
    window_->ShowTopic(topic);
}

void HelpViewer::ShowContents() {
    if (Load())
        ShowTopic(TopicOf(ContentsIdentifier));
}

bool HelpViewer::ShowContext(int context) {
    if (Load()) {
        const QUrl topic = TopicOf(QString::number(context));
        ShowTopic(topic.isEmpty() ? TopicOf(ContentsIdentifier) : topic);
    }
    return true;
}

bool HelpViewer::HelpHandler(int /*command*/, qintptr data, bool& callHelp) {
    ShowContext(static_cast<int>(data));
    callHelp = false;
    return true;
}

void HelpViewer::InstallHelpHook(QCoreApplication* application) {
    application->installEventFilter(this);
}

bool HelpViewer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier || key->isAutoRepeat())
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const int context = HelpContextOf(widget);
    if (context == 0)
        return false; // a window without a topic: the help key opens nothing there
    bool callHelp = true;
    return HelpHandler(HelpContextCommand, context, callHelp);
}

QUrl HelpViewer::CurrentTopic() const {
    return window_ && window_->isVisible() ? window_->Topic() : QUrl();
}

} // namespace quorvel

#include "helpviewer.moc"
