#pragma once

// std
#include <cstdint>

namespace pipstone {

// Goes up, in this thread, whenever a tile half's place or a number held as
// text changes value, whoever writes it. A rule that reads only such fields
// (and fields it compares itself) and finds the stamp where it left it knows
// that nothing it read has changed: the counts use it to skip a count that
// would only write what the fields already hold.
inline thread_local std::uint64_t writeStamp = 0;

// A value whose every change moves the write stamp on: a tile half's
// coordinate in twips, an entry of a hand (the slot it names, 0 for none).
template <typename T>
class Stamped {
public:
    constexpr Stamped(T value = 0)
        : value_(value)
    {
    }
    Stamped(const Stamped &) = default;
    Stamped &operator=(const Stamped &other) { return *this = other.value_; }
    Stamped &operator=(T value)
    {
        if (value != value_) {
            value_ = value;
            ++writeStamp;
        }
        return *this;
    }
    constexpr operator T() const { return value_; }

private:
    T value_;
};

using TileCoordinate = Stamped<float>;
using HandEntry = Stamped<int>;

} // namespace pipstone
