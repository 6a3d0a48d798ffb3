// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/numberinputdialog.h"

#include "calc/errors.h"
#include "calc/numbertext.h"
#include "ui/converter/convertersession.h"
#include "ui/shared/dialogbuttons.h"
#include "widgets/accessibility.h"
#include "widgets/designscale.h"
#include "widgets/numberdisplay.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <limits>

namespace quorvel {

namespace {

constexpr int ClientWidth = 348;
constexpr int ClientHeight = 193;
const QPoint FirstPlace(244, 167);

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// Entered by the keyboard, a masked edit would only put the cursor on its first position, where
// typing overwrites one character at a time: a 3 typed over "+0" would make 30. Selected like any
// other edit, what is typed replaces the whole exponent.
class ExponentEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        const Qt::FocusReason reason = event->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::ShortcutFocusReason)
            selectAll();
    }
};

} // namespace

NumberInputDialog::NumberInputDialog(ConverterSession& converter, HelpOpener help, QWidget* parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      converter_(converter), help_(std::move(help)) {
    SetAccessibleFace(this, {QAccessible::Dialog, {}, {}, {}, {}});
    setObjectName("InputNumber");
    //: Title of the dialog where the user types the value as a mantissa and a power of ten.
    setWindowTitle(tr("Input Number"));
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcInputNumber);
    // Fixed places rather than layouts: nothing is measured or laid out until it is shown. They
    // grow with a larger font.
    const DesignScale scale(font());
    setFixedSize(scale(QSize(ClientWidth, ClientHeight)));
    move(FirstPlace);
    CreatePreview(scale);
    CreateEdits(scale);
    CreateButtons(scale);
    setTabOrder(mantissaEdit_, exponentEdit_);
    setTabOrder(exponentEdit_, okButton_);
    setTabOrder(okButton_, closeButton_);
    setTabOrder(closeButton_, helpButton_);
    mantissaEdit_->setFocus();
}

void NumberInputDialog::CreatePreview(const DesignScale& scale) {
    //: Frame around the number as it will be handed back, written out in full.
    auto* gbPreview = new QGroupBox(tr("Preview in natural style"), this);
    gbPreview->setObjectName("gbPreview");
    gbPreview->setGeometry(scale(QRect(8, 4, 332, 64)));
    auto* pnPreview = new QFrame(gbPreview);
    pnPreview->setObjectName("pnPreview");
    SetAccessibleFace(pnPreview, {QAccessible::Grouping, {}, {}, {}, {}});
    pnPreview->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnPreview->setAutoFillBackground(true);
    pnPreview->setBackgroundRole(QPalette::Base);
    pnPreview->setGeometry(scale(QRect(10, 22, 312, 34)));
    preview_ = new NumberDisplay(pnPreview);
    preview_->setObjectName("PreviewInd");
    //: The number as it will be handed back, as screen readers name it.
    preview_->setAccessibleName(tr("Preview"));
    preview_->setFont(scale.PixelFont(preview_->font(), 17, true));
    preview_->setGeometry(scale(QRect(4, 3, 302, 28)));
}

void NumberInputDialog::CreateEdits(const DesignScale& scale) {
    //: Frame around the mantissa edit, "× 10" and the exponent edit.
    auto* gbInput = new QGroupBox(tr("Input mantissa and exponent separately"), this);
    gbInput->setObjectName("gbInput");
    gbInput->setGeometry(scale(QRect(8, 74, 332, 74)));

    mantissaEdit_ = new QLineEdit("0", gbInput);
    mantissaEdit_->setObjectName("meNumber");
    mantissaEdit_->setAccessibleName(tr("Mantissa"));
    mantissaEdit_->setMaxLength(std::numeric_limits<int>::max());
    mantissaEdit_->setGeometry(scale(QRect(12, 38, 180, 24)));

    auto* label3 = new QLabel(QString(QChar(0x00d7)), gbInput);
    label3->setObjectName("Label3");
    label3->setAlignment(Qt::AlignCenter);
    label3->setGeometry(scale(QRect(194, 38, 18, 24)));
    auto* label4 = new QLabel("10", gbInput);
    label4->setObjectName("Label4");
    QFont bold = label4->font();
    bold.setBold(true);
    label4->setFont(bold);
    label4->setGeometry(scale(QRect(214, 38, 20, 24)));

    // Five positions, each a digit, "+", "-" or blank, set higher like a written exponent.
    exponentEdit_ = new ExponentEdit(gbInput);
    exponentEdit_->setObjectName("meExponent");
    //: The power of ten, as screen readers name its edit.
    exponentEdit_->setAccessibleName(tr("Exponent"));
    exponentEdit_->setInputMask("#####");
    exponentEdit_->setText("0");
    exponentEdit_->setGeometry(scale(QRect(236, 24, 64, 24)));
    exponentEdit_->installEventFilter(this);
    mantissaEdit_->installEventFilter(this);

    connect(mantissaEdit_, &QLineEdit::textChanged, this, &NumberInputDialog::OnNumberEdited);
    connect(exponentEdit_, &QLineEdit::textChanged, this, &NumberInputDialog::OnNumberEdited);
    // An edit changes the text before the selection: the state before it is the one kept here.
    connect(mantissaEdit_, &QLineEdit::selectionChanged, this, [this] {
        mantissaAllSelected_ = !mantissaEdit_->text().isEmpty() &&
                               mantissaEdit_->selectedText() == mantissaEdit_->text();
    });
    connect(mantissaEdit_, &QLineEdit::textEdited, this,
            &NumberInputDialog::StartNewNumberIfRetyped);
    connect(exponentEdit_, &QLineEdit::textEdited, this, [this] { exponentFromOpening_ = false; });
}

void NumberInputDialog::CreateButtons(const DesignScale& scale) {
    //: Hands the number to the main window and closes.
    okButton_ = MakeButton("bbOk", tr("&Submit"), this, &NumberInputDialog::Submit, this);
    closeButton_ = MakeButton("bbClose", tr("&Close"), this, &NumberInputDialog::CloseWindow, this);
    helpButton_ = MakeButton("bbHelp", tr("&Help"), this, &NumberInputDialog::ShowHelp, this);
    PlaceButtonRow({okButton_, closeButton_, helpButton_}, scale, 105, 158);
}

void NumberInputDialog::Open() {
    show();
    activateWindow();
}

void NumberInputDialog::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        StartFromCurrentValue();
}

void NumberInputDialog::StartFromCurrentValue() {
    inputValue_ = converter_.State().Value();
    QString layout;
    try {
        layout = Q(DisplayExponentText(inputValue_));
        preview_->SetText(Q(GeneralNumberText(inputValue_)));
    } catch (const Error&) {
        // The edits below still show what they can.
    }
    // Each edit whose text changes reads both edits again, so the value starts rounded to the
    // 13 digits the edits show.
    const qsizetype letter = layout.indexOf('E', 0, Qt::CaseInsensitive);
    mantissaEdit_->setText(letter < 0 ? layout : layout.left(letter));
    exponentEdit_->setText(letter < 0 ? layout : layout.mid(letter + 1));
    mantissaEdit_->setFocus();
    mantissaEdit_->selectAll();
    exponentFromOpening_ = true;
}

// Typing over the whole mantissa right after opening types a new number, and the exponent of
// the old one goes with it: 12 typed over 4,046860000000 and +3 is 12, not 12 000. An edit
// inside the mantissa keeps the exponent.
void NumberInputDialog::StartNewNumberIfRetyped() {
    const bool newNumber = exponentFromOpening_ && mantissaAllSelected_;
    exponentFromOpening_ = false;
    if (newNumber)
        exponentEdit_->setText("+0");
}

// "." and "," both type the decimal separator, as in the calculator: the clean-up would drop
// the other one, and 1.5 would silently become 15.
bool NumberInputDialog::TypeDecimalSeparator(const QKeyEvent* key) {
    const QString separator = Q(DecimalSeparator());
    if ((key->text() != "." && key->text() != ",") || key->text() == separator)
        return false;
    mantissaEdit_->insert(separator);
    return true;
}

void NumberInputDialog::OnNumberEdited() {
    if (mantissaEdit_->text().isEmpty())
        mantissaEdit_->setText("0"); // reads both edits again first
    // The exponent's blank positions count as spaces, which the clean-up drops; a blank exponent
    // leaves the text ending in "E", which reads as 10 to the power 0.
    const QString joined = mantissaEdit_->text() + "E" + exponentEdit_->displayText();
    try {
        inputValue_ = ParseNumberText(CleanNumberText(joined.toStdString()));
        preview_->SetText(Q(GeneralNumberText(inputValue_)));
    } catch (const EConvertError&) {
        // Not a number yet: the preview keeps the last value that was one.
    }
}

bool NumberInputDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mantissaEdit_ && event->type() == QEvent::KeyPress &&
        TypeDecimalSeparator(static_cast<QKeyEvent*>(event)))
        return true;
    if (watched == exponentEdit_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        OnNumberEdited();
    return QWidget::eventFilter(watched, event);
}

void NumberInputDialog::Submit() {
    converter_.SetValue(inputValue_);
    close();
    emit submitted();
}

void NumberInputDialog::CloseWindow() {
    close();
}

void NumberInputDialog::ShowHelp() {
    try {
        help_(hcInputNumber);
    } catch (const std::exception&) {
        // Help that cannot be shown is no reason to disturb the user's typing.
    }
}

} // namespace quorvel
