// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The guarded math functions: fixed constants, special values and every failure message.

#include "calc/errors.h"
#include "calc/guardedmath.h"
#include "calc/numbertext.h"
#include "testsupport.h"

#include <QStringList>
#include <QTest>
#include <cfloat>
#include <cmath>
#include <cstring>
#include <functional>
#include <mpfr.h>

using namespace quorvel;
using quorvel::test::SeparatorScope;

using Call = std::function<long double()>;
Q_DECLARE_METATYPE(Call)
using Logarithm = std::function<long double(long double base, long double x)>;
Q_DECLARE_METATYPE(Logarithm)
Q_DECLARE_METATYPE(long double)

namespace {

// How far a long double lies from a real number, in units in the last place of the long
// double (the reference is computed by MPFR at 256 bits).
long double UlpsFrom(long double x, void (*reference)(mpfr_t)) {
    mpfr_t exact, ours;
    mpfr_inits2(256, exact, ours, static_cast<mpfr_ptr>(nullptr));
    reference(exact);
    mpfr_set_ld(ours, x, MPFR_RNDN);
    mpfr_sub(ours, ours, exact, MPFR_RNDN);
    const long double difference = mpfr_get_ld(ours, MPFR_RNDN);
    mpfr_clears(exact, ours, static_cast<mpfr_ptr>(nullptr));
    int exponent;
    std::frexp(x, &exponent);
    return difference / std::ldexp(1.0L, exponent - 64);
}

void MpfrPi(mpfr_t x) {
    mpfr_const_pi(x, MPFR_RNDN);
}
void MpfrHalfPi(mpfr_t x) {
    mpfr_const_pi(x, MPFR_RNDN), mpfr_div_ui(x, x, 2, MPFR_RNDN);
}
void MpfrTwoPi(mpfr_t x) {
    mpfr_const_pi(x, MPFR_RNDN), mpfr_mul_ui(x, x, 2, MPFR_RNDN);
}
void MpfrE(mpfr_t x) {
    mpfr_set_ui(x, 1, MPFR_RNDN), mpfr_exp(x, x, MPFR_RNDN);
}
void MpfrDegToRad(mpfr_t x) {
    MpfrPi(x), mpfr_div_ui(x, x, 180, MPFR_RNDN);
}
void MpfrRadToDeg(mpfr_t x) {
    MpfrPi(x), mpfr_ui_div(x, 180, x, MPFR_RNDN);
}
void MpfrGradToRad(mpfr_t x) {
    MpfrPi(x), mpfr_div_ui(x, x, 200, MPFR_RNDN);
}
void MpfrRadToGrad(mpfr_t x) {
    MpfrPi(x), mpfr_ui_div(x, 200, x, MPFR_RNDN);
}
void MpfrOneThird(mpfr_t x) {
    mpfr_set_ui(x, 1, MPFR_RNDN), mpfr_div_ui(x, x, 3, MPFR_RNDN);
}
void MpfrTenth(mpfr_t x) {
    mpfr_set_ui(x, 1, MPFR_RNDN), mpfr_div_ui(x, x, 10, MPFR_RNDN);
}

QString Text(long double x) {
    SeparatorScope scope(".");
    return QString::fromStdString(GeneralNumberText(x));
}

} // namespace

class TestGuardedMath : public QObject {
    Q_OBJECT

private slots:
    void constantsHaveTheirBitPatterns_data();
    void constantsHaveTheirBitPatterns();
    void constantsLieWhereTheirPatternsSay_data();
    void constantsLieWhereTheirPatternsSay();
    void results_data();
    void results();
    void failures_data();
    void failures();
    void floatingPointErrorsAreMathErrors();
    void factorialMatchesExactProducts();
    void logarithmsOfPowersAreWhole_data();
    void logarithmsOfPowersAreWhole();
};

void TestGuardedMath::constantsHaveTheirBitPatterns_data() {
    QTest::addColumn<long double>("constant");
    QTest::addColumn<uint>("signAndExponent");
    QTest::addColumn<qulonglong>("mantissa");
    using namespace MathConstants;
    QTest::addRow("zero limit") << ZeroLimit << 0x0001u << 0x81715A78058E9164ull;
    QTest::addRow("range limit") << RangeLimit << 0x7FFEu << 0xECB12AED7F5875E1ull;
    QTest::addRow("pi") << Pi << 0x4000u << 0xC90FDAA22168C234ull;
    QTest::addRow("half pi") << HalfPi << 0x3FFFu << 0xC90FDAA22168C234ull;
    QTest::addRow("e") << E << 0x4000u << 0xADF85458A2BB4A9Bull;
    QTest::addRow("angle limit") << AngleLimit << 0x403Eu << 0x8000000000000000ull;
    QTest::addRow("near-one band") << NearOneBand << 0x3FFBu << 0xCCCCCCCCCCCCCCCDull;
    QTest::addRow("one third") << OneThird << 0x3FFDu << 0xAAAAAAAAAAAAAAABull;
    QTest::addRow("degrees to radians") << DegToRad << 0x3FF9u << 0x8EFA351294E9C8AEull;
    QTest::addRow("radians to degrees") << RadToDeg << 0x4004u << 0xE52EE0D31E0FBDC3ull;
    QTest::addRow("grads to radians") << GradToRad << 0x3FF9u << 0x80ADFC90B938CE36ull;
    QTest::addRow("radians to grads") << RadToGrad << 0x4004u << 0xFEA5DD5C5A4A6111ull;
    QTest::addRow("two pi") << TwoPi << 0x4001u << 0xC90FDAA22168C235ull;
    QTest::addRow("digit limit") << DigitLimit << 0x7FFBu << 0xBD5A88BDFF79F7E7ull;
}

void TestGuardedMath::constantsHaveTheirBitPatterns() {
    QFETCH(long double, constant);
    QFETCH(uint, signAndExponent);
    QFETCH(qulonglong, mantissa);
    unsigned char bytes[10];
    std::memcpy(bytes, &constant, sizeof bytes);
    std::uint64_t storedMantissa;
    std::uint16_t storedExponent;
    std::memcpy(&storedMantissa, bytes, 8);
    std::memcpy(&storedExponent, bytes + 8, 2);
    QCOMPARE(storedMantissa, mantissa);
    QCOMPARE(uint(storedExponent), signAndExponent);
}

void TestGuardedMath::constantsLieWhereTheirPatternsSay_data() {
    // Each pattern against its exact value: nearest (|error| <= 0.5 ulp), truncated
    // (between -1 and 0 ulp) or one unit low (between -1.5 and -0.5 ulp).
    QTest::addColumn<long double>("constant");
    QTest::addColumn<void*>("reference");
    QTest::addColumn<double>("lowest");
    QTest::addColumn<double>("highest");
    using namespace MathConstants;
    auto add = [](const char* name, long double constant, void (*reference)(mpfr_t), double lo,
                  double hi) {
        QTest::addRow("%s", name) << constant << reinterpret_cast<void*>(reference) << lo << hi;
    };
    add("pi truncated", Pi, MpfrPi, -1, 0);
    add("half pi truncated", HalfPi, MpfrHalfPi, -1, 0);
    add("two pi nearest", TwoPi, MpfrTwoPi, -0.5, 0.5);
    add("e nearest", E, MpfrE, -0.5, 0.5);
    add("degrees to radians nearest", DegToRad, MpfrDegToRad, -0.5, 0.5);
    add("radians to degrees nearest", RadToDeg, MpfrRadToDeg, -0.5, 0.5);
    add("grads to radians nearest", GradToRad, MpfrGradToRad, -0.5, 0.5);
    add("radians to grads one unit low", RadToGrad, MpfrRadToGrad, -1.5, -0.5);
    add("one third nearest", OneThird, MpfrOneThird, -0.5, 0.5);
    add("near-one band nearest", NearOneBand, MpfrTenth, -0.5, 0.5);
}

void TestGuardedMath::constantsLieWhereTheirPatternsSay() {
    QFETCH(long double, constant);
    QFETCH(void*, reference);
    QFETCH(double, lowest);
    QFETCH(double, highest);
    const long double ulps = UlpsFrom(constant, reinterpret_cast<void (*)(mpfr_t)>(reference));
    QVERIFY2(ulps >= lowest && ulps <= highest, std::to_string(double(ulps)).c_str());
}

void TestGuardedMath::results_data() {
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("text"); // general number text with a point
    auto add = [](const char* name, Call call, const char* text) {
        QTest::addRow("%s", name) << call << QString(text);
    };
    add(
        "SafeDiv 0 by 0.5", [] { return SafeDiv(0, 0.5L); }, "0");
    add(
        "SafeDiv below the zero limit", [] { return SafeDiv(1e-4000L, 1e1000L); }, "0");
    add(
        "SafeSqrt 0", [] { return SafeSqrt(0); }, "0");
    add(
        "Lg 1000", [] { return Lg(1000); }, "3");
    add(
        "Lg next to 1000 keeps its last digits", [] { return Lg(1000 + 0x1p-49L) - 3; },
        "8.67361737988404E-19");
    add(
        "Ln 1", [] { return Ln(1); }, "0");
    add(
        "LogN 2 of 8", [] { return LogN(2, 8); }, "3");
    add(
        "Power 2 to 10", [] { return Power(2, 10); }, "1024");
    add(
        "Power 15 to 13", [] { return Power(15, 13); }, "1.94619506835938E15");
    add(
        "Power 0 to 0", [] { return Power(0, 0); }, "1");
    add(
        "Power 0 to -1", [] { return Power(0, -1); }, "0");
    add(
        "Power -2 to 3", [] { return Power(-2, 3); }, "-8");
    add(
        "Power -2 to 2", [] { return Power(-2, 2); }, "4");
    add(
        "Power -4 to 0.5 takes the magnitude", [] { return Power(-4, 0.5L); }, "2");
    add(
        "CubeRoot -27", [] { return CubeRoot(-27); }, "-3");
    add(
        "CubeRoot 0", [] { return CubeRoot(0); }, "0");
    add(
        "Factorial 5", [] { return Factorial(5); }, "120");
    add(
        "Factorial -3", [] { return Factorial(-3); }, "1");
    add(
        "Factorial 2.5 rounds to even", [] { return Factorial(2.5L); }, "2");
    add(
        "Factorial 3.5 rounds to even", [] { return Factorial(3.5L); }, "24");
    add(
        "Factorial below -2^31", [] { return Factorial(-1e10L); }, "1");
    add(
        "Factorial 1754", [] { return Factorial(1754); }, "1.97926189010501E4930");
    add(
        "SafeExp 11356", [] { return SafeExp(11356); }, "7.04914579998566E4931");
    add(
        "SafeExp -11000", [] { return SafeExp(-11000); }, "5.76366942916818E-4778");
    add(
        "ArcSin 1", [] { return ArcSin(1); }, "1.5707963267949");
    add(
        "ArcSin -1 is the half-pi constant", [] { return ArcSin(-1) + MathConstants::HalfPi; },
        "0");
    add(
        "ArcSin -0.9", [] { return ArcSin(-0.9L); }, "-1.11976951499863");
    add(
        "ArcCos -1 is the pi constant", [] { return ArcCos(-1) - MathConstants::Pi; }, "0");
    add(
        "ArcCos 1", [] { return ArcCos(1); }, "0");
    add(
        "ArcCos -0.9", [] { return ArcCos(-0.9L); }, "2.69056584179353");
    add(
        "ArcTan2 -1, 0", [] { return ArcTan2(-1, 0) - MathConstants::Pi; }, "0");
    add(
        "ArcTan2 0, -1", [] { return ArcTan2(0, -1) + MathConstants::HalfPi; }, "0");
    add(
        "ArcTan2 0, 0", [] { return ArcTan2(0, 0); }, "0");
    add(
        "ArcTan2 third quadrant", [] { return ArcTan2(-1, -1); }, "-2.35619449019234");
    add(
        "Sin of 2^63 is 0", [] { return Sin(0x1p63L); }, "0");
    add(
        "Cos of -2^64 is 0", [] { return Cos(-0x1p64L); }, "0");
    add(
        "Tan just below 2^63", [] { return Tan(0x1p63L - 1024); }, "-6.73483705532097");
    add(
        "Tanh 0", [] { return Tanh(0); }, "0");
    add(
        "Tanh beyond the exponent limit", [] { return Tanh(11357); }, "1");
    add(
        "Coth beyond the exponent limit", [] { return Coth(-20000); }, "-1");
    add(
        "ArCosh 1", [] { return ArCosh(1); }, "0");
    add(
        "Sinh 1e-20", [] { return Sinh(1e-20L); }, "1E-20");
    add(
        "Cosech 1e-20", [] { return Cosech(1e-20L); }, "1E20");
    add(
        "ArSinh -1e3000", [] { return ArSinh(-1e3000L); }, "-6908.4484261627");
    add(
        "ArCoth 1e4000", [] { return ArCoth(1e4000L); }, "1E-4000");
    add(
        "Sqr 3", [] { return Sqr(3); }, "9");
    add(
        "Cube -2", [] { return Cube(-2); }, "-8");
    add(
        "SafeSub of equal numbers", [] { return SafeSub(1e4000L, 1e4000L); }, "0");
    add(
        "SafeSub tiny first", [] { return SafeSub(1e-4935L, 5); }, "-5");
}

void TestGuardedMath::results() {
    QFETCH(Call, call);
    QFETCH(QString, text);
    QCOMPARE(Text(call()), text);
}

void TestGuardedMath::failures_data() {
    QTest::addColumn<Call>("call");
    QTest::addColumn<QString>("message");
    auto add = [](const char* name, Call call, const char* message) {
        QTest::addRow("%s", name) << call << QString(message);
    };
    const char* overflow = MathMessages::Overflow.text;
    const char* byZero = MathMessages::DivisionByZero.text;
    const char* invalid = MathMessages::InvalidValue.text;
    const char* negative = MathMessages::NegativeValue.text;
    add(
        "SafeDiv 5 by 0", [] { return SafeDiv(5, 0); }, byZero);
    add(
        "SafeDiv quotient too large", [] { return SafeDiv(1e4000L, 1e-1000L); }, byZero);
    add(
        "SafeDiv by less than the zero limit", [] { return SafeDiv(1, 1e-4935L); }, byZero);
    add(
        "Inverse 0", [] { return Inverse(0); }, byZero);
    add(
        "SafeAdd beyond the range", [] { return SafeAdd(1e4932L, 1e4932L); }, overflow);
    add(
        "SafeMul tiny", [] { return SafeMul(1e-3000L, 1e-3000L); }, overflow);
    add(
        "SafeMul huge", [] { return SafeMul(1e3000L, 1e3000L); }, overflow);
    add(
        "SafeSub huge opposite signs", [] { return SafeSub(1e4932L, -1e4932L); },
        "Floating point overflow");
    add(
        "SafeSqrt -4", [] { return SafeSqrt(-4); }, negative);
    add(
        "Ln 0", [] { return Ln(0); }, negative);
    add(
        "Lg -1", [] { return Lg(-1); }, negative);
    add(
        "Log2 below the zero limit", [] { return Log2(1e-4935L); }, negative);
    add(
        "LogN base 1", [] { return LogN(1, 8); }, byZero);
    add(
        "LogN negative base", [] { return LogN(-2, 8); }, negative);
    add(
        "LogN of 0 before base", [] { return LogN(-2, 0); }, negative);
    add(
        "Power of a base below the zero limit", [] { return Power(1e-4935L, 2); }, negative);
    add(
        "Power beyond the exponent limit", [] { return Power(10, 5000); }, overflow);
    add(
        "Power product overflow", [] { return Power(10, 1e4932L); }, "Floating point overflow");
    add(
        "CubeRoot below the zero limit", [] { return CubeRoot(-1e-4935L); }, negative);
    add(
        "SafeExp -11357", [] { return SafeExp(-11357); }, overflow);
    add(
        "SafeExp 11356.5", [] { return SafeExp(11356.5L); }, overflow);
    add(
        "Sinh 11357", [] { return Sinh(11357); }, overflow);
    add(
        "Cosh -11357", [] { return Cosh(-11357); }, overflow);
    add(
        "Sech 11357", [] { return Sech(11357); }, overflow);
    add(
        "Factorial 1754.4", [] { return Factorial(1754.4L); }, overflow);
    add(
        "Factorial 1755", [] { return Factorial(1755); }, overflow);
    add(
        "Factorial below the 64-bit range", [] { return Factorial(-1e19L); },
        "Invalid floating point operation");
    add(
        "ArcSin 1.0000001", [] { return ArcSin(1.0000001L); }, invalid);
    add(
        "ArcCos -2", [] { return ArcCos(-2); }, invalid);
    add(
        "ArcCot 0", [] { return ArcCot(0); }, byZero);
    add(
        "Tan 2^63", [] { return Tan(0x1p63L); }, MathMessages::AngleTooLarge.text);
    add(
        "Cot -2^63", [] { return Cot(-0x1p63L); }, MathMessages::AngleTooLarge.text);
    add(
        "Cot 0", [] { return Cot(0); }, "Floating point division by zero");
    add(
        "Sec 2^63", [] { return Sec(0x1p63L); }, invalid);
    add(
        "Cosec 0", [] { return Cosec(0); }, invalid);
    add(
        "Coth 0", [] { return Coth(0); }, byZero);
    add(
        "Cosech 0", [] { return Cosech(0); }, invalid);
    add(
        "ArCosh 0.5", [] { return ArCosh(0.5L); }, negative);
    add(
        "ArCosh -1", [] { return ArCosh(-1); }, negative);
    add(
        "ArTanh 1", [] { return ArTanh(1); }, invalid);
    add(
        "ArTanh -1", [] { return ArTanh(-1); }, invalid);
    add(
        "ArTanh 2", [] { return ArTanh(2); }, invalid);
    add(
        "ArCoth 1", [] { return ArCoth(1); }, invalid);
    add(
        "ArCoth -1", [] { return ArCoth(-1); }, invalid);
    add(
        "ArCoth 0", [] { return ArCoth(0); }, invalid);
}

void TestGuardedMath::failures() {
    QFETCH(Call, call);
    QFETCH(QString, message);
    try {
        const long double result = call();
        QFAIL(qPrintable("no failure, result " + Text(result)));
    } catch (const EMathError& error) {
        QCOMPARE(QString(error.what()), message);
    }
}

void TestGuardedMath::floatingPointErrorsAreMathErrors() {
    QVERIFY_THROWS_EXCEPTION(EZeroDivide, Cot(0));
    QVERIFY_THROWS_EXCEPTION(EOverflow, SafeSub(-1e4932L, 1e4932L));
    QVERIFY_THROWS_EXCEPTION(EInvalidOp, Factorial(-1e30L));
    // A text that is not a number is not a math error.
    QVERIFY((!std::is_base_of_v<EMathError, EConvertError>));
    QVERIFY((std::is_base_of_v<EMathError, EOverflow>));
}

void TestGuardedMath::factorialMatchesExactProducts() {
    // Every n! to 1754, against the exact product rounded once.
    mpfr_t exact;
    mpfr_init2(exact, 64);
    for (unsigned n = 0; n <= 1754; ++n) {
        mpfr_fac_ui(exact, n, MPFR_RNDN);
        const long double expected = mpfr_get_ld(exact, MPFR_RNDN);
        const long double ours = Factorial(n);
        if (ours != expected) {
            mpfr_clear(exact);
            QFAIL(qPrintable(QString("%1! is %2, not %3").arg(n).arg(Text(ours), Text(expected))));
        }
    }
    mpfr_clear(exact);
}

void TestGuardedMath::logarithmsOfPowersAreWhole_data() {
    QTest::addColumn<Logarithm>("logarithm");
    QTest::addColumn<long double>("base");
    const Logarithm logN = [](long double base, long double x) { return LogN(base, x); };
    QTest::addRow("Lg") << Logarithm([](long double, long double x) { return Lg(x); }) << 10.0L;
    QTest::addRow("Log2") << Logarithm([](long double, long double x) { return Log2(x); }) << 2.0L;
    QTest::addRow("LogN 10") << logN << 10.0L;
    QTest::addRow("LogN 3") << logN << 3.0L;
    QTest::addRow("LogN 7") << logN << 7.0L;
    QTest::addRow("LogN 0.5") << logN << 0.5L;
    QTest::addRow("LogN 1.5") << logN << 1.5L;
}

void TestGuardedMath::logarithmsOfPowersAreWhole() {
    // For every whole k whose power base^k is a positive extended number, the logarithm of the
    // extended number nearest to it (as typed or computed) is exactly k.
    QFETCH(Logarithm, logarithm);
    QFETCH(long double, base);
    mpfr_t power, exactBase;
    mpfr_init2(power, 64);
    mpfr_init2(exactBase, 64);
    mpfr_set_ld(exactBase, base, MPFR_RNDN);
    int checked = 0;
    QStringList misses;
    for (long k = -40000; k <= 40000; ++k) {
        mpfr_pow_si(power, exactBase, k, MPFR_RNDN);
        const long double x = mpfr_get_ld(power, MPFR_RNDN);
        if (k == 0 || !IsPositive(x) || std::isinf(x))
            continue;
        ++checked;
        const long double result = logarithm(base, x);
        if (result != k && misses.size() < 5)
            misses << QString("%1: %2").arg(k).arg(Text(result - k));
    }
    mpfr_clears(power, exactBase, static_cast<mpfr_ptr>(nullptr));
    QVERIFY(checked > 1000);
    QVERIFY2(misses.isEmpty(), qPrintable(misses.join(", ")));
}

QTEST_APPLESS_MAIN(TestGuardedMath)
#include "tst_guardedmath.moc"
