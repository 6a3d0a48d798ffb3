// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/mainwindow.h"

#include "calc/numbertext.h"
#include "core/conversion.h"
#include "ui/converter/unitsearchfield.h"
#include "ui/help/aboutdialog.h"
#include "ui/help/helpcontext.h"
#include "ui/language/language.h"
#include "ui/language/translated.h"
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

#include <QAbstractUndoItem>
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QStatusBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <algorithm>
#include <optional>
#include <utility>

namespace quorvel {

namespace {

constexpr int ClientWidth = 545;
constexpr int ClientHeight = 311;
constexpr int GroupPanelWidth = 152;
// The longest delivered group name, which the group column always has room for.
const char* const WidestDeliveredGroup = "Kinematic viscosity";
constexpr int MenuItemChars = 40; // a longer name is cut short in the Units menu

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// An edit that a document's undo history never records: the document runs it while it undoes
// this item, when it records nothing.
class UnrecordedEdit : public QAbstractUndoItem {
public:
    explicit UnrecordedEdit(std::function<void()> edit) : edit_(std::move(edit)) {}
    void undo() override {
        if (edit_)
            std::exchange(edit_, {})();
    }
    void redo() override {}

private:
    std::function<void()> edit_;
};

// A conversion line is no edit of the user's: Undo in the report never takes it back, and it
// joins none of the user's typing, whose own steps stay undoable as they were. Switching the
// history off around the append would lose those steps; so the append runs inside an undo of
// an item of its own, which then goes with the redo steps (a new edit drops them anyway).
void AppendLine(QTextDocument& document, const QString& line) {
    const auto append = [&document, &line] {
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        if (!document.isEmpty())
            cursor.insertBlock();
        cursor.insertText(line);
    };
    if (!document.isUndoRedoEnabled()) {
        append();
        return;
    }
    document.appendUndoItem(new UnrecordedEdit(append));
    document.undo();
    document.clearUndoRedoStacks(QTextDocument::RedoStack);
}

// A group button's name while its slot has no group: "Group 3".
QString NumberedGroup(int k) {
    //: A group button without a group, as screen readers name it: %1 is its place, 1 to 23.
    return MainWindow::tr("Group %1").arg(k + 1);
}

} // namespace

MainWindow::MainWindow(UnitsDatabase database, QTextDocument* report, ErrorBalloon& errorHint,
                       MainWindowLinks links, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      database_(std::move(database)), report_(report), balloon_(errorHint),
      links_(std::move(links)) {
    setObjectName("MForm");
    setWindowTitle("Quorvel");
    SetHelpContext(this, hcMainWindow);
    CreateMenus();

    auto* central = new QWidget(this);
    auto* columns = new QHBoxLayout(central);
    columns->setContentsMargins(4, 4, 4, 2);
    columns->addWidget(CreateGroupPanel());
    auto* right = new QVBoxLayout;
    auto* top = new QHBoxLayout;
    top->addWidget(CreateToolBar());
    top->addWidget(search_ = new UnitSearchField(*this, database_, balloon_), 1);
    right->addLayout(top);
    right->addWidget(CreateValuePanel());
    right->addWidget(CreateConversionPanel(), 1);
    columns->addLayout(right, 1);
    setCentralWidget(central);
    CreateStatusBar();
    SetTabOrder();

    SetCurrentValue(0);
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
    units->setToolTipsVisible(true);       // the whole name of a group whose name is cut short
    auto* loaded = new QActionGroup(this); // the loaded group's item is checked
    for (int k = 0; k < GroupSlotCount; ++k) {
        const std::string name = "mi" + std::to_string(k + 1);
        groupActions_[k] = MenuAction(units, name.c_str(), QString::number(k + 1),
                                      [this, k] { OnGroupMenuItem(groupActions_[k]); });
        groupActions_[k]->setCheckable(true);
        loaded->addAction(groupActions_[k]);
    }

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

QWidget* MainWindow::CreateGroupPanel() {
    groupPanel_ = new QScrollArea;
    groupPanel_->setObjectName("pnGroups");
    SetAccessibleFace(groupPanel_, {QAccessible::Grouping, {}, {}, {}, {}});
    //: The column of group buttons, as screen readers name it.
    groupPanel_->setAccessibleName(tr("Groups"));
    groupPanel_->setFocusPolicy(Qt::NoFocus); // the buttons take the focus, not their frame
    const int buttonMargins = 2 * style()->pixelMetric(QStyle::PM_ButtonMargin) + 16;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    groupPanel_->setFixedWidth(
        std::max(GroupPanelWidth, fontMetrics().horizontalAdvance(WidestDeliveredGroup) +
                                      buttonMargins + scrollBar + 8));
    groupPanel_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    groupPanel_->setWidgetResizable(true);
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    for (int k = 0; k < GroupSlotCount; ++k) {
        GroupButton* button = groupButtons_[k] = new GroupButton;
        button->setObjectName(QString("ab%1").arg(k + 1));
        button->setAccessibleName(NumberedGroup(k));
        button->setFixedHeight(std::max(23, button->QPushButton::sizeHint().height()));
        button->installEventFilter(this); // keeps the focused button scrolled into view
        connect(button, &QPushButton::clicked, this, [this, button] { LoadGroupOf(button); });
        layout->addWidget(button);
    }
    layout->addStretch();
    groupPanel_->setWidget(column);
    return groupPanel_;
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

    // Each picker has a label, which screen readers announce with its value.
    auto picker = [&](const char* name, const QString& caption, QLabel*& label) {
        auto* box = new DropList;
        box->setObjectName(name);
        box->setAccessibleName(caption);
        box->setMaxVisibleItems(20);
        label = new QLabel(caption);
        label->setObjectName(QString(name) + "Label");
        label->setBuddy(box);
        return box;
    };
    QLabel* upperLabel = nullptr;
    QLabel* lowerLabel = nullptr;
    //: Label of the unit picker above the arrow buttons.
    upperPicker_ = picker("cb1", tr("Upper unit"), upperLabel);
    //: Label of the unit picker below the arrow buttons.
    lowerPicker_ = picker("cb2", tr("Lower unit"), lowerLabel);
    const bool listExists = static_cast<bool>(links_.unitsList);
    auto listButton = [&](const char* name, int target, const QString& accessible) {
        QToolButton* button =
            //: Hint of the button beside a unit picker that opens the list of the group's units.
            ToolButton(name, tr("List of units"), Picture::List,
                       listExists ? std::function<void()>([this, target] { OpenUnitsList(target); })
                                  : std::function<void()>());
        button->setAccessibleName(accessible);
        return button;
    };
    //: The button that opens the units list for the upper picker, as screen readers name it.
    upperListButton_ = listButton("SpeedButton2", 1, tr("Upper unit list"));
    //: The button that opens the units list for the lower picker, as screen readers name it.
    lowerListButton_ = listButton("SpeedButton3", 2, tr("Lower unit list"));

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
    for (QPushButton* button : groupButtons_)
        order.append(button);
    for (qsizetype k = 1; k < order.size(); ++k)
        setTabOrder(order[k - 1], order[k]);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        ShowGroupsAndLoadFirst();
    }
}

void MainWindow::ShowGroupsAndLoadFirst() {
    SetGroupButtons();
    LoadGroupOf(groupButtons_[0]);
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
    } else if (event->type() == QEvent::FocusIn) {
        if (auto* button = qobject_cast<QPushButton*>(watched))
            groupPanel_->ensureWidgetVisible(button);
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::SetGroupButtons() {
    GroupSlots groupSlots;
    try {
        groupSlots = database_.ReadGroupSlots();
    } catch (const EFileError& error) {
        // Without its group list the program has nothing to show: the status bar says why.
        ShowStatusLine(DatabaseUnreadable(database_, error));
        return; // every slot keeps its caption
    }
    for (int k = 0; k < GroupSlotCount; ++k) {
        const QString name = OneLine(Q(groupSlots[k]));
        groupButtons_[k]->SetGroupName(Q(groupSlots[k]));
        groupButtons_[k]->setAccessibleName(name.isEmpty() ? NumberedGroup(k) : name);
        const QString item = fontMetrics().elidedText(
            name, Qt::ElideRight, fontMetrics().averageCharWidth() * MenuItemChars);
        groupActions_[k]->setText(AsCaption(item));
        groupActions_[k]->setToolTip(item == name ? QString() : name);
    }
    ShowDatabaseNotice();
}

void MainWindow::GroupRenamed(const QString& oldName, const QString& newName) {
    SetGroupButtons();
    if (groupName_ == oldName)
        ShowGroupName(newName);
}

void MainWindow::ShowGroupName(const QString& name) {
    groupName_ = name;
    groupLabel_->SetFullText(OneLine(name));
}

// A change a stopped copy of the program left, which keeps every save refused, or records of
// changes set aside as unreadable: the status line says so, and what to do.
void MainWindow::ShowDatabaseNotice() {
    QString notice;
    try {
        notice = Translated(database_.PendingChangeNotice());
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

void MainWindow::LoadGroupOf(GroupButton* sender) {
    MarkLoadedSlot(sender);
    LoadUnits(sender->GroupName());
}

void MainWindow::LoadGroup(const QString& name) {
    const auto slot =
        std::find_if(groupButtons_.begin(), groupButtons_.end(),
                     [&](GroupButton* button) { return button->GroupName() == name; });
    if (slot != groupButtons_.end()) {
        LoadGroupOf(*slot);
        return;
    }
    MarkLoadedSlot(nullptr);
    LoadUnits(name);
}

// The loaded group's button stays pressed (none for a group past the slots). Not an exclusive
// button group: that would take the buttons out of the Tab order but for the pressed one.
void MainWindow::MarkLoadedSlot(GroupButton* loaded) {
    for (int k = 0; k < GroupSlotCount; ++k) {
        groupButtons_[k]->setChecked(groupButtons_[k] == loaded);
        groupActions_[k]->setChecked(groupButtons_[k] == loaded);
    }
}

void MainWindow::LoadUnits(const QString& name) {
    upperPicker_->clear();
    lowerPicker_->clear();
    factorList_.clear();
    ShowGroupName(name);
    std::vector<Unit> units;
    try {
        units = database_.LoadGroup(name.toStdString());
    } catch (const EFileError& error) {
        emit UnitsLoaded({});
        // The group stays empty and conversions do nothing; the user learns why.
        if (!name.isEmpty()) {
            //: %1 is the name of a group, %2 the reason, such as a file that cannot be read.
            balloon_.ShowUnder(
                upperPicker_,
                tr("The units of '%1' cannot be read. %2").arg(OneLine(name), Translated(error)));
        }
        return;
    }
    QStringList names;
    // The Temperature group converts by its units' names and never reads their factors.
    const bool byFactors = ConversionKindOf(name.toStdString()) == ConversionKind::ByFactors;
    int withoutFactor = 0;
    for (const Unit& unit : units) {
        names.append(OneLine(Q(unit.name)));
        factorList_.push_back(unit.factor);
        const std::optional<long double> factor = ParseFactor(unit.factor);
        withoutFactor += byFactors && !(factor && *factor > 0) ? 1 : 0;
    }
    if (withoutFactor > 0) {
        //: %n is the number of units that do not convert, %1 the number of all the group's
        //: units, %2 the group's name.
        balloon_.ShowUnder(upperPicker_, tr("%n of the %1 units of '%2' have no positive number as "
                                            "factor and do not convert.",
                                            nullptr, withoutFactor)
                                             .arg(units.size())
                                             .arg(OneLine(name)));
    }
    upperPicker_->addItems(names);
    lowerPicker_->addItems(names);
    upperPicker_->setCurrentIndex(names.isEmpty() ? -1 : 0);
    lowerPicker_->setCurrentIndex(names.isEmpty() ? -1 : 0);
    emit UnitsLoaded(names);
}

void MainWindow::OnGroupMenuItem(QAction* sender) {
    const auto found = std::find(groupActions_.begin(), groupActions_.end(), sender);
    LoadGroupOf(groupButtons_[found == groupActions_.end() ? 0 : found - groupActions_.begin()]);
}

void MainWindow::ConvertLowerToUpper() {
    Convert(lowerPicker_, upperPicker_);
}

void MainWindow::ConvertUpperToLower() {
    Convert(upperPicker_, lowerPicker_);
}

void MainWindow::Convert(QComboBox* source, QComboBox* target) {
    const int from = source->currentIndex();
    const int to = target->currentIndex();
    const int count = static_cast<int>(factorList_.size());
    if (from < 0 || to < 0 || from >= count || to >= count)
        return;
    const std::string sourceName = source->currentText().toStdString();
    const std::string targetName = target->currentText().toStdString();
    std::optional<ConversionResult> result;
    try {
        result = quorvel::Convert({currentValue_, factorList_[from], factorList_[to], sourceName,
                                   targetName, ConversionKindOf(groupName_.toStdString())});
    } catch (const ETemperatureBound& refusal) {
        balloon_.ShowUnder(valuePanel_, Translated(refusal));
        return;
    }
    if (result)
        ShowConversion(*result);
}

void MainWindow::ShowConversion(const ConversionResult& result) {
    try {
        SetCurrentValue(result.value);
    } catch (const EConvertError&) {
        return; // a value the display cannot take back converts nothing
    }
    const QString line = Q(result.line);
    ShowStatusLine(line);
    if (report_)
        AppendLine(*report_, line);
    // Screen readers speak the result, wherever the focus is.
    Announce(this, line);
}

void MainWindow::ApplyColours() {
    QPalette colours = valueDisplay_->palette();
    colours.setColor(QPalette::WindowText, Readable(accent::Navy, palette().color(QPalette::Base)));
    valueDisplay_->setPalette(colours);
}

void MainWindow::SetCurrentValue(long double value) {
    valueDisplay_->SetText(Q(GeneralNumberText(value)));
    currentValue_ = value;
}

void MainWindow::ShowValue() {
    try {
        SetCurrentValue(currentValue_);
    } catch (const EConvertError&) {
        // The display keeps what it showed.
    }
}

void MainWindow::Copy() {
    CopyValue(currentValue_);
}

void MainWindow::Paste() {
    const std::optional<PastedNumber> pasted = PasteNumber();
    if (!pasted)
        return; // no number on the clipboard: nothing changes
    try {
        SetCurrentValue(pasted->value);
    } catch (const EConvertError&) {
        // A value the display cannot show is no value: nothing changes.
    }
}

void MainWindow::AnnounceValue() {
    //: What screen readers say of a new value: %1 is the number.
    Announce(this, tr("Value %1").arg(valueDisplay_->ReadableText()));
}

void MainWindow::OpenUnitsList(int target) {
    listTarget_ = target;
    links_.unitsList();
}

void MainWindow::OpenHomePage() {
    QDesktopServices::openUrl(QUrl(HomePageAddress));
}

} // namespace quorvel
