// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/unitsearchfield.h"

#include "calc/numbertext.h"
#include "core/typednumber.h"
#include "ui/converter/convertersession.h"
#include "ui/language/translated.h"
#include "ui/shared/balloon.h"
#include "widgets/accessibility.h"
#include "widgets/groupbutton.h"
#include "widgets/numberdisplay.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvel {

namespace {

constexpr size_t MostListed = 100; // a short text matches hundreds of units: the best are enough
constexpr int VisibleRows = 8;

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

QKeySequence FindKey() {
    return QKeySequence(Qt::CTRL | Qt::Key_F);
}

} // namespace

UnitSearchField::UnitSearchField(ConverterSession& converter, ErrorBalloon& balloon,
                                 QWidget* window)
    : converter_(converter), balloon_(balloon), window_(window) {
    setObjectName("edSearch");
    //: Grey text in the empty search field of the main window.
    setPlaceholderText(tr("Find or convert"));
    //: Hint of the search field. %1 is an example of a typed conversion (12 in to cm), which
    //: stays as it is: conversions are typed with English words. %2 is its shortcut key.
    const QString use = tr("Find a unit by its name or symbol, or type a conversion such as %1 "
                           "(%2)")
                            .arg("12 in to cm", FindKey().toString(QKeySequence::NativeText));
    setToolTip(use);
    //: The search field, as screen readers name it.
    setAccessibleName(tr("Find a unit or convert"));
    setAccessibleDescription(use);
    setClearButtonEnabled(true);

    connect(this, &QLineEdit::textChanged, this, &UnitSearchField::Update);
    // Readers hear the answer when the user stops typing, not at every key.
    typingPause_.setSingleShot(true);
    typingPause_.setInterval(500);
    connect(this, &QLineEdit::textChanged, &typingPause_, qOverload<>(&QTimer::start));
    connect(&typingPause_, &QTimer::timeout, this, &UnitSearchField::AnnounceAnswer);
    connect(this, &QLineEdit::selectionChanged, this, [this] { copiesValue_ = false; });
    auto* find = new QShortcut(FindKey(), window_);
    connect(find, &QShortcut::activated, this, &UnitSearchField::Focus);
}

void UnitSearchField::SetNeighbours(QWidget* valuePanel, QWidget* home) {
    valuePanel_ = valuePanel;
    home_ = home;
}

// The panel under the field, built when the field first has something to show in it.
void UnitSearchField::CreateFound() {
    foundPanel_ = new QFrame(window_);
    foundPanel_->setObjectName("pnFound");
    foundPanel_->setFrameShape(QFrame::StyledPanel);
    foundPanel_->setAutoFillBackground(true);
    foundPanel_->hide();
    answerLabel_ = new QLabel;
    answerLabel_->setObjectName("stAnswer");
    //: The line under the search field that shows the result of a typed conversion.
    answerLabel_->setAccessibleName(tr("Answer"));
    // Readers read a label's name, not its text: the name says both.
    SetAccessibleFace(
        answerLabel_,
        {QAccessible::StaticText,
         [this] { return answerLabel_->accessibleName() + ' ' + answerLabel_->text(); },
         {},
         [this] { return answerLabel_->text(); },
         {}});
    answerLabel_->setTextFormat(Qt::PlainText);
    answerLabel_->setWordWrap(true);
    QFont bold = answerLabel_->font();
    bold.setBold(true);
    answerLabel_->setFont(bold);
    foundList_ = new QListWidget;
    foundList_->setObjectName("lbFound");
    //: The list of units the search field found, as screen readers name it.
    foundList_->setAccessibleName(tr("Matching units"));
    foundList_->setFocusPolicy(Qt::NoFocus); // the keys stay in the field, which moves the list
    foundList_->setFrameShape(QFrame::NoFrame);
    foundList_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff); // long names end in "..."
    auto* layout = new QVBoxLayout(foundPanel_);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(2);
    layout->addWidget(answerLabel_);
    layout->addWidget(foundList_);
    connect(foundList_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const bool lower = QGuiApplication::keyboardModifiers() & Qt::ShiftModifier;
        Choose(found_.at(static_cast<size_t>(foundList_->row(item))),
               lower ? PickerSide::Lower : PickerSide::Upper);
    });
}

void UnitSearchField::HideFound() {
    if (foundPanel_)
        foundPanel_->hide();
}

int UnitSearchField::FoundRow() const {
    return foundList_ ? foundList_->currentRow() : -1;
}

QSize UnitSearchField::minimumSizeHint() const {
    const QSize least = QLineEdit::minimumSizeHint();
    if (!text().isEmpty())
        return least; // the hint shows only in the empty field
    // Qt's typical size holds 17 x's besides the frame and the margins.
    const int around = sizeHint().width() - 17 * fontMetrics().horizontalAdvance(QLatin1Char('x'));
    return least.expandedTo(QSize(around + fontMetrics().horizontalAdvance(placeholderText()), 0));
}

const UnitIndex& UnitSearchField::Index() {
    if (!index_) {
        try {
            index_.emplace(UnitIndex::Read(converter_.State().Database(), DeliveredAliases(),
                                           DeliveredDimensions()));
        } catch (const EFileError&) { // no group list: no units
            index_.emplace(std::vector<IndexedGroup>{}, DeliveredAliases());
        }
    }
    return *index_;
}

std::optional<size_t> UnitSearchField::LoadedGroup() {
    const std::vector<IndexedGroup>& groups = Index().Groups();
    const std::string& loaded = converter_.State().Group().name;
    const auto found = std::find_if(groups.begin(), groups.end(), [&](const IndexedGroup& group) {
        return group.name == loaded;
    });
    if (found == groups.end())
        return std::nullopt;
    return static_cast<size_t>(found - groups.begin());
}

void UnitSearchField::Focus() {
    if (QApplication::focusWidget() != this)
        before_ = QApplication::focusWidget();
    setFocus(Qt::ShortcutFocusReason);
    selectAll();
}

bool UnitSearchField::StartsASentence(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QString typed = key.text();
    if (typed.size() != 1)
        return false;
    const QChar c = typed.front();
    return c.isDigit() || c == '+' || IsMinus(c.unicode()) || c == '.' || c == ',' ||
           typed == Q(DecimalSeparator());
}

void UnitSearchField::StartWith(const QString& typed) {
    Focus();
    insert(typed); // in place of the text of before, which Focus selected
}

bool UnitSearchField::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate)
        index_.reset();
    if (event->type() == QEvent::ShortcutOverride && copiesValue_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool copy = key->matches(QKeySequence::Copy) ||
                          (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ControlModifier);
        if (copy) {
            event->ignore(); // the window's Copy takes it
            return true;
        }
    }
    return QLineEdit::event(event);
}

void UnitSearchField::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    Update();
}

void UnitSearchField::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    typingPause_.stop();
    HideFound();
}

// A whole sentence shows its answer; any other text lists the units it finds.
void UnitSearchField::Update() {
    sentence_.reset();
    found_.clear();
    refusal_.clear();
    const std::string typed = text().toStdString();
    if (!typed.empty()) {
        try {
            sentence_ = ReadSentence(Index(), typed, LoadedGroup());
        } catch (const ESentenceError& error) {
            refusal_ = Translated(error);
            Find(typed);
        }
    }
    if (!foundPanel_) {
        if (!sentence_ && found_.empty())
            return; // nothing to show
        CreateFound();
    }
    ShowAnswer();
    ShowFound();
    foundPanel_->setVisible(hasFocus() && (sentence_ || !found_.empty()));
    if (foundPanel_->isVisible())
        Place();
}

// The units the text names or starts, then those whose names are close to it (a misspelling),
// the loaded group's first.
void UnitSearchField::Find(const std::string& typed) {
    found_ = Index().Find(typed);
    if (found_.size() >= MostListed)
        return;
    std::vector<size_t> first;
    if (const std::optional<size_t> loaded = LoadedGroup())
        first.push_back(*loaded);
    for (const UnitRef unit : Index().Close(typed, MostListed, first)) {
        if (std::find(found_.begin(), found_.end(), unit) == found_.end())
            found_.push_back(unit);
    }
}

void UnitSearchField::ShowAnswer() {
    answerLabel_->setVisible(sentence_.has_value());
    if (!sentence_)
        return;
    QString answer;
    try {
        const std::optional<ConversionResult> result = converter_.State().Preview(*sentence_);
        //: The answer of a typed conversion when a factor is missing or the result is out of
        //: range.
        answer = result ? "= " + Q(GeneralNumberText(result->value)) + " " +
                              OneLine(Q(sentence_->targetText)) +
                              (sentence_->reciprocal ? " (reciprocal)" : "")
                        : tr("This conversion gives no number");
    } catch (const EConversionRefused& refusal) {
        answer = Translated(refusal);
    }
    answerLabel_->setText(answer);
    const QString from = Q(sentence_->parts.front().unit.name);
    const QString to = Q(sentence_->target.name);
    QString hint;
    if (sentence_->IsExpression()) {
        //: Hint of a typed conversion's answer between units that no one group holds: %1 is
        //: the unit converted from, %2 the unit converted to, as in "kWh/100km → Wh/mi. Enter
        //: converts."
        hint = tr("%1 → %2. Enter converts.").arg(from, to);
    } else {
        //: Hint of a typed conversion's answer: %1 is the unit converted from, %2 the unit
        //: converted to, %3 their group, as in "inch → centimetre, Length. Enter converts."
        hint = tr("%1 → %2, %3. Enter converts.").arg(from, to, Q(sentence_->group));
    }
    answerLabel_->setToolTip(hint);
}

void UnitSearchField::AnnounceAnswer() {
    if (!sentence_ || !answerLabel_ || !hasFocus())
        return;
    NotifyFaceChanged(answerLabel_);
    if (answerLabel_->text() != announced_) {
        announced_ = answerLabel_->text();
        Announce(window_, announced_);
    }
}

void UnitSearchField::ShowFound() {
    foundList_->clear();
    const int listed = static_cast<int>(std::min(found_.size(), MostListed));
    found_.resize(static_cast<size_t>(listed));
    for (const UnitRef unit : found_)
        foundList_->addItem(OneLine(Q(MatchText(Index(), unit))));
    foundList_->setVisible(listed > 0);
    foundList_->setCurrentRow(listed > 0 ? 0 : -1);
}

// Under the field, as wide as the value panel it covers.
void UnitSearchField::Place() {
    const int left = valuePanel_ ? valuePanel_->mapTo(window_, QPoint(0, 0)).x() : 0;
    const QPoint below = mapTo(window_, QPoint(width(), height() + 1));
    const int width = std::max(below.x() - left, this->width());
    const QPoint corner(below.x() - width, below.y());
    int height = 2 * 4;
    if (answerLabel_->isVisible())
        height += answerLabel_->heightForWidth(width - 8) + 2;
    if (foundList_->isVisible()) {
        const int rows = std::min(foundList_->count(), VisibleRows);
        foundList_->setFixedHeight(rows * foundList_->sizeHintForRow(0) + 4);
        height += foundList_->height();
    }
    foundPanel_->setGeometry(corner.x(), corner.y(), width, height);
    foundPanel_->raise();
}

void UnitSearchField::keyPressEvent(QKeyEvent* event) {
    const int rows = foundList_ ? foundList_->count() : 0;
    switch (event->key()) {
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (rows > 0) {
            const int step = event->key() == Qt::Key_Down ? 1 : -1;
            foundList_->setCurrentRow(std::clamp(foundList_->currentRow() + step, 0, rows - 1));
        }
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Commit(event->modifiers() & Qt::ShiftModifier ? PickerSide::Lower : PickerSide::Upper);
        return;
    case Qt::Key_Escape: Leave(); return;
    default: QLineEdit::keyPressEvent(event);
    }
}

void UnitSearchField::Commit(PickerSide side) {
    typingPause_.stop(); // what Enter does is spoken instead
    announced_.clear();
    // The next text replaces this one. Selected first, so that a screen reader that speaks the
    // selection does so before it speaks the result, not over it.
    selectAll();
    if (sentence_)
        Convert(*sentence_);
    else if (FoundRow() >= 0)
        Choose(found_.at(static_cast<size_t>(FoundRow())), side);
    else if (!refusal_.isEmpty())
        Refuse(refusal_);
}

void UnitSearchField::Choose(UnitRef unit, PickerSide side) {
    const IndexedGroup& group = Index().GroupOf(unit);
    const SentenceUnit chosen{unit.unit, group.units.at(unit.unit).name, {}, std::nullopt};
    try {
        converter_.Choose(side, Q(group.name), chosen);
    } catch (const EUnitGone& gone) {
        Refuse(OneLine(Translated(gone)));
        return;
    }
    HideFound();
}

// The same steps as a user's: the group, the pickers, the value, the down arrow. A sum has no
// arrow: its parts are converted with the factors the group's files hold now.
void UnitSearchField::Convert(const Sentence& sentence) {
    copiesValue_ = true;
    try {
        converter_.Apply(sentence);
    } catch (const EUnitGone& gone) {
        Refuse(OneLine(Translated(gone)));
        return;
    }
    HideFound();
}

void UnitSearchField::Refuse(const QString& reason) {
    index_.reset(); // the files may have changed: the next search reads them anew
    ShowRefusal(reason);
}

void UnitSearchField::ShowRefusal(const QString& reason) {
    HideFound();
    end(false); // what the user types next goes on the sentence, not in its place
    copiesValue_ = false;
    balloon_.ShowUnder(this, reason);
}

void UnitSearchField::Leave() {
    HideFound();
    QWidget* back = before_ ? before_.data() : home_;
    before_.clear();
    if (back)
        back->setFocus(Qt::OtherFocusReason);
}

} // namespace quorvel
