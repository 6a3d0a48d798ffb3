#pragma once

// Guarded math functions in extended precision. Each returns its result or throws EMathError with
// one of the QZMathConst messages; steps without a guard report the floating-point errors
// EOverflow, EZeroDivide and EInvalidOp, found by explicit checks (no traps).

#include <cstdint>

namespace quorvel {

namespace QZMathConst {
inline constexpr const char* Overflow = "Overflow";
inline constexpr const char* DivisionByZero = "Division by zero";
inline constexpr const char* InvalidValue = "Invalid value";
inline constexpr const char* NegativeValue = "Negativ value";
inline constexpr const char* AngleTooLarge = "Angle Magnitude too large";
} // namespace QZMathConst

// An extended number from its 80-bit pattern: the sign-and-exponent word and the mantissa.
long double ExtendedFromBits(std::uint16_t signAndExponent, std::uint64_t mantissa);

// The fixed constants. Several are deliberately not the nearest extended numbers to the value
// they are named after (pi and pi/2 are truncated); the bit patterns are what counts.
namespace QZConst {
extern const long double ZeroLimit;  // 3.4e-4932
extern const long double RangeLimit; // 1.1e4932
extern const long double Pi;
extern const long double HalfPi;
extern const long double E;
extern const long double AngleLimit;  // 2^63
extern const long double NearOneBand; // 0.1
extern const long double OneThird;
extern const long double DegToRad;
extern const long double RadToDeg;
extern const long double GradToRad;
extern const long double RadToGrad;
extern const long double TwoPi;
extern const long double DigitLimit; // 1.1e4931, above which the calculator takes no digits
inline constexpr float ExponentLimit = 11356;
inline constexpr float FactorialLimit = 1754;
} // namespace QZConst

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
