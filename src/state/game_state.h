#pragma once

// own
#include "state/controls.h"
#include "state/player_aids.h"
#include "state/write_stamp.h"

// std
#include <array>
#include <cstddef>
#include <string>
#include <vector>

// The whole state of a match: the 28 tile slots, the named fields that hold
// numbers and pips as text, the window-level variables and the visible
// controls. Where a tile is (stock, a hand, the board) is read back from the
// position of its first half, so positions are part of the game, not just of
// its picture.
namespace pipstone {

inline constexpr int kSlots = 28;
inline constexpr int kCells = 28;

inline const std::string kYourTurn{kYourTurnText};
inline const std::string kComputerTurn{kComputerTurnText};

inline bool isYourTurn(const ShownText &status)
{
    return status.turn() == ShownText::Turn::Player;
}
inline bool isComputerTurn(const ShownText &status)
{
    return status.turn() == ShownText::Turn::Computer;
}

// A side's hand list: entry k names the slot of its k-th tile, 0 for none.
using Hand = std::array<HandEntry, kSlots + 1>;

struct GameState {
    GameState();

    // Tile slots 1..28; element 0 is the hidden template of each half.
    std::array<Picture, kSlots + 1> lcard;
    std::array<Picture, kSlots + 1> rcard;

    // Hidden fields, text as the window holds them.
    HiddenNumber mturn{"1"};
    HiddenNumber pno{"7"};
    HiddenNumber cno{"7"};
    HiddenNumber pull{"0"};
    HiddenNumber pmax{"0"};
    HiddenNumber max{"0"};
    HiddenNumber psc{"00"};
    HiddenNumber csc{"00"};
    HiddenNumber ppsc{"0"};
    HiddenNumber ccsc{"0"};
    NumberText cu;
    NumberText cd;
    NumberText AvPmove{"0"};
    NumberText AvCmove{"0"};
    HiddenNumber Text1{"0"};
    std::string mu;
    std::string md;
    std::array<HiddenNumber, 3> first{HiddenNumber{"0"}, HiddenNumber{"0"}, HiddenNumber{"0"}};
    std::string Label1 = "0";
    std::string Label6;
    std::string Label7;
    std::string Label8 = "0000";
    std::string Label9 = "0000";
    std::string Label10 = "0000";
    std::vector<std::string> List1;
    int Showcomppic = 0;

    // Window-level variables.
    Hand phand{};
    Hand chand{};
    int pextra = 0;
    int cextra = 0;
    std::array<int, kSlots + 1> cardrot{};
    int faceset = 0;
    int facemul = 0;
    int creveal = 0;
    int endflag = 0;
    float grabX = 0;
    float grabY = 0;
    std::array<float, 4> dragOrigin{}; // lcard Left, lcard Top, rcard Left, rcard Top
    int dragging = 0;
    float parkLeft = 0;
    float parkTop = 0;

    // Board marks.
    Shape Shape1;
    std::array<Shape, 2> Shape2;
    Shape Shape3;
    Shape Fir;
    Shape Shmove;
    std::array<Shape, kCells> Shl;
    std::array<Shape, kCells> Shr;

    CoverBox Cover;

    // Visible labels and buttons.
    Label Label2, Label3, compscore, Label5, Label4, playerscore, lStatus, lblStatusBar;
    PushButton PushButton1, PushButton2, PushButton3;

    Timer Timer1, Timer2;

    ShownText caption; // the window's caption
    Shown<bool> customPointer = false; // the window shows the custom pointer
    bool pointerLoaded = false; // "HAND-M.CUR" was found at start-up
    PlayerAids aids;

    // Stacking: bringing a control to the front gives it the next top z,
    // sending it back the next bottom z.
    long zTop = 0;
    long zBottom = 0;
    void bringToFront(Stacked &control) { control.z = ++zTop; }
    void sendToBack(Stacked &control) { control.z = --zBottom; }
};

} // namespace pipstone
