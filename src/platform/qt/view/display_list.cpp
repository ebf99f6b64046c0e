#include "platform/qt/view/display_list.h"

// own
#include "state/write_stamp.h"

// std
#include <bit>
#include <cstdint>
#include <type_traits>

namespace pipstone {

namespace {

// Calls see(z, shows, item) for every control that may paint on the board,
// in the order the window was built: marks, then tiles by slot, then the two
// halves of the flying tile. `item` is called for what the control paints,
// when that is wanted: most cells are hidden.
template <typename See>
void visitControls(const GameState &s, See &&see)
{
    const auto shape = [&see](const Shape &c) {
        see(c.z, c.Visible, [&c] {
            return DrawnShape{c.Left, c.Top, c.Width, c.Height, c.BorderColor, c.BorderWidth, c.filled, c.FillColor};
        });
    };
    for (const Shape *mark : {&s.Shape1, &s.Shape2[0], &s.Shape2[1], &s.Shape3, &s.Fir, &s.Shmove})
        shape(*mark);
    for (const auto *arm : {&s.Shl, &s.Shr})
        for (const Shape &cell : *arm)
            shape(cell);
    const auto half = [&see](const Picture &h) {
        see(h.z, h.exists && h.Visible, [&h] { return DrawnPicture{h.Left, h.Top, h.Width, h.Height, h.picture}; });
    };
    for (int slot = 1; slot <= kSlots; ++slot) {
        half(s.lcard[slot]);
        half(s.rcard[slot]);
    }
    // The flying tile's box holds its two halves at fixed places inside it.
    const CoverBox &cover = s.Cover;
    see(cover.z, cover.Visible, [&cover] { return DrawnPicture{cover.Left, cover.Top, 400, 400, cover.CoverU}; });
    see(cover.z, cover.Visible,
        [&cover] { return DrawnPicture{cover.Left, cover.Top + 420, 405, 405, cover.CoverD}; });
}

// Calls see(label) for every label, in the order they are painted.
template <typename See>
void visitLabels(const GameState &s, See &&see)
{
    for (const Label *label : {&s.Label2, &s.Label3, &s.compscore, &s.Label5, &s.Label4, &s.playerscore, &s.lStatus,
                               &s.lblStatusBar})
        see(*label);
}

bool labelShows(const Label &label)
{
    return label.Visible && !label.Caption.empty();
}

bool drawnAs(const Label &label, const DrawnText &text)
{
    const Font &f = label.font;
    return text.text == label.Caption && text.Left == label.Left && text.Top == label.Top &&
           text.Width == label.Width && text.Height == label.Height && text.family == f.family &&
           text.points == f.points && text.bold == f.bold && text.centred == f.centred && text.color == f.color;
}

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

std::uint32_t bitsOf(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

// Whether a shown control still paints what it painted at the last build.
// Most of what shows are tile halves: their fields' bits are folded together,
// so that a look takes one branch per half instead of one per field. (Two
// zeros of different sign then count as a change; the list built after it
// compares equal, and nothing is painted.)
bool paintsAsBefore(const DrawnPicture &now, const DrawnPicture &before)
{
    return ((bitsOf(now.Left) ^ bitsOf(before.Left)) | (bitsOf(now.Top) ^ bitsOf(before.Top)) |
            (bitsOf(now.Width) ^ bitsOf(before.Width)) | (bitsOf(now.Height) ^ bitsOf(before.Height)) |
            static_cast<std::uint32_t>(now.picture ^ before.picture)) == 0;
}

bool paintsAsBefore(const DrawnShape &now, const DrawnShape &before)
{
    return now == before;
}

} // namespace

// Controls at the same z keep the order in which the window was built. The
// items come nearly in order already, so a stable insertion sort is quick and
// needs no extra storage.
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

DisplayListBuilder::Stamps DisplayListBuilder::stampsOf(const GameState &state)
{
    return {&state, readStamps()};
}

void DisplayListBuilder::build(const GameState &s, DisplayList &list)
{
    lookedAt_ = stampsOf(s);
    layered_.clear();
    shapes_.clear();
    pictures_.clear();
    visitControls(s, [this](long z, bool shows, const auto &item) {
        using Item = decltype(item());
        const Item drawn = shows ? item() : Item{};
        if (shows)
            layered_.push_back({z, drawn});
        if constexpr (std::is_same_v<Item, DrawnShape>)
            shapes_.push_back({shows, z, drawn});
        else
            pictures_.push_back({shows, z, drawn});
    });
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

    textAt_.clear();
    std::size_t shown = 0;
    visitLabels(s, [&](const Label &label) {
        textAt_.push_back(labelShows(label) ? static_cast<int>(shown) : -1);
        if (!labelShows(label))
            return;
        if (shown == list.texts.size())
            list.texts.emplace_back();
        writeText(list.texts[shown++], label);
    });
    list.texts.resize(shown);
    built_ = true;
}

[[gnu::hot]] bool DisplayListBuilder::stillShows(const GameState &s, const DisplayList &list)
{
    if (!built_)
        return false;
    const Stamps now = stampsOf(s);
    if (now == lookedAt_)
        return true;
    if (!controlsStillShow(s) || !labelsStillShow(s, list))
        return false;
    lookedAt_ = now;
    return true;
}

// The same walk as build(), comparing each control with what it was then
// instead of writing the list: a control that did not show and still does
// not costs one test. A control whose z changed counts as a change, though
// the stacking order may be the same.
bool DisplayListBuilder::controlsStillShow(const GameState &s) const
{
    bool same = true;
    std::size_t shape = 0;
    std::size_t picture = 0;
    visitControls(s, [&](long z, bool shows, const auto &item) {
        const auto &seen = [&]() -> const auto & {
            if constexpr (std::is_same_v<decltype(item()), DrawnShape>)
                return shapes_[shape++];
            else
                return pictures_[picture++];
        }();
        same = same && shows == seen.shows && (!shows || (z == seen.z && paintsAsBefore(item(), seen.item)));
    });
    return same;
}

bool DisplayListBuilder::labelsStillShow(const GameState &s, const DisplayList &list) const
{
    bool same = true;
    std::size_t label = 0;
    visitLabels(s, [&](const Label &l) {
        const int at = textAt_[label++];
        if (same && labelShows(l) != (at >= 0))
            same = false;
        else if (same && at >= 0)
            same = drawnAs(l, list.texts[at]);
    });
    return same;
}

DisplayList displayListOf(const GameState &state)
{
    DisplayList list;
    DisplayListBuilder().build(state, list);
    return list;
}

} // namespace pipstone
