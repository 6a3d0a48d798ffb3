// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/guardedmath.h"

#include "calc/errors.h"

#include <cmath>

namespace quorvel {

namespace {

using namespace MathConstants;

[[noreturn]] void Fail(MessageTemplate message) {
    throw EMathError(message);
}

bool IsOddInteger(long double y) {
    return std::nearbyint(y) == y && std::fmod(y, 2.0L) != 0;
}

// Shared guard of the exponential family: e^x only for |x| up to 11356.
void CheckExponent(long double x) {
    if (std::fabs(x) > ExponentLimit)
        Fail(MathMessages::Overflow);
}

void CheckLogArgument(long double x) {
    if (!IsPositive(x))
        Fail(MathMessages::NegativeValue);
}

void CheckAngle(long double x) {
    if (std::fabs(x) >= AngleLimit)
        Fail(MathMessages::AngleTooLarge);
}

// A positive number (hi + lo) x 2^exponent with hi in [0.5, 1): about 128 bits of mantissa, and
// an exponent of its own, so that neither the number nor its low part leaves the extended range.
struct Scaled {
    long double hi;
    long double lo;
    long long exponent;
};

constexpr Scaled ScaledOne{0.5L, 0, 1};

Scaled Normalized(long double hi, long double lo, long long exponent) {
    int shift;
    hi = std::frexp(hi, &shift);
    return {hi, std::ldexp(lo, -shift), exponent + shift};
}

Scaled Multiply(const Scaled& a, const Scaled& b) {
    const long double product = a.hi * b.hi;
    const long double error = std::fma(a.hi, b.hi, -product) + (a.hi * b.lo + a.lo * b.hi);
    const long double hi = product + error;
    return Normalized(hi, error - (hi - product), a.exponent + b.exponent);
}

// The extended number nearest to the value, when it lies in the extended range.
long double Rounded(const Scaled& value) {
    return std::ldexp(value.hi + value.lo, value.exponent);
}

Scaled Reciprocal(const Scaled& a) {
    const long double hi = 1 / a.hi;
    return Normalized(hi, (-std::fma(a.hi, hi, -1) - a.lo * hi) / a.hi, -a.exponent);
}

// base^n for a whole n.
Scaled WholePower(long double base, long long n) {
    Scaled result = ScaledOne;
    Scaled square = Normalized(base, 0, 0);
    for (unsigned long long m = n < 0 ? -static_cast<unsigned long long>(n) : n; m != 0; m >>= 1) {
        if (m & 1)
            result = Multiply(result, square);
        square = Multiply(square, square);
    }
    return n < 0 ? Reciprocal(result) : result;
}

// A logarithm of x to the base, computed to within a few units of its last place, is one unit
// off at many exact powers (log10 of 1000 lies above 3). When x is the extended number nearest
// to base^k for the whole number k next to the logarithm, the result is exactly k, so that a
// user subtracting k sees 0.
long double WholeAtPowers(long double base, long double x, long double logarithm) {
    const long double k = std::nearbyint(logarithm);
    if (k == logarithm || k == 0 || std::fabs(k) > 0x1p62L)
        return logarithm;
    const long double unitOfK = std::ldexp(1.0L, std::ilogb(k) - 63);
    if (std::fabs(logarithm - k) > 16 * unitOfK)
        return logarithm;
    // x, a normal number, must be the extended number nearest to the power.
    return x == Rounded(WholePower(base, static_cast<long long>(k))) ? k : logarithm;
}

// 1/x for a reciprocal circular or hyperbolic function: an exact zero of x is the function's pole,
// an invalid value; a tiny x fails as a division by zero, as in Inverse.
long double ReciprocalOffPole(long double x) {
    if (x == 0)
        Fail(MathMessages::InvalidValue);
    return Inverse(x);
}

// sqrt(1 - x^2) without the cancellation of 1 - x*x near |x| = 1.
long double CoSide(long double x) {
    return std::sqrt((1 - x) * (1 + x));
}

} // namespace

long double CheckOverflow(long double x) {
    if (!std::isfinite(x))
        throw EOverflow();
    return x;
}

bool IsZero(long double x) {
    return std::fabs(x) < ZeroLimit;
}

bool IsPositive(long double x) {
    return x >= ZeroLimit;
}

int Sign(long double x) {
    return x < 0 ? -1 : x == 0 ? 0 : 1;
}

long double SafeAdd(long double a, long double b) {
    if (RangeLimit - std::fabs(b) > std::fabs(a))
        return a + b;
    Fail(MathMessages::Overflow);
}

long double SafeSub(long double a, long double b) {
    if (a == b)
        return 0;
    if (IsZero(a))
        return -b;
    if (IsZero(b))
        return a;
    return CheckOverflow(a - b);
}

long double SafeMul(long double a, long double b) {
    if (IsZero(a) || IsZero(b))
        return 0;
    const long double magnitude = std::fabs(a);
    if (magnitude > 1 ? RangeLimit / magnitude > std::fabs(b)
                      : ZeroLimit / magnitude < std::fabs(b))
        return a * b;
    Fail(MathMessages::Overflow); // a product that would fall to the zero limit counts too
}

long double SafeDiv(long double a, long double b) {
    if (IsZero(b))
        Fail(MathMessages::DivisionByZero);
    if (std::fabs(b) < 1 && std::fabs(a) >= RangeLimit * std::fabs(b))
        Fail(MathMessages::DivisionByZero);
    return a / b; // a quotient below the zero limit is simply tiny or zero
}

long double Inverse(long double x) {
    return SafeDiv(1, x);
}

long double Sqr(long double x) {
    return SafeMul(x, x);
}

long double Cube(long double x) {
    return SafeMul(x, SafeMul(x, x));
}

long double SafeSqrt(long double x) {
    if (x < 0)
        Fail(MathMessages::NegativeValue);
    return std::sqrt(x);
}

long double SafeExp(long double x) {
    CheckExponent(x);
    return std::exp(x);
}

long double Power(long double base, long double y) {
    if (base == 0)
        return y == 0 ? 1 : 0;
    // The guards of e^(y ln|base|): ln's domain, the unguarded product, the exponent limit.
    const long double magnitude = std::fabs(base);
    CheckExponent(CheckOverflow(y * Ln(magnitude)));
    const long double result = std::pow(magnitude, y);
    // A negative base keeps its sign for an odd whole exponent; any other exponent gives the
    // power of the magnitude (the cube root relies on that and applies the sign itself).
    return base < 0 && IsOddInteger(y) ? -result : result;
}

long double CubeRoot(long double x) {
    if (x == 0)
        return 0;
    CheckLogArgument(std::fabs(x)); // as Power(|x|, 1/3): a magnitude below the zero limit fails
    return std::cbrt(x);
}

long double Lg(long double x) {
    CheckLogArgument(x);
    return WholeAtPowers(10, x, std::log10(x));
}

long double Log2(long double x) {
    CheckLogArgument(x);
    return std::log2(x);
}

long double LogN(long double base, long double x) {
    CheckLogArgument(x);
    CheckLogArgument(base);
    return WholeAtPowers(base, x, SafeDiv(std::log2(x), std::log2(base)));
}

long double Ln(long double x) {
    CheckLogArgument(x);
    return std::log(x);
}

long double Factorial(long double x) {
    if (x > FactorialLimit)
        Fail(MathMessages::Overflow);
    const long double n = std::nearbyint(x); // ties to even
    if (n < -0x1p63L)
        throw EInvalidOp(); // no 64-bit count of factors
    // The product 1 x 2 x ... x n, carried with about 128 bits so that it stays correctly
    // rounded to the end instead of collecting an error at every factor.
    Scaled product = ScaledOne;
    for (long double k = 2; k <= n; ++k)
        product = Multiply(product, Normalized(k, 0, 0));
    return Rounded(product);
}

long double PiValue() {
    return Pi;
}

long double ArcTan2(long double x, long double y) {
    if (x == 0)
        return y == 0 ? 0 : y > 0 ? HalfPi : -HalfPi;
    if (y == 0)
        return x > 0 ? 0 : Pi;
    return std::atan2(y, x);
}

long double Sin(long double x) {
    return std::fabs(x) >= AngleLimit ? 0 : std::sin(x);
}

long double Cos(long double x) {
    return std::fabs(x) >= AngleLimit ? 0 : std::cos(x);
}

long double Tan(long double x) {
    CheckAngle(x);
    return std::tan(x);
}

long double Cot(long double x) {
    CheckAngle(x);
    const long double tangent = std::tan(x);
    if (tangent == 0)
        throw EZeroDivide();
    return CheckOverflow(1 / tangent);
}

long double Sec(long double x) {
    return ReciprocalOffPole(Cos(x));
}

long double Cosec(long double x) {
    return ReciprocalOffPole(Sin(x));
}

long double ArcSin(long double x) {
    if (std::fabs(x) > 1)
        Fail(MathMessages::InvalidValue);
    const long double side = CoSide(x);
    if (std::fabs(x) <= side)
        return std::asin(x);
    return Sign(x) * (HalfPi - ArcTan2(std::fabs(x), side));
}

long double ArcCos(long double x) {
    if (std::fabs(x) > 1)
        Fail(MathMessages::InvalidValue);
    const long double side = CoSide(x);
    if (std::fabs(x) <= side)
        return std::acos(x);
    return ArcTan2(x, side);
}

long double ArcTan(long double x) {
    return ArcTan2(1, x);
}

long double ArcCot(long double x) {
    return ArcTan(Inverse(x));
}

long double Sinh(long double x) {
    CheckExponent(x);
    return std::sinh(x);
}

long double Cosh(long double x) {
    CheckExponent(x);
    return std::cosh(x);
}

long double Tanh(long double x) {
    return std::tanh(x);
}

long double Coth(long double x) {
    return Inverse(Tanh(x));
}

long double Sech(long double x) {
    return Inverse(Cosh(x)); // cosh is never 0
}

long double Cosech(long double x) {
    return ReciprocalOffPole(Sinh(x));
}

long double ArSinh(long double x) {
    return std::asinh(x);
}

long double ArCosh(long double x) {
    if (x < 1)
        Fail(MathMessages::NegativeValue);
    return std::acosh(x);
}

long double ArTanh(long double x) {
    if (std::fabs(x) >= 1)
        Fail(MathMessages::InvalidValue);
    return std::atanh(x);
}

long double ArCoth(long double x) {
    if (std::fabs(x) <= 1)
        Fail(MathMessages::InvalidValue);
    // arcoth x = ln((x + 1) / (x - 1)) / 2 = log1p(2 / (x - 1)) / 2, exact near 1 and far out.
    const long double magnitude = std::log1p(2 / (std::fabs(x) - 1)) / 2;
    return x < 0 ? -magnitude : magnitude;
}

} // namespace quorvel
