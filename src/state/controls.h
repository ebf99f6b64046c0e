#pragma once

// own
#include "state/number_text.h"
#include "state/shown_text.h"
#include "state/write_stamp.h"

// std
#include <cstdint>
#include <string>

// The window's controls as plain data. Positions and sizes are in twips
// (1/1440 inch, 15 per pixel at 100 % scale) inside the client area; the
// picture of a tile half is its position in the picture table (1 to 16).
namespace pipstone {

// Stacking order shared by every painted control: a higher z is drawn above.
struct Stacked {
    MarkField<long> z = 0; // every change of stacking takes a new z
};

// A picture control: one half of a tile, or the hidden template of a half.
struct Picture : Stacked {
    TileLeft Left = 0;
    TileTop Top = 0;
    Shown<float> Width = 405;
    Shown<float> Height = 405;
    Shown<int> picture = 0; // 1..16, 0 before the first picture is set
    Shown<bool> Visible = false;
    Shown<bool> Enabled = true; // takes the mouse
    NumberText Tag;
    Shown<bool> exists = false; // created from the template at the deal
    bool handPointer = false; // shows the grabbing hand while the mouse is over it
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    bool operator==(const Rgb &) const = default;
};

// A rounded rectangle drawn under the tiles.
struct Shape : Stacked {
    MarkField<float> Left = 0;
    MarkField<float> Top = 0;
    MarkField<float> Width = 0;
    MarkField<float> Height = 0;
    MarkField<bool> Visible = true;
    MarkField<Rgb> BorderColor;
    MarkField<int> BorderWidth = 1;
    MarkField<bool> filled = false;
    MarkField<Rgb> FillColor = Rgb{255, 255, 255};
    std::string Tag;
    int repaints = 0; // how often the shape was asked to repaint itself
};

struct Font {
    std::string family;
    double points = 0;
    bool bold = true;
    bool centred = false;
    Rgb color;
    bool operator==(const Font &) const = default;
};

struct Label {
    ShownText Caption;
    Shown<float> Left = 0;
    Shown<float> Top = 0;
    Shown<float> Width = 0;
    Shown<float> Height = 0;
    Shown<Font> font;
    bool autoSize = false;
    Shown<bool> Visible = true;
};

struct PushButton {
    ShownText Caption;
    Shown<float> Left = 0;
    Shown<float> Top = 0;
    Shown<float> Width = 0;
    Shown<float> Height = 0;
    Shown<Font> font;
    Shown<bool> Enabled = true; // rewritten at every tick with what it holds
    bool operator==(const PushButton &) const = default;
};

// The tile that flies across the board: a box with the two halves in it.
struct CoverBox : Stacked {
    MarkField<float> Left = 8880; // written at every step of a flight
    MarkField<float> Top = 45;
    float Width = 500;
    float Height = 900;
    Shown<bool> Visible = false;
    Shown<int> CoverU = 8; // picture of the upper half (400 x 400 at 0, 0)
    Shown<int> CoverD = 8; // picture of the lower half (405 x 405 at 0, 420)
};

struct Timer {
    int Interval = 100;
    bool Enabled = true;
};

} // namespace pipstone
