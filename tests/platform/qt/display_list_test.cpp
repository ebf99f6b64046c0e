// own
#include "platform/qt/display_list.h"

// std
#include <gtest/gtest.h>

#include <functional>

namespace pipstone {
namespace {

void placeHalf(Picture &half, float left, float top, int picture, long z)
{
    half.exists = true;
    half.Visible = true;
    half.Left = left;
    half.Top = top;
    half.picture = picture;
    half.z = z;
}

std::vector<DrawnPicture> picturesOf(const DisplayList &list)
{
    std::vector<DrawnPicture> pictures;
    for (const DrawnItem &item : list.items)
        if (const auto *picture = std::get_if<DrawnPicture>(&item))
            pictures.push_back(*picture);
    return pictures;
}

TEST(DisplayList, BoardFrameLiesUnderTheOtherMarks)
{
    GameState s;
    const DisplayList list = displayListOf(s);
    ASSERT_FALSE(list.items.empty());
    const auto &first = std::get<DrawnShape>(list.items.front());
    EXPECT_EQ(first.Left, s.Shape1.Left);
    EXPECT_EQ(first.Width, s.Shape1.Width);
}

TEST(DisplayList, HigherStackingIsDrawnLater)
{
    GameState s;
    placeHalf(s.lcard[1], 2000, 7675, 3, 10);
    placeHalf(s.rcard[1], 2000, 8095, 4, 2);
    placeHalf(s.lcard[2], 2500, 7675, 5, 1);
    const std::vector<DrawnPicture> pictures = picturesOf(displayListOf(s));
    ASSERT_EQ(pictures.size(), 3u);
    EXPECT_EQ(pictures[0].picture, 5);
    EXPECT_EQ(pictures[1].picture, 4);
    EXPECT_EQ(pictures[2].picture, 3);
}

TEST(DisplayList, OnlyCreatedAndVisibleHalvesAreShown)
{
    GameState s;
    placeHalf(s.lcard[1], 2000, 7675, 3, 1);
    placeHalf(s.lcard[2], 2500, 7675, 4, 1);
    s.lcard[2].Visible = false;
    placeHalf(s.lcard[3], 3000, 7675, 5, 1);
    s.lcard[3].exists = false;
    const std::vector<DrawnPicture> pictures = picturesOf(displayListOf(s));
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].picture, 3);
}

TEST(DisplayList, FlyingTileShowsBothHalvesInsideItsBox)
{
    GameState s;
    s.Cover.Visible = true;
    s.Cover.Left = 5000;
    s.Cover.Top = 2000;
    s.Cover.CoverU = 4;
    s.Cover.CoverD = 7;
    const std::vector<DrawnPicture> pictures = picturesOf(displayListOf(s));
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0], (DrawnPicture{5000, 2000, 400, 400, 4}));
    EXPECT_EQ(pictures[1], (DrawnPicture{5000, 2420, 405, 405, 7}));
}

TEST(DisplayList, LabelsWithoutTextAreLeftOut)
{
    GameState s;
    s.lblStatusBar.Caption = "";
    s.lStatus.Caption = "Status: Your Turn";
    const DisplayList list = displayListOf(s);
    ASSERT_EQ(list.texts.size(), 7u);
    EXPECT_EQ(list.texts.front().text, "Computer");
    EXPECT_EQ(list.texts.back().text, "Status: Your Turn");
}

// The game reports every field it writes; only what shows may cause a paint.
struct ChangeCase {
    const char *name;
    std::function<void(GameState &)> change;
    bool shows;
};

TEST(DisplayList, OnlyVisibleChangesMakeADifferentList)
{
    const std::vector<ChangeCase> cases = {
        {"hidden counter", [](GameState &s) { s.AvPmove = "3"; }, false},
        {"slot in Text1", [](GameState &s) { s.Text1 = "12"; }, false},
        {"hidden half moved", [](GameState &s) { s.lcard[5].Left += 40; }, false},
        {"enabled flag", [](GameState &s) { s.lcard[1].Enabled = false; }, false},
        {"shown half moved", [](GameState &s) { s.lcard[1].Left += 40; }, true},
        {"picture changed", [](GameState &s) { s.lcard[1].picture = 12; }, true},
        {"brought to front", [](GameState &s) { s.bringToFront(s.lcard[1]); }, true},
        {"cell filled", [](GameState &s) { s.Shl[3].FillColor = Rgb{1, 2, 3}; }, true},
        {"status text", [](GameState &s) { s.lStatus.Caption = "Status: Computer1"; }, true},
        {"score", [](GameState &s) { s.compscore.Caption = "012"; }, true},
    };
    for (const ChangeCase &c : cases) {
        GameState s;
        placeHalf(s.lcard[1], 2000, 7675, 3, 1);
        placeHalf(s.lcard[2], 2500, 7675, 4, 2);
        s.zTop = 2;
        s.Shl[3].Visible = true;
        s.Shl[3].filled = true;
        const DisplayList before = displayListOf(s);
        c.change(s);
        EXPECT_EQ(displayListOf(s) != before, c.shows) << c.name;
    }
}

} // namespace
} // namespace pipstone
