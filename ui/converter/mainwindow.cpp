// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/mainwindow.h"

#include "calc/numbertext.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/groupcolumn.h"
#include "ui/converter/unitsearchfield.h"
#include "ui/help/aboutdialog.h"
#include "ui/help/helpcontext.h"
#include "ui/language/language.h"
#include "ui/language/translated.h"
#include "ui/report/reportlines.h"
#include "ui/shared/balloon.h"
#include "ui/shared/clipboard.h"
#include "widgets/accessibility.h"
#include "widgets/colours.h"
#include "widgets/designscale.h"
#include "widgets/droplist.h"
#include "widgets/elidedlabel.h"
#include "widgets/groupbutton.h"
#include "widgets/icons.h"
#include "widgets/numberdisplay.h"
#include "widgets/valuepanel.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

constexpr int ClientWidth = 545;
constexpr int ClientHeight = 311;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

MainWindow::MainWindow(ConverterSession& converter, QTextDocument* report, ErrorBalloon& balloon,
                       MainWindowLinks links, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      converter_(converter), report_(report), balloon_(balloon), links_(std::move(links)) {
    setObjectName("MForm");
    setWindowTitle("Quorvel");
    SetHelpContext(this, hcMainWindow);
    CreateMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 2);
    columns->addWidget(groups_);
    auto* right = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(CreateToolBar());
    top->addWidget(search_ = new UnitSearchField(converter_, balloon_, this), 1);
    right->addLayout(top);
    right->addWidget(CreateValuePanel());
    right->addWidget(CreateConversionPanel(), 1);
    columns->addLayout(right, 1);
    setCentralWidget(central);
    search_->SetNeighbours(valuePanel_, upperPicker_);
    CreateStatusBar();
    SetTabOrder();
    ConnectConverter();

    ShowValue();
    ApplyColours();
    // The designed size, or larger when a large font needs more room; the user may make the
    // window larger still, so that a long conversion line shows whole.
    const QSize designed = QSize(ClientWidth, ClientHeight + menuBar()->sizeHint().height())
                               .expandedTo(minimumSizeHint());
    setMinimumSize(designed);
    resize(designed);
}

void MainWindow::CreateMenus() {
    //: Menu of the main window.
    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName("miEdit");
    //: Copies the value to the clipboard.
    QAction* copy = MenuAction(edit, "miCopy", tr("&Copy"), [this] { Copy(); });
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Insert), QKeySequence::Copy});
    //: Takes a value from the number on the clipboard.
    QAction* paste = MenuAction(edit, "miPaste", tr("&Paste"), [this] { Paste(); });
    paste->setShortcuts({QKeySequence(Qt::SHIFT | Qt::Key_Insert), QKeySequence::Paste});
    edit->addSeparator();
    //: Opens the window where the user edits the groups and units.
    MenuAction(edit, "miPreferences", tr("P&references"), links_.preferences);

    //: Menu of the main window.
    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->setObjectName("miTools");
    MenuAction(tools, "Calculator1", tr("&Calculator"), links_.calculator);
    //: Opens the report of the conversions made.
    MenuAction(tools, "Report1", tr("&Report"), links_.report);

    //: Menu of the main window; its items are the groups of units (Length, Mass, ...).
    QMenu* units = menuBar()->addMenu(tr("&Units"));
    units->setObjectName("miUnits");
    groups_ = new GroupColumn(units);
    connect(groups_, &GroupColumn::groupChosen, this, &MainWindow::LoadGroupChosen);

    //: Menu of the main window.
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("miHelp");
    //: Opens the manual at its table of contents.
    MenuAction(help, "Contents1", tr("&Contents"), links_.helpContents);
    help->addSeparator();
    //: Opens the program's web site.
    MenuAction(help, "HomePage1", tr("&Home Page"), [this] { OpenHomePage(); });
    help->addSeparator();
    //: Opens the About box of the program.
    MenuAction(help, "About1", tr("&About"), links_.about);
}

QAction* MainWindow::MenuAction(QMenu* menu, const char* name, const QString& text,
                                const std::function<void()>& action) {
    QAction* item = menu->addAction(text);
    item->setObjectName(name);
    item->setEnabled(static_cast<bool>(action)); // a window not built yet cannot be opened
    if (action)
        connect(item, &QAction::triggered, this, action);
    return item;
}

QToolButton* MainWindow::ToolButton(const char* name, const QString& hint, Picture picture,
                                    const std::function<void()>& action) {
    auto* button = new QToolButton;
    button->setObjectName(name);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIcon(MakeIcon(picture));
    button->setAutoRaise(true);
    button->setEnabled(static_cast<bool>(action));
    if (action)
        connect(button, &QToolButton::clicked, this, action);
    return button;
}

QWidget* MainWindow::CreateToolBar() {
    auto* bar = new QToolBar;
    bar->setObjectName("tbTools");
    bar->setIconSize(QSize(24, 24));
    auto add = [&](const char* name, const QString& hint, Picture picture,
                   const std::function<void()>& action) {
        bar->addWidget(ToolButton(name, hint, picture, action));
    };
    //: Hint of a tool button.
    add("obCopy", tr("Copy"), Picture::Copy, [this] { Copy(); });
    //: Hint of a tool button.
    add("obPaste", tr("Paste"), Picture::Paste, [this] { Paste(); });
    //: Hint of a tool button.
    add("obPreferences", tr("Preferences"), Picture::Preferences, links_.preferences);
    bar->addSeparator();
    //: Hint of a tool button.
    add("obCalculator", tr("Calculator"), Picture::Calculator, links_.calculator);
    //: The calculator tool button, as screen readers name it.
    bar->widgetForAction(bar->actions().constLast())->setAccessibleName(tr("Open calculator"));
    //: Hint of a tool button that opens the report of the conversions made.
    add("obReport", tr("Report"), Picture::Report, links_.report);
    bar->addSeparator();
    //: Hint of a tool button.
    add("obHelp", tr("Help"), Picture::Help, links_.helpContents);
    // Every button stays in sight: with a large font the window grows instead of hiding the last
    // buttons behind the tool bar's overflow arrow.
    bar->setMinimumWidth(bar->sizeHint().width());
    return bar;
}

QWidget* MainWindow::CreateValuePanel() {
    const DesignScale scale(font());
    auto* pnOut = new ValuePanel;
    valuePanel_ = pnOut;
    valuePanel_->setObjectName("pnOut");
    //: The value being converted, as screen readers name it.
    valuePanel_->setAccessibleName(tr("Value"));
    valuePanel_->setFixedHeight(scale(58));
    valuePanel_->setFocusPolicy(links_.inputNumber ? Qt::StrongFocus : Qt::NoFocus);
    valuePanel_->installEventFilter(this);

    valueDisplay_ = new NumberDisplay;
    valueDisplay_->setObjectName("MainInd");
    valueDisplay_->setAccessibleName(tr("Value"));
    const QFont bold = scale.PixelFont(valueDisplay_->font(), 24, true);
    valueDisplay_->setFont(bold);
    pnOut->ShowsNumberOf(valueDisplay_, links_.inputNumber);
    // Room for the mantissa a third of a line down and the raised exponent above it.
    valueDisplay_->setFixedHeight(QFontMetrics(bold).height() * 4 / 3 + 2);
    // A press on the value reaches pnOut's filter, which opens the input dialog: the display
    // takes no part of its own, so one click opens the dialog once.

    calculatorButton_ =
        ToolButton("bbCalc", tr("Calculator"), Picture::Calculator, links_.calculator);
    //: The small calculator button beside the value, as screen readers name it.
    calculatorButton_->setAccessibleName(tr("Calculate with the value"));
    calculatorButton_->setIconSize(scale(QSize(16, 16)));

    auto* layout = new QHBoxLayout(valuePanel_);
    layout->setContentsMargins(8, 4, 4, 4);
    layout->addWidget(valueDisplay_, 1, Qt::AlignVCenter);
    layout->addWidget(calculatorButton_, 0, Qt::AlignBottom);
    return valuePanel_;
}

QWidget* MainWindow::CreateConversionPanel() {
    auto* panel = new QFrame;
    panel->setObjectName("pnConvert");
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(8, 8, 8, 8);
    grid->setVerticalSpacing(6);

    //: Label of the unit picker above the arrow buttons.
    auto* upperLabel = new QLabel(tr("Upper unit"));
    upperLabel->setObjectName("cb1Label");
    upperPicker_ = CreatePicker("cb1", PickerSide::Upper);
    upperLabel->setBuddy(upperPicker_); // screen readers announce the label with the value
    //: Label of the unit picker below the arrow buttons.
    auto* lowerLabel = new QLabel(tr("Lower unit"));
    lowerLabel->setObjectName("cb2Label");
    lowerPicker_ = CreatePicker("cb2", PickerSide::Lower);
    lowerLabel->setBuddy(lowerPicker_);
    const bool listExists = static_cast<bool>(links_.unitsList);
    auto listButton = [&](const char* name, PickerSide side, const QString& accessible) {
        QToolButton* button =
            //: Hint of the button beside a unit picker that opens the list of the group's units.
            ToolButton(name, tr("List of units"), Picture::List,
                       listExists ? std::function<void()>([this, side] { OpenUnitsList(side); })
                                  : std::function<void()>());
        button->setAccessibleName(accessible);
        return button;
    };
    //: The button that opens the units list for the upper picker, as screen readers name it.
    upperListButton_ = listButton("SpeedButton2", PickerSide::Upper, tr("Upper unit list"));
    //: The button that opens the units list for the lower picker, as screen readers name it.
    lowerListButton_ = listButton("SpeedButton3", PickerSide::Lower, tr("Lower unit list"));

    auto arrow = [&](const char* name, Picture picture, const QString& accessible,
                     QKeySequence key) {
        auto* button = new QPushButton;
        button->setObjectName(name);
        button->setAccessibleName(accessible);
        button->setAccessibleDescription(key.toString(QKeySequence::NativeText));
        button->setIcon(MakeIcon(picture));
        button->setIconSize(QSize(30, 30));
        button->setFixedSize(72, 44);
        button->setAutoDefault(true); // Enter presses the focused arrow
        auto* shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, button, [button] { button->animateClick(); });
        return button;
    };
    //: The up arrow button, as screen readers name it.
    upButton_ = arrow("bbUp", Picture::ArrowUp, tr("Convert to the upper unit"),
                      QKeySequence(Qt::CTRL | Qt::Key_Up));
    //: The down arrow button, as screen readers name it.
    downButton_ = arrow("bbDown", Picture::ArrowDown, tr("Convert to the lower unit"),
                        QKeySequence(Qt::CTRL | Qt::Key_Down));
    connect(upButton_, &QPushButton::clicked, this, &MainWindow::ConvertLowerToUpper);
    connect(downButton_, &QPushButton::clicked, this, &MainWindow::ConvertUpperToLower);

    auto* arrows = new QHBoxLayout;
    arrows->addStretch();
    arrows->addWidget(upButton_);
    arrows->addSpacing(16);
    arrows->addWidget(downButton_);
    arrows->addStretch();

    grid->setVerticalSpacing(2);
    grid->addWidget(upperLabel, 0, 1);
    grid->addWidget(upperListButton_, 1, 0);
    grid->addWidget(upperPicker_, 1, 1);
    grid->addLayout(arrows, 2, 0, 1, 2);
    grid->addWidget(lowerLabel, 3, 1);
    grid->addWidget(lowerListButton_, 4, 0);
    grid->addWidget(lowerPicker_, 4, 1);
    grid->setRowMinimumHeight(2, 52);
    grid->setColumnStretch(1, 1);
    return panel;
}

QComboBox* MainWindow::CreatePicker(const char* name, PickerSide side) {
    auto* box = new DropList;
    box->setObjectName(name);
    box->setAccessibleName(side == PickerSide::Upper ? tr("Upper unit") : tr("Lower unit"));
    box->setMaxVisibleItems(20);
    connect(box, &QComboBox::currentIndexChanged, this,
            [this, side](int index) { converter_.Choose(side, index); });
    return box;
}

QComboBox* MainWindow::Picker(PickerSide side) const {
    return side == PickerSide::Upper ? upperPicker_ : lowerPicker_;
}

void MainWindow::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName("stStatus");
    bar->setSizeGripEnabled(false);
    //: The status bar, as screen readers name it.
    bar->setAccessibleName(tr("Status"));
    QFont bold = bar->font();
    bold.setBold(true);
    bar->setFont(bold);
    const DesignScale scale(bold);
    auto panel = [&](const char* name, int width, Qt::Alignment alignment, int stretch) {
        auto* label = new ElidedLabel;
        label->setObjectName(name);
        label->setFont(bold);
        label->setMinimumWidth(scale(width));
        if (stretch == 0)
            label->setMaximumWidth(scale(width));
        label->setAlignment(alignment | Qt::AlignVCenter);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setAttribute(Qt::WA_TransparentForMouseEvents); // a click is the bar's
        bar->addWidget(label, stretch);
        return label;
    };
    groupLabel_ = panel("stGroup", 182, Qt::AlignHCenter, 0);
    // The last panel runs to the window's edge; a line too long for it shows cut short, whole in
    // its tool tip and the bar's.
    lineLabel_ = panel("stLine", 160, Qt::AlignLeft, 1);
    //: The status bar's first panel before a group is loaded; it shows the group's name then.
    groupLabel_->SetFullText(tr("Group"));
    bar->installEventFilter(this);
}

void MainWindow::SetTabOrder() {
    QList<QWidget*> order = {search_,          valuePanel_,      calculatorButton_,
                             upperListButton_, upperPicker_,     upButton_,
                             downButton_,      lowerListButton_, lowerPicker_};
    for (GroupButton* button : groups_->Buttons())
        order.append(button);
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void MainWindow::ConnectConverter() {
    connect(&converter_, &ConverterSession::valueChanged, this, &MainWindow::ShowValue);
    connect(&converter_, &ConverterSession::groupLoaded, this, &MainWindow::ShowLoadedGroup);
    connect(&converter_, &ConverterSession::unitChosen, this, &MainWindow::ShowChosenUnit);
    connect(&converter_, &ConverterSession::converted, this, &MainWindow::ShowConversion);
    connect(&converter_, &ConverterSession::refused, this, &MainWindow::ShowRefusal);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        ShowGroupsAndLoadFirst();
    }
}

void MainWindow::ShowGroupsAndLoadFirst() {
    ReadGroupList();
    LoadFirstGroup();
    upperPicker_->setFocus();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::LocaleChange) {
        ApplyLocaleSeparators();
        ShowValue();
    } else if (event->type() == QEvent::PaletteChange) {
        ApplyColours();
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    if (watched == statusBar() && press && links_.report) {
        links_.report();
    } else if (watched == valuePanel_ && links_.inputNumber) {
        const auto* key =
            event->type() == QEvent::KeyPress ? static_cast<QKeyEvent*>(event) : nullptr;
        const bool activate = key && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                                      key->key() == Qt::Key_Space);
        if (press || activate) {
            links_.inputNumber();
            return activate;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

GroupButton* MainWindow::GroupButtonAt(int k) const {
    return groups_->ButtonAt(k);
}

void MainWindow::ReadGroupList() {
    std::vector<std::string> groups;
    try {
        groups = converter_.State().Database().ReadGroupList();
    } catch (const EFileError& error) {
        // Without its group list the program has nothing to show: the status bar says why.
        ShowStatusLine(DatabaseUnreadable(converter_.State().Database(), error));
        return; // every button keeps its caption
    }
    groups_->SetGroups(groups);
    groups_->MarkLoaded(Q(converter_.State().Group().name), chosenBy_);
    ShowDatabaseNotice();
}

void MainWindow::LoadFirstGroup() {
    GroupButton* first = groups_->ButtonAt(0);
    LoadGroupChosen(first->GroupName(), first);
}

void MainWindow::GroupRenamed(const QString& oldName, const QString& newName) {
    const bool loaded = Q(converter_.State().Group().name) == oldName;
    converter_.GroupRenamed(oldName, newName);
    ReadGroupList();
    if (loaded)
        ShowGroupName(newName);
}

void MainWindow::ShowGroupName(const QString& name) {
    groupLabel_->SetFullText(OneLine(name));
}

// A change a stopped copy of the program left, which keeps every save refused, or records of
// changes set aside as unreadable: the status line says so, and what to do.
void MainWindow::ShowDatabaseNotice() {
    QString notice;
    try {
        notice = Translated(converter_.State().Database().PendingChangeNotice());
    } catch (const EFileError& error) {
        notice = Translated(error);
    }
    if (!notice.isEmpty())
        ShowStatusLine(notice);
}

// The second status panel, with the whole line as the status bar's tool tip where it is cut.
void MainWindow::ShowStatusLine(const QString& line) {
    lineLabel_->SetFullText(line);
    statusBar()->setToolTip(line);
}

void MainWindow::LoadGroupChosen(const QString& name, QObject* chosenBy) {
    chosenBy_ = chosenBy;
    converter_.LoadGroup(name);
}

void MainWindow::ShowLoadedGroup(const QString& failure) {
    const LoadedGroup& group = converter_.State().Group();
    const QString name = Q(group.name);
    groups_->MarkLoaded(name, chosenBy_);
    ShowGroupName(name);
    const QSignalBlocker upper(upperPicker_);
    const QSignalBlocker lower(lowerPicker_);
    upperPicker_->clear();
    lowerPicker_->clear();
    if (!failure.isEmpty()) {
        // The group stays empty and conversions do nothing; the user learns why.
        if (!name.isEmpty()) {
            //: %1 is the name of a group, %2 the reason, such as a file that cannot be read.
            balloon_.ShowUnder(
                upperPicker_,
                tr("The units of '%1' cannot be read. %2").arg(OneLine(name), failure));
        }
        return;
    }
    if (const size_t withoutFactor = converter_.State().UnitsThatDoNotConvert()) {
        //: %n is the number of units that do not convert, %1 the number of all the group's
        //: units, %2 the group's name.
        balloon_.ShowUnder(upperPicker_, tr("%n of the %1 units of '%2' have no positive number "
                                            "as factor and do not convert.",
                                            nullptr, static_cast<int>(withoutFactor))
                                             .arg(group.units.size())
                                             .arg(OneLine(name)));
    }
    QStringList names;
    for (const Unit& unit : group.units)
        names.append(OneLine(Q(unit.name)));
    upperPicker_->addItems(names);
    lowerPicker_->addItems(names);
    ShowChosenUnit(PickerSide::Upper);
    ShowChosenUnit(PickerSide::Lower);
}

void MainWindow::ShowChosenUnit(PickerSide side) {
    const std::optional<size_t> chosen = converter_.State().Chosen(side);
    Picker(side)->setCurrentIndex(chosen ? static_cast<int>(*chosen) : -1);
}

void MainWindow::ConvertLowerToUpper() {
    converter_.ConvertTo(PickerSide::Upper);
}

void MainWindow::ConvertUpperToLower() {
    converter_.ConvertTo(PickerSide::Lower);
}

// The value, the status bar, the report; screen readers speak the line, wherever the focus is.
void MainWindow::ShowConversion(const ConversionResult& result) {
    const QString line = OneLine(Q(result.line));
    ShowStatusLine(line);
    if (report_)
        AppendReportLine(*report_, line);
    Announce(this, line);
}

void MainWindow::ShowRefusal(const QString& reason) {
    balloon_.ShowUnder(valuePanel_, reason);
}

void MainWindow::ApplyColours() {
    QPalette colours = valueDisplay_->palette();
    colours.setColor(QPalette::WindowText, Readable(accent::Navy, palette().color(QPalette::Base)));
    valueDisplay_->setPalette(colours);
}

void MainWindow::ShowValue() {
    try {
        valueDisplay_->SetText(Q(converter_.State().ValueText()));
    } catch (const EConvertError&) {
        // The display keeps what it showed.
    }
}

void MainWindow::Copy() {
    CopyValue(converter_.State().Value());
}

void MainWindow::Paste() {
    const std::optional<PastedNumber> pasted = PasteNumber();
    if (!pasted)
        return; // no number on the clipboard: nothing changes
    try {
        converter_.SetValue(pasted->value);
    } catch (const EConvertError&) {
        // A value the display cannot show is no value: nothing changes.
    }
}

void MainWindow::AnnounceValue() {
    //: What screen readers say of a new value: %1 is the number.
    Announce(this, tr("Value %1").arg(valueDisplay_->ReadableText()));
}

void MainWindow::OpenUnitsList(PickerSide side) {
    converter_.SetListSide(side);
    links_.unitsList();
}

void MainWindow::OpenHomePage() {
    QDesktopServices::openUrl(QUrl(HomePageAddress));
}

} // namespace quorvel
