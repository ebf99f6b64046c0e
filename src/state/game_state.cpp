#include "state/game_state.h"

// own
#include "board/cells.h"

// std
#include <array>
#include <utility>

namespace pipstone {

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kLightGrey{224, 224, 224};
constexpr Rgb kDarkBlue{0, 0, 192};

Shape frame(float left, float top, float width, float height, Rgb border, int borderWidth)
{
    Shape s;
    s.Left = left;
    s.Top = top;
    s.Width = width;
    s.Height = height;
    s.BorderColor = border;
    s.BorderWidth = borderWidth;
    s.filled = true;
    s.FillColor = kWhite;
    return s;
}

// The labels and buttons are made where they stand: a new window writes none
// of their fields twice.
Label label(const char *caption, float left, float top, float width, float height, Font font, bool autoSize = false)
{
    return Label{.Caption = ShownText(caption), .Left = left, .Top = top, .Width = width, .Height = height,
                 .font = std::move(font), .autoSize = autoSize};
}

PushButton button(const char *caption, float left, float top, float width, float height)
{
    return PushButton{.Caption = ShownText(caption), .Left = left, .Top = top, .Width = width, .Height = height,
                      .font = Font{"Arial", 11.25, true, true, kBlack}};
}

// An arm's cells, each made in its place.
template <std::size_t... K>
std::array<Shape, kCells> cells(Arm arm, std::index_sequence<K...>)
{
    return {cellShape(arm, K)...};
}

Font bold(const char *family, double points, Rgb color = kBlack) { return Font{family, points, true, false, color}; }

} // namespace

GameState::GameState()
    : Shape1(frame(1080, 1005, 10695, 6615, kBlack, 4))
    , Shape2{frame(30, 45, 1500, 1020, Rgb{255, 0, 0}, 3), frame(30, 7605, 1500, 1095, Rgb{0, 0, 255}, 3)}
    , Shape3(frame(5880, 3870, 1125, 720, kBlack, 4))
    , Fir(frame(6000, 3975, 900, 495, kBlack, 2))
    , Shmove(frame(9600, 45, 480, 900, Rgb{0, 100, 0}, 2))
    , Shl(cells(Arm::Left, std::make_index_sequence<kCells>{}))
    , Shr(cells(Arm::Right, std::make_index_sequence<kCells>{}))
    , Label2(label("Computer", 90, 45, 1395, 330, Font{"Arial", 14.25, true, true, kBlack}))
    , Label3(label("Score", 120, 690, 675, 285, bold("Arial", 12)))
    , compscore(label("000", 840, 645, 615, 375, bold("Arial", 14.25)))
    , Label5(label("Player", 240, 7605, 1005, 375, Font{"Tahoma", 15.75, true, true, kBlack}))
    , Label4(label("Score", 120, 8295, 480, 300, bold("Arial", 12)))
    , playerscore(label("000", 840, 8250, 615, 375, bold("Tahoma", 15.75)))
    , lStatus(label("Status", 4440, 1065, 1020, 375, bold("Tahoma", 15.75, kDarkBlue), true))
    , lblStatusBar(label("", 3285, 8910, 0, 375, bold("Tahoma", 15.75), true))
    , PushButton1(button("New Game", 135, 8865, 1500, 400))
    , PushButton2(button("Cheat Comp.", 1755, 8865, 1500, 400))
    , PushButton3(button("Get Card", 45, 7170, 1100, 350))
{
    for (auto *half : {&lcard[0], &rcard[0]}) {
        half->Visible = false;
        half->picture = 8;
    }
    lcard[0].handPointer = true;

    Shape1.filled = false;
    Fir.FillColor = kLightGrey;
    Shmove.filled = false;
    Shmove.Visible = false;
    // The frames lie under everything, the board frame lowest and the spot of
    // the first tile above it.
    Fir.z = -1;
    Shape3.z = -2;
    Shape2[1].z = -3;
    Shape2[0].z = -4;
    Shape1.z = -5;
    zBottom = -5;
}

} // namespace pipstone
