#pragma once

// own
#include "state/text_number.h"
#include "state/write_stamp.h"

// std
#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>

namespace pipstone {

// A text field that the game reads as a number again and again: a tile's
// pips, the open ends, the move counts. It holds its text exactly as written,
// and what that text reads as, worked out once when the text is written.
// Every change of its text moves the write stamp on.
class NumberText {
public:
    NumberText() = default;
    explicit NumberText(std::string text)
        : text_(std::move(text))
    {
        reread();
    }
    NumberText(const NumberText &) = default;
    NumberText(NumberText &&) = default;

    // Takes the other field's text and what it reads as; copies and moves
    // alike, so that swapping two tiles' pips moves the stamp too.
    NumberText &operator=(NumberText other) noexcept
    {
        if (text_ != other.text_) {
            text_ = std::move(other.text_);
            number_ = other.number_;
            whole_ = other.whole_;
            ++writeStamp;
        }
        return *this;
    }
    NumberText &operator=(std::string text)
    {
        if (text != text_) {
            text_ = std::move(text);
            reread();
        }
        return *this;
    }
    NumberText &operator=(const char *text)
    {
        if (text_ != text) {
            text_.assign(text);
            reread();
        }
        return *this;
    }

    // Trades texts with another field, as the shuffle trades two tiles' pips;
    // the stamp moves when the texts differ.
    void swap(NumberText &other) noexcept
    {
        if (*this == other)
            return;
        if (text_.size() == 1 && other.text_.size() == 1) // two pips
            std::swap(text_[0], other.text_[0]);
        else
            text_.swap(other.text_);
        std::swap(number_, other.number_);
        std::swap(whole_, other.whole_);
        ++writeStamp;
    }

    // Writes the decimal text of a whole number; a field that already holds
    // exactly that text is left alone.
    void setWhole(long long value)
    {
        if (value >= 0 && value < 10) { // most counts and pips
            const char digit = static_cast<char>('0' + value);
            if (text_.size() != 1 || text_[0] != digit) {
                text_.assign(1, digit);
                // A single digit reads as itself.
                number_ = static_cast<double>(value);
                whole_ = static_cast<int>(value);
                ++writeStamp;
            }
            return;
        }
        *this = toText(value);
    }

    const std::string &text() const { return text_; }
    operator const std::string &() const { return text_; }
    bool empty() const { return text_.empty(); }

    // What readNumber and readInt make of the text.
    double number() const { return number_; }
    int whole() const { return whole_; }

    bool operator==(const NumberText &other) const
    {
        // Most fields hold a single digit: compared without a library call.
        if (text_.size() == 1 && other.text_.size() == 1)
            return text_[0] == other.text_[0];
        return text_ == other.text_;
    }
    bool operator==(std::string_view other) const
    {
        if (text_.size() == 1 && other.size() == 1) // a pip against a pip
            return text_[0] == other[0];
        return text_ == other;
    }

private:
    NumberText &reread()
    {
        ++writeStamp;
        number_ = readNumber(text_);
        whole_ = readInt(text_);
        return *this;
    }

    std::string text_;
    double number_ = 0;
    int whole_ = 0;
};

inline double readNumber(const NumberText &field)
{
    return field.number();
}

inline int readInt(const NumberText &field)
{
    return field.whole();
}

// Adds delta to the number the field holds and writes it back as text.
inline void addTo(NumberText &field, long long delta)
{
    field.setWhole(field.whole() + delta);
}

// Joined with other text, as the text it holds.
inline std::string operator+(const NumberText &a, const NumberText &b)
{
    return a.text() + b.text();
}
inline std::string operator+(const NumberText &a, std::string_view b)
{
    return a.text() + std::string(b);
}
inline std::string operator+(std::string_view a, const NumberText &b)
{
    return std::string(a) + b.text();
}

std::ostream &operator<<(std::ostream &out, const NumberText &field);

} // namespace pipstone
