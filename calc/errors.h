// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The error classes of the program's heart. Every failure the calculator, the number text or the
// database code reports is one of these; the windows catch them by class and show the message,
// translated.

#include "calc/message.h"

#include <limits>
#include <stdexcept>
#include <string>

static_assert(std::numeric_limits<long double>::digits == 64,
              "Quorvel computes in the 80-bit extended format (64-bit mantissa)");

namespace quorvel {

// Root of every error the program raises itself: what() is the message in English.
class Error : public std::runtime_error {
public:
    explicit Error(Message message)
        : std::runtime_error(message.English()), message_(std::move(message)) {}
    explicit Error(MessageTemplate form, std::vector<Message> texts = {})
        : Error(Message(form, std::move(texts))) {}
    // A bare text could not be translated: every message has a template.
    Error(const std::string&) = delete;
    Error(const char*) = delete;

    const Message& UserMessage() const { return message_; }

private:
    Message message_;
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
    EOverflow() : EMathError(QUORVEL_MESSAGE("Math", "Floating point overflow")) {}
};

class EZeroDivide : public EMathError {
public:
    EZeroDivide() : EMathError(QUORVEL_MESSAGE("Math", "Floating point division by zero")) {}
};

class EInvalidOp : public EMathError {
public:
    EInvalidOp() : EMathError(QUORVEL_MESSAGE("Math", "Invalid floating point operation")) {}
};

} // namespace quorvel
