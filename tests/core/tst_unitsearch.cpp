// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding units by name and symbol, and reading typed conversions, on a small database of the
// test's own with a table of aliases in the shape of the delivered one.

#include "calc/numbertext.h"
#include "core/sentence.h"
#include "core/unitsearch.h"
#include "databasefolder.h"
#include "testsupport.h"

#include <QTest>
#include <array>

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::WriteBytes;

namespace {

std::vector<IndexedGroup> Groups() {
    return {
        {"Length",
         {{"metre", "1"},
          {"millimetre", "0.001"},
          {"megametre", "1e6"},
          {"centimetre", "0.01"},
          {"inch", "0.0254"},
          {"foot", "0.3048"},
          {"yard", "0.9144"},
          {"inch (US survey)", "0.0254000508001016"},
          {"parsec (30856775814913673 m)", "30856775814913673"}}},
        {"Area", {{"square metre", "1"}, {"square yard", "0.83612736"}}},
        {"Temperature",
         {{"Celsius' degree", "1"}, {"Fahrenheit's degree", "0.5"}, {"Kelvin's degree", "1"}}},
        {"Pressure",
         {{"pascal", "1"},
          {"inch of mercury (60 °F)", "3376.85"},
          {"pound-force per square inch", "6894.75729316836"}}},
        {"Electric capacitance", {{"farad", "1"}}},
        {"Mass",
         {{"gram", "0.001"},
          {"microgram", "1e-9"},
          {"pound (avoirdupois)", "0.45359237"},
          {"ounce (avoirdupois)", "0.028349523125"}}},
        {"Time", {{"second", "1"}, {"minute", "60"}, {"hour", "3600"}}},
        {"Energy", {{"joule", "1"}, {"kilowatt-hour", "3600000"}, {"megajoule", "1e6"}}},
        {"Length (old)", {{"foot", "0.3048"}, {"metre", "1"}}},
    };
}

constexpr auto S = AliasKind::Symbol;
constexpr auto N = AliasKind::Name;
constexpr std::array<UnitAlias, 32> Aliases{{
    {"Length", "metre", "m", S},
    {"Length", "metre", "meter", N},
    {"Length", "millimetre", "mm", S},
    {"Length", "megametre", "Mm", S},
    {"Length", "centimetre", "cm", S},
    {"Length", "centimetre", "centimeter", N},
    {"Length", "inch", "in", S},
    {"Length", "foot", "ft", S},
    {"Area", "square metre", "m²", S},
    {"Temperature", "Celsius' degree", "°C", S},
    {"Temperature", "Fahrenheit's degree", "°F", S},
    {"Pressure", "pascal", "Pa", S},
    {"Pressure", "pound-force per square inch", "psi", S},
    {"Electric capacitance", "farad", "F", S},
    {"Mass", "microgram", "µg", S},
    {"Mass", "pound (avoirdupois)", "lb", S},
    {"Mass", "ounce (avoirdupois)", "oz", S},
    {"Time", "second", "s", S},
    {"Time", "minute", "min", S},
    {"Time", "hour", "h", S},
    {"Energy", "joule", "J", S},
    {"Energy", "kilowatt-hour", "kWh", S},
    {"Length", "cubit", "cbt", S}, // a unit this database does not hold
    {"Length", "yard", "yd", S},
    {"Mass", "gram", "g", S},
    {"Length", "inch", "inches", N},
    {"Length", "yard", "international yard", N},
    {"Area", "square yard", "sq yd", S},
    {"Length", "foot", "'", S},
    {"Length", "inch", "\"", S},
    {"Temperature", "Fahrenheit's degree", "Fahrenheit", N},
    {"Energy", "megajoule", "MJ", S},
}};

// "Length: 5 foot + 10 inch -> centimetre", "?" for the value at hand.
QString Described(const Sentence& sentence) {
    QString parts;
    for (const SentencePart& part : sentence.parts) {
        parts += QString(parts.isEmpty() ? "" : " + ") +
                 (part.value ? QString::fromStdString(GeneralNumberText(*part.value)) : "?") + " " +
                 QString::fromStdString(part.unit.name);
    }
    return QString::fromStdString(sentence.group) + ": " + parts + " -> " +
           QString::fromStdString(sentence.target.name);
}

} // namespace

class TestUnitSearch : public QObject, quorvel::test::DatabaseFolder {
    Q_OBJECT

private slots:
    void init() { Fresh(); }
    void findsUnitsRanked_data();
    void findsUnitsRanked();
    void findsCloseNames_data();
    void findsCloseNames();
    void readsSentences_data();
    void readsSentences();
    void refusesSentencesNamingThePart_data();
    void refusesSentencesNamingThePart();
    void convertsSentences_data();
    void convertsSentences();
    void readsEveryGroupOfTheDatabase();

private:
    UnitIndex index_{Groups(), Aliases};
};

void TestUnitSearch::findsUnitsRanked_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("found"); // "unit — group" joined by "; "
    QTest::addRow("symbol, then name starts (own names first), word starts, anywhere")
        << "in"
        << "inch — Length; inch (US survey) — Length; inch of mercury (60 °F) — Pressure; "
           "yard — Length; pound-force per square inch — Pressure; Kelvin's degree — "
           "Temperature; minute — Time";
    QTest::addRow("any case, word start") << "YARD"
                                          << "yard — Length; square yard — Area";
    QTest::addRow("exact case first") << "Mm"
                                      << "megametre — Length; millimetre — Length";
    QTest::addRow("the other case second") << "mm"
                                           << "millimetre — Length; megametre — Length";
    QTest::addRow("u for µ") << "ug"
                             << "microgram — Mass";
    QTest::addRow("2 for ²") << "m2"
                             << "square metre — Area";
    QTest::addRow("^2 for ²") << "m^2"
                              << "square metre — Area";
    QTest::addRow("raised digits for digits") << "³⁰⁸⁵⁶⁷⁷⁵⁸¹⁴⁹¹³⁶⁷³"
                                              << "parsec (30856775814913673 m) — Length";
    QTest::addRow("a symbol of two words by its start only") << "yd"
                                                             << "yard — Length";
    QTest::addRow("degree optional, the literal symbol first")
        << "F"
        << "farad — Electric capacitance; Fahrenheit's degree — Temperature; foot — Length; "
           "foot — Length (old); inch of mercury (60 °F) — Pressure; "
           "pound-force per square inch — Pressure";
    QTest::addRow("a degree sign keeps to degrees")
        << "°F"
        << "Fahrenheit's degree — Temperature; inch of mercury (60 °F) — Pressure";
    QTest::addRow("℉ holds a degree sign")
        << "℉"
        << "Fahrenheit's degree — Temperature; inch of mercury (60 °F) — Pressure";
    QTest::addRow("plural and US spelling") << "Centimeter"
                                            << "centimetre — Length";
    QTest::addRow("hyphen as blank") << "kilowatt hour"
                                     << "kilowatt-hour — Energy";
    QTest::addRow("nothing") << "cubit"
                             << "";
    QTest::addRow("blanks") << "  "
                            << "";
}

void TestUnitSearch::findsUnitsRanked() {
    QFETCH(QString, text);
    QFETCH(QString, found);
    QStringList names;
    for (const UnitRef ref : index_.Find(text.toStdString()))
        names << QString::fromStdString(MatchText(index_, ref));
    QCOMPARE(names.join("; "), found);
}

void TestUnitSearch::findsCloseNames_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("groupFirst"); // -1 for none
    QTest::addColumn<QString>("found");
    QTest::addRow("one edit") << "farenheit" << -1 << "Fahrenheit's degree — Temperature";
    QTest::addRow("one edit, the database's order")
        << "metere" << -1 << "metre — Length; metre — Length (old)";
    QTest::addRow("the group first") << "metere" << 8 << "metre — Length (old); metre — Length";
    QTest::addRow("short: case only") << "mj" << -1 << "megajoule — Energy";
    QTest::addRow("nothing close") << "furlong" << -1 << "";
}

void TestUnitSearch::findsCloseNames() {
    QFETCH(QString, text);
    QFETCH(int, groupFirst);
    QFETCH(QString, found);
    std::vector<size_t> first;
    if (groupFirst >= 0)
        first.push_back(size_t(groupFirst));
    QStringList names;
    for (const UnitRef ref : index_.Close(text.toStdString(), 5, first))
        names << QString::fromStdString(MatchText(index_, ref));
    QCOMPARE(names.join("; "), found);
}

void TestUnitSearch::readsSentences_data() {
    QTest::addColumn<QString>("separators"); // decimal, thousands
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("preferred");
    QTest::addColumn<QString>("reading");
    const QString none;
    QTest::addRow("symbols, to") << ".,"
                                 << "12 in to cm" << none << "Length: 12 inch -> centimetre";
    QTest::addRow("names, in") << ".,"
                               << "12 inch in metre" << none << "Length: 12 inch -> metre";
    QTest::addRow("arrow") << ".,"
                           << "100 °F → °C" << none
                           << "Temperature: 100 Fahrenheit's degree -> Celsius' degree";
    QTest::addRow("= ?, decimal comma")
        << ",."
        << "3,5 kWh = ? J" << none << "Energy: 3,5 kilowatt-hour -> joule";
    QTest::addRow("exponent, ->") << ".,"
                                  << "1e3 psi -> Pa" << none
                                  << "Pressure: 1000 pound-force per square inch -> pascal";
    QTest::addRow("the pair decides F")
        << ".,"
        << "-40 F C" << none << "Temperature: -40 Fahrenheit's degree -> Celsius' degree";
    QTest::addRow("no number") << ".,"
                               << "inch cm" << none << "Length: ? inch -> centimetre";
    QTest::addRow("glued number") << ".,"
                                  << "12in cm" << none << "Length: 12 inch -> centimetre";
    QTest::addRow("sum") << ".,"
                         << "5 ft 10 in to cm" << none << "Length: 5 foot + 10 inch -> centimetre";
    QTest::addRow("point in a comma locale")
        << ",."
        << "3.5 m to cm" << none << "Length: 3,5 metre -> centimetre";
    QTest::addRow("comma in a point locale")
        << ".,"
        << "3,5 m to cm" << none << "Length: 3.5 metre -> centimetre";
    QTest::addRow("comma locale grouping")
        << ",."
        << "1.234,5 m to cm" << none << "Length: 1234,5 metre -> centimetre";
    QTest::addRow("blank grouping")
        << ", "
        << "1 234,5 m to cm" << none << "Length: 1234,5 metre -> centimetre";
    QTest::addRow("point locale grouping")
        << ".,"
        << "1,234 m to cm" << none << "Length: 1234 metre -> centimetre";
    QTest::addRow("minus sign") << ".,"
                                << "\u221240 °F to °C" << none
                                << "Temperature: -40 Fahrenheit's degree -> Celsius' degree";
    QTest::addRow("exact case mm") << ".,"
                                   << "1 mm to m" << none << "Length: 1 millimetre -> metre";
    QTest::addRow("exact case Mm") << ".,"
                                   << "1 Mm to m" << none << "Length: 1 megametre -> metre";
    QTest::addRow("other case, one unit")
        << ".,"
        << "1 KWH to j" << none << "Energy: 1 kilowatt-hour -> joule";
    QTest::addRow("loaded group breaks a tie") << ".,"
                                               << "1 foot metre"
                                               << "Length (old)"
                                               << "Length (old): 1 foot -> metre";
    QTest::addRow("fraction") << ".,"
                              << "1/2 in to cm" << none << "Length: 0.5 inch -> centimetre";
    QTest::addRow("mixed number") << ".,"
                                  << "-3 1/2 in to cm" << none << "Length: -3.5 inch -> centimetre";
    QTest::addRow("vulgar fraction after digits")
        << ".,"
        << "1½ h to min" << none << "Time: 1.5 hour -> minute";
    QTest::addRow("vulgar fraction alone") << ".,"
                                           << "¾ yd to m" << none << "Length: 0.75 yard -> metre";
    QTest::addRow("power of ten") << ".,"
                                  << "10^6 J to kWh" << none
                                  << "Energy: 1000000 joule -> kilowatt-hour";
    QTest::addRow("times a power of ten")
        << ",."
        << "2,5 × 10⁻³ m to mm" << none << "Length: 0,0025 metre -> millimetre";
    QTest::addRow("point locale grouping, three-digit first group")
        << ".,"
        << "123,456 m to cm" << none << "Length: 123456 metre -> centimetre";
    QTest::addRow("blank grouping in a point locale")
        << ".,"
        << "1 234 567 m to cm" << none << "Length: 1234567 metre -> centimetre";
    QTest::addRow("sum with +") << ".,"
                                << "5 ft + 10 in to cm" << none
                                << "Length: 5 foot + 10 inch -> centimetre";
    QTest::addRow("feet and inches glued")
        << ".,"
        << "5'10\" to cm" << none << "Length: 5 foot + 10 inch -> centimetre";
    QTest::addRow("compact time, m for minutes")
        << ".,"
        << "2h 15m 30s to min" << none << "Time: 2 hour + 15 minute + 30 second -> minute";
    QTest::addRow("plural of a symbol") << ".,"
                                        << "3 yds to m" << none << "Length: 3 yard -> metre";
}

void TestUnitSearch::readsSentences() {
    QFETCH(QString, separators);
    QFETCH(QString, text);
    QFETCH(QString, preferred);
    QFETCH(QString, reading);
    SeparatorScope scope(separators.left(1).toStdString(), separators.mid(1).toStdString());
    std::optional<size_t> group;
    for (size_t g = 0; g < index_.Groups().size(); ++g) {
        if (index_.Groups()[g].name == preferred.toStdString())
            group = g;
    }
    QCOMPARE(Described(ReadSentence(index_, text.toStdString(), group)), reading);
}

void TestUnitSearch::refusesSentencesNamingThePart_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hint");
    QTest::addRow("unknown source") << "12 cubits to m"
                                    << "'cubits' is not a unit of Length";
    QTest::addRow("unknown source, no connector") << "12 cubits cm"
                                                  << "'cubits' is not a unit of Length";
    QTest::addRow("target of another group") << "12 lb to cm"
                                             << "'cm' is not a unit of Mass";
    QTest::addRow("no target") << "12 in"
                               << "Add the unit to convert to, as in 12 in to cm";
    QTest::addRow("bad number") << "1.2.3 m to cm"
                                << "'1.2.3' is not a number";
    QTest::addRow("case fits two units") << "1 MM to m"
                                         << "'MM' may mean millimetre or megametre: mind the "
                                            "capitals";
    QTest::addRow("temperature sum") << "1 °C 2 °F to °C"
                                     << "Temperatures do not add up: convert one at a time";
    QTest::addRow("two groups fit") << "1 foot metre"
                                    << "'1 foot metre' fits Length or Length (old): write the "
                                       "units in full";
    QTest::addRow("sum without first number") << "ft 10 in to cm"
                                              << "Give each unit its number, as in 5 ft 10 in "
                                                 "to cm";
    QTest::addRow("number without unit") << "5 ft 10 to cm"
                                         << "'10' needs a unit";
    QTest::addRow("part of another group") << "5 ft 10 s to cm"
                                           << "'s' is not a unit of Length";
    QTest::addRow("misspelt") << "farenheit"
                              << "'farenheit' is not a unit. Did you mean Fahrenheit's degree?";
    QTest::addRow("misspelt, in the target's group") << "12 inchs to cm"
                                                     << "'inchs' is not a unit of Length. Did "
                                                        "you mean inch?";
    QTest::addRow("prefix in the other case") << "1 mj to J"
                                              << "'mj' is not a unit. Did you mean megajoule?";
    QTest::addRow("fraction by zero") << "1/0 in to cm"
                                      << "'1/0' is not a number";
    QTest::addRow("100,000 words") << QString("1 m ").repeated(50000) + "to cm"
                                   << "The sentence is too long";
}

void TestUnitSearch::refusesSentencesNamingThePart() {
    QFETCH(QString, text);
    QFETCH(QString, hint);
    QString refusal;
    try {
        ReadSentence(index_, text.toStdString());
    } catch (const ESentenceError& error) {
        refusal = QString::fromUtf8(error.what());
    }
    QCOMPARE(refusal, hint);
}

void TestUnitSearch::convertsSentences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // or the refusal; "" for nothing
    QTest::addRow("one part: Convert's line") << "12 in to cm"
                                              << "12 inch = 30.48 centimetre";
    QTest::addRow("no number: the value at hand") << "in to cm"
                                                  << "2 inch = 5.08 centimetre";
    QTest::addRow("feet and inches") << "5 ft 10 in to cm"
                                     << "5 ft 10 in = 177.8 centimetre";
    QTest::addRow("hours and minutes") << "1 h 30 min in s"
                                       << "1 h 30 min = 5400 second";
    QTest::addRow("pounds and ounces") << "2 lb 3 oz to g"
                                       << "2 lb 3 oz = 992.233309375 gram";
    QTest::addRow("refused temperature") << "-300 °C to °F"
                                         << "The temperature in Celsius' degrees cannot be "
                                            "lower than  -273.15 !";
    QTest::addRow("sum beyond the range") << "9e4931 in 9e4931 in to in"
                                          << "";
    QTest::addRow("compact hours and minutes") << "1h30m to min"
                                               << "1h30m = 90 minute";
}

void TestUnitSearch::convertsSentences() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    SeparatorScope scope(".", ",");
    const Sentence sentence = ReadSentence(index_, text.toStdString());
    try {
        const std::optional<ConversionResult> result = ConvertSentence(sentence, 2);
        QCOMPARE(QString::fromStdString(result ? result->line : ""), line);
    } catch (const ETemperatureBound& refusal) {
        QCOMPARE(QString::fromStdString(refusal.what()), line);
    }
}

void TestUnitSearch::readsEveryGroupOfTheDatabase() {
    QByteArray list;
    for (int k = 1; k <= 24; ++k)
        list += "G" + QByteArray::number(k) + "\r\n";
    WriteBytes(File("Groups.ung"), list + "Ghost\r\nG1\r\nExtra\r\n");
    WriteGroup("Extra",
               "Grad R\xe9"
               "aumur\r\ninch\r\n",
               "1,25\r\n0.0254\r\n");
    const UnitIndex index = UnitIndex::Read(*db_, Aliases);
    QCOMPARE(index.Groups().size(), size_t(26)); // G1 once; Ghost without units
    const std::vector<UnitRef> found = index.Find("RÉAUMUR");
    QCOMPARE(found.size(), size_t(1));
    QCOMPARE(MatchText(index, found[0]), std::string("Grad Réaumur — Extra"));
    QVERIFY(index.Symbols(index.Find("inch")[0]).empty()); // Length's symbols are not Extra's
}

QTEST_APPLESS_MAIN(TestUnitSearch)
#include "tst_unitsearch.moc"
