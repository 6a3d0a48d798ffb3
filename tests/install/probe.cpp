// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A test-only Qt plug-in that looks at the installed program from inside, as it runs offscreen:
// loaded through QT_QPA_GENERIC_PLUGINS, it waits for the main window, prints what it shows,
// and ends the program.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGenericPlugin>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace {

QWidget* ShownMainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == "MForm" && window->isVisible())
            return window;
    }
    return nullptr;
}

void Report(QWidget* window) {
    int buttons = 0, named = 0;
    const auto groupButtons =
        window->findChildren<QPushButton*>(QRegularExpression("^ab[0-9]+$"));
    for (const QPushButton* button : groupButtons) {
        ++buttons;
        named += button->text().isEmpty() ? 0 : 1;
    }
    const auto* upper = window->findChild<QComboBox*>("cb1");
    const QString firstUnit = upper && upper->count() > 0 ? upper->itemText(0) : QString();
    std::printf("groups=%d named=%d first-unit=%s folder=%s\n", buttons, named,
                qPrintable(firstUnit), qPrintable(QDir::currentPath()));
    std::fflush(stdout);
}

class Probe : public QObject {
public:
    Probe() {
        connect(&timer_, &QTimer::timeout, this, [this] {
            // The main window fills its buttons when it is first shown; look once it is.
            if (QWidget* window = ShownMainWindow()) {
                Report(window);
                QApplication::quit();
            } else if (++ticks_ > 200) {
                std::printf("no main window\n");
                QApplication::exit(3);
            }
        });
        timer_.start(50);
    }

private:
    QTimer timer_;
    int ticks_ = 0;
};

} // namespace

class ProbePlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "probe.json")

public:
    QObject* create(const QString&, const QString&) override { return new Probe; }
};

#include "probe.moc"
