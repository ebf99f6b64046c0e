#pragma once

// own
#include "state/write_stamp.h"

// std
#include <cstdint>
#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

namespace pipstone {

// The two texts of the status label, which tell whose turn it is.
inline constexpr std::string_view kYourTurnText = "Status: Your Turn";
inline constexpr std::string_view kComputerTurnText = "Status: Computer1";

// The text a label shows: its every change moves the shown stamp on. It
// reads as the text it holds; writing the text it already holds changes
// nothing, so the totals may be written at every tick.
class ShownText {
public:
    ShownText() = default;
    explicit ShownText(std::string text)
        : text_(std::move(text))
    {
        noteTurn();
    }
    ShownText(const ShownText &) = default;
    ShownText &operator=(const ShownText &other) { return *this = std::string_view(other.text_); }
    ShownText &operator=(std::string_view text)
    {
        if (text_ != text) {
            // The status and the bar mostly change to a text of the same
            // length ("Your Turn" and "Computer1", one pip for another): it
            // is written over in place.
            if (text_.size() == text.size())
                std::memcpy(text_.data(), text.data(), text.size());
            else
                text_.assign(text);
            noteTurn();
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

    // Whose turn the text announces, if it is one of the status texts. The
    // rules ask the status whose turn it is at every step, so this is worked
    // out once, as the text is written.
    enum class Turn : std::uint8_t { None, Player, Computer };
    Turn turn() const { return turn_; }

    friend bool operator==(const ShownText &a, const ShownText &b) { return a.text_ == b.text_; }
    friend bool operator==(const ShownText &a, std::string_view b) { return a.text_ == b; }
    friend std::string operator+(const ShownText &a, const ShownText &b) { return a.text_ + b.text_; }
    friend std::string operator+(std::string_view a, const ShownText &b) { return std::string(a) + b.text_; }
    friend std::string operator+(const ShownText &a, std::string_view b) { return a.text_ + std::string(b); }
    friend std::ostream &operator<<(std::ostream &out, const ShownText &t) { return out << t.text_; }

private:
    void noteTurn()
    {
        turn_ = text_ == kYourTurnText ? Turn::Player : text_ == kComputerTurnText ? Turn::Computer : Turn::None;
    }

    std::string text_;
    Turn turn_ = Turn::None;
};

} // namespace pipstone
