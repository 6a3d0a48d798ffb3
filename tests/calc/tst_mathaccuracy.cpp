// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Accuracy of every math function against MPFR: on random arguments across each function's
// domain, the 15-digit text of our result must equal the correctly rounded 15-digit text of the
// true value in at least 99.99 % of cases and never be more than one unit off in the 15th digit;
// no argument whose true result lies within the bounds may fail. The six circular functions are
// also run through the engine in degrees, grads and cycles, on angle texts as typed (within the
// first turn and far beyond it) and on angles next to their zeros and poles (k quarter turns
// +- 1E-12 to 1E-2 turn), to the same bar. Ties in the reference round away from zero, as the
// number text does. Prints each function's worst case. QUORVEL_ACCURACY_SAMPLES sets the samples
// per function (default 20000; a tenth of it per angle row).

#include "calc/calculatorengine.h"
#include "calc/errors.h"
#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "testsupport.h"

#include <QTest>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>
#include <mpfr.h>
#include <random>

using namespace quorvel;

namespace {

constexpr mpfr_prec_t ReferencePrecision = 320;

using Sampler = std::function<long double(std::mt19937_64&)>;

struct Argument {
    long double x = 0;
    long double y = 0; // second argument of the two-argument functions
};

struct Function {
    const char* name;
    std::function<long double(Argument)> ours;
    std::function<void(mpfr_t, Argument)> exact; // the true value, at ReferencePrecision
    std::vector<std::function<Argument(std::mt19937_64&)>> samplers;
};

long double Random01(std::mt19937_64& random) {
    return std::ldexp(static_cast<long double>(random()), -64);
}

// |x| log-uniform between lo and hi, with a random 64-bit mantissa.
Sampler LogUniform(long double lo, long double hi, bool bothSigns = false) {
    return [=](std::mt19937_64& random) {
        const long double e = std::log2(lo) + Random01(random) * (std::log2(hi) - std::log2(lo));
        long double x = std::exp2(e);
        x = std::ldexp(static_cast<long double>(random() | (1ULL << 63)),
                       std::ilogb(x) - 63); // full mantissa at x's binade
        x = std::clamp(x, lo, hi);
        return bothSigns && (random() & 1) ? -x : x;
    };
}

Sampler Uniform(long double lo, long double hi) {
    return [=](std::mt19937_64& random) { return lo + Random01(random) * (hi - lo); };
}

// center + d or center - d, with d log-uniform between dMin and dMax.
Sampler Near(long double center, long double dMin, long double dMax, int sides = 2) {
    const Sampler distance = LogUniform(dMin, dMax);
    return [=](std::mt19937_64& random) {
        const long double d = distance(random);
        const bool below = sides < 0 || (sides == 2 && (random() & 1));
        return below ? center - d : center + d;
    };
}

// Near a random multiple k of step (1 <= k <= kMax), both signs.
Sampler NearMultiple(long double step, int kMax, long double dMin, long double dMax) {
    const Sampler distance = LogUniform(dMin, dMax, true);
    return [=](std::mt19937_64& random) {
        const long double k = 1 + static_cast<long double>(random() % kMax);
        const long double x = k * step + distance(random);
        return random() & 1 ? -x : x;
    };
}

std::function<Argument(std::mt19937_64&)> One(Sampler s) {
    return [s](std::mt19937_64& random) { return Argument{s(random), 0}; };
}

std::function<Argument(std::mt19937_64&)> Two(Sampler sx, Sampler sy) {
    return [sx, sy](std::mt19937_64& random) { return Argument{sx(random), sy(random)}; };
}

using Unary = long double (*)(long double);
using MpfrUnary = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

Function UnaryFunction(const char* name, Unary ours, MpfrUnary exact,
                       std::vector<Sampler> samplers) {
    Function f{name,
               [ours](Argument a) { return ours(a.x); },
               [exact](mpfr_t out, Argument a) {
                   mpfr_set_ld(out, a.x, MPFR_RNDN);
                   exact(out, out, MPFR_RNDN);
               },
               {}};
    for (const Sampler& s : samplers)
        f.samplers.push_back(One(s));
    return f;
}

// The true value of a function of 1/x.
Function OfReciprocal(const char* name, Unary ours, MpfrUnary exact,
                      std::vector<Sampler> samplers) {
    Function f = UnaryFunction(name, ours, exact, std::move(samplers));
    f.exact = [exact](mpfr_t out, Argument a) {
        mpfr_set_ld(out, a.x, MPFR_RNDN);
        mpfr_ui_div(out, 1, out, MPFR_RNDN);
        exact(out, out, MPFR_RNDN);
    };
    return f;
}

// 15 significant digits and the exponent, |v| = 0.d1...d15 x 10^exponent; zero for a value
// below the smallest normal extended number, which the program's texts show as 0.
struct Digits15 {
    long long mantissa = 0; // d1...d15 as an integer, 0 for zero
    long exponent = 0;
    bool negative = false;
};

// Whether the value lies exactly halfway between two 15-digit texts: sixteen digits hold it
// exactly (cut towards and away from zero agree) and the last of them is 5.
bool IsDecimalTie(mpfr_t value) {
    mpfr_exp_t exponent;
    char* towards = mpfr_get_str(nullptr, &exponent, 10, 16, value, MPFR_RNDZ);
    char* away = mpfr_get_str(nullptr, &exponent, 10, 16, value, MPFR_RNDA);
    const std::string digits = towards;
    const bool tie = digits == away && digits.back() == '5';
    mpfr_free_str(towards);
    mpfr_free_str(away);
    return tie;
}

// MPFR rounds an exact tie to even; the number text, like a person, rounds it away from zero.
Digits15 FromMpfr(mpfr_t value) {
    Digits15 d;
    mpfr_t smallest;
    mpfr_init2(smallest, 64);
    mpfr_set_ld(smallest, LDBL_MIN, MPFR_RNDN);
    const bool isZero = mpfr_zero_p(value) || mpfr_cmpabs(value, smallest) < 0;
    mpfr_clear(smallest);
    if (isZero)
        return d;
    const mpfr_rnd_t rounding = IsDecimalTie(value) ? MPFR_RNDA : MPFR_RNDN;
    char* text = mpfr_get_str(nullptr, &d.exponent, 10, 15, value, rounding);
    d.negative = text[0] == '-';
    d.mantissa = std::stoll(text + d.negative);
    mpfr_free_str(text);
    return d;
}

Digits15 FromOurs(long double x) {
    const DecimalDigits rounded = RoundedDigits(x, 15);
    Digits15 d;
    if (rounded.IsZero())
        return d;
    std::string digits = rounded.digits;
    digits.resize(15, '0');
    d.mantissa = std::stoll(digits);
    d.exponent = rounded.exponent;
    d.negative = rounded.negative;
    return d;
}

// How many units of the 15th digit apart two texts are (a large number when far apart).
long double UnitsApart(const Digits15& a, const Digits15& b) {
    auto value = [](const Digits15& d, long exponent) {
        long double m = static_cast<long double>(d.mantissa);
        if (d.negative)
            m = -m;
        return m * std::pow(10.0L, d.exponent - exponent);
    };
    const long exponent =
        std::min(a.mantissa ? a.exponent : b.exponent, b.mantissa ? b.exponent : a.exponent);
    return std::fabs(value(a, exponent) - value(b, exponent));
}

// Our texts against the reference's: how many, how many differ, and the worst case and where.
template <typename Where> struct Tally {
    int samples = 0;
    int textMismatches = 0;
    long double worstUnits = 0;
    Where worstAt{};
    std::string failure; // an argument that failed although its value is in range

    void Add(long double ours, mpfr_t exact, const Where& at) {
        const long double apart = UnitsApart(FromOurs(ours), FromMpfr(exact));
        ++samples;
        if (apart != 0)
            ++textMismatches;
        if (apart > worstUnits) {
            worstUnits = apart;
            worstAt = at;
        }
    }
};

using Outcome = Tally<Argument>;

Outcome Measure(const Function& f, int samplesPerFunction) {
    std::mt19937_64 random(std::hash<std::string>{}(f.name));
    mpfr_t exact;
    mpfr_init2(exact, ReferencePrecision);
    Outcome outcome;
    for (int i = 0; i < samplesPerFunction && outcome.failure.empty(); ++i) {
        const Argument a = f.samplers[i % f.samplers.size()](random);
        long double ours;
        try {
            ours = f.ours(a);
        } catch (const EMathError& error) {
            outcome.failure = f.name + std::string("(") + GeneralNumberText(a.x) + ", " +
                              GeneralNumberText(a.y) + ") failed: " + error.what();
            break;
        }
        f.exact(exact, a);
        outcome.Add(ours, exact, a);
    }
    mpfr_clear(exact);
    return outcome;
}

int SamplesPerFunction() {
    const QByteArray setting = qgetenv("QUORVEL_ACCURACY_SAMPLES");
    return setting.isEmpty() ? 20000 : setting.toInt();
}

std::vector<Function> Functions() {
    using namespace MathConstants;
    const long double max = 1e4931L;
    const long double tiny = 1e-4900L;
    const long double halfPi = 1.5707963267948966192313216916397514L;
    const std::vector<Sampler> angles = {LogUniform(tiny, 0x1p63L, true), Uniform(-10, 10),
                                         NearMultiple(halfPi, 1000000, 1e-18L, 1e-3L)};
    const std::vector<Sampler> exponents = {LogUniform(tiny, ExponentLimit, true),
                                            Uniform(-ExponentLimit, ExponentLimit)};
    const std::vector<Sampler> everything = {LogUniform(tiny, max, true), Uniform(-30, 30)};
    const std::vector<Sampler> positives = {LogUniform(ZeroLimit, max), Near(1, 1e-19L, 0.5L)};
    const std::vector<Sampler> unitInterval = {Uniform(-1, 1), LogUniform(tiny, 1, true),
                                               Near(1, 1e-19L, 0.1L, -1),
                                               Near(-1, 1e-19L, 0.1L, 1)};

    std::vector<Function> functions = {
        UnaryFunction("Sin", Sin, mpfr_sin, angles),
        UnaryFunction("Cos", Cos, mpfr_cos, angles),
        UnaryFunction("Tan", Tan, mpfr_tan, angles),
        UnaryFunction("Cot", Cot, mpfr_cot, angles),
        UnaryFunction("Sec", Sec, mpfr_sec, angles),
        UnaryFunction("Cosec", Cosec, mpfr_csc, angles),
        UnaryFunction("ArcSin", ArcSin, mpfr_asin, unitInterval),
        UnaryFunction("ArcCos", ArcCos, mpfr_acos, unitInterval),
        UnaryFunction("ArcTan", ArcTan, mpfr_atan, everything),
        OfReciprocal("ArcCot", ArcCot, mpfr_atan, everything),
        UnaryFunction("Sinh", Sinh, mpfr_sinh, exponents),
        UnaryFunction("Cosh", Cosh, mpfr_cosh, exponents),
        UnaryFunction("Tanh", Tanh, mpfr_tanh, everything),
        UnaryFunction("Coth", Coth, mpfr_coth, everything),
        UnaryFunction("Sech", Sech, mpfr_sech, exponents),
        UnaryFunction("Cosech", Cosech, mpfr_csch, exponents),
        UnaryFunction("ArSinh", ArSinh, mpfr_asinh, everything),
        UnaryFunction("ArCosh", ArCosh, mpfr_acosh, {Near(1, 1e-19L, 1, 1), LogUniform(1, max)}),
        UnaryFunction("ArTanh", ArTanh, mpfr_atanh, unitInterval),
        OfReciprocal("ArCoth", ArCoth, mpfr_atanh,
                     {Near(1, 1e-19L, 1, 1), Near(-1, 1e-19L, 1, -1), LogUniform(1, max, true)}),
        UnaryFunction("Ln", Ln, mpfr_log, positives),
        UnaryFunction("Lg", Lg, mpfr_log10, positives),
        UnaryFunction("Log2", Log2, mpfr_log2, positives),
        UnaryFunction("SafeExp", SafeExp, mpfr_exp, exponents),
        UnaryFunction("SafeSqrt", SafeSqrt, mpfr_sqrt, {LogUniform(ZeroLimit, max)}),
        UnaryFunction("CubeRoot", CubeRoot, mpfr_cbrt, {LogUniform(ZeroLimit, max, true)}),
        UnaryFunction(
            "Inverse", Inverse,
            [](mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd) { return mpfr_ui_div(r, 1, x, rnd); },
            {LogUniform(1e-4930L, max, true)}),
        UnaryFunction(
            "Cube", Cube,
            [](mpfr_ptr r, mpfr_srcptr x, mpfr_rnd_t rnd) { return mpfr_pow_ui(r, x, 3, rnd); },
            {LogUniform(1e-1600L, 1e1600L, true)}),
    };

    // Power: any positive base, exponents whose result stays within e^+-11356; negative
    // bases with whole exponents.
    Function power{"Power",
                   [](Argument a) { return Power(a.x, a.y); },
                   [](mpfr_t out, Argument a) {
                       mpfr_t base, exponent;
                       mpfr_inits2(ReferencePrecision, base, exponent,
                                   static_cast<mpfr_ptr>(nullptr));
                       mpfr_set_ld(base, a.x, MPFR_RNDN);
                       mpfr_set_ld(exponent, a.y, MPFR_RNDN);
                       mpfr_pow(out, base, exponent, MPFR_RNDN);
                       mpfr_clears(base, exponent, static_cast<mpfr_ptr>(nullptr));
                   },
                   {}};
    const Sampler base = LogUniform(1e-4000L, 1e4000L);
    power.samplers = {
        [base](std::mt19937_64& random) {
            const long double b = base(random);
            const long double limit = 11000 / std::fabs(std::log(b));
            return Argument{b, (2 * Random01(random) - 1) * limit};
        },
        Two(Near(1, 1e-19L, 1e-3L), Uniform(-1e6L, 1e6L)),
        [](std::mt19937_64& random) {
            const long double b = -(1 + 99 * Random01(random));
            return Argument{b, std::floor((2 * Random01(random) - 1) * 2000)};
        },
    };
    functions.push_back(power);

    Function logN{"LogN",
                  [](Argument a) { return LogN(a.x, a.y); },
                  [](mpfr_t out, Argument a) {
                      mpfr_t b;
                      mpfr_init2(b, ReferencePrecision);
                      mpfr_set_ld(b, a.x, MPFR_RNDN);
                      mpfr_log(b, b, MPFR_RNDN);
                      mpfr_set_ld(out, a.y, MPFR_RNDN);
                      mpfr_log(out, out, MPFR_RNDN);
                      mpfr_div(out, out, b, MPFR_RNDN);
                      mpfr_clear(b);
                  },
                  {Two(LogUniform(1e-300L, 1e300L), LogUniform(ZeroLimit, max)),
                   Two(Near(1, 1e-15L, 0.5L), LogUniform(ZeroLimit, max)),
                   Two(LogUniform(2, 1e100L), Near(1, 1e-19L, 0.5L))}};
    functions.push_back(logN);

    Function arcTan2{"ArcTan2",
                     [](Argument a) { return ArcTan2(a.x, a.y); },
                     [](mpfr_t out, Argument a) {
                         mpfr_t x;
                         mpfr_init2(x, ReferencePrecision);
                         mpfr_set_ld(x, a.x, MPFR_RNDN);
                         mpfr_set_ld(out, a.y, MPFR_RNDN);
                         mpfr_atan2(out, out, x, MPFR_RNDN);
                         mpfr_clear(x);
                     },
                     {Two(LogUniform(1e-2000L, 1e2000L, true), LogUniform(1e-2000L, 1e2000L, true)),
                      Two(Uniform(-1, 1), Uniform(-1, 1))}};
    functions.push_back(arcTan2);
    return functions;
}

// A circular function of the engine in one angle measure, against MPFR's function of the angle
// in fractions of a full turn (exact reduction, exact zeros).
struct AngleFunction {
    const char* name;
    CalculatorAction action;
    int (*exact)(mpfr_ptr, mpfr_srcptr, unsigned long, mpfr_rnd_t);
    bool reciprocal;
};

const AngleFunction AngleFunctions[] = {
    {"Sin", CalculatorAction::Sin, mpfr_sinu, false},
    {"Cos", CalculatorAction::Cos, mpfr_cosu, false},
    {"Tan", CalculatorAction::Tan, mpfr_tanu, false},
    {"Cot", CalculatorAction::Cot, mpfr_tanu, true},
    {"Sec", CalculatorAction::Sec, mpfr_cosu, true},
    {"Cosec", CalculatorAction::Cosec, mpfr_sinu, true},
};

struct MeasureOfTurn {
    const char* name;
    AngleMeasure measure;
    unsigned long fullTurn;
};

const MeasureOfTurn AngleMeasures[] = {{"degrees", AngleMeasure::Degrees, 360},
                                       {"grads", AngleMeasure::Grads, 400},
                                       {"cycles", AngleMeasure::Cycles, 1}};

const char* const AngleBands[] = {"first turn", "10 to 1000 turns", "beyond 1000 turns",
                                  "near quarter turns"};

// k quarter turns + d, |d| between 1E-12 and 1E-2 turn, k up to a million turns out, either
// sign: the angles next to the zeros and poles.
long double NearQuarterTurns(std::mt19937_64& random, long double fullTurn) {
    static const Sampler offset = LogUniform(1e-12L, 1e-2L, true);
    static const Sampler manyTurns = LogUniform(1, 1e6L);
    const long double wholeTurns = random() & 1 ? std::floor(manyTurns(random)) : 0;
    const long double quarters = 4 * wholeTurns + static_cast<long double>(random() % 4);
    const long double x = (quarters / 4 + offset(random)) * fullTurn;
    return random() & 1 ? -x : x;
}

// Angle texts as a user types or the engine shows them (15 significant digits): within the
// first turn, between 10 and 1000 turns, and from 1000 to 10^15 turns, of either sign; next to
// the quarter turns with every digit of the binary angle, which 15 digits would round away.
std::string AngleText(std::mt19937_64& random, int band, unsigned long fullTurn) {
    static const Sampler bands[] = {Uniform(-1, 1), LogUniform(10, 1000, true),
                                    LogUniform(1000, 1e15L, true)};
    if (band < static_cast<int>(std::size(bands)))
        return GeneralNumberText(bands[band](random) * fullTurn);
    char text[64];
    std::snprintf(text, sizeof text, "%.20Le", NearQuarterTurns(random, fullTurn));
    return text;
}

struct AngleOutcome : Tally<std::string> {
    int poles = 0;
};

AngleOutcome MeasureAngles(const AngleFunction& function, const MeasureOfTurn& measure, int band,
                           int samples) {
    std::mt19937_64 random(std::hash<std::string>{}(function.name) + measure.fullTurn + band);
    mpfr_t exact;
    mpfr_init2(exact, ReferencePrecision);
    AngleOutcome outcome;
    for (int i = 0; i < samples; ++i) {
        CalculatorEngine calculator;
        calculator.SetAngularMeasure(measure.measure);
        const std::string text = AngleText(random, band, measure.fullTurn);
        calculator.SetValue(text);
        mpfr_set_ld(exact, calculator.Current(), MPFR_RNDN);
        function.exact(exact, exact, measure.fullTurn, MPFR_RNDN);
        if (function.reciprocal)
            mpfr_ui_div(exact, 1, exact, MPFR_RNDN);
        if (mpfr_inf_p(exact)) {
            // A large finite number or an error, as at the same angle below one turn.
            ++outcome.poles;
            continue;
        }
        try {
            calculator.SetAction(function.action);
        } catch (const EMathError& error) {
            outcome.failure = text + " failed: " + error.what();
            break;
        }
        outcome.Add(calculator.Current(), exact, text);
    }
    mpfr_clear(exact);
    return outcome;
}

using TieCall = std::function<long double()>;

} // namespace

Q_DECLARE_METATYPE(TieCall)

class TestMathAccuracy : public QObject {
    Q_OBJECT

private slots:
    void matchesCorrectlyRoundedText_data();
    void matchesCorrectlyRoundedText();
    void referenceRoundsTiesAwayFromZero_data();
    void referenceRoundsTiesAwayFromZero();
    void anglesInEveryMeasure_data();
    void anglesInEveryMeasure();
};

void TestMathAccuracy::matchesCorrectlyRoundedText_data() {
    QTest::addColumn<int>("index");
    const std::vector<Function> functions = Functions();
    for (size_t k = 0; k < functions.size(); ++k)
        QTest::addRow("%s", functions[k].name) << static_cast<int>(k);
}

void TestMathAccuracy::matchesCorrectlyRoundedText() {
    QFETCH(int, index);
    quorvel::test::SeparatorScope scope(".");
    const Function f = Functions()[index];
    const Outcome outcome = Measure(f, SamplesPerFunction());
    QVERIFY2(outcome.failure.empty(), outcome.failure.c_str());
    if (outcome.textMismatches == 0)
        qInfo("%-9s %6d samples, every text exact", f.name, outcome.samples);
    else
        qInfo(
            "%-9s %6d samples, %3d texts differ, worst %.0Lf unit(s) of the 15th digit at (%s, %s)",
            f.name, outcome.samples, outcome.textMismatches, outcome.worstUnits,
            GeneralNumberText(outcome.worstAt.x).c_str(),
            GeneralNumberText(outcome.worstAt.y).c_str());
    QVERIFY2(outcome.worstUnits <= 1, "more than one unit off in the 15th digit");
    QVERIFY2(outcome.textMismatches * 10000 <= outcome.samples, "below 99.99 % exact texts");
}

void TestMathAccuracy::referenceRoundsTiesAwayFromZero_data() {
    // Results exactly halfway between two 15-digit texts, where ties to even would round down.
    QTest::addColumn<TieCall>("ours");
    QTest::addColumn<QString>("exact");
    QTest::addRow("Power 5 to 22") << TieCall([] { return Power(5, 22); }) << "2384185791015625";
    QTest::addRow("Power 2 to -22")
        << TieCall([] { return Power(2, -22); }) << "2.384185791015625e-7";
    QTest::addRow("half added to a whole number")
        << TieCall([] { return SafeAdd(123456789012344, 0.5L); }) << "123456789012344.5";
    QTest::addRow("sixteen digits below a tie")
        << TieCall([] { return SafeAdd(1234567890123440, 4); }) << "1234567890123444";
    QTest::addRow("negative tie") << TieCall([] { return SafeSub(-0.5L, 123456789012344); })
                                  << "-123456789012344.5";
}

void TestMathAccuracy::referenceRoundsTiesAwayFromZero() {
    QFETCH(TieCall, ours);
    QFETCH(QString, exact);
    mpfr_t value;
    mpfr_init2(value, ReferencePrecision);
    mpfr_set_str(value, qPrintable(exact), 10, MPFR_RNDN);
    const Digits15 reference = FromMpfr(value);
    mpfr_clear(value);
    QCOMPARE(UnitsApart(FromOurs(ours()), reference), 0.0L);
}

void TestMathAccuracy::anglesInEveryMeasure_data() {
    QTest::addColumn<int>("function");
    QTest::addColumn<int>("measure");
    QTest::addColumn<int>("band");
    for (size_t f = 0; f < std::size(AngleFunctions); ++f) {
        for (size_t m = 0; m < std::size(AngleMeasures); ++m) {
            for (size_t band = 0; band < std::size(AngleBands); ++band)
                QTest::addRow("%s %s, %s", AngleFunctions[f].name, AngleMeasures[m].name,
                              AngleBands[band])
                    << static_cast<int>(f) << static_cast<int>(m) << static_cast<int>(band);
        }
    }
}

void TestMathAccuracy::anglesInEveryMeasure() {
    QFETCH(int, function);
    QFETCH(int, measure);
    QFETCH(int, band);
    quorvel::test::SeparatorScope scope(".");
    const AngleOutcome outcome = MeasureAngles(AngleFunctions[function], AngleMeasures[measure],
                                               band, SamplesPerFunction() / 10);
    qInfo("%7d texts (%d at a pole), %8.4f %% exact, %4d differ, worst %.3Lg unit(s) of the 15th "
          "digit at %s",
          outcome.samples, outcome.poles,
          100.0 * (outcome.samples - outcome.textMismatches) / std::max(outcome.samples, 1),
          outcome.textMismatches, outcome.worstUnits, outcome.worstAt.c_str());
    QVERIFY2(outcome.failure.empty(), outcome.failure.c_str());
    QVERIFY2(outcome.worstUnits <= 1, "more than one unit off in the 15th digit");
    QVERIFY2(outcome.textMismatches * 10000 <= outcome.samples, "below 99.99 % exact texts");
}

QTEST_APPLESS_MAIN(TestMathAccuracy)
#include "tst_mathaccuracy.moc"
