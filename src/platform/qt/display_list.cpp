#include "platform/qt/display_list.h"

namespace pipstone {

namespace {

// Writes a label into the entry of the list that showed a label last time,
// so that its texts keep their storage.
void writeText(DrawnText &out, const Label &label)
{
    const Font &f = label.font;
    out.text = label.Caption;
    out.Left = label.Left;
    out.Top = label.Top;
    out.Width = label.Width;
    out.Height = label.Height;
    out.family = f.family;
    out.points = f.points;
    out.bold = f.bold;
    out.centred = f.centred;
    out.color = f.color;
}

} // namespace

void DisplayListBuilder::addShape(const Shape &shape)
{
    if (shape.Visible)
        add(shape.z, DrawnShape{shape.Left, shape.Top, shape.Width, shape.Height, shape.BorderColor, shape.BorderWidth,
                                shape.filled, shape.FillColor});
}

void DisplayListBuilder::addHalf(const Picture &half)
{
    if (half.exists && half.Visible)
        add(half.z, DrawnPicture{half.Left, half.Top, half.Width, half.Height, half.picture});
}

// The flying tile's box holds its two halves at fixed places inside it.
void DisplayListBuilder::addCover(const CoverBox &cover)
{
    if (!cover.Visible)
        return;
    add(cover.z, DrawnPicture{cover.Left, cover.Top, 400, 400, cover.CoverU});
    add(cover.z, DrawnPicture{cover.Left, cover.Top + 420, 405, 405, cover.CoverD});
}

// Controls at the same z keep the order in which the window was built: marks,
// then tiles by slot, then the flying tile. The items come nearly in order
// already, so a stable insertion sort is quick and needs no extra storage.
void DisplayListBuilder::sortByStacking()
{
    for (std::size_t i = 1; i < layered_.size(); ++i) {
        if (layered_[i - 1].z <= layered_[i].z)
            continue;
        Layered moving = layered_[i];
        std::size_t j = i;
        for (; j > 0 && layered_[j - 1].z > moving.z; --j)
            layered_[j] = layered_[j - 1];
        layered_[j] = moving;
    }
}

void DisplayListBuilder::build(const GameState &s, DisplayList &list)
{
    layered_.clear();
    for (const Shape *shape : {&s.Shape1, &s.Shape2[0], &s.Shape2[1], &s.Shape3, &s.Fir, &s.Shmove})
        addShape(*shape);
    for (const auto *arm : {&s.Shl, &s.Shr})
        for (const Shape &cell : *arm)
            addShape(cell);
    for (int slot = 1; slot <= kSlots; ++slot) {
        addHalf(s.lcard[slot]);
        addHalf(s.rcard[slot]);
    }
    addCover(s.Cover);
    sortByStacking();

    // A tile in the hand, a dragged or a flying one has been brought to the
    // front: it shows above the labels. The board marks lie under them.
    list.items.clear();
    list.itemsUnderTexts = 0;
    for (const Layered &entry : layered_) {
        if (entry.z <= 0)
            ++list.itemsUnderTexts;
        list.items.push_back(entry.item);
    }
    std::size_t shown = 0;
    for (const Label *label : {&s.Label2, &s.Label3, &s.compscore, &s.Label5, &s.Label4, &s.playerscore, &s.lStatus,
                               &s.lblStatusBar}) {
        if (!label->Visible || label->Caption.empty())
            continue;
        if (shown == list.texts.size())
            list.texts.emplace_back();
        writeText(list.texts[shown++], *label);
    }
    list.texts.resize(shown);
}

DisplayList displayListOf(const GameState &state)
{
    DisplayList list;
    DisplayListBuilder().build(state, list);
    return list;
}

} // namespace pipstone
