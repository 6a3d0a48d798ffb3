// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The number input dialog, offscreen: how it splits the value when it opens, what the two edits
// make of what is typed, what Submit and Close hand back, and its keyboard and place.

#include "calc/numbertext.h"
#include "testsupport.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/shared/balloon.h"
#include "widgets/numberdisplay.h"

#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <memory>
#include <optional>

using namespace quorvel;
using quorvel::test::SeparatorScope;

class TestNumberInputDialog : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensWithMantissaAndExponent_data();
    void opensWithMantissaAndExponent();
    void typing_data();
    void typing();
    void reopening_data();
    void reopening();
    void clickOnTheExponentRereadsBothEdits();
    void typedKeys_data();
    void typedKeys();
    void closeHandsNothingBack();
    void keyboardPlaceAndHelp();

private:
    void Open(const char* value) {
        converter_->SetValue(ParseNumberText(value));
        dialog_->Open();
        QVERIFY(QTest::qWaitForWindowActive(dialog_.get()));
    }
    QLineEdit* Edit(const char* name) { return dialog_->findChild<QLineEdit*>(name); }
    QString Preview() { return dialog_->findChild<NumberDisplay*>("PreviewInd")->DisplayedText(); }
    void Press(const char* button) {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(button), Qt::LeftButton);
    }

    std::optional<SeparatorScope> separators_;
    std::unique_ptr<ErrorBalloon> hint_;
    std::unique_ptr<QTextDocument> report_;
    std::unique_ptr<ConverterSession> converter_;
    std::unique_ptr<MainWindow> form_;
    std::unique_ptr<NumberInputDialog> dialog_;
    int helpAsked_ = 0;
};

void TestNumberInputDialog::init() {
    separators_.emplace(",", " ");
    hint_ = std::make_unique<ErrorBalloon>();
    report_ = std::make_unique<QTextDocument>();
    report_->setDocumentLayout(new QPlainTextDocumentLayout(report_.get()));
    converter_ = std::make_unique<ConverterSession>(UnitsDatabase("no such folder"));
    form_ = std::make_unique<MainWindow>(*converter_, report_.get(), *hint_);
    helpAsked_ = 0;
    dialog_ = std::make_unique<NumberInputDialog>(
        *converter_, [this](int context) { helpAsked_ = context; }, form_.get());
}

void TestNumberInputDialog::cleanup() {
    dialog_.reset();
    form_.reset();
    hint_.reset();
    separators_.reset();
}

void TestNumberInputDialog::opensWithMantissaAndExponent_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent"); // the five positions, blanks as spaces
    QTest::addColumn<QString>("preview");
    auto row = [](const char* value, const char* mantissa, const char* exponent,
                  const char* preview) {
        QTest::addRow("%s", value) << value << mantissa << exponent << preview;
    };
    row("1234,5", "1,234500000000", "+3   ", "1 234,5");
    row("0,001", "1,000000000000", "-3   ", "0,001");
    row("0", "0,000000000000", "+0   ", "0");
    row("-2,5E-300", "-2,500000000000", "-300 ", "-2,500000000000E-300");
}

void TestNumberInputDialog::opensWithMantissaAndExponent() {
    QFETCH(QString, value);
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);
    QFETCH(QString, preview);
    Open(qPrintable(value));
    QCOMPARE(Edit("meNumber")->text(), mantissa);
    QCOMPARE(Edit("meExponent")->displayText(), exponent);
    QCOMPARE(Preview(), preview);
    QCOMPARE(dialog_->InputValue(), ParseNumberText(value.toStdString()));
}

void TestNumberInputDialog::typing_data() {
    // Typed into a dialog opened on 42 (4,200000000000 and +1): the mantissa first, then the
    // exponent; each change reads both edits.
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent");
    QTest::addColumn<QString>("mantissaShown");
    QTest::addColumn<QString>("preview");
    auto row = [](const char* name, const char* mantissa, const char* exponent,
                  const char* mantissaShown, const char* preview) {
        QTest::addRow("%s", name) << mantissa << exponent << mantissaShown << preview;
    };
    row("2,5 and 3", "2,5", "3", "2,5", "2 500");
    row("blank exponent counts as 0", "7", "", "7", "7");
    row("empty mantissa becomes 0", "", "3", "0", "0");
    row("point in a text set, not typed, dropped", "1.5", "0", "1.5", "15");
    row("letters dropped", "12abc", "0", "12abc", "12");
    row("E in the mantissa", "1E2", "3", "1E2", "42");
    row("exponent 1-2", "5", "1-2", "5", "50");
    row("exponent 99999", "5", "99999", "5", "50");
    row("negative exponent", "-3", "-2", "-3", "-0,03");
}

void TestNumberInputDialog::typing() {
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);
    QFETCH(QString, mantissaShown);
    QFETCH(QString, preview);
    Open("42");
    Edit("meNumber")->setText(mantissa);
    Edit("meExponent")->setText(exponent);
    QCOMPARE(Edit("meNumber")->text(), mantissaShown);
    QCOMPARE(Preview(), preview);
    Press("bbOk");
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(converter_->State().Value(),
             ParseNumberText(QString(preview).remove(' ').toStdString()));
    QCOMPARE(form_->ValueDisplay()->DisplayedText(), preview);
}

void TestNumberInputDialog::reopening_data() {
    QTest::addColumn<bool>("twice");
    QTest::addColumn<QString>("submitted");
    QTest::addRow("new texts round to 13 digits") << false << "1,234567890123";
    QTest::addRow("the same texts keep every digit") << true << "1,23456789012345";
}

void TestNumberInputDialog::reopening() {
    QFETCH(bool, twice);
    QFETCH(QString, submitted);
    if (twice) {
        Open("1,23456789012345");
        Press("bbClose");
    }
    Open("1,23456789012345");
    Press("bbOk");
    QCOMPARE(converter_->State().Value(), ParseNumberText(submitted.toStdString()));
}

void TestNumberInputDialog::clickOnTheExponentRereadsBothEdits() {
    Open("42");
    {
        const QSignalBlocker quiet(Edit("meNumber"));
        Edit("meNumber")->setText("9");
    }
    QCOMPARE(Preview(), QString("42"));
    QTest::mouseClick(Edit("meExponent"), Qt::LeftButton);
    QCOMPARE(Preview(), QString("90"));
}

void TestNumberInputDialog::typedKeys_data() {
    // Keys typed into the dialog right after it opened: characters, and keys in angle brackets.
    QTest::addColumn<QString>("opened");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("mantissa");
    QTest::addColumn<QString>("exponent"); // the five positions, blanks as spaces
    QTest::addColumn<QString>("preview");
    auto row = [](const char* name, const char* opened, const char* keys, const char* mantissa,
                  const char* exponent, const char* preview) {
        QTest::addRow("%s", name) << opened << keys << mantissa << exponent << preview;
    };
    row("exponent: digits and signs only", "1", "<Tab> -a1x2345", "1,000000000000", "-1234",
        "1,000000000000E-1234");
    row("exponent: typing replaces it", "1", "<Tab> 3", "1,000000000000", "3    ", "1 000");
    row("mantissa typed over: a new number", "4046,86", "12", "12", "+0   ", "12");
    row("mantissa edited inside: the exponent stays", "4046,86", "<End> 5", "4,0468600000005",
        "+3   ", "4 046,8600000005");
    row("exponent edited first: it stays", "4046,86", "<Tab> 2 <Shift+Tab> 7", "7", "2    ", "700");
    row("point types the decimal separator", "1", "1.5", "1,5", "+0   ", "1,5");
}

void TestNumberInputDialog::typedKeys() {
    QFETCH(QString, opened);
    QFETCH(QString, keys);
    QFETCH(QString, mantissa);
    QFETCH(QString, exponent);
    QFETCH(QString, preview);
    Open(qPrintable(opened));
    for (const QString& token : keys.split(' ')) {
        if (token.startsWith('<'))
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(token.mid(1).chopped(1)));
        else
            QTest::keyClicks(QApplication::focusWidget(), token);
    }
    QCOMPARE(Edit("meNumber")->text(), mantissa);
    QCOMPARE(Edit("meExponent")->displayText(), exponent);
    QCOMPARE(Preview(), preview);
}

void TestNumberInputDialog::closeHandsNothingBack() {
    Open("5");
    Edit("meNumber")->setText("7");
    Press("bbClose");
    QVERIFY(!dialog_->isVisible());
    QCOMPARE(converter_->State().Value(), 5.0L);
    QCOMPARE(form_->ValueDisplay()->DisplayedText(), QString("5"));
}

void TestNumberInputDialog::keyboardPlaceAndHelp() {
    QCOMPARE(dialog_->pos(), QPoint(244, 167));
    Open("1");
    QCOMPARE(QApplication::focusWidget(), Edit("meNumber"));
    QCOMPARE(Edit("meNumber")->selectedText(), Edit("meNumber")->text()); // typing replaces it
    QStringList order;
    for (int k = 0; k < 5; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        order << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(order.join(' '), QString("meExponent bbOk bbClose bbHelp meNumber"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); // no button takes Esc
    QVERIFY(dialog_->isVisible());
    Press("bbHelp");
    QCOMPARE(helpAsked_, 2003);
    dialog_->move(300, 200);
    Press("bbClose");
    Open("1");
    QCOMPARE(dialog_->pos(), QPoint(300, 200)); // where it was last
}

QTEST_MAIN(TestNumberInputDialog)
#include "tst_numberinputdialog.moc"
