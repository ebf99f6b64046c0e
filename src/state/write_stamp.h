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

// A tile half's coordinate in twips: a float whose every change moves the
// write stamp on.
class TileCoordinate {
public:
    constexpr TileCoordinate(float value = 0)
        : value_(value)
    {
    }
    TileCoordinate(const TileCoordinate &) = default;
    TileCoordinate &operator=(const TileCoordinate &other) { return *this = other.value_; }
    TileCoordinate &operator=(float value)
    {
        if (value != value_) {
            value_ = value;
            ++writeStamp;
        }
        return *this;
    }
    constexpr operator float() const { return value_; }

private:
    float value_;
};

} // namespace pipstone
