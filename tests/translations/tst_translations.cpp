// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The translations against the sources. lupdate, run on a copy of a language's .ts file, must
// find every text of the sources translated and no text that the sources no longer have; and
// every translation must keep its source's places (%1, %n) and its shortcut mark (&).
// ctest runs one language at a time: tst_translations_de and so on.

#include <QDir>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct TranslationEntry {
    QString context;
    QString source;
    QString state;            // "", "unfinished", "vanished" or "obsolete"
    QStringList translations; // one, or a plural's forms

    QString Name() const { return context + ": \"" + source + "\""; }
};

QList<TranslationEntry> ReadEntries(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<TranslationEntry> entries;
    QString context;
    bool numerus = false;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name") {
            context = xml.readElementText();
        } else if (xml.name() == u"message") {
            entries.append({context, {}, {}, {}});
            numerus = xml.attributes().value("numerus") == u"yes";
        } else if (xml.name() == u"source") {
            entries.last().source = xml.readElementText();
        } else if (xml.name() == u"translation") {
            entries.last().state = xml.attributes().value("type").toString();
            if (!numerus) // a plural's forms follow
                entries.last().translations << xml.readElementText();
        } else if (xml.name() == u"numerusform") {
            entries.last().translations << xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return entries;
}

// The places a text fills in, each once.
QSet<QString> Places(const QString& text) {
    static const QRegularExpression place("%([1-9]|n)");
    QSet<QString> places;
    for (const QRegularExpressionMatch& match : place.globalMatch(text))
        places.insert(match.captured());
    return places;
}

// The letters marked for Alt: an "&" that is not one of a literal "&&".
int Marks(const QString& text) {
    return static_cast<int>(QString(text).remove("&&").count('&'));
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void everyTextTranslated_data();
    void everyTextTranslated();
    void translationsKeepPlacesAndMarks_data();
    void translationsKeepPlacesAndMarks();

private:
    void LanguagesTable();
    // The language's .ts file as lupdate brings it up to date with the sources now.
    const QList<TranslationEntry>& Updated(const QString& language);

    QTemporaryDir dir_;
    QHash<QString, QList<TranslationEntry>> updated_;
};

const QList<TranslationEntry>& TestTranslations::Updated(const QString& language) {
    if (!updated_.contains(language)) {
        const QString copy = dir_.filePath("quorvel_" + language + ".ts");
        QFile::remove(copy);
        if (!QFile::copy(QUORVEL_TRANSLATIONS_DIR "/quorvel_" + language + ".ts", copy))
            qFatal("no translation for %s", qPrintable(language));
        QStringList arguments = QString(QUORVEL_LUPDATE_OPTIONS).split('|');
        arguments << "@" QUORVEL_TRANSLATED_SOURCES << "-ts" << copy;
        QProcess lupdate;
        lupdate.start(QUORVEL_LUPDATE, arguments);
        if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0)
            qFatal("lupdate failed: %s", lupdate.readAllStandardError().constData());
        updated_.insert(language, ReadEntries(copy));
    }
    return updated_[language];
}

void TestTranslations::LanguagesTable() {
    QTest::addColumn<QString>("language");
    for (const QString& language : QString(QUORVEL_LANGUAGES).split('|'))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::everyTextTranslated_data() {
    LanguagesTable();
}

// A text the sources have is translated; a text they no longer have is gone from the file.
void TestTranslations::everyTextTranslated() {
    QFETCH(QString, language);
    QStringList missing, gone;
    for (const TranslationEntry& entry : Updated(language)) {
        if (entry.state == "unfinished")
            missing << entry.Name();
        else if (entry.state == "vanished" || entry.state == "obsolete")
            gone << entry.Name();
    }
    qInfo("%s: %lld texts, %lld untranslated, %lld no longer in the sources", qPrintable(language),
          Updated(language).size(), missing.size(), gone.size());
    QVERIFY2(gone.isEmpty(), qPrintable("no longer in the sources (run the target "
                                        "update_translations):\n" +
                                        gone.join('\n')));
    QVERIFY2(missing.isEmpty(), qPrintable("not translated:\n" + missing.join('\n')));
}

void TestTranslations::translationsKeepPlacesAndMarks_data() {
    LanguagesTable();
}

// A translation fills in what its source fills in, and marks a letter for Alt where it does.
void TestTranslations::translationsKeepPlacesAndMarks() {
    QFETCH(QString, language);
    QStringList wrong;
    for (const TranslationEntry& entry : Updated(language)) {
        if (!entry.state.isEmpty())
            continue; // untranslated or gone: the other test names it
        for (const QString& translation : entry.translations) {
            if (Places(translation) != Places(entry.source))
                wrong << entry.Name() + " places: \"" + translation + "\"";
            if (Marks(translation) != Marks(entry.source))
                wrong << entry.Name() + " marks: \"" + translation + "\"";
        }
    }
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
