#pragma once

// own
#include "state/text_number.h"
#include "state/write_stamp.h"

// std
#include <ostream>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

namespace pipstone {

// A text field that the game reads as a number again and again: a tile's
// pips, the open ends, the move counts, the hidden numbers of a hand. It holds
// its text exactly as written, and what that text reads as, worked out once
// when the text is written. Every change of its text moves the stamp of
// `Counter` on (none for void).
template <typename Counter>
class BasicNumberText {
public:
    BasicNumberText() = default;
    explicit BasicNumberText(std::string text)
        : text_(std::move(text))
    {
        reread();
    }
    BasicNumberText(const BasicNumberText &) = default;
    BasicNumberText(BasicNumberText &&) = default;

    // Takes the other field's text and what it reads as; copies and moves
    // alike, so that swapping two tiles' pips moves the stamp too.
    BasicNumberText &operator=(BasicNumberText other) noexcept
    {
        if (text_ != other.text_) {
            text_ = std::move(other.text_);
            number_ = other.number_;
            whole_ = other.whole_;
            moveStamp();
        }
        return *this;
    }
    BasicNumberText &operator=(std::string text)
    {
        if (text != text_) {
            text_ = std::move(text);
            reread();
        }
        return *this;
    }
    BasicNumberText &operator=(const char *text)
    {
        if (text_ != text) {
            text_.assign(text);
            reread();
        }
        return *this;
    }

    // Trades texts with another field, as the shuffle trades two tiles' pips;
    // the stamp moves when the texts differ.
    void swap(BasicNumberText &other) noexcept
    {
        if (*this == other)
            return;
        if (text_.size() == 1 && other.text_.size() == 1) // two pips
            std::swap(text_[0], other.text_[0]);
        else
            text_.swap(other.text_);
        std::swap(number_, other.number_);
        std::swap(whole_, other.whole_);
        moveStamp();
    }

    // Writes the decimal text of a whole number; a field that already holds
    // exactly that text is left alone.
    void setWhole(long long value)
    {
        if (value >= 0 && value < 10) { // most counts and pips
            const char digit = static_cast<char>('0' + value);
            if (text_.size() != 1 || text_[0] != digit) {
                text_.assign(1, digit);
                wrote(value);
            }
            return;
        }
        if (value >= 10 && value < 100) { // slot numbers and a hand's pips
            const char tens = static_cast<char>('0' + value / 10), ones = static_cast<char>('0' + value % 10);
            if (text_.size() == 2) { // written over in place
                if (text_[0] == tens && text_[1] == ones)
                    return;
                text_[0] = tens;
                text_[1] = ones;
            } else {
                text_.assign({tens, ones});
            }
            wrote(value);
            return;
        }
        setWide(value);
    }

    const std::string &text() const { return text_; }
    operator const std::string &() const { return text_; }
    bool empty() const { return text_.empty(); }

    // What readNumber and readInt make of the text.
    double number() const { return number_; }
    int whole() const { return whole_; }

    bool operator==(const BasicNumberText &other) const
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
    // A number below 0 or past two digits: rare, so kept out of the callers.
    [[gnu::noinline]] void setWide(long long value) { *this = toText(value); }
    // Plain digits read as the number they write.
    void wrote(long long value)
    {
        number_ = static_cast<double>(value);
        whole_ = static_cast<int>(value);
        moveStamp();
    }
    static void moveStamp()
    {
        if constexpr (!std::is_void_v<Counter>)
            ++Counter::value();
    }
    BasicNumberText &reread()
    {
        moveStamp();
        number_ = readNumber(text_);
        whole_ = readInt(text_);
        return *this;
    }

    std::string text_;
    double number_ = 0;
    int whole_ = 0;
};

// The fields whose changes the write stamp watches: a tile's pips, the open
// ends, the move counts.
using NumberText = BasicNumberText<WriteStampCounter>;
// The hidden numbers of a hand, which no stamp watches: who opens it, the
// tiles and pips each side holds, the draws, the stock drawn, the slot in
// hand, the arms' counters.
using HiddenNumber = BasicNumberText<void>;

template <typename C>
double readNumber(const BasicNumberText<C> &field)
{
    return field.number();
}

template <typename C>
int readInt(const BasicNumberText<C> &field)
{
    return field.whole();
}

// Writes the shortest decimal text of a whole number, as toText gives it.
template <typename C>
void writeWhole(BasicNumberText<C> &field, long long value)
{
    field.setWhole(value);
}

// Adds delta to the number the field holds and writes it back as text.
template <typename C>
void addTo(BasicNumberText<C> &field, long long delta)
{
    field.setWhole(field.whole() + delta);
}

// Joined with other text, as the text it holds.
template <typename A, typename B>
std::string operator+(const BasicNumberText<A> &a, const BasicNumberText<B> &b)
{
    return a.text() + b.text();
}
template <typename C>
std::string operator+(const BasicNumberText<C> &a, std::string_view b)
{
    return a.text() + std::string(b);
}
template <typename C>
std::string operator+(std::string_view a, const BasicNumberText<C> &b)
{
    return std::string(a) + b.text();
}

template <typename C>
std::ostream &operator<<(std::ostream &out, const BasicNumberText<C> &field)
{
    return out << field.text();
}

} // namespace pipstone
