// own
#include "platform/qt/view/display_list.h"
#include "platform/qt/qt_test_support.h"

// std
#include <gtest/gtest.h>

#include <functional>

namespace pipstone::testing {
namespace {

std::vector<DrawnPicture> picturesOf(const GameState &s)
{
    std::vector<DrawnPicture> pictures;
    for (const DrawnItem &item : displayListOf(s).items)
        if (const auto *picture = std::get_if<DrawnPicture>(&item))
            pictures.push_back(*picture);
    return pictures;
}

TEST(DisplayList, TheFrameFirstThenShownHalvesByStacking)
{
    GameState s;
    showHalf(s.lcard[1], 2000, 7675, 10).picture = 3;
    showHalf(s.rcard[1], 2000, 8095, 2).picture = 4;
    showHalf(s.lcard[2], 2500, 7675, 1).picture = 5;
    showHalf(s.lcard[3], 3000, 7675, 3).picture = 6;
    s.lcard[3].Visible = false;
    showHalf(s.lcard[4], 3500, 7675, 4).picture = 7;
    s.lcard[4].exists = false;
    const DisplayList list = displayListOf(s);
    ASSERT_FALSE(list.items.empty());
    EXPECT_EQ(std::get<DrawnShape>(list.items.front()).Left, s.Shape1.Left);
    std::vector<int> order;
    for (const DrawnPicture &p : picturesOf(s))
        order.push_back(p.picture);
    EXPECT_EQ(order, (std::vector<int>{5, 4, 3}));
}

TEST(DisplayList, FlyingTileShowsBothHalvesInsideItsBox)
{
    GameState s;
    s.Cover.Visible = true;
    s.Cover.Left = 5000;
    s.Cover.Top = 2000;
    s.Cover.CoverU = 4;
    s.Cover.CoverD = 7;
    EXPECT_EQ(picturesOf(s), (std::vector<DrawnPicture>{{5000, 2000, 400, 400, 4}, {5000, 2420, 405, 405, 7}}));
}

// The game reports every field it writes; only what shows may cause a paint.
// The builder's quick look at the state must see exactly the changes that
// make a different list, or a change would never be painted.
TEST(DisplayList, OnlyVisibleChangesMakeADifferentList)
{
    const struct {
        const char *name;
        std::function<void(GameState &)> change;
        bool shows;
    } cases[] = {
        {"hidden counter", [](GameState &s) { s.AvPmove = "3"; }, false},
        {"slot in Text1", [](GameState &s) { s.Text1 = "12"; }, false},
        {"hidden half moved", [](GameState &s) { s.lcard[5].Left = s.lcard[5].Left + 40; }, false},
        {"enabled flag", [](GameState &s) { s.lcard[1].Enabled = false; }, false},
        {"shown half moved", [](GameState &s) { s.lcard[1].Left = s.lcard[1].Left + 40; }, true},
        {"shown half moved down", [](GameState &s) { s.lcard[1].Top = s.lcard[1].Top + 40; }, true},
        {"shown half wider", [](GameState &s) { s.lcard[2].Width = 420; }, true},
        {"shown half taller", [](GameState &s) { s.lcard[2].Height = 420; }, true},
        {"picture changed", [](GameState &s) { s.lcard[1].picture = 12; }, true},
        {"brought to front", [](GameState &s) { s.bringToFront(s.lcard[1]); }, true},
        {"cell filled", [](GameState &s) { s.Shl[3].FillColor = Rgb{1, 2, 3}; }, true},
        {"status text", [](GameState &s) { s.lStatus.Caption = "Status: Computer1"; }, true},
        {"score", [](GameState &s) { s.compscore.Caption = "012"; }, true},
        {"hidden cell filled", [](GameState &s) { s.Shr[4].FillColor = Rgb{1, 2, 3}; }, false},
        {"cell shown", [](GameState &s) { s.Shr[4].Visible = true; }, true},
        {"cell hidden", [](GameState &s) { s.Shl[3].Visible = false; }, true},
        {"cell border", [](GameState &s) { s.Shl[3].BorderWidth = 3; }, true},
        {"half hidden", [](GameState &s) { s.lcard[2].Visible = false; }, true},
        {"half gone", [](GameState &s) { s.lcard[1].exists = false; }, true},
        {"flying tile shown", [](GameState &s) { s.Cover.Visible = true; }, true},
        {"flying tile moved", [](GameState &s) { s.Cover.Visible = true; s.Cover.Left = 5000; }, true},
        {"cell moved", [](GameState &s) { s.Shl[3].Top = s.Shl[3].Top + 15; }, true},
        {"cell border colour", [](GameState &s) { s.Shl[3].BorderColor = Rgb{9, 9, 9}; }, true},
        {"cell emptied", [](GameState &s) { s.Shl[3].filled = false; }, true},
        {"cell sent back", [](GameState &s) { s.sendToBack(s.Shl[3]); }, true},
        {"hidden flying tile's picture", [](GameState &s) { s.Cover.CoverD = 3; }, false},
        {"label font", [](GameState &s) { s.Label2.font = Font{"Arial", 20, true, false, Rgb{}}; }, true},
        {"label moved", [](GameState &s) { s.lStatus.Top = 1100; }, true},
        {"label hidden", [](GameState &s) { s.lStatus.Visible = false; }, true},
    };
    for (const auto &c : cases) {
        GameState s;
        showHalf(s.lcard[1], 2000, 7675, 1).picture = 3;
        showHalf(s.lcard[2], 2500, 7675, 2).picture = 4;
        s.zTop = 2;
        s.Shl[3].Visible = s.Shl[3].filled = true;
        DisplayListBuilder builder;
        DisplayList before;
        builder.build(s, before);
        ASSERT_TRUE(builder.stillShows(s, before)) << c.name;
        c.change(s);
        EXPECT_EQ(displayListOf(s) != before, c.shows) << c.name;
        EXPECT_EQ(builder.stillShows(s, before), !c.shows) << c.name;
    }
}

// A builder answers for the list it built last and the state it built it
// from: another state with other tiles does not show as that list.
TEST(DisplayList, AnotherStateIsLookedAt)
{
    GameState first;
    GameState second;
    showHalf(second.lcard[1], 2000, 7675, 1).picture = 3;
    DisplayListBuilder builder;
    DisplayList list;
    builder.build(second, list);
    builder.build(first, list);
    EXPECT_FALSE(builder.stillShows(second, list));
}

} // namespace
} // namespace pipstone::testing
