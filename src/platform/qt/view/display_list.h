#pragma once

// own
#include "state/game_state.h"

// std
#include <cstdint>
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

// Builds display lists, keeping its working storage from one to the next,
// and tells at little cost whether the list it built last still shows the
// state: the window asks that dozens of times per timer tick.
class DisplayListBuilder {
public:
    // Writes what `state` shows into `list`, reusing the list's storage.
    void build(const GameState &state, DisplayList &list);
    // True when `list`, the list this builder built last, still shows `state`.
    bool stillShows(const GameState &state, const DisplayList &list);

private:
    // A control that shows, with its place in the stacking order.
    struct Layered {
        long z;
        DrawnItem item;
    };
    void sortByStacking();
    bool controlsStillShow(const GameState &state) const;
    bool labelsStillShow(const GameState &state, const DisplayList &list) const;

    // The state and its stamps when it was last found to show as the list
    // has it. While no stamp has moved, nothing on the board can paint
    // differently, and nothing is looked at.
    struct Stamps {
        const GameState *state = nullptr;
        StampReading stamps;
        bool operator==(const Stamps &) const = default;
    };
    static Stamps stampsOf(const GameState &state);
    Stamps lookedAt_;

    // A control as the last list took it: whether it showed, its z and what
    // it painted. Kept by kind, so that a look compares plain fields.
    template <typename Item>
    struct Seen {
        bool shows;
        long z;
        Item item;
    };

    std::vector<Layered> layered_;
    bool built_ = false;
    // By control in the order the window was built, shapes and pictures apart.
    std::vector<Seen<DrawnShape>> shapes_;
    std::vector<Seen<DrawnPicture>> pictures_;
    // By label: where it stands in the last list, -1 when it did not show.
    std::vector<int> textAt_;
};

DisplayList displayListOf(const GameState &state);

} // namespace pipstone
