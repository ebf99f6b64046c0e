#pragma once

// own
#include "state/game_state.h"

// std
#include <string>
#include <variant>
#include <vector>

// What the window shows, boiled down from the game state: the board marks and
// tile halves in stacking order, then the labels. The game reports changes far
// more often than anything visible changes (every step of a count, every
// field it writes), so the window compares the new list with the one it
// painted last and repaints only when they differ. That look happens dozens
// of times per timer tick, so a list is built again into the storage it
// already has, without allocating. Positions are in twips.
namespace pipstone {

struct DrawnShape {
    float Left, Top, Width, Height;
    Rgb border;
    int borderWidth;
    bool filled;
    Rgb fill;
    bool operator==(const DrawnShape &) const = default;
};

struct DrawnPicture {
    float Left, Top, Width, Height;
    int picture; // position in the picture table
    bool operator==(const DrawnPicture &) const = default;
};

struct DrawnText {
    std::string text;
    float Left, Top, Width, Height;
    std::string family;
    double points;
    bool bold;
    bool centred;
    Rgb color;
    bool operator==(const DrawnText &) const = default;
};

using DrawnItem = std::variant<DrawnShape, DrawnPicture>;

struct DisplayList {
    std::vector<DrawnItem> items; // bottom first
    std::vector<DrawnText> texts; // above the board marks, under what was brought to the front
    std::size_t itemsUnderTexts = 0; // the first items: marks sent to the back
    bool operator==(const DisplayList &) const = default;
};

// Builds display lists, keeping its working storage from one to the next.
class DisplayListBuilder {
public:
    // Writes what `state` shows into `list`, reusing the list's storage.
    void build(const GameState &state, DisplayList &list);

private:
    // An item with its place in the stacking order.
    struct Layered {
        long z;
        DrawnItem item;
    };
    void add(long z, const DrawnItem &item) { layered_.push_back({z, item}); }
    void addShape(const Shape &shape);
    void addHalf(const Picture &half);
    void addCover(const CoverBox &cover);
    void sortByStacking();

    std::vector<Layered> layered_;
};

DisplayList displayListOf(const GameState &state);

} // namespace pipstone
