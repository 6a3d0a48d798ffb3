// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, run as a process without a display: what it prints, where, and its exit
// status, on a units database of the test's own in the working folder; and the language of its
// help and reasons.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void printsAndExits_data();
    void printsAndExits();
    void speaksTheDesktopsLanguage_data();
    void speaksTheDesktopsLanguage();

private:
    struct ProgramRun {
        QString out, err;
        int status = -1;
    };
    // The program run with the arguments, in the environment's language and locale variables
    // alone ("LC_ALL=C.UTF-8").
    ProgramRun Run(const QStringList& arguments, const QStringList& variables);

    void WriteFile(const QString& name, const QByteArray& lines) {
        QFile file(dir_.filePath("Files/" + name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(lines), lines.size());
    }

    QTemporaryDir dir_;
};

void TestCommandLine::initTestCase() {
    QVERIFY(QDir(dir_.path()).mkdir("Files"));
    WriteFile("Groups.ung", "Length\r\nTemperature\r\n");
    WriteFile("Length.uns", "metre\r\ncentimetre\r\ninch\r\nfoot\r\ncubit\r\n");
    WriteFile("Length.unf", "1\r\n0.01\r\n0.0254\r\n0.3048\r\n0.4572\r\n");
    WriteFile("Temperature.uns", "Celsius' degree\r\nFahrenheit's degree\r\n");
    WriteFile("Temperature.unf", "1\r\n0.5555555555555555555556\r\n");
    QVERIFY(QFile::link("loop", dir_.filePath("loop"))); // a link to itself
}

void TestCommandLine::printsAndExits_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("out"); // patterns
    QTest::addColumn<QString>("err");
    QTest::addColumn<int>("status");
    const QString c = "C.UTF-8";
    QTest::addRow("words after -c")
        << QStringList{"-c", "12", "in", "cm"} << c << "^12 inch = 30\\.48 centimetre\n$"
        << "^$" << 0;
    QTest::addRow("comma locale") << QStringList{"--convert", "12 in to cm"} << "de_DE.UTF-8"
                                  << "^12 inch = 30,48 centimetre\n$"
                                  << "^$" << 0;
    QTest::addRow("negative number") << QStringList{"-c", "-40", "°F", "°C"} << c
                                     << "^-40 Fahrenheit's degree = -40 Celsius' degree\n$"
                                     << "^$" << 0;
    QTest::addRow("value only, a sum")
        << QStringList{"--value", "-c", "5 ft 10 in to cm"} << c << "^177\\.8\n$"
        << "^$" << 0;
    QTest::addRow("no number is 1")
        << QStringList{"-c", "cubit", "foot"} << c << "^1 cubit = 1\\.5 foot\n$"
        << "^$" << 0;
    QTest::addRow("an expression with a unit the user added to a delivered group")
        << QStringList{"-c", "2 cubit·in to m²"} << c << "^2 cubit·in = 0\\.02322576 m²\n$"
        << "^$" << 0;
    QTest::addRow("not understood")
        << QStringList{"-c", "12 cubits to cm"} << c << "^$"
        << "^quorvel: 'cubits' is not a unit of Length. Did you mean cubit\\?\n$" << 1;
    QTest::addRow("refused") << QStringList{"-c", "-300 °C to °F"} << c << "^$"
                             << "^quorvel: The temperature in Celsius' degrees cannot be lower "
                                "than  -273\\.15 !\n$"
                             << 1;
    QTest::addRow("groups") << QStringList{"--list"} << c << "^Length\nTemperature\n$"
                            << "^$" << 0;
    QTest::addRow("units with symbols")
        << QStringList{"--list", "length"} << c << "\ncentimetre\tcm(, [^\n]*)?\n.*\ncubit\n$"
        << "^$" << 0;
    QTest::addRow("no such group") << QStringList{"--list", "Lenght"} << c << "^$"
                                   << "^quorvel: 'Lenght' is not a group" << 1;
    QTest::addRow("find") << QStringList{"--find", "CUB"} << c << "^cubit — Length\n$"
                          << "^$" << 0;
    QTest::addRow("nothing found") << QStringList{"--find", "furlong"} << c << "^$"
                                   << "^quorvel: No unit matches 'furlong'\n$" << 1;
    QTest::addRow("control characters echoed escaped")
        << QStringList{"--find", "\x1b[2J"} << c << "^$"
        << "^quorvel: No unit matches '\\\\x1b\\[2J'\n$" << 1;
    QTest::addRow("unknown option") << QStringList{"--frob"} << c << "^$"
                                    << "^quorvel: Unknown option 'frob'" << 2;
    QTest::addRow("two commands") << QStringList{"--list", "--find", "x"} << c << "^$"
                                  << "^quorvel: Give one of" << 2;
    QTest::addRow("no database") << QStringList{"--database", "nowhere", "-c", "1 in cm"} << c
                                 << "^$"
                                 << "^quorvel: No units database: .*/nowhere/Groups\\.ung was "
                                    "not found\n$"
                                 << 2;
    QTest::addRow("database in a loop of links")
        << QStringList{"--database", "loop", "-c", "1 in cm"} << c << "^$"
        << "^quorvel: Cannot open the folder 'loop': Too many levels of symbolic links\n$" << 2;
    QTest::addRow("help") << QStringList{"--help"} << c << "^Usage: quorvel .*--convert"
                          << "^$" << 0;
    QTest::addRow("version") << QStringList{"--version"} << c << "^quorvel " QUORVEL_VERSION "\n$"
                             << "^$" << 0;
}

namespace {

bool Matches(const QString& pattern, const QString& text) {
    return QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption)
        .match(text)
        .hasMatch();
}

} // namespace

TestCommandLine::ProgramRun TestCommandLine::Run(const QStringList& arguments,
                                                 const QStringList& variables) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(display); // a GUI application would fail to start without them
    for (const char* language : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
        environment.remove(language);
    for (const QString& variable : variables)
        environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(dir_.path());
    program.start(QUORVEL_PROGRAM, arguments);
    if (!program.waitForFinished(20000) || program.exitStatus() != QProcess::NormalExit)
        return {};
    return {QString::fromUtf8(program.readAllStandardOutput()),
            QString::fromUtf8(program.readAllStandardError()), program.exitCode()};
}

void TestCommandLine::printsAndExits() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, locale);
    QFETCH(QString, out);
    QFETCH(QString, err);
    QFETCH(int, status);
    const ProgramRun run = Run(arguments, {"LC_ALL=" + locale});
    QVERIFY2(Matches(out, run.out), qPrintable(run.out));
    QVERIFY2(Matches(err, run.err), qPrintable(run.err));
    QCOMPARE(run.status, status);
}

void TestCommandLine::speaksTheDesktopsLanguage_data() {
    QTest::addColumn<QStringList>("variables");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("err"); // a pattern
    const QStringList cubits = {"-c", "12 cubits to cm"};
    const QString german =
        "^quorvel: „cubits“ ist keine Einheit der Gruppe Length. Meinten Sie cubit\\?\n$";
    const QString english = "^quorvel: 'cubits' is not a unit of Length. Did you mean cubit\\?\n$";
    QTest::addRow("LANGUAGE before LANG")
        << QStringList{"LANGUAGE=de", "LANG=en_US.UTF-8"} << cubits << german;
    QTest::addRow("LANGUAGE: the first language spoken")
        << QStringList{"LANGUAGE=pt:de_AT:fr", "LANG=pt_BR.UTF-8"} << cubits << german;
    QTest::addRow("LANGUAGE: English spoken first")
        << QStringList{"LANGUAGE=en_GB:de", "LANG=de_DE.UTF-8"} << cubits << english;
    QTest::addRow("LC_MESSAGES before LANG")
        << QStringList{"LC_MESSAGES=de_DE.UTF-8", "LANG=C.UTF-8"} << cubits << german;
    QTest::addRow("LC_ALL before LC_MESSAGES")
        << QStringList{"LC_ALL=C", "LC_MESSAGES=de_DE.UTF-8"} << cubits << english;
    QTest::addRow("C locale asks for English, whatever LANGUAGE says")
        << QStringList{"LANGUAGE=de", "LANG=C"} << cubits << english;
    QTest::addRow("a number in the locale's form")
        << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"-c", "-300 °C to °F"}
        << "^quorvel: Die Temperatur in Grad Celsius kann nicht unter -273,15 liegen!\n$";
    QTest::addRow("Qt's own reason in German")
        << QStringList{"LANG=de_DE.UTF-8"} << QStringList{"--frob"}
        << "^quorvel: Unbekannte Option 'frob'\\.\nVersuchen Sie „quorvel --help“\\.\n$";
}

// The help and the reasons speak the desktop's language, as gettext programs choose it.
void TestCommandLine::speaksTheDesktopsLanguage() {
    QFETCH(QStringList, variables);
    QFETCH(QStringList, arguments);
    QFETCH(QString, err);
    const ProgramRun run = Run(arguments, variables);
    QVERIFY2(Matches(err, run.err), qPrintable(run.err));
    QVERIFY(run.status > 0);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
