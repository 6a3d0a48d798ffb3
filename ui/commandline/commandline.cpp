// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/commandline/commandline.h"

#include "calc/numbertext.h"
#include "core/converter.h"
#include "core/deliveredaliases.h"
#include "core/sentence.h"
#include "core/unitsearch.h"
#include "ui/language/language.h"
#include "ui/language/translated.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>

namespace quorvel {

namespace {

// The toolkit's own options, which the window takes ("-style fusion"): known here so that they
// reach it.
const char* const ToolkitOptionsWithValue[] = {
    "platform",    "platformpluginpath", "platformtheme", "plugin", "qwindowgeometry",
    "qwindowicon", "qwindowtitle",       "session",       "style",  "stylesheet",
    "display",     "geometry",           "title",         "name",   "qmljsdebugger"};
const char* const ToolkitFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// Messages on stderr echo the user's words: their control characters go out escaped.
void Print(std::FILE* stream, const QString& text) {
    const QString shown = stream == stderr ? WithControlsEscaped(text) : text;
    std::fputs(shown.toUtf8().append('\n').constData(), stream);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

class CommandLine {
    Q_DECLARE_TR_FUNCTIONS(CommandLine)

public:
    explicit CommandLine(const QStringList& arguments);

    // Whether the arguments ask for the window: none of the options are the command line's.
    bool WantsWindow() const;
    int Run();

private:
    bool IsSet(const QCommandLineOption& option) const { return parser_.isSet(option); }
    // The words of an option's value and the positional arguments, as one text.
    QString Words(const QCommandLineOption& option) const;
    int Usage(const QString& reason) const;
    // The database named by --database, or Files/ in the working folder; throws EFileError.
    UnitIndex ReadIndex();
    int Convert();
    int List();
    int Find();

    QCommandLineParser parser_;
    bool parsed_ = false;
    QCommandLineOption convert_{{"c", "convert"},
                                tr("Print the conversion line of a sentence."),
                                //: The name of the value of the option --convert in the help.
                                tr("sentence")};
    QCommandLineOption value_{"value", tr("With --convert, print only the converted number.")};
    QCommandLineOption list_{"list", tr("Print the groups, or the units of the group named after "
                                        "it with their symbols.")};
    QCommandLineOption find_{"find", tr("Print the units that match the text, with their groups."),
                             //: The name of the value of the option --find in the help.
                             tr("text")};
    QCommandLineOption folder_{"database",
                               //: Help of the option --database. Files is the name of a folder
                               //: and stays as it is; the launcher is the command quorvel, which
                               //: starts the program in the user's own folder.
                               tr("Read the units database in this folder (default: Files in the "
                                  "working folder; the launcher gives your own)."),
                               //: The name of the value of the option --database in the help.
                               tr("folder")};
    QCommandLineOption help_{{"h", "help"}, tr("Print this help.")};
    QCommandLineOption version_{{"v", "version"}, tr("Print the version.")};
    UnitsDatabase database_{"Files"};
};

CommandLine::CommandLine(const QStringList& arguments) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    //: The beginning of the command line's help. The example sentences ("12 in to cm", ...)
    //: and the words "to" and "in" stay as they are: sentences are typed in English. LC_ALL=C is
    //: a setting of the terminal and stays too. Keep the lines under 80 characters.
    parser_.setApplicationDescription(
        tr("Converts physical units. Without options, opens the window.\n"
           "The options below print to the terminal and need no display.\n"
           "\n"
           "A sentence is an optional number, a unit, optionally \"to\", \"in\", \"=\" or\n"
           "\"->\", and the unit to convert to: \"12 in to cm\", \"100 °F -> °C\", \"-40 F C\".\n"
           "Numbers may be fractions and powers of ten: \"1/2 in to mm\", \"1½ h to min\",\n"
           "\"10^6 J to kWh\"; the parts of a sum add up: \"5 ft 10 in to cm\", \"1h30m to "
           "min\".\n"
           "Units that no group holds are read as products, quotients and powers of\n"
           "units, with SI prefixes: \"3 kWh/day to W\", \"20 kWh/100km to Wh/mi\",\n"
           "\"1 kg·m/s² to N\", \"1 kft to m\"; inverse quantities convert by the\n"
           "reciprocal: \"5 min/km to mph\". Without a number, 1 is converted. Numbers\n"
           "are written as the locale writes them (LC_ALL=C: a decimal point).\n"
           "\n"
           "Exit status: 0 done; 1 a sentence, group or unit not understood, or a value\n"
           "refused; 2 wrong options or no units database."));
    parser_.addOptions({convert_, value_, list_, find_, folder_, help_, version_});
    //: The name of the command's free arguments in its help: "words" in "[words...]" below.
    parser_.addPositionalArgument(tr("words"), tr("The sentence, group or text, when not quoted."),
                                  //: How the help writes the free arguments: any number of words.
                                  tr("[words...]"));
    for (const char* name : ToolkitOptionsWithValue) {
        QCommandLineOption option(name, "", "value");
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    for (const char* name : ToolkitFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser_.addOption(option);
    }
    // The value of -c is the next word whatever it begins with: "-c -40 F C" is a sentence.
    parsed_ = parser_.parse(arguments);
}

bool CommandLine::WantsWindow() const {
    for (const QCommandLineOption* option :
         {&convert_, &value_, &list_, &find_, &folder_, &help_, &version_}) {
        if (IsSet(*option))
            return false;
    }
    return parsed_ && parser_.positionalArguments().isEmpty();
}

QString CommandLine::Words(const QCommandLineOption& option) const {
    QStringList words = parser_.positionalArguments();
    if (!option.valueName().isEmpty())
        words.prepend(parser_.value(option));
    return words.join(' ');
}

int CommandLine::Usage(const QString& reason) const {
    Print(stderr, "quorvel: " + reason);
    //: quorvel --help is a command and stays as it is.
    Print(stderr, tr("Try 'quorvel --help'."));
    return ExitUsage;
}

int CommandLine::Run() {
    if (!parsed_)
        return Usage(parser_.errorText());
    if (IsSet(help_)) {
        Print(stdout, parser_.helpText().trimmed());
        return ExitDone;
    }
    if (IsSet(version_)) {
        Print(stdout, "quorvel " QUORVEL_VERSION);
        return ExitDone;
    }
    const int commands = IsSet(convert_) + IsSet(list_) + IsSet(find_);
    if (commands != 1)
        return Usage(commands == 0 ? tr("Give --convert, --list or --find (with --database and "
                                        "words alone there is nothing to do).")
                                   : tr("Give one of --convert, --list and --find."));
    if (IsSet(value_) && !IsSet(convert_))
        return Usage(tr("--value goes with --convert."));
    ApplyLocaleSeparators();
    if (IsSet(folder_))
        database_ = UnitsDatabase(parser_.values(folder_).constLast().toStdString());
    try {
        return IsSet(convert_) ? Convert() : IsSet(list_) ? List() : Find();
    } catch (const EFileError& error) {
        Print(stderr, "quorvel: " + DatabaseUnreadable(database_, error));
        return ExitUsage;
    }
}

UnitIndex CommandLine::ReadIndex() {
    return UnitIndex::Read(database_, DeliveredAliases(), DeliveredDimensions());
}

int CommandLine::Convert() {
    const UnitIndex index = ReadIndex();
    const QString text = Words(convert_);
    Converter converter(database_);
    converter.SetValue(1); // what a sentence without a number converts
    try {
        const std::optional<ConversionResult> result =
            converter.Apply(ReadSentence(index, text.toStdString()));
        if (!result) {
            //: %1 is the sentence the user typed.
            Print(stderr, "quorvel: " + tr("'%1' gives no number: a factor is missing, zero or "
                                           "not a number, or the result is out of range")
                                            .arg(text));
            return ExitNotUnderstood;
        }
        Print(stdout, Q(IsSet(value_) ? GeneralNumberText(result->value) : result->line));
        return ExitDone;
    } catch (const ESentenceError& error) {
        Print(stderr, "quorvel: " + Translated(error));
    } catch (const EUnitGone& error) {
        Print(stderr, "quorvel: " + Translated(error));
    } catch (const EConversionRefused& refusal) {
        Print(stderr, "quorvel: " + Translated(refusal));
    }
    return ExitNotUnderstood;
}

// The groups, or the units of one with their symbols: "inch<TAB>in, ″".
int CommandLine::List() {
    const UnitIndex index = ReadIndex();
    const std::vector<IndexedGroup>& groups = index.Groups();
    const QString wanted = Words(list_);
    if (wanted.isEmpty()) {
        for (const IndexedGroup& group : groups)
            Print(stdout, Q(group.name));
        return ExitDone;
    }
    // The group as written, else the one group whose name differs only in case.
    auto named = [&](bool ignoreCase) {
        const std::string name = FoldUnitText(wanted.toStdString(), ignoreCase);
        std::vector<size_t> found;
        for (size_t g = 0; g < groups.size(); ++g) {
            if (FoldUnitText(groups[g].name, ignoreCase) == name)
                found.push_back(g);
        }
        return found;
    };
    std::vector<size_t> found = named(false);
    if (found.empty())
        found = named(true);
    if (found.size() != 1) {
        //: %1 is what the user gave as the name of a group.
        Print(stderr,
              "quorvel: " + tr("'%1' is not a group; --list prints the groups").arg(wanted));
        return ExitNotUnderstood;
    }
    const size_t g = found.front();
    const std::vector<Unit> units = database_.LoadGroup(groups[g].name); // or say why not
    for (size_t u = 0; u < units.size(); ++u) {
        QStringList symbols;
        for (const std::string& symbol : index.Symbols({g, u}))
            symbols << Q(symbol);
        const QString name = Q(units[u].name);
        Print(stdout, symbols.isEmpty() ? name : name + '\t' + symbols.join(", "));
    }
    return ExitDone;
}

int CommandLine::Find() {
    const UnitIndex index = ReadIndex();
    const QString text = Words(find_);
    const std::vector<UnitRef> found = index.Find(text.toStdString());
    if (found.empty()) {
        //: %1 is the text the user looked for.
        Print(stderr, "quorvel: " + tr("No unit matches '%1'").arg(text));
        return ExitNotUnderstood;
    }
    for (const UnitRef unit : found)
        Print(stdout, Q(MatchText(index, unit)));
    return ExitDone;
}

} // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    QStringList arguments;
    for (int k = 0; k < argc; ++k)
        arguments << QString::fromLocal8Bit(argv[k]);
    if (CommandLine(arguments).WantsWindow())
        return std::nullopt;
    // The help text names the program as users call it, not by the installed file's path.
    char name[] = "quorvel";
    char* programOnly[] = {name, nullptr};
    int count = 1;
    const QCoreApplication application(count, programOnly);
    // Read again with the translations in place: the help and the reasons speak the user's
    // language, while the conversions and lists, which scripts read, stay as they are.
    const Language language(DesktopLanguage());
    return CommandLine(arguments).Run();
}

} // namespace quorvel
