// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/mainwindow.h"

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
#include "widgets/droplist.h"
#include "widgets/elidedlabel.h"
#include "widgets/groupbutton.h"
#include "widgets/numberdisplay.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QStatusBar>
#include <QUrl>

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
    if (event->type() == QEvent::KeyPress &&
        UnitSearchField::StartsASentence(*static_cast<QKeyEvent*>(event))) {
        search_->StartWith(static_cast<QKeyEvent*>(event)->text());
        return true;
    }
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

// A refused typed conversion shows under the field it was typed in.
void MainWindow::ShowRefusal(const QString& reason) {
    if (search_->hasFocus())
        search_->ShowRefusal(reason);
    else
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
