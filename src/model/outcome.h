#pragma once

#include <string>
#include <utility>
#include <vector>

namespace greenfold {

enum class Icon { none, information, question, exclamation, stop };

// A message for the user, in the program's own words; the windows show it.
struct Message {
    std::string text;
    std::string title = "Greenfold";
    Icon icon = Icon::none;
    std::string details = {}; // a long table shown under the text, in a fixed-width font
    bool operator==(const Message&) const = default;
};

// What an operation on the model or its files came to. The core never asks the user
// anything itself: it returns what should be said, and whether it worked.
struct Outcome {
    bool ok = true;
    std::vector<Message> messages;

    explicit operator bool() const { return ok; }

    static Outcome failure(Message m) { return Outcome{false, {std::move(m)}}; }
    Outcome& add(Message m) {
        messages.push_back(std::move(m));
        return *this;
    }
    Outcome& merge(const Outcome& other) {
        ok = ok && other.ok;
        messages.insert(messages.end(), other.messages.begin(), other.messages.end());
        return *this;
    }
};

} // namespace greenfold
