// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The database delivered with the program: its shape, and published reference conversions run
// through the program's own conversion on the delivered files.

#include "calc/numbertext.h"
#include "core/conversion.h"
#include "core/deliveredaliases.h"
#include "core/delivereddimensions.h"
#include "core/sentence.h"
#include "core/textfile.h"
#include "core/unitsdatabase.h"
#include "testsupport.h"

#include <QTest>
#include <algorithm>
#include <map>
#include <mpfr.h>
#include <set>

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::Str;

namespace {

const UnitsDatabase Delivered(QUORVEL_DATA_DIR "/Files");

const std::vector<Unit>& GroupUnits(const std::string& group) {
    static std::map<std::string, std::vector<Unit>> loaded;
    auto found = loaded.find(group);
    if (found == loaded.end())
        found = loaded.emplace(group, Delivered.LoadGroup(group)).first;
    return found->second;
}

const Unit* FindUnit(const std::string& group, const std::string& name) {
    for (const Unit& unit : GroupUnits(group)) {
        if (unit.name == name)
            return &unit;
    }
    return nullptr;
}

// The long double nearest to numerator / denominator, each a decimal text, by MPFR.
long double ExactQuotient(const std::string& numerator, const std::string& denominator) {
    mpfr_t n, d;
    mpfr_inits2(512, n, d, static_cast<mpfr_ptr>(nullptr));
    mpfr_set_str(n, numerator.c_str(), 10, MPFR_RNDN);
    mpfr_set_str(d, denominator.c_str(), 10, MPFR_RNDN);
    mpfr_div(n, n, d, MPFR_RNDN);
    const long double quotient = mpfr_get_ld(n, MPFR_RNDN);
    mpfr_clears(n, d, static_cast<mpfr_ptr>(nullptr));
    return quotient;
}

std::vector<std::string> GroupNames() {
    return Delivered.ReadGroupList();
}

// The index as the search field and the command line read it: with the groups' dimensions.
const UnitIndex& DeliveredIndex() {
    static const UnitIndex index =
        UnitIndex::Read(Delivered, DeliveredAliases(), DeliveredDimensions());
    return index;
}

// 4π and π × one square foot in square metres, to 50 digits, for the CGS and luminance rows.
const char* const FourPi = "12.566370614359172953850573533118011536788677597500";
const char* const PiSquareFoot = "0.29186350796015870482462449674255098763068499659692";

std::string AsciiLowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return lower;
}

// The keys under which a text names a unit within its group: symbols are told apart by case
// (mm, Mm), names and unit names are not.
std::vector<std::string> AliasKeys(std::string_view text, bool isSymbol) {
    // Appended, not literal + string: g++ 12 at -O3 warns falsely (-Wrestrict) on that form.
    std::vector<std::string> keys{std::string("=").append(text)};
    if (!isSymbol)
        keys.push_back(std::string("~").append(AsciiLowerCase(text)));
    return keys;
}

} // namespace

class TestDeliveredData : public QObject {
    Q_OBJECT

private slots:
    void keepsTheFirstGroupsInOrderWithPortableNames();
    void groupFilesAreWellFormed_data();
    void groupFilesAreWellFormed();
    void temperatureGroupHasTheScaleNames();
    void holdsAtLeast1100Units();
    void referenceConversions_data();
    void referenceConversions();
    void temperaturesWithDeliveredNames();
    void aliasesNameDeliveredUnits();
    void aliasesNameOneUnitOfTheirGroup();
    void aliasesFindTheUsualUnit_data();
    void aliasesFindTheUsualUnit();
    void searchFindsTheReadingPeopleMean_data();
    void searchFindsTheReadingPeopleMean();
    void typedConversionsGiveWhatPeopleExpect_data();
    void typedConversionsGiveWhatPeopleExpect();
    void everySpellingReadsAsItsUnit();
    void convertsSentences_data();
    void convertsSentences();
};

void TestDeliveredData::keepsTheFirstGroupsInOrderWithPortableNames() {
    const std::vector<std::string> groups = GroupNames();
    // The groups of the first release keep their slots; the others come after them.
    const std::vector<std::string> first = {"Length",
                                            "Area",
                                            "Volume",
                                            "Mass",
                                            "Temperature",
                                            "Time",
                                            "Speed",
                                            "Acceleration",
                                            "Force",
                                            "Pressure",
                                            "Energy",
                                            "Power",
                                            "Angle",
                                            "Density",
                                            "Frequency",
                                            "Torque",
                                            "Volume flow",
                                            "Mass flow",
                                            "Dynamic viscosity",
                                            "Kinematic viscosity",
                                            "Data size",
                                            "Electric charge",
                                            "Illuminance"};
    QCOMPARE(first.size(), size_t(23)); // the groups of the buttons, in their delivered order
    QVERIFY2(groups.size() >= 43, std::to_string(groups.size()).c_str());
    QVERIFY(std::equal(first.begin(), first.end(), groups.begin()));
    QCOMPARE(std::set<std::string>(groups.begin(), groups.end()).size(), groups.size());
    for (const std::string& name : groups) {
        QVERIFY2(!name.empty(), "empty group name");
        QVERIFY2(name.find_first_of("/\\:*?\"<>|") == std::string::npos, name.c_str());
        QVERIFY2(name.front() != ' ' && name.back() != ' ' && name.back() != '.', name.c_str());
    }
}

void TestDeliveredData::groupFilesAreWellFormed_data() {
    QTest::addColumn<QString>("group");
    for (const std::string& name : GroupNames())
        QTest::addRow("%s", name.c_str()) << QString::fromStdString(name);
}

void TestDeliveredData::groupFilesAreWellFormed() {
    QFETCH(QString, group);
    const std::string name = Str(group);
    const auto names = ReadTextLines(Delivered.NamesFile(name));
    const auto factors = ReadTextLines(Delivered.FactorsFile(name));
    QCOMPARE(factors.size(), names.size());
    QVERIFY(!names.empty());

    std::set<std::string> seen;
    for (size_t k = 0; k < names.size(); ++k) {
        const std::string& unit = names[k];
        QVERIFY2(!unit.empty() && seen.insert(unit).second, ("repeated: " + unit).c_str());
        for (const unsigned char c : unit)
            QVERIFY2(c >= 0x20 && c < 0x7F, ("not plain ASCII: " + unit).c_str());
        for (const char* separator : {",", "."}) {
            SeparatorScope scope(separator);
            QVERIFY2(ConvertsByFactor(factors[k]), factors[k].c_str()); // a positive factor
        }
    }
    if (ConversionKindOf(name) == ConversionKind::ByFactors)
        QCOMPARE(factors.front(), std::string("1")); // the coherent SI unit comes first
}

void TestDeliveredData::temperatureGroupHasTheScaleNames() {
    const auto& units = GroupUnits("Temperature");
    QCOMPARE(units.front().factor, std::string("1"));
    for (const char* name :
         {"Kelvin's degree", "Fahrenheit's degree", "Reaumur's degree", "Rankin's degree"})
        QVERIFY2(FindUnit("Temperature", name), name);
}

void TestDeliveredData::holdsAtLeast1100Units() {
    size_t total = 0;
    for (const std::string& group : GroupNames())
        total += GroupUnits(group).size();
    QVERIFY2(total >= 1100, std::to_string(total).c_str());
}

void TestDeliveredData::referenceConversions_data() {
    QTest::addColumn<QString>("separator");
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("numerator");   // one source unit in target units is
    QTest::addColumn<QString>("denominator"); // numerator / denominator, exactly
    struct Row {
        const char* group;
        const char* source;
        const char* target;
        const char* numerator;
        const char* denominator;
    };
    // Published exact definitions and values (CODATA 2022 where a constant is measured, the
    // IERS and IAU conventional values of the sidereal day and the tropical year).
    const Row rows[] = {
        {"Length", "inch", "metre", "0.0254", "1"},
        {"Length", "foot", "metre", "0.3048", "1"},
        {"Length", "yard", "metre", "0.9144", "1"},
        {"Length", "mile", "metre", "1609.344", "1"},
        {"Length", "mile", "foot", "5280", "1"},
        {"Length", "nautical mile", "metre", "1852", "1"},
        {"Length", "foot (US survey)", "metre", "1200", "3937"},
        {"Length", "angstrom", "nanometre", "0.1", "1"},
        {"Length", "astronomical unit", "metre", "149597870700", "1"},
        {"Length", "light year", "metre", "9460730472580800", "1"},
        {"Length", "light year", "astronomical unit", "9460730472580800", "149597870700"},
        {"Length", "point (DTP)", "millimetre", "25.4", "72"},
        {"Length", "fathom", "metre", "1.8288", "1"},
        {"Length", "chain", "metre", "20.1168", "1"},
        {"Length", "furlong", "metre", "201.168", "1"},
        {"Length", "Bohr radius", "angstrom", "0.529177210544", "1"},
        {"Area", "acre", "square metre", "4046.8564224", "1"},
        {"Area", "hectare", "square metre", "10000", "1"},
        {"Area", "square mile", "square kilometre", "2.589988110336", "1"},
        {"Area", "square foot", "square metre", "0.09290304", "1"},
        {"Area", "square inch", "square centimetre", "6.4516", "1"},
        {"Area", "acre (US survey)", "square metre", "62726400000", "15499969"},
        {"Area", "section (US survey)", "square metre", "40144896000000", "15499969"},
        {"Area", "township (US survey)", "section (US survey)", "36", "1"},
        {"Area", "kcmil (thousand circular mils)", "circular mil", "1000", "1"},
        {"Volume", "gallon (US)", "litre", "3.785411784", "1"},
        {"Volume", "gallon (imperial)", "litre", "4.54609", "1"},
        {"Volume", "fluid ounce (US)", "millilitre", "29.5735295625", "1"},
        {"Volume", "fluid ounce (imperial)", "millilitre", "28.4130625", "1"},
        {"Volume", "barrel (oil)", "litre", "158.987294928", "1"},
        {"Volume", "cubic foot", "litre", "28.316846592", "1"},
        {"Volume", "Mcf (thousand cubic feet)", "cubic metre", "28.316846592", "1"},
        {"Volume", "cubic inch", "cubic centimetre", "16.387064", "1"},
        {"Volume", "bushel (US)", "litre", "35.23907016688", "1"},
        {"Volume", "pint (imperial)", "litre", "0.56826125", "1"},
        {"Volume", "acre-foot", "cubic metre", "1233.48183754752", "1"},
        {"Volume", "teaspoon (US)", "millilitre", "4.92892159375", "1"},
        {"Mass", "pound (avoirdupois)", "kilogram", "0.45359237", "1"},
        {"Mass", "ounce (avoirdupois)", "gram", "28.349523125", "1"},
        {"Mass", "ounce (troy)", "gram", "31.1034768", "1"},
        {"Mass", "grain", "milligram", "64.79891", "1"},
        {"Mass", "stone", "kilogram", "6.35029318", "1"},
        {"Mass", "ton (short)", "kilogram", "907.18474", "1"},
        {"Mass", "ton (long)", "kilogram", "1016.0469088", "1"},
        {"Mass", "tonne", "ton (short)", "1000", "907.18474"},
        {"Mass", "slug", "kilogram", "4.4482216152605", "0.3048"},
        {"Mass", "kilopound (mass)", "kilogram", "453.59237", "1"},
        {"Mass", "carat (metric)", "milligram", "200", "1"},
        {"Mass", "dalton", "kilogram", "1.66053906892e-27", "1"},
        {"Mass", "electron mass", "dalton", "9.1093837139e-31", "1.66053906892e-27"},
        {"Time", "day", "second", "86400", "1"},
        {"Time", "year (Julian)", "second", "31557600", "1"},
        {"Time", "year (Gregorian)", "day", "365.2425", "1"},
        {"Time", "week", "hour", "168", "1"},
        {"Time", "day (sidereal)", "second", "86400", "1.002737909350795"},
        {"Time", "year (tropical)", "day", "365.24219", "1"},
        {"Speed", "knot", "metre per second", "1852", "3600"},
        {"Speed", "mile per hour", "kilometre per hour", "1.609344", "1"},
        {"Speed", "kilometre per hour", "metre per second", "1", "3.6"},
        {"Speed", "foot per second", "metre per second", "0.3048", "1"},
        {"Speed", "speed of light", "kilometre per second", "299792.458", "1"},
        {"Acceleration", "standard gravity", "metre per second squared", "9.80665", "1"},
        {"Acceleration", "standard gravity", "foot per second squared", "9.80665", "0.3048"},
        {"Acceleration", "gal (galileo)", "metre per second squared", "0.01", "1"},
        {"Force", "kilogram-force", "newton", "9.80665", "1"},
        {"Force", "kilopond", "newton", "9.80665", "1"},
        {"Force", "pound-force", "newton", "4.4482216152605", "1"},
        {"Force", "dyne", "newton", "1e-5", "1"},
        {"Force", "poundal", "newton", "0.138254954376", "1"},
        {"Pressure", "atmosphere (standard)", "pascal", "101325", "1"},
        {"Pressure", "bar", "pascal", "100000", "1"},
        {"Pressure", "torr", "pascal", "101325", "760"},
        {"Pressure", "pound-force per square inch", "pascal", "4.4482216152605", "0.00064516"},
        {"Pressure", "millimetre of mercury", "pascal", "133.322387415", "1"},
        {"Pressure", "atmosphere (technical)", "pascal", "98066.5", "1"},
        {"Pressure", "inch of mercury", "pascal", "3386.388640341", "1"},
        {"Pressure", "inch of mercury (60 deg F)", "pascal", "3376.85", "1"},
        {"Pressure", "inch of water (60 deg F)", "pascal", "248.84", "1"},
        {"Energy", "calorie (thermochemical)", "joule", "4.184", "1"},
        {"Energy", "calorie (IT)", "joule", "4.1868", "1"},
        {"Energy", "British thermal unit (IT)", "joule", "1055.05585262", "1"},
        {"Energy", "kilowatt-hour", "megajoule", "3.6", "1"},
        {"Energy", "electronvolt", "joule", "1.602176634e-19", "1"},
        {"Energy", "erg", "joule", "1e-7", "1"},
        {"Energy", "foot-pound-force", "joule", "1.3558179483314004", "1"},
        {"Energy", "therm (US)", "megajoule", "105.4804", "1"},
        {"Energy", "therm (EC)", "joule", "105506000", "1"},
        {"Energy", "dekatherm", "therm (US)", "10", "1"},
        {"Energy", "Calorie (food)", "joule", "4184", "1"},
        {"Energy", "kilopond metre", "joule", "9.80665", "1"},
        {"Energy", "ton of TNT", "gigajoule", "4.184", "1"},
        {"Energy", "hartree", "electronvolt", "4.3597447222060e-18", "1.602176634e-19"},
        {"Power", "horsepower (mechanical)", "watt", "745.69987158227022", "1"},
        {"Power", "horsepower (metric)", "watt", "735.49875", "1"},
        {"Power", "horsepower (boiler)", "watt", "9809.5", "1"},
        {"Power", "ton of refrigeration", "watt", "12660670.23144", "3600"},
        {"Power", "BTU (IT) per hour", "watt", "1055.05585262", "3600"},
        {"Angle", "turn", "degree", "360", "1"},
        {"Angle", "degree", "arcsecond", "3600", "1"},
        {"Angle", "gradian", "degree", "0.9", "1"},
        {"Angle", "mil (NATO)", "degree", "360", "6400"},
        {"Density", "gram per cubic centimetre", "kilogram per cubic metre", "1000", "1"},
        {"Density", "pound per cubic foot", "kilogram per cubic metre", "0.45359237",
         "0.028316846592"},
        {"Density", "pound per barrel (oil)", "kilogram per cubic metre", "0.45359237",
         "0.158987294928"},
        {"Frequency", "revolution per minute", "hertz", "1", "60"},
        {"Torque", "pound-force foot", "newton metre", "1.3558179483314004", "1"},
        {"Torque", "kilopond metre", "newton metre", "9.80665", "1"},
        {"Volume flow", "gallon (US) per minute", "litre per second", "3.785411784", "60"},
        {"Volume flow", "cubic foot per minute", "cubic metre per hour", "1.69901079552", "1"},
        {"Dynamic viscosity", "poise", "pascal second", "0.1", "1"},
        {"Kinematic viscosity", "centistokes", "square millimetre per second", "1", "1"},
        {"Data size", "kibibyte", "byte", "1024", "1"},
        {"Data size", "gibibyte", "gigabyte", "1.073741824", "1"},
        {"Electric charge", "ampere-hour", "coulomb", "3600", "1"},
        {"Electric charge", "faraday", "coulomb", "96485.3321233100184", "1"},
        {"Electric charge", "statcoulomb", "coulomb", "1", "2997924580"},
        {"Illuminance", "foot-candle", "lux", "1", "0.09290304"},
        {"Illuminance", "phot", "lux", "10000", "1"},
        {"Data size", "kilobyte (JEDEC, 1024 bytes)", "byte", "1024", "1"},
        {"Data size", "terabyte (JEDEC, 1024^4 bytes)", "terabyte", "1.099511627776", "1"},
        {"Speed", "speed of sound (ISA sea level)", "metre per second", "340.294", "1"},
        {"Mass", "solar mass (nominal)", "kilogram", "1.3271244e20", "6.67430e-11"},
        {"Mass", "Jupiter mass (nominal)", "Earth mass (nominal)", "1.2668653e17", "3.986004e14"},
        {"Mass", "electronvolt/c^2", "kilogram", "1.602176634e-19", "89875517873681764"},
        {"Mass", "tola", "gram", "11.6638038", "1"},
        {"Mass", "tael (Hong Kong)", "gram", "604.78982", "16"},
        {"Mass", "jin (China)", "gram", "500", "1"},
        {"Area", "tsubo", "square metre", "400", "121"},
        {"Area", "mu (China)", "hectare", "1", "15"},
        {"Area", "rai", "square metre", "1600", "1"},
        {"Time", "month (synodic)", "day", "29.530589", "1"},
        {"Time", "year (sidereal)", "day", "365.256363", "1"},
        {"Volume", "fluid ounce (US food labelling)", "millilitre", "30", "1"},
        {"Volume", "barrel (US beer)", "gallon (US)", "31", "1"},
        {"Energy", "British thermal unit (59 deg F)", "joule", "1054.804", "1"},
        {"Energy", "calorie (15 deg C)", "joule", "4.1858", "1"},
        {"Energy", "barrel of oil equivalent", "British thermal unit (IT)", "5800000", "1"},
        {"Volume flow", "acre-foot per year (Julian)", "cubic metre per second", "1233.48183754752",
         "31557600"},
        {"Volume flow", "acre-foot per year (Gregorian)", "cubic metre per second",
         "1233.48183754752", "31556952"},
        {"Mass flow", "tonne per year (Gregorian)", "kilogram per second", "1000", "31556952"},
        {"Energy", "kilocalorie (thermochemical)", "kilojoule", "4.184", "1"},
        {"Energy", "kilocalorie (IT)", "kilojoule", "4.1868", "1"},
        // The electromagnetic (EMU) and electrostatic (ESU) units: NIST SP 811, Appendix B.
        {"Electric current", "ampere", "milliampere", "1000", "1"},
        {"Electric current", "abampere", "ampere", "10", "1"},
        {"Electric current", "statampere", "ampere", "1", "2997924580"},
        {"Electric current", "gilbert", "ampere", "10", FourPi},
        {"Voltage", "volt", "millivolt", "1000", "1"},
        {"Voltage", "statvolt", "volt", "299.792458", "1"},
        {"Voltage", "abvolt", "microvolt", "0.01", "1"},
        {"Electric resistance", "megohm", "kilohm", "1000", "1"},
        {"Electric resistance", "statohm", "ohm", "898755178736.81764", "1"},
        {"Electric resistance", "von Klitzing constant", "ohm", "6.62607015e-34",
         "2.566969966535569956e-38"},
        {"Electric conductance", "mho", "siemens", "1", "1"},
        {"Electric conductance", "statmho", "siemens", "1", "898755178736.81764"},
        {"Electric conductance", "abmho", "siemens", "1e9", "1"},
        {"Capacitance", "microfarad", "picofarad", "1000000", "1"},
        {"Capacitance", "statfarad", "farad", "1", "898755178736.81764"},
        {"Capacitance", "abfarad", "farad", "1e9", "1"},
        {"Inductance", "stathenry", "henry", "898755178736.81764", "1"},
        {"Inductance", "abhenry", "nanohenry", "1", "1"},
        {"Electric field strength", "statvolt per centimetre", "volt per metre", "29979.2458", "1"},
        {"Electric field strength", "volt per mil", "volt per metre", "1", "0.0000254"},
        {"Magnetic flux", "maxwell", "weber", "1e-8", "1"},
        {"Magnetic flux", "unit pole", "weber", FourPi, "1e8"},
        {"Magnetic flux", "magnetic flux quantum", "weber", "6.62607015e-34", "3.204353268e-19"},
        {"Magnetic flux density", "gauss", "tesla", "1e-4", "1"},
        {"Magnetic flux density", "gamma", "nanotesla", "1", "1"},
        {"Magnetic flux density", "kilogauss", "millitesla", "100", "1"},
        {"Magnetic field strength", "oersted", "ampere per metre", "1000", FourPi},
        {"Magnetic field strength", "ampere per inch", "ampere per metre", "1", "0.0254"},
        {"Luminous intensity", "kilocandela", "candela", "1000", "1"},
        {"Luminous flux", "spherical candlepower", "lumen", FourPi, "1"},
        {"Luminous flux", "watt of light at 540 THz", "lumen", "683", "1"},
        {"Luminance", "foot-lambert", "candela per square metre", "1", PiSquareFoot},
        {"Luminance", "lambert", "candela per square metre", "4e4", FourPi},
        {"Luminance", "stilb", "candela per square metre", "10000", "1"},
        {"Luminance", "candela per square inch", "candela per square metre", "1", "0.00064516"},
        {"Radioactivity", "curie", "becquerel", "3.7e10", "1"},
        {"Radioactivity", "rutherford", "megabecquerel", "1", "1"},
        {"Radioactivity", "millicurie", "megabecquerel", "37", "1"},
        {"Radioactivity", "disintegration per minute", "becquerel", "1", "60"},
        {"Absorbed dose", "rad (absorbed dose)", "gray", "0.01", "1"},
        {"Absorbed dose", "erg per gram", "gray", "1e-4", "1"},
        {"Equivalent dose", "rem", "millisievert", "10", "1"},
        {"Equivalent dose", "millirem", "microsievert", "10", "1"},
        {"Amount of substance", "pound-mole", "mole", "453.59237", "1"},
        {"Amount of substance", "elementary entity", "mole", "1", "6.02214076e23"},
        {"Molar concentration", "mole per litre", "mole per cubic metre", "1000", "1"},
        {"Molar concentration", "millimole per litre", "mole per cubic metre", "1", "1"},
        {"Data rate", "megabit per second", "megabyte per second", "1", "8"},
        {"Data rate", "mebibyte per second", "bit per second", "8388608", "1"},
        {"Data rate", "T1 (DS1)", "kilobit per second", "1544", "1"},
        {"Data rate", "OC-192 (STM-64)", "gigabit per second", "9.95328", "1"},
        {"Fuel economy", "mile per gallon (US)", "kilometre per litre", "1.609344", "3.785411784"},
        {"Fuel economy", "mile per gallon (imperial)", "mile per gallon (US)", "3.785411784",
         "4.54609"},
        {"Heat flux density", "BTU (IT) per hour square foot", "watt per square metre",
         "1055.05585262", "334.450944"},
        {"Heat flux density", "total solar irradiance (nominal)", "watt per square metre", "1361",
         "1"},
        {"Heat flux density", "langley per minute", "watt per square metre", "41840", "60"},
        {"Thermal conductivity", "BTU (IT) per hour foot degree Fahrenheit",
         "watt per metre kelvin", "1055.05585262", "609.6"},
        {"Thermal conductivity", "BTU (IT) inch per hour square foot degree Fahrenheit",
         "watt per metre kelvin", "26.798418656548", "185.80608"},
        {"Thermal conductivity", "kilocalorie (IT) per hour metre degree Celsius",
         "watt per metre kelvin", "1.163", "1"},
        {"Specific heat capacity", "BTU (IT) per pound degree Fahrenheit",
         "joule per kilogram kelvin", "4186.8", "1"},
        {"Specific heat capacity", "calorie (thermochemical) per gram degree Celsius",
         "joule per kilogram kelvin", "4184", "1"},
        {"Surface tension", "dyne per centimetre", "millinewton per metre", "1", "1"},
        {"Surface tension", "pound-force per inch", "newton per metre", "4.4482216152605",
         "0.0254"},
        {"Energy density", "BTU (IT) per cubic foot", "joule per cubic metre", "1055.05585262",
         "0.028316846592"},
        {"Energy density", "kilowatt-hour per cubic metre", "megajoule per cubic metre", "3.6",
         "1"},
        {"Specific energy", "BTU (IT) per pound", "joule per kilogram", "2326", "1"},
        {"Specific energy", "kilocalorie per 100 grams", "kilojoule per 100 grams", "4.184", "1"},
        {"Specific energy", "watt-hour per kilogram", "joule per kilogram", "3600", "1"},
        {"Equivalent dose rate", "millirem per hour", "microsievert per hour", "10", "1"},
        {"Equivalent dose rate", "millirem per year (Gregorian)",
         "millisievert per year (Gregorian)", "0.01", "1"},
        {"Area density", "ounce per square yard", "gram per square metre", "28.349523125",
         "0.83612736"},
        {"Area density", "pound per acre", "kilogram per hectare", "4535.9237", "4046.8564224"},
        {"Linear density", "denier", "tex", "1", "9"},
        {"Linear density", "tex", "kilogram per metre", "1e-6", "1"},
        {"Thermal insulance", "square foot degree Fahrenheit hour per BTU (IT)",
         "square metre kelvin per watt", "185.80608", "1055.05585262"},
        {"Thermal insulance", "clo", "square metre kelvin per watt", "0.155", "1"},
        {"Heat transfer coefficient", "BTU (IT) per hour square foot degree Fahrenheit",
         "watt per square metre kelvin", "1055.05585262", "185.80608"},
    };
    for (const char* separator : {",", "."}) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s in %s", separator, row.source, row.target)
                << separator << row.group << row.source << row.target << row.numerator
                << row.denominator;
        }
    }
}

void TestDeliveredData::referenceConversions() {
    QFETCH(QString, separator);
    QFETCH(QString, group);
    QFETCH(QString, source);
    QFETCH(QString, target);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);
    SeparatorScope scope(Str(separator));
    const Unit* from = FindUnit(Str(group), Str(source));
    const Unit* to = FindUnit(Str(group), Str(target));
    QVERIFY2(from && to, "unit missing from the delivered group");

    // One source unit in target units, and back.
    const auto forward =
        Convert({1, from->factor, to->factor, from->name, to->name, ConversionKind::ByFactors});
    const auto backward =
        Convert({1, to->factor, from->factor, to->name, from->name, ConversionKind::ByFactors});
    QVERIFY(forward && backward);
    QCOMPARE(GeneralNumberText(forward->value),
             GeneralNumberText(ExactQuotient(Str(numerator), Str(denominator))));
    QCOMPARE(GeneralNumberText(backward->value),
             GeneralNumberText(ExactQuotient(Str(denominator), Str(numerator))));
}

void TestDeliveredData::temperaturesWithDeliveredNames() {
    SeparatorScope scope(".");
    const auto& units = GroupUnits("Temperature");
    const auto boiling = Convert({100, "", "", units.front().name, "Fahrenheit's degree",
                                  ConversionKind::TemperatureScales});
    QVERIFY(boiling);
    QCOMPARE(boiling->line, "100 " + units.front().name + " = 212 Fahrenheit's degree");
}

void TestDeliveredData::aliasesNameDeliveredUnits() {
    const std::vector<std::string> groups = GroupNames();
    for (const UnitAlias& alias : DeliveredAliases()) {
        const std::string group(alias.group);
        QVERIFY2(std::find(groups.begin(), groups.end(), group) != groups.end(), group.c_str());
        QVERIFY2(FindUnit(group, std::string(alias.unit)),
                 (group + ": " + std::string(alias.unit)).c_str());
        QVERIFY(!alias.alias.empty());
    }
}

void TestDeliveredData::aliasesNameOneUnitOfTheirGroup() {
    std::map<std::pair<std::string, std::string>, std::string> owners; // (group, key): unit
    for (const std::string& group : GroupNames()) {
        for (const Unit& unit : GroupUnits(group)) {
            for (const std::string& key : AliasKeys(unit.name, false))
                owners.emplace(std::pair(group, key), unit.name);
        }
    }
    for (const UnitAlias& alias : DeliveredAliases()) {
        for (const std::string& key : AliasKeys(alias.alias, alias.kind == AliasKind::Symbol)) {
            const auto owner =
                owners.emplace(std::pair(std::string(alias.group), key), alias.unit).first;
            QVERIFY2(owner->second == alias.unit,
                     (std::string(alias.group) + ": " + std::string(alias.alias) + " names " +
                      owner->second + " and " + std::string(alias.unit))
                         .c_str());
        }
    }
}

void TestDeliveredData::aliasesFindTheUsualUnit_data() {
    QTest::addColumn<QString>("group");
    QTest::addColumn<QString>("alias");
    QTest::addColumn<QString>("unit");
    struct Row {
        const char* group;
        const char* alias;
        const char* unit;
    };
    const Row rows[] = {
        {"Length", "yd", "yard"},
        {"Length", "meter", "metre"},
        {"Length", "feet", "foot"},
        {"Length", "mm", "millimetre"},
        {"Length", "Mm", "megametre"},
        {"Length", "um", "micrometre"},
        {"Length", "kilometers", "kilometre"},
        {"Area", "m²", "square metre"},
        {"Area", "m^2", "square metre"},
        {"Pressure", "psi", "pound-force per square inch"},
        {"Temperature", "°F", "Fahrenheit's degree"},
        {"Temperature", "degF", "Fahrenheit's degree"},
        {"Temperature", "F", "Fahrenheit's degree"},
        {"Temperature", "C", "Celsius' degree"},
        {"Electric charge", "C", "coulomb"},
        {"Energy", "kWh", "kilowatt-hour"},
        {"Power", "mW", "milliwatt"},
        {"Power", "MW", "megawatt"},
        {"Data size", "kB", "kilobyte"},
        {"Data size", "KB", "kilobyte (JEDEC, 1024 bytes)"},
        {"Data size", "MB", "megabyte"},
        {"Torque", "N·m", "newton metre"},
    };
    for (const Row& row : rows)
        QTest::addRow("%s in %s", row.alias, row.group) << row.group << row.alias << row.unit;
}

void TestDeliveredData::aliasesFindTheUsualUnit() {
    QFETCH(QString, group);
    QFETCH(QString, alias);
    QFETCH(QString, unit);
    const auto aliases = DeliveredAliases();
    const auto found = std::find_if(aliases.begin(), aliases.end(), [&](const UnitAlias& entry) {
        return entry.group == Str(group) && entry.alias == Str(alias);
    });
    QVERIFY2(found != aliases.end(), "no such alias");
    QCOMPARE(std::string(found->unit), Str(unit));
}

void TestDeliveredData::searchFindsTheReadingPeopleMean_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("first"); // the best match
    QTest::addRow("MT the metric ton") << "MT"
                                       << "tonne — Mass";
    QTest::addRow("mt the metric ton") << "mt"
                                       << "tonne — Mass";
    QTest::addRow("Mt the megatonne") << "Mt"
                                      << "megatonne — Mass";
    QTest::addRow("kcal of food labels") << "kcal"
                                         << "kilocalorie (thermochemical) — Energy";
    QTest::addRow("cal_IT") << "cal_IT"
                            << "calorie (IT) — Energy";
    QTest::addRow("mb the millibar") << "mb"
                                     << "millibar — Pressure";
    QTest::addRow("A the ampere") << "A"
                                  << "ampere — Electric current";
    QTest::addRow("mpg the US one") << "mpg"
                                    << "mile per gallon (US) — Fuel economy";
    QTest::addRow("t/yr the Gregorian year") << "t/yr"
                                             << "tonne per year (Gregorian) — Mass flow";
    QTest::addRow("t/a the Julian year") << "t/a"
                                         << "tonne per year (Julian) — Mass flow";
}

void TestDeliveredData::searchFindsTheReadingPeopleMean() {
    QFETCH(QString, text);
    QFETCH(QString, first);
    const std::vector<UnitRef> found = DeliveredIndex().Find(Str(text));
    QVERIFY(!found.empty());
    QCOMPARE(QString::fromStdString(MatchText(DeliveredIndex(), found.front())), first);
}

void TestDeliveredData::typedConversionsGiveWhatPeopleExpect_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("result"); // the converted number, or the refusal
    const std::pair<const char*, const char*> rows[] = {
        {"1 V to mV", "1000"},
        {"1 A to mA", "1000"},
        {"10 gauss to T", "0.001"},
        {"1 Ci to Bq", "37000000000"},
        {"30 mpg to L/100km", "7.84048611111111"},
        {"10 L/100km to mpg", "23.5214583333333"},
        {"10 L/100km to gal/100mi", "4.25143707430272"},
        {"8 L/100km to L/100km", "8"},
        {"1 MT to kg", "1000"},
        {"1 Mt to kg", "1000000000"},
        {"250 kcal to kJ", "1046"},
        {"2 Gy to rad", "200"},
        {"100 lm/ft² to lx", "1076.39104167097"},
        {"20 Mbps to MB/s", "2.5"},
        {"1 mb to Pa", "100"},
        {"1 rad to mrad", "1000"},
        {"1 L to mL", "1000"},
        {"0 L/100km to mpg", "The value cannot be 0 in a reciprocal unit"},
        // What people type where no group holds the units, and numbers as they write them;
        // the values computed in exact arithmetic from the units' definitions.
        {"1 J/s to W", "1"},
        {"3 kWh/day to W", "125"},
        {"1 kg·m/s² to N", "1"},
        {"500 W/m² to Btu/(h·ft²)", "158.499165314075"},
        {"20 kWh/100km to Wh/mi", "321.8688"},
        {"5 kg/day to g/min", "3.47222222222222"},
        {"5 min/km to mph", "7.45645430684801"},
        {"60 mph to min/mi", "1"},
        {"1/2 in to mm", "12.7"},
        {"3/4 lb to g", "340.1942775"},
        {"½ mile to m", "804.672"},
        {"3½ in to mm", "88.9"},
        {"3 1/2 in to mm", "88.9"},
        {"1½ hours to min", "90"},
        {"10^6 J to kWh", "0.277777777777778"},
        {"5 ft + 10 in to cm", "177.8"},
        {"5'10\" to cm", "177.8"},
        {"1h30m to min", "90"},
        {"3 kgs to lb", "6.61386786554633"},
        {"2 yds to m", "1.8288"},
        {"5 cms to mm", "50"},
        {"2 kms to m", "2000"},
        {"2 revs to rad", "12.5663706143592"},
        {"1 kft to m", "304.8"},
        {"1 Mcf to ft³", "1000"},
    };
    for (const auto& [text, result] : rows)
        QTest::addRow("%s", text) << text << result;
}

// As the command line converts them, on the delivered database.
void TestDeliveredData::typedConversionsGiveWhatPeopleExpect() {
    QFETCH(QString, text);
    QFETCH(QString, result);
    SeparatorScope scope(".");
    try {
        const std::optional<ConversionResult> converted =
            ConvertSentence(ReadSentence(DeliveredIndex(), Str(text)), 1);
        QVERIFY(converted);
        QCOMPARE(QString::fromStdString(GeneralNumberText(converted->value)), result);
    } catch (const EConversionRefused& refusal) {
        QCOMPARE(QString(refusal.what()), result);
    } catch (const ESentenceError& error) {
        QFAIL(error.what()); // a sentence the delivered units should read
    }
}

// Every name and alias of every delivered unit, typed as source and as target with its group
// loaded, names that unit: digits, fractions and marks inside a name do not split it.
void TestDeliveredData::everySpellingReadsAsItsUnit() {
    SeparatorScope scope(".", ",");
    const UnitIndex index = UnitIndex::Read(Delivered, DeliveredAliases());
    std::map<std::pair<std::string_view, std::string_view>, std::vector<std::string_view>> aliases;
    for (const UnitAlias& alias : DeliveredAliases())
        aliases[{alias.group, alias.unit}].push_back(alias.alias);
    QStringList unread;
    size_t spellings = 0;
    for (size_t g = 0; g < index.Groups().size(); ++g) {
        const IndexedGroup& group = index.Groups()[g];
        for (size_t u = 0; u < group.units.size(); ++u) {
            std::vector<std::string_view> names{group.units[u].name};
            const auto& others = aliases[{group.name, group.units[u].name}];
            names.insert(names.end(), others.begin(), others.end());
            for (const std::string_view name : names) {
                ++spellings;
                const std::string text = "2 " + std::string(name) + " to " + std::string(name);
                try {
                    const Sentence sentence = ReadSentence(index, text, g);
                    if (sentence.group == group.name && sentence.parts.size() == 1 &&
                        sentence.parts[0].unit.position == u && sentence.target.position == u &&
                        sentence.parts[0].value == 2)
                        continue;
                } catch (const ESentenceError&) {
                }
                unread << QString::fromStdString(group.name + ": " + text);
            }
        }
    }
    QVERIFY2(spellings > 3900, std::to_string(spellings).c_str());
    QVERIFY2(unread.isEmpty(), qPrintable(unread.join("\n")));
}

void TestDeliveredData::convertsSentences_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("line"); // or the refusal
    QTest::addRow("the target makes oz the fluid ounce")
        << "8 oz to ml"
        << "8 fluid ounce (US) = 236.5882365 millilitre";
    QTest::addRow("no case slip in a prefix, either way")
        << "1 mw to W"
        << "'mw' may mean megawatt or milliwatt: mind the capitals";
    QTest::addRow("a quotient with a number in it, as typed") << "20 kWh/100km to Wh/mi"
                                                              << "20 kWh/100km = 321.8688 Wh/mi";
    QTest::addRow("parentheses") << "1 kWh/(m²·day) to W/m²"
                                 << "1 kWh/(m²·day) = 41.6666666666667 W/m²";
    QTest::addRow("a hyphen between symbols") << "1 h-W to J"
                                              << "1 h-W = 3600 J";
    QTest::addRow("per") << "36 km per h to m/s"
                         << "36 km per h = 10 m/s";
    QTest::addRow("cubic") << "1 cubic mm/s to L/h"
                           << "1 cubic mm/s = 0.0036 L/h";
    QTest::addRow("a negative power") << "1 g·cm·s^-2 to dyn"
                                      << "1 g·cm·s^-2 = 1 dyn";
    QTest::addRow("pace to speed by the reciprocal")
        << "5 min/km to mph"
        << "5 min/km = 7.45645430684801 mph (reciprocal)";
    QTest::addRow("dimensions that do not convert")
        << "1 kg to N"
        << "'kg' is a mass and 'N' a force: they do not convert";
    QTest::addRow("a temperature inside a product")
        << "1 J/kg·°C to J/(kg·K)"
        << "'°C' is a temperature, which converts alone and not in a product: type, for "
           "example, 100 °F to °C";
    QTest::addRow("reciprocal units in a sum")
        << "5 L/100km 3 L/100km to mpg"
        << "Reciprocal units do not add up: convert one at a time";
}

void TestDeliveredData::convertsSentences() {
    QFETCH(QString, text);
    QFETCH(QString, line);
    SeparatorScope scope(".", ",");
    std::string converted;
    try {
        const std::optional<ConversionResult> result =
            ConvertSentence(ReadSentence(DeliveredIndex(), Str(text)), 1);
        converted = result ? result->line : "";
    } catch (const ESentenceError& refusal) {
        converted = refusal.what();
    }
    QCOMPARE(QString::fromStdString(converted), line);
}

QTEST_APPLESS_MAIN(TestDeliveredData)
#include "tst_delivereddata.moc"
