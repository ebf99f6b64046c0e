#pragma once

// own
#include "state/write_stamp.h"

// std
#include <ostream>
#include <string>
#include <string_view>

namespace pipstone {

// The text a label shows: its every change moves the shown stamp on. It
// reads as the text it holds; writing the text it already holds changes
// nothing, so the totals may be written at every tick.
class ShownText {
public:
    ShownText() = default;
    explicit ShownText(std::string text)
        : text_(std::move(text))
    {
    }
    ShownText(const ShownText &) = default;
    ShownText &operator=(const ShownText &other) { return *this = std::string_view(other.text_); }
    ShownText &operator=(std::string_view text)
    {
        if (text_ != text) {
            text_.assign(text);
            ++shownStamp;
        }
        return *this;
    }

    // Writes the parts one after the other as the text, building it where
    // it keeps its storage from one writing to the next.
    template <typename... Parts>
    ShownText &join(const Parts &...parts)
    {
        thread_local std::string joined;
        joined.clear();
        (joined += ... += parts);
        return *this = joined;
    }

    const std::string &text() const { return text_; }
    operator const std::string &() const { return text_; }
    operator std::string_view() const { return text_; }
    bool empty() const { return text_.empty(); }
    std::size_t size() const { return text_.size(); }

    friend bool operator==(const ShownText &a, const ShownText &b) { return a.text_ == b.text_; }
    friend bool operator==(const ShownText &a, std::string_view b) { return a.text_ == b; }
    friend std::string operator+(const ShownText &a, const ShownText &b) { return a.text_ + b.text_; }
    friend std::string operator+(std::string_view a, const ShownText &b) { return std::string(a) + b.text_; }
    friend std::string operator+(const ShownText &a, std::string_view b) { return a.text_ + std::string(b); }
    friend std::ostream &operator<<(std::ostream &out, const ShownText &t) { return out << t.text_; }

private:
    std::string text_;
};

} // namespace pipstone
