// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Guarded math functions in extended precision. Each returns its result or throws EMathError with
// one of the MathMessages messages; steps without a guard report the floating-point errors
// EOverflow, EZeroDivide and EInvalidOp, found by explicit checks (no traps).

#include "calc/message.h"

#include <bit>
#include <cstdint>

namespace quorvel {

// The calculator shows these after its own "!"; "Negativ" is the calculator's old spelling, which
// users' notes and scripts may quote.
namespace MathMessages {
//: The calculator's message for a result too large (or too close to zero) to hold; it shows
//: with "!" after it, as all the calculator's messages.
inline constexpr MessageTemplate Overflow = QUORVEL_MESSAGE("Math", "Overflow");
inline constexpr MessageTemplate DivisionByZero = QUORVEL_MESSAGE("Math", "Division by zero");
inline constexpr MessageTemplate InvalidValue = QUORVEL_MESSAGE("Math", "Invalid value");
//: The calculator's message for the square root or logarithm of a number below zero (the
//: English spelling without the final e is kept on purpose).
inline constexpr MessageTemplate NegativeValue = QUORVEL_MESSAGE("Math", "Negativ value");
//: The tangent or cotangent of an angle too large to reduce to one turn.
inline constexpr MessageTemplate AngleTooLarge =
    QUORVEL_MESSAGE("Math", "Angle Magnitude too large");
} // namespace MathMessages

// The 80-bit extended format as it lies in memory: the 64-bit mantissa with its explicit integer
// bit, the sign-and-exponent word, then padding up to the size of a long double.
struct ExtendedBits {
    std::uint64_t mantissa;
    std::uint16_t signAndExponent;
    std::uint16_t padding[3];
};
static_assert(sizeof(ExtendedBits) == sizeof(long double), "a long double holds the 80-bit format");

// An extended number from its 80-bit pattern: the sign-and-exponent word and the mantissa.
constexpr long double ExtendedFromBits(std::uint16_t signAndExponent, std::uint64_t mantissa) {
    return std::bit_cast<long double>(ExtendedBits{mantissa, signAndExponent, {}});
}
static_assert(ExtendedFromBits(0x3FFF, 0x8000000000000000) == 1.0L, "the 80-bit layout");
static_assert(ExtendedFromBits(0xC000, 0xC000000000000000) == -3.0L, "the 80-bit layout");

// The fixed constants, built from their bit patterns. Several are deliberately not the nearest
// extended numbers to the value they are named after (pi and pi/2 are truncated, radians to
// grads is one unit low); the bit patterns are what counts.
namespace MathConstants {
inline constexpr long double ZeroLimit = ExtendedFromBits(0x0001, 0x81715A78058E9164);
inline constexpr long double RangeLimit = ExtendedFromBits(0x7FFE, 0xECB12AED7F5875E1);
inline constexpr long double Pi = ExtendedFromBits(0x4000, 0xC90FDAA22168C234);
inline constexpr long double HalfPi = ExtendedFromBits(0x3FFF, 0xC90FDAA22168C234);
inline constexpr long double E = ExtendedFromBits(0x4000, 0xADF85458A2BB4A9B);
inline constexpr long double AngleLimit = ExtendedFromBits(0x403E, 0x8000000000000000);
inline constexpr long double NearOneBand = ExtendedFromBits(0x3FFB, 0xCCCCCCCCCCCCCCCD);
inline constexpr long double OneThird = ExtendedFromBits(0x3FFD, 0xAAAAAAAAAAAAAAAB);
inline constexpr long double DegToRad = ExtendedFromBits(0x3FF9, 0x8EFA351294E9C8AE);
inline constexpr long double RadToDeg = ExtendedFromBits(0x4004, 0xE52EE0D31E0FBDC3);
inline constexpr long double GradToRad = ExtendedFromBits(0x3FF9, 0x80ADFC90B938CE36);
inline constexpr long double RadToGrad = ExtendedFromBits(0x4004, 0xFEA5DD5C5A4A6111);
inline constexpr long double TwoPi = ExtendedFromBits(0x4001, 0xC90FDAA22168C235);
// 1.1e4931, above which the calculator takes no digits
inline constexpr long double DigitLimit = ExtendedFromBits(0x7FFB, 0xBD5A88BDFF79F7E7);
inline constexpr float ExponentLimit = 11356;
inline constexpr float FactorialLimit = 1754;

// Each pattern against the value it stands for (decimal literals round to nearest).
static_assert(ZeroLimit > 3.39e-4932L && ZeroLimit < 3.41e-4932L);
static_assert(RangeLimit > 1.09e4932L && RangeLimit < 1.11e4932L);
static_assert(DigitLimit > 1.09e4931L && DigitLimit < 1.11e4931L);
static_assert(Pi + 0x1p-62L == 3.14159265358979323846264338327950288L); // one unit below
static_assert(HalfPi * 2 == Pi);
static_assert(TwoPi == 2 * 3.14159265358979323846264338327950288L);
static_assert(E == 2.71828182845904523536028747135266250L);
static_assert(AngleLimit == 0x1p63L);
static_assert(NearOneBand == 0.1L);
static_assert(OneThird == 1.0L / 3);
static_assert(DegToRad == 0.0174532925199432957692369076848861271L);
static_assert(RadToDeg == 57.2957795130823208767981548141051703L);
static_assert(GradToRad == 0.0157079632679489661923132169163975144L);
static_assert(RadToGrad + 0x1p-58L == 63.6619772367581343075535053490057448L); // one unit below
} // namespace MathConstants

// The result of a step that no guard covers: a result beyond the extended range raises the
// floating-point overflow error (EOverflow).
long double CheckOverflow(long double x);

bool IsZero(long double x);
bool IsPositive(long double x);
int Sign(long double x);

long double SafeAdd(long double a, long double b);
long double SafeSub(long double a, long double b);
long double SafeMul(long double a, long double b);
long double SafeDiv(long double a, long double b);
long double Inverse(long double x);
long double Sqr(long double x);
long double Cube(long double x);

long double SafeSqrt(long double x);
long double SafeExp(long double x);
long double Power(long double base, long double y);
long double CubeRoot(long double x);

long double Lg(long double x);
long double Log2(long double x);
long double LogN(long double base, long double x);
long double Ln(long double x);

long double Factorial(long double x);
long double PiValue();

long double ArcTan2(long double x, long double y); // the angle of the point (x, y)
long double Sin(long double x);
long double Cos(long double x);
long double Tan(long double x);
long double Cot(long double x);
long double Sec(long double x);
long double Cosec(long double x);
long double ArcSin(long double x);
long double ArcCos(long double x);
long double ArcTan(long double x);
long double ArcCot(long double x);

long double Sinh(long double x);
long double Cosh(long double x);
long double Tanh(long double x);
long double Coth(long double x);
long double Sech(long double x);
long double Cosech(long double x);
long double ArSinh(long double x);
long double ArCosh(long double x);
long double ArTanh(long double x);
long double ArCoth(long double x);

} // namespace quorvel
