#pragma once

// The error classes of the program's heart. Every failure the calculator, the number text or the
// database code reports is one of these; the windows catch them by class and show the message.

#include <limits>
#include <stdexcept>
#include <string>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Quorvel computes in the 80-bit extended format (64-bit mantissa)");

namespace quorvel {

// Root of every error the program raises itself.
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A text that is not a number.
class EConvertError : public Error {
public:
    using Error::Error;
};

// A guarded math function refused its argument or its result.
class EMathError : public Error {
public:
    using Error::Error;
};

// The floating-point errors of steps that no guard covers; detected by explicit checks.
class EOverflow : public EMathError {
public:
    EOverflow() : EMathError("Floating point overflow") {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError("Floating point division by zero") {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError("Invalid floating point operation") {}
};

} // namespace quorvel
