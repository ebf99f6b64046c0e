// Starting a hand: the stock down the left edge, the computer's seven tiles
// face down along the top, the player's seven face up along the bottom.

// own
#include "app/game_window.h"
#include "state/text_number.h"

namespace pipstone {

namespace {

void place(Picture &half, float left, float top)
{
    half.Left = left;
    half.Top = top;
}

// A dealt half takes the hidden template's size, picture and mouse handling.
// Where it lies, whether it shows, its stacking and its pips are written by
// the deal itself, so they are not taken from the template first. Nothing in
// the deal writes a template, so its look is read once for all 28 halves.
struct TemplateLook {
    explicit TemplateLook(const Picture &templ)
        : width(templ.Width)
        , height(templ.Height)
        , picture(templ.picture)
        , enabled(templ.Enabled)
        , handPointer(templ.handPointer)
    {
    }
    void giveTo(Picture &half) const
    {
        half.Width = width;
        half.Height = height;
        half.picture = picture;
        half.Enabled = enabled;
        half.handPointer = handPointer;
    }
    float width, height;
    int picture;
    bool enabled, handPointer;
};

} // namespace

void GameWindow::dealcards()
{
    s_.cno = "7";
    s_.pno = "7";
    s_.cextra = 0;
    s_.pextra = 0;
    s_.pull = "0";
    setTimer(s_.Timer2, TimerId::Timer2, true);
    drawshape();

    const auto dealHalf = [this](Picture &half, const TemplateLook &look) {
        look.giveTo(half);
        half.exists = true;
        half.Visible = true;
        s_.bringToFront(half);
    };
    const TemplateLook firstLook(s_.lcard[0]);
    const TemplateLook secondLook(s_.rcard[0]);
    for (int i = 1; i <= kSlots; ++i) {
        dealHalf(s_.lcard[i], firstLook);
        dealHalf(s_.rcard[i], secondLook);
    }
    // Entries past the seventh are cleared, so a slot drawn in an earlier hand
    // can never be counted or laid out twice; the computer's list is emptied
    // so that it names exactly the computer's tiles from the deal on.
    s_.phand.fill(0);
    s_.chand.fill(0);
    s_.List1.clear();

    for (int i = 1; i <= 14; ++i) {
        place(s_.lcard[i], 540, 650 + 435.0f * i);
        place(s_.rcard[i], 120, 650 + 435.0f * i);
        s_.cardrot[i] = 2;
    }
    const auto dealHand = [this](int firstSlot, float top, Hand &hand) {
        for (int k = 1; k <= 7; ++k) {
            const int i = firstSlot + k - 1;
            place(s_.lcard[i], 1350 + 485.0f * k, top);
            place(s_.rcard[i], 1350 + 485.0f * k, top + 420);
            s_.cardrot[i] = 1;
            hand[k] = i;
        }
    };
    dealHand(15, 60, s_.chand);
    for (int i = 15; i <= 21; ++i)
        s_.List1.push_back(toText(i));
    dealHand(22, 7675, s_.phand);
    s_.lcard[0].Visible = false;
    s_.rcard[0].Visible = false;

    draw();

    if (s_.mturn == "1")
        s_.lStatus.Caption = kYourTurn;
    else if (s_.mturn == "2")
        s_.lStatus.Caption = kComputerTurn;
    platform_.happened(sideHappening(Happening::Kind::Deal, s_));
}

} // namespace pipstone
