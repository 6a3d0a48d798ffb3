// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The help component: it opens the compiled manual (a Qt help file, Help.qch) at its contents or
// at the topic of a help context number, in a help window of its own, and it routes the help key
// of every window to the topic of that window.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <memory>

class QCoreApplication;
class QHelpEngine;
class QTemporaryDir;

namespace quorvel {

class HelpWindow;

class HelpViewer : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString HelpFile READ HelpFile WRITE SetHelpFile)

public:
    explicit HelpViewer(QObject* parent = nullptr);
    // Closes the help window.
    ~HelpViewer() override;

    // The compiled help file; a relative path is looked for in the working directory.
    const QString& HelpFile() const { return helpFile_; }
    void SetHelpFile(const QString& file);

    // Opens the help window at the manual's contents.
    void ShowContents();
    // Opens the help window at the topic of a context number (at the contents when the manual
    // has no such topic). Returns true. While the help file is empty, missing or unreadable,
    // nothing opens and nothing is reported.
    bool ShowContext(int context);
    // The application-wide help hook: opens the topic of context `data` whatever the kind of
    // request, tells the caller that no other help system is to run, and reports it handled.
    bool HelpHandler(int command, qintptr data, bool& callHelp);
    // Routes the help key (F1) of every window of the application to HelpHandler, with the
    // help context of the focused control's nearest ancestor that carries one.
    void InstallHelpHook(QCoreApplication* application);

    // The topic the help window shows; empty while no help window is shown.
    QUrl CurrentTopic() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool Load();
    void Unload();
    QUrl TopicOf(const QString& identifier) const;
    void ShowTopic(const QUrl& topic);

    QString helpFile_;
    std::unique_ptr<QTemporaryDir> collectionDir_;
    std::unique_ptr<QHelpEngine> engine_;
    QPointer<HelpWindow> window_;
};

} // namespace quorvel
