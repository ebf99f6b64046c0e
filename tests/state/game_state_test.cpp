#include "state/game_state.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace pipstone {
namespace {

constexpr Rgb kBlack{0, 0, 0}, kWhite{255, 255, 255}, kGrey{224, 224, 224};

// Caption, place, font and colour of a label or button.
using Look = std::tuple<std::string, float, float, float, float, std::string, double, bool, bool, Rgb>;
template <class Control> Look lookOf(const Control &c)
{
    const Font &font = c.font;
    return {c.Caption, c.Left, c.Top, c.Width, c.Height, font.family, font.points, font.bold, font.centred, font.color};
}

// Place, border, fill and visibility of a board mark.
using Mark = std::tuple<float, float, float, float, Rgb, int, bool, Rgb, bool>;
Mark markOf(const Shape &m)
{
    return {m.Left, m.Top, m.Width, m.Height, m.BorderColor, m.BorderWidth, m.filled, m.FillColor, m.Visible};
}

TEST(GameState, TheWindowOpensWithEveryControlInItsPlace)
{
    const GameState s;
    const std::pair<Look, Look> controls[] = {
        {lookOf(s.Label2), {"Computer", 90, 45, 1395, 330, "Arial", 14.25, true, true, kBlack}},
        {lookOf(s.Label3), {"Score", 120, 690, 675, 285, "Arial", 12, true, false, kBlack}},
        {lookOf(s.compscore), {"000", 840, 645, 615, 375, "Arial", 14.25, true, false, kBlack}},
        {lookOf(s.Label5), {"Player", 240, 7605, 1005, 375, "Tahoma", 15.75, true, true, kBlack}},
        {lookOf(s.Label4), {"Score", 120, 8295, 480, 300, "Arial", 12, true, false, kBlack}},
        {lookOf(s.playerscore), {"000", 840, 8250, 615, 375, "Tahoma", 15.75, true, false, kBlack}},
        {lookOf(s.lStatus), {"Status", 4440, 1065, 1020, 375, "Tahoma", 15.75, true, false, Rgb{0, 0, 192}}},
        {lookOf(s.lblStatusBar), {"", 3285, 8910, 0, 375, "Tahoma", 15.75, true, false, kBlack}},
        {lookOf(s.PushButton3), {"Get Card", 45, 7170, 1100, 350, "Arial", 11.25, true, true, kBlack}},
        {lookOf(s.PushButton1), {"New Game", 135, 8865, 1500, 400, "Arial", 11.25, true, true, kBlack}},
        {lookOf(s.PushButton2), {"Cheat Comp.", 1755, 8865, 1500, 400, "Arial", 11.25, true, true, kBlack}},
    };
    for (const auto &[actual, expected] : controls)
        EXPECT_EQ(actual, expected) << std::get<0>(expected);
    EXPECT_TRUE(s.lStatus.autoSize && s.lblStatusBar.autoSize && !s.compscore.autoSize);
    for (const Label *label : {&s.Label2, &s.Label3, &s.compscore, &s.Label5, &s.Label4, &s.playerscore, &s.lStatus})
        EXPECT_TRUE(label->Visible) << label->Caption;
    EXPECT_TRUE(s.PushButton1.Enabled && s.PushButton2.Enabled);

    const std::pair<Mark, Mark> marks[] = {
        {markOf(s.Shape1), {1080, 1005, 10695, 6615, kBlack, 4, false, kWhite, true}},
        {markOf(s.Shape2[0]), {30, 45, 1500, 1020, Rgb{255, 0, 0}, 3, true, kWhite, true}},
        {markOf(s.Shape2[1]), {30, 7605, 1500, 1095, Rgb{0, 0, 255}, 3, true, kWhite, true}},
        {markOf(s.Shape3), {5880, 3870, 1125, 720, kBlack, 4, true, kWhite, true}},
        {markOf(s.Fir), {6000, 3975, 900, 495, kBlack, 2, true, kGrey, true}},
        {markOf(s.Shmove), {9600, 45, 480, 900, Rgb{0, 100, 0}, 2, false, kWhite, false}},
    };
    for (const auto &[actual, expected] : marks)
        EXPECT_EQ(actual, expected) << std::get<0>(expected) << "," << std::get<1>(expected);
    // The board frame lies lowest, the spot of the first tile on its frame, and every tile above them.
    EXPECT_TRUE(s.Shape1.z < std::min(s.Shape2[0].z, s.Shape2[1].z) && std::max(s.Shape2[0].z, s.Shape2[1].z) < s.Shape3.z
                && s.Shape3.z < s.Fir.z && s.Fir.z < 0 && s.zBottom == s.Shape1.z);
    EXPECT_EQ(std::make_tuple(s.Cover.Left, s.Cover.Top, s.Cover.Width, s.Cover.Height, s.Cover.Visible, s.Cover.CoverU,
                              s.Cover.CoverD),
              std::make_tuple(8880.f, 45.f, 500.f, 900.f, false, 8, 8));
    EXPECT_EQ(std::make_pair(s.Timer1.Interval, s.Timer2.Interval), std::make_pair(100, 100));
    EXPECT_TRUE(s.Timer1.Enabled && s.Timer2.Enabled);
    // The tile template: hidden, the back showing, the grabbing hand on its first half only.
    for (const Picture *half : {&s.lcard[0], &s.rcard[0]})
        EXPECT_EQ(std::make_tuple(half->Width, half->Height, half->picture, half->Visible), std::make_tuple(405.f, 405.f, 8, false));
    EXPECT_TRUE(s.lcard[0].handPointer && !s.rcard[0].handPointer);
}

TEST(GameState, HiddenFieldsHoldTheirStartValuesBeforeTheFirstDeal)
{
    const GameState s;
    const std::vector<std::string> fields{s.mturn, s.pno,     s.cno,     s.pull,   s.pmax,   s.max,    s.psc,
                                          s.csc,   s.ppsc,    s.ccsc,    s.cu,     s.cd,     s.AvPmove, s.AvCmove,
                                          s.Text1, s.mu,      s.md,      s.first[0], s.first[1], s.first[2], s.Label1,
                                          s.Label6, s.Label7, s.Label8,  s.Label9, s.Label10};
    EXPECT_EQ(fields, (std::vector<std::string>{"1", "7", "7", "0", "0", "0", "00", "00", "0", "0", "", "", "0", "0",
                                                "0", "", "", "0", "0", "0", "0", "", "", "0000", "0000", "0000"}));
    EXPECT_TRUE(s.List1.empty());
    EXPECT_EQ(std::vector<int>({s.Showcomppic, s.pextra, s.cextra, s.faceset, s.facemul, s.creveal, s.endflag, s.dragging}),
              std::vector<int>(8, 0));
}

// Whose turn it is reads from the status's whole text, however the text got
// there; a text that only resembles a status names nobody's turn.
TEST(GameState, TheStatusNamesATurnOnlyWithItsExactText)
{
    using Write = void (*)(ShownText &, const std::string &);
    const std::pair<const char *, Write> writes[] = {
        {"assigned", [](ShownText &t, const std::string &text) { t = text; }},
        {"joined", [](ShownText &t, const std::string &text) { t.join(text.substr(0, text.size() / 2), text.substr(text.size() / 2)); }},
        {"copied", [](ShownText &t, const std::string &text) { t = ShownText(text); }},
    };
    const std::pair<std::string, std::pair<bool, bool>> texts[] = {
        {kYourTurn, {true, false}},        {kComputerTurn, {false, true}},      {"Status", {false, false}},
        {"Status: Your Turn ", {false, false}}, {"status: Computer1", {false, false}}, {"", {false, false}},
    };
    for (const auto &[how, write] : writes) {
        for (const auto &[text, turns] : texts) {
            // From the other side's status, so that a turn left over from the last text shows.
            ShownText status(turns.first ? kComputerTurn : kYourTurn);
            write(status, text);
            EXPECT_EQ(std::make_pair(isYourTurn(status), isComputerTurn(status)), turns) << how << " \"" << text << '"';
        }
    }
    for (const auto &[text, turns] : texts) {
        const ShownText made(text), copy(made);
        EXPECT_EQ(std::make_pair(isYourTurn(copy), isComputerTurn(copy)), turns) << "made \"" << text << '"';
    }
}

} // namespace
} // namespace pipstone
