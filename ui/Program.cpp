// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/Program.h"

#include "ui/About.h"
#include "ui/Application.h"
#include "ui/Splash.h"
#include "widgets/style.h"

#include <QComboBox>
#include <QPlainTextDocumentLayout>
#include <QToolTip>

namespace quorvel {

namespace {

QStringList ItemTexts(const QComboBox& box) {
    QStringList texts;
    for (int k = 0; k < box.count(); ++k)
        texts.append(box.itemText(k));
    return texts;
}

} // namespace

TProgram::TProgram(TQuorvelApplication& application) : application_(application) {
    QApplication::setStyle(new TQuorvelStyle);
    TSplashForm splash;
    splash.show();
    splash.repaint();
    QApplication::processEvents();

    QApplication::setApplicationName("Quorvel");
    ApplyLocaleSeparators();
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xff, 0xf4, 0xc4));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);

    errorHint_ = std::make_unique<TErrorHintWindow>();
    htmlHelp_ = std::make_unique<THtmlHelp>();
    htmlHelp_->SetHelpFile("Help.qch");
    htmlHelp_->InstallHelpHook(&application);
    report_.setDocumentLayout(new QPlainTextDocumentLayout(&report_));
    mainForm_ = std::make_unique<TMForm>(database_, &report_, *errorHint_, MainFormLinks());
    QObject::connect(mainForm_.get(), &TMForm::UnitsLoaded, mainForm_.get(),
                     [this](const QStringList& names) {
                         if (listUnits_)
                             listUnits_->SetUnits(names);
                     });
    // The calculator window, built for the first error if it was never opened, shows it as it
    // would have shown it had it been there all along.
    application.SetErrorHandler(
        [this](const std::exception& error) { Calculator().ApplicationEventsException(error); });
    splash.close();
}

TProgram::~TProgram() {
    application_.SetErrorHandler({});
}

TInputNumber& TProgram::InputNumber() {
    if (!inputNumber_)
        inputNumber_ = std::make_unique<TInputNumber>(*mainForm_, HelpLink(), mainForm_.get());
    return *inputNumber_;
}

TInCalc& TProgram::Calculator() {
    if (!calculator_) {
        TInputNumber& inputNumber = InputNumber();
        calculator_ = std::make_unique<TInCalc>(*mainForm_, inputNumber, *errorHint_, HelpLink(),
                                                application_, mainForm_.get());
    }
    return *calculator_;
}

TListUnits& TProgram::ListUnits() {
    if (!listUnits_) {
        listUnits_ = std::make_unique<TListUnits>(
            *errorHint_, HelpLink(),
            [this] { return mainForm_->UnitPicker(mainForm_->ListTarget()); }, mainForm_.get());
        listUnits_->SetUnits(ItemTexts(*mainForm_->UnitPicker(1))); // the loaded group's
    }
    return *listUnits_;
}

TFReport& TProgram::FReport() {
    if (!fReport_)
        fReport_ = std::make_unique<TFReport>(&report_, *errorHint_, HelpLink(), mainForm_.get());
    return *fReport_;
}

TFPref& TProgram::Pref() {
    if (!pref_) {
        groupEdit_ = std::make_unique<TFGroupEdit>(database_, *errorHint_, HelpLink());
        unitsEdit_ = std::make_unique<TFUnitsEdit>(*errorHint_, HelpLink());
        pref_ = std::make_unique<TFPref>(
            database_, *errorHint_, *groupEdit_, *unitsEdit_,
            TFPrefLinks{[this] { mainForm_->SetGroupButtons(); },
                        [this] { mainForm_->ab1Click(mainForm_->GroupButton(0)); },
                        [this](const QString& oldName, const QString& newName) {
                            mainForm_->GroupRenamed(oldName, newName);
                        },
                        HelpLink()},
            mainForm_.get());
    }
    return *pref_;
}

TMFormLinks TProgram::MainFormLinks() {
    TMFormLinks links;
    links.inputNumber = [this] { InputNumber().Open(); };
    links.calculator = [this] { Calculator().Open(); };
    links.unitsList = [this] { ListUnits().Open(); };
    links.report = [this] { FReport().Open(); };
    links.helpContents = [this] { htmlHelp_->ShowContents(); };
    links.about = [this] { (new TFormAbout(mainForm_.get()))->Open(); };
    links.preferences = [this] { Pref().Execute(); };
    return links;
}

THelpLink TProgram::HelpLink() {
    return [this](int context) { htmlHelp_->ShowContext(context); };
}

int TProgram::Run() {
    mainForm_->show();
    return QApplication::exec();
}

} // namespace quorvel
