// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Messages for the user. The heart knows no toolkit and speaks English; the windows speak the
// user's language. A message is an English template with the places %1, %2, ... and the texts
// that fill them: an error of the heart carries its message, its what() is the English text, and
// the windows translate the template and fill in the texts, themselves translated where they are
// messages (a file's or a unit's name is the user's and stays as it is).
//
// QUORVEL_MESSAGE(context, "template") marks a template for lupdate, which reads it as
// QT_TRANSLATE_NOOP (the build runs lupdate with -tr-function-alias): the context and the
// template are what a translation is found by.

#include <string>
#include <string_view>
#include <vector>

#define QUORVEL_MESSAGE(context, text) (::quorvel::MessageTemplate{context, text})

namespace quorvel {

struct MessageTemplate {
    const char* context;
    const char* text;
};

class Message {
public:
    Message() = default; // no message
    Message(MessageTemplate form, std::vector<Message> texts = {});
    // A text shown as it is, in every language: a name, an integer, an example to type.
    Message(std::string verbatim);
    Message(const char* verbatim) : Message(std::string(verbatim)) {}
    // A number written with a decimal point ("-273.15"): so in English, with the locale's
    // decimal separator where the user reads it.
    static Message Number(std::string pointText);

    bool IsEmpty() const { return !form_.text && verbatim_.empty(); }
    bool IsVerbatim() const { return !form_.text; }
    bool IsNumber() const { return number_; }
    const MessageTemplate& Template() const { return form_; }
    const std::vector<Message>& Texts() const { return texts_; }
    const std::string& Verbatim() const { return verbatim_; }
    std::string English() const;

private:
    MessageTemplate form_{nullptr, nullptr};
    std::string verbatim_;
    bool number_ = false;
    std::vector<Message> texts_;
};

// The template with each of %1 to %9 replaced by its text, in one pass: a text that holds "%2"
// keeps it. A place without a text stays as it is.
std::string FillIn(std::string_view form, const std::vector<std::string>& texts);

} // namespace quorvel
