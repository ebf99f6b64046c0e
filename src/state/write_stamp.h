#pragma once

// std
#include <bit>
#include <concepts>
#include <cstdint>
#include <type_traits>
#include <utility>

namespace pipstone {

// Goes up, in this thread, whenever a tile half's Top, a hand's entry or a
// number held as text changes value, whoever writes it. A rule that reads
// only such fields (and fields it compares itself) and finds the stamp where
// it left it knows that nothing it read has changed: the counts use it to
// skip a count that would only write what the fields already hold.
inline thread_local std::uint64_t writeStamp = 0;

// Goes up whenever a tile half's Left changes. Only closing up the rows reads
// a Left, so a tile sliding along a row or across the board leaves the counts
// alone.
inline thread_local std::uint64_t leftStamp = 0;

// Goes up whenever anything else the window shows changes: whether a control
// shows, its stacking, size and picture, a mark's frame and colours, the
// flying tile, the labels, the push buttons and the window's caption. With
// the two stamps above it tells the window that it still shows what it
// showed, without looking at every control.
inline thread_local std::uint64_t shownStamp = 0;

// The three stamps as they stand. While a reading taken earlier still equals
// the present one, nothing any of them watches has changed since.
struct StampReading {
    std::uint64_t write = 0, left = 0, shown = 0;
    bool operator==(const StampReading &) const = default;
};
inline StampReading readStamps()
{
    return {writeStamp, leftStamp, shownStamp};
}

struct WriteStampCounter {
    static std::uint64_t &value() { return writeStamp; }
};
struct LeftStampCounter {
    static std::uint64_t &value() { return leftStamp; }
};
struct ShownStampCounter {
    static std::uint64_t &value() { return shownStamp; }
};

// A value whose every change moves its stamp on: a tile half's coordinate in
// twips, an entry of a hand (the slot it names, 0 for none), a painted
// control's look. With `everyWrite`, every write moves the stamp without
// first comparing the value.
template <typename T, typename Counter = WriteStampCounter, bool everyWrite = false>
class Stamped {
public:
    constexpr Stamped(T value = T{})
        : value_(value)
    {
    }
    Stamped(const Stamped &) = default;
    Stamped &operator=(const Stamped &other) { return *this = other.value_; }
    Stamped &operator=(T value)
    {
        if constexpr (everyWrite) {
            value_ = value;
            ++Counter::value();
        } else {
            // Whether a write changes the value follows no pattern the
            // processor could learn, so it is counted without a branch.
            const bool changed = differs(value, value_);
            Counter::value() += changed;
            if constexpr (std::is_trivially_copyable_v<T>)
                value_ = value;
            else if (changed)
                value_ = std::move(value);
        }
        return *this;
    }
    constexpr operator const T &() const { return value_; }
    // Two stamped fields compare by value; a template, so that a field and a
    // plain value still compare as values.
    template <std::same_as<Stamped> Same>
    friend bool operator==(const Same &a, const Same &b)
    {
        return a.value_ == b.value_;
    }

private:
    // A coordinate changes when its bits do: writing -0 over 0 counts as a
    // change and the same NaN again as none, so that a plain value may be
    // stored whether it changed or not.
    static bool differs(const T &a, const T &b)
    {
        if constexpr (std::is_floating_point_v<T>) {
            using Bits = std::conditional_t<sizeof(T) == 4, std::uint32_t, std::uint64_t>;
            return std::bit_cast<Bits>(a) != std::bit_cast<Bits>(b);
        } else {
            return a != b;
        }
    }

    T value_;
};

using TileLeft = Stamped<float, LeftStampCounter>;
using TileTop = Stamped<float>;
using HandEntry = Stamped<int>;
// A field the board paints. The periodic check rewrites some of them at
// every tick with what they already hold, so a write compares first, or an
// idle board would look changed at every tick.
template <typename T>
using Shown = Stamped<T, ShownStampCounter>;
// A painted field written only when the board changes, and then mostly with
// a new value: a board mark (a redraw of the chain writes every cell), the
// stacking, the flying tile's place. Comparing first would only cost time.
template <typename T>
using MarkField = Stamped<T, ShownStampCounter, true>;

} // namespace pipstone
