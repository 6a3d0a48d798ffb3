// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/message.h"

namespace quorvel {

Message::Message(MessageTemplate form, std::vector<Message> texts)
    : form_(form), texts_(std::move(texts)) {}

Message::Message(std::string verbatim) : verbatim_(std::move(verbatim)) {}

Message Message::Number(std::string pointText) {
    Message number(std::move(pointText));
    number.number_ = true;
    return number;
}

std::string Message::English() const {
    if (IsVerbatim())
        return verbatim_;
    std::vector<std::string> texts;
    texts.reserve(texts_.size());
    for (const Message& text : texts_)
        texts.push_back(text.English());
    return FillIn(form_.text, texts);
}

std::string FillIn(std::string_view form, const std::vector<std::string>& texts) {
    std::string filled;
    filled.reserve(form.size());
    for (size_t k = 0; k < form.size(); ++k) {
        const bool place =
            form[k] == '%' && k + 1 < form.size() && form[k + 1] >= '1' && form[k + 1] <= '9';
        const size_t text = place ? static_cast<size_t>(form[k + 1] - '1') : texts.size();
        if (text < texts.size()) {
            filled += texts[text];
            ++k;
        } else {
            filled += form[k];
        }
    }
    return filled;
}

} // namespace quorvel
