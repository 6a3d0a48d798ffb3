// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The converter without a window: loading groups, choosing units, converting either way, and
// typed sentences run as a user would run them.

#include "calc/numbertext.h"
#include "core/converter.h"
#include "core/deliveredaliases.h"
#include "core/delivereddimensions.h"
#include "databasefolder.h"

#include <QTest>

using namespace quorvel;

Q_DECLARE_METATYPE(long double)

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace

class TestConverter : public QObject, test::DatabaseFolder {
    Q_OBJECT

private slots:
    void init();

    void convertsBetweenChosenUnits_data();
    void convertsBetweenChosenUnits();
    void loadsGroups_data();
    void loadsGroups();
    void appliesSentences_data();
    void appliesSentences();

private:
    // The standard groups: Length with two units that do not convert, Temperature, Mass, and
    // a group of the user's.
    void WriteStandardGroups() const;
    // Loads the group and chooses the named units; empty names leave the first unit chosen.
    void Prepare(const QString& group, const QString& upper, const QString& lower);
    std::optional<size_t> Position(const QString& unit) const;
    QString ChosenName(PickerSide side) const;

    std::optional<Converter> converter_;
};

void TestConverter::init() {
    Fresh();
    WriteStandardGroups();
    converter_.emplace(*db_);
}

void TestConverter::WriteStandardGroups() const {
    test::WriteBytes(File("Groups.ung"), "Length\r\nTemperature\r\nMass\r\nGhost\r\nCustom\r\n");
    WriteGroup("Length", "metre\r\ninch\r\nfoot\r\nnothing\r\nempty\r\n",
               "1\r\n0.0254\r\n0,3048\r\n0\r\n\r\n");
    WriteGroup("Temperature",
               "Celsius' degree\r\nKelvin's degree\r\nFahrenheit's degree\r\nRankin's degree\r\n",
               "1\r\n1\r\n0.5555555555555555555556\r\n0.5555555555555555555556\r\n");
    WriteGroup("Mass", "kilogram\r\npound (avoirdupois)\r\n", "1\r\n0.45359237\r\n");
    WriteGroup("Custom", "smoot\r\n", "1.7018\r\n"); // a group of the user's, of no dimension
}

std::optional<size_t> TestConverter::Position(const QString& unit) const {
    const std::vector<Unit>& units = converter_->Group().units;
    for (size_t k = 0; k < units.size(); ++k) {
        if (Q(units[k].name) == unit)
            return k;
    }
    return std::nullopt;
}

void TestConverter::Prepare(const QString& group, const QString& upper, const QString& lower) {
    try {
        converter_->LoadGroup(group.toStdString());
    } catch (const EFileError&) {
        return; // the group is loaded with no units
    }
    if (!upper.isEmpty())
        converter_->Choose(PickerSide::Upper, Position(upper));
    if (!lower.isEmpty())
        converter_->Choose(PickerSide::Lower, Position(lower).value_or(99));
}

QString TestConverter::ChosenName(PickerSide side) const {
    const std::optional<size_t> chosen = converter_->Chosen(side);
    return chosen ? Q(converter_->Group().units[*chosen].name) : QString();
}

void TestConverter::convertsBetweenChosenUnits_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    QTest::addColumn<long double>("value");
    QTest::addColumn<bool>("down");    // to the lower unit, else to the upper one
    QTest::addColumn<QString>("line"); // "" when nothing converts
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("after"); // the value after, as shown
    QTest::addRow("down") << "Length"
                          << "inch"
                          << "foot" << 12.0L << true << "12 inch = 1 foot"
                          << ""
                          << "1";
    QTest::addRow("up") << "Length"
                        << "metre"
                        << "inch" << 1.0L << false << "1 inch = 0.0254 metre"
                        << ""
                        << "0.0254";
    QTest::addRow("zero target factor, down") << "Length"
                                              << "metre"
                                              << "nothing" << 7.0L << true << ""
                                              << ""
                                              << "7";
    QTest::addRow("empty target factor") << "Length"
                                         << "metre"
                                         << "empty" << 7.0L << true << ""
                                         << ""
                                         << "7";
    QTest::addRow("empty source factor") << "Length"
                                         << "empty"
                                         << "metre" << 7.0L << true << ""
                                         << ""
                                         << "7";
    QTest::addRow("temperatures by their scales") << "Temperature"
                                                  << "Celsius' degree"
                                                  << "Fahrenheit's degree" << 100.0L << true
                                                  << "100 Celsius' degree = 212 Fahrenheit's degree"
                                                  << ""
                                                  << "212";
    QTest::addRow("below absolute zero: refused, the value stays")
        << "Temperature"
        << "Kelvin's degree"
        << "Celsius' degree" << -1.0L << true << ""
        << "The temperature in Kelvin's degrees cannot be lower than  0 !"
        << "-1";
    QTest::addRow("a group without files converts nothing") << "Ghost"
                                                            << ""
                                                            << "" << 5.0L << false << ""
                                                            << ""
                                                            << "5";
    QTest::addRow("a unit past the group's chooses none") << "Mass"
                                                          << "kilogram"
                                                          << "gram" << 5.0L << true << ""
                                                          << ""
                                                          << "5";
}

void TestConverter::convertsBetweenChosenUnits() {
    QFETCH(QString, group);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    QFETCH(long double, value);
    QFETCH(bool, down);
    QFETCH(QString, line);
    QFETCH(QString, refusal);
    QFETCH(QString, after);
    Prepare(group, upper, lower);
    for (const PickerSide side : {PickerSide::Upper, PickerSide::Lower}) {
        const std::optional<size_t> chosen = converter_->Chosen(side);
        QVERIFY(!chosen || *chosen < converter_->Group().units.size());
    }
    converter_->SetValue(value);
    QString refused;
    std::optional<ConversionResult> result;
    try {
        result = converter_->ConvertTo(down ? PickerSide::Lower : PickerSide::Upper);
    } catch (const EConversionRefused& error) {
        refused = Q(error.UserMessage().English());
    }
    QCOMPARE(result ? Q(result->line) : QString(), line);
    QCOMPARE(refused, refusal);
    QCOMPARE(Q(converter_->ValueText()), after);
}

void TestConverter::loadsGroups_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<int>("units");
    QTest::addColumn<int>("notConverting");
    QTest::addRow("by factors: units whose factor is no positive number counted")
        << "Length" << true << 5 << 2;
    QTest::addRow("temperature scales: factors never read") << "Temperature" << true << 4 << 0;
    QTest::addRow("missing files: loaded by name, no units") << "Ghost" << false << 0 << 0;
}

// The first unit is chosen on both sides, and the value survives a change of group.
void TestConverter::loadsGroups() {
    QFETCH(QString, group);
    QFETCH(bool, readable);
    QFETCH(int, units);
    QFETCH(int, notConverting);
    Prepare("Mass", "", "pound (avoirdupois)");
    converter_->SetValue(5);
    if (readable)
        converter_->LoadGroup(group.toStdString());
    else
        QVERIFY_THROWS_EXCEPTION(EFileError, converter_->LoadGroup(group.toStdString()));
    QCOMPARE(Q(converter_->Group().name), group);
    QCOMPARE(converter_->Group().units.size(), size_t(units));
    QCOMPARE(converter_->UnitsThatDoNotConvert(), size_t(notConverting));
    const std::optional<size_t> first = units > 0 ? std::optional<size_t>(0) : std::nullopt;
    QCOMPARE(converter_->Chosen(PickerSide::Upper), first);
    QCOMPARE(converter_->Chosen(PickerSide::Lower), first);
    QCOMPARE(converter_->Value(), 5.0L);
}

void TestConverter::appliesSentences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<long double>("value"); // at hand before
    QTest::addColumn<QByteArray>("names");  // of Length, written after the sentence was read
    QTest::addColumn<QByteArray>("factors");
    QTest::addColumn<QString>("line"); // "" when nothing converts
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<QString>("after"); // the value after, as shown
    QTest::addColumn<QString>("upper");
    QTest::addColumn<QString>("lower");
    const QByteArray names = "metre\r\ninch\r\nfoot\r\n";
    const QByteArray factors = "1\r\n0.0254\r\n0.3048\r\n";
    QTest::addRow("symbols") << "12 in ft" << 0.0L << names << factors << "12 inch = 1 foot"
                             << ""
                             << "1"
                             << "inch"
                             << "foot";
    QTest::addRow("no number: the value at hand")
        << "foot inch" << 2.0L << names << factors << "2 foot = 24 inch"
        << ""
        << "24"
        << "foot"
        << "inch";
    QTest::addRow("a sum: the parts added, the sum the value")
        << "5 foot 10 inch to metre" << 0.0L << names << factors << "5 foot 10 inch = 1.778 metre"
        << ""
        << "1.778"
        << "foot"
        << "metre";
    QTest::addRow("below absolute zero: the number taken, the conversion refused")
        << "-300 Celsius' degree to Kelvin's degree" << 0.0L << names << factors << ""
        << "The temperature in Celsius' degrees cannot be lower than  -273.15 !"
        << "-300"
        << "Celsius' degree"
        << "Kelvin's degree";
    QTest::addRow("a sum: the factors the files hold now")
        << "1 ft 6 in to in" << 0.0L << names << QByteArray("1\r\n0.0254\r\n0.254\r\n")
        << "1 ft 6 in = 16 inch"
        << ""
        << "16"
        << "foot"
        << "inch";
    QTest::addRow("an expression: the value alone, no group loaded, no unit chosen")
        << "1 kft to m" << 3.0L << names << factors << "1 kft = 304.8 m"
        << ""
        << "304.8"
        << ""
        << "";
    QTest::addRow("a unit of the user's group: no dimension, in no expression")
        << "1 smoot·m to m" << 3.0L << names << factors << ""
        << "'smoot·m' is not a unit of Length"
        << "3"
        << ""
        << "";
    QTest::addRow("a unit the files no longer hold")
        << "12 in ft" << 3.0L << QByteArray("metre\r\ninch\r\n") << QByteArray("1\r\n0.0254\r\n")
        << ""
        << "'foot' is no longer a unit of Length"
        << "3"
        << "metre"
        << "metre";
}

// A sentence runs the down arrow: the same pickers and value give the same line.
void TestConverter::appliesSentences() {
    QFETCH(QString, text);
    QFETCH(long double, value);
    QFETCH(QByteArray, names);
    QFETCH(QByteArray, factors);
    QFETCH(QString, line);
    QFETCH(QString, refusal);
    QFETCH(QString, after);
    QFETCH(QString, upper);
    QFETCH(QString, lower);
    WriteGroup("Length", "metre\r\ninch\r\nfoot\r\n", "1\r\n0.0254\r\n0.3048\r\n");
    std::optional<ConversionResult> result;
    QString refused;
    Sentence sentence;
    try {
        sentence = ReadSentence(UnitIndex::Read(*db_, DeliveredAliases(), DeliveredDimensions()),
                                text.toStdString());
    } catch (const ESentenceError& error) {
        refused = Q(error.UserMessage().English()); // nothing to apply
    }
    WriteGroup("Length", names, factors);
    converter_->SetValue(value);
    try {
        if (refused.isEmpty())
            result = converter_->Apply(sentence);
    } catch (const Error& error) {
        refused = Q(error.UserMessage().English());
    }
    QCOMPARE(result ? Q(result->line) : QString(), line);
    QCOMPARE(refused, refusal);
    QCOMPARE(Q(converter_->ValueText()), after);
    QCOMPARE(ChosenName(PickerSide::Upper), upper);
    QCOMPARE(ChosenName(PickerSide::Lower), lower);
    if (!result || sentence.IsSum() || sentence.IsExpression())
        return; // no arrow makes these
    converter_->SetValue(sentence.parts.front().value.value_or(value));
    const std::optional<ConversionResult> arrow = converter_->ConvertTo(PickerSide::Lower);
    QVERIFY(arrow);
    QCOMPARE(Q(arrow->line), line);
}

QTEST_APPLESS_MAIN(TestConverter)
#include "tst_converter.moc"
