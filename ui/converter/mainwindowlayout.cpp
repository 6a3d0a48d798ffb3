// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's controls: its menus, tool bar, value panel, unit pickers with their arrows,
// status bar, and tab order.

#include "ui/converter/mainwindow.h"

#include "ui/converter/convertersession.h"
#include "ui/converter/groupcolumn.h"
#include "ui/converter/unitsearchfield.h"
#include "widgets/designscale.h"
#include "widgets/droplist.h"
#include "widgets/elidedlabel.h"
#include "widgets/groupbutton.h"
#include "widgets/icons.h"
#include "widgets/numberdisplay.h"
#include "widgets/valuepanel.h"

#include <QGridLayout>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace quorvel {

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
    // A taller window parts the pickers, each keeping its label, the arrows in the middle.
    auto* between = new QVBoxLayout;
    between->addStretch();
    between->addLayout(arrows);
    between->addStretch();

    grid->setVerticalSpacing(2);
    grid->addWidget(upperLabel, 0, 1);
    grid->addWidget(upperListButton_, 1, 0);
    grid->addWidget(upperPicker_, 1, 1);
    grid->addLayout(between, 2, 0, 1, 2);
    grid->addWidget(lowerLabel, 3, 1);
    grid->addWidget(lowerListButton_, 4, 0);
    grid->addWidget(lowerPicker_, 4, 1);
    grid->setRowMinimumHeight(2, 52);
    grid->setRowStretch(2, 1);
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
    // A number typed on any of them starts a typed conversion in the search field.
    for (QWidget* control : order) {
        if (control != search_)
            control->installEventFilter(this);
    }
}

} // namespace quorvel
