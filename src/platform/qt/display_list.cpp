#include "platform/qt/display_list.h"

// std
#include <algorithm>

namespace pipstone {

namespace {

// An item with its place in the stacking order. Controls at the same z keep
// the order in which the window was built: marks, then tiles by slot, then
// the flying tile.
struct Layered {
    long z;
    DrawnItem item;
};

void addShape(std::vector<Layered> &out, const Shape &shape)
{
    if (!shape.Visible)
        return;
    out.push_back({shape.z,
                   DrawnShape{shape.Left, shape.Top, shape.Width, shape.Height, shape.BorderColor,
                              shape.BorderWidth, shape.filled, shape.FillColor}});
}

void addHalf(std::vector<Layered> &out, const Picture &half)
{
    if (!half.exists || !half.Visible)
        return;
    out.push_back({half.z, DrawnPicture{half.Left, half.Top, half.Width, half.Height, half.picture}});
}

// The flying tile's box holds its two halves at fixed places inside it.
void addCover(std::vector<Layered> &out, const CoverBox &cover)
{
    if (!cover.Visible)
        return;
    out.push_back({cover.z, DrawnPicture{cover.Left, cover.Top, 400, 400, cover.CoverU}});
    out.push_back({cover.z, DrawnPicture{cover.Left, cover.Top + 420, 405, 405, cover.CoverD}});
}

void addText(std::vector<DrawnText> &out, const Label &label)
{
    if (!label.Visible || label.Caption.empty())
        return;
    const Font &f = label.font;
    out.push_back(DrawnText{label.Caption, label.Left, label.Top, label.Width, label.Height, f.family, f.points,
                            f.bold, f.centred, f.color});
}

} // namespace

DisplayList displayListOf(const GameState &s)
{
    std::vector<Layered> layered;
    layered.reserve(8 + 2 * kCells + 2 * kSlots + 2);
    for (const Shape *shape : {&s.Shape1, &s.Shape2[0], &s.Shape2[1], &s.Shape3, &s.Fir, &s.Shmove})
        addShape(layered, *shape);
    for (const auto *arm : {&s.Shl, &s.Shr})
        for (const Shape &cell : *arm)
            addShape(layered, cell);
    for (int slot = 1; slot <= kSlots; ++slot) {
        addHalf(layered, s.lcard[slot]);
        addHalf(layered, s.rcard[slot]);
    }
    addCover(layered, s.Cover);
    std::stable_sort(layered.begin(), layered.end(),
                     [](const Layered &a, const Layered &b) { return a.z < b.z; });

    DisplayList list;
    list.items.reserve(layered.size());
    // A tile in the hand, a dragged or a flying one has been brought to the
    // front: it shows above the labels. The board marks lie under them.
    for (Layered &entry : layered) {
        if (entry.z <= 0)
            ++list.itemsUnderTexts;
        list.items.push_back(std::move(entry.item));
    }
    for (const Label *label : {&s.Label2, &s.Label3, &s.compscore, &s.Label5, &s.Label4, &s.playerscore, &s.lStatus,
                               &s.lblStatusBar})
        addText(list.texts, *label);
    return list;
}

} // namespace pipstone
