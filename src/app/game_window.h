#pragma once

// own
#include "app/one_thing_at_a_time.h"
#include "board/cells.h"
#include "platform/platform.h"
#include "state/game_state.h"
#include "tiles/random_source.h"

// std
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// The game window: every rule of the game is a method of this one class, as
// the procedures of a desktop form are. They hand values to each other
// through the named fields of the state, not through arguments. The methods
// live in the files of their subsystem (tiles/, board/, turns/, scoring/).
namespace pipstone {

class GameWindow : public PlatformEvents {
public:
    GameWindow(Platform &platform, std::unique_ptr<RandomSource> random);
    ~GameWindow() override;

    // A write to the state from outside the game counts as an event: the
    // ticks left out while nothing changed run again after it.
    GameState &state()
    {
        ++changingEvents_;
        return s_;
    }
    const GameState &state() const { return s_; }
    const OneThingAtATime &activity() const { return activity_; }
    // The slot of the tile the player holds in a drag, 0 when none.
    int heldSlot() const { return heldSlot_; }
    // The mouse buttons the game has seen pressed and not yet released.
    int buttonsHeld() const { return buttonsHeld_; }
    bool closed() const { return closed_; }

    // Start-up: the window's load handler.
    void Form_Load();

    // PlatformEvents: every event from the toolkit enters here.
    //
    // What a tick runs while the player thinks is marked [[gnu::hot]], here
    // and in the window's code: the compiler keeps those functions together,
    // so that a tick after 100 ms of sleep finds its code in a few pages
    // rather than one per source file.
    void onTimer(TimerId timer) override;
    void onButtonClick(ButtonId button) override;
    void onButtonMouseMove(ButtonId button) override;
    void onMouseDown(float x, float y, int button, int shift) override;
    void onMouseMove(float x, float y, int buttons, int shift) override;
    void onMouseUp(float x, float y, int button, int shift) override;
    void onKey(Key key) override;
    void onClose() override;

    // Start-up (app/startup.cpp).
    void loadskin();
    void centerform();
    bool fileexists(const std::string &relativePath);
    void initrandom();

    // New Game and the cheat view (app/new_game.cpp, app/cheat_view.cpp).
    void PushButton1_Click();
    void PushButton2_Click();
    void Showcomppic_Click();
    void setShowcomppic(int value);

    // Tiles (tiles/).
    void draw();
    void swap();
    void dealcards();
    void showcards();

    // Board (board/).
    void drawshape();
    void domook();
    void rotateme();
    void lcard_MouseDown(int index, int button, int shift, float x, float y);
    void lcard_MouseMove(int index, int button, int shift, float x, float y);
    void lcard_MouseUp(int index, int button, int shift, float x, float y);
    // Where the tile of `slot` would go if let go with its first half's
    // top-left corner at (left, top); none when it would come back. Changes
    // nothing (board/drop_target.cpp).
    std::optional<DropTarget> dropTargetAt(int slot, float left, float top) const;

    // Turns (turns/).
    void variableppmove();
    void variableccmove();
    void arrangehands();
    void countAndArrange();
    void getturn();
    void changetocomputer();
    void changetoplayer();
    void Timer1_Timer();
    void Timer2_Timer();
    void Delay(double ms);
    // One axis of a tile's flight: from `from` towards `to` in steps of
    // `step` twips, ending at the last value not past `to`, with a wait of
    // `waitMs` at each and, when asked, a pump after it (turns/waits.cpp).
    struct Flight {
        long from;
        double to;
        long step;
        double waitMs;
        bool pumpAfterEachWait;
    };
    void fly(MarkField<float> &coordinate, Flight flight);
    void PushButton3_Click();

    // Scoring (scoring/).
    void checkendgame();

    // A hand is over once a side has played its last tile, once it is
    // blocked, or once the periodic check has called its end: nobody moves
    // in it any more.
    bool handIsOver() const;
    bool handIsBlocked() const;

private:
    // The computer's two steps inside a placement (board/computer_move.cpp);
    // computerTurn returns false when the computer is blocked; the tile flies
    // to the cell at (toX, toY).
    void computerOpening(bool &placed);
    bool computerTurn();
    void flyComputerTile(long toX, long toY);
    // Placement on one arm by its table (board/placement.cpp).
    bool placeOnArm(Arm arm);
    void placeOpeningTile(int slot);
    void turnLaidTile(int t, int code, float x, float y, bool recount);
    void sendBackToDragOrigin(int slot);
    void showChosenTile();

    // One side's count (turns/move_count.cpp). What a side's last quiet
    // count read and wrote, besides the fields the write stamp watches (a
    // tile's place and pips, the ends, the hand's entries): when nothing of
    // it has changed, counting again would only rewrite the same.
    struct LastCount {
        bool valid = false;
        std::uint64_t stamp = 0;
        int extra = 0;
        std::array<std::array<char, 2>, kSlots> listed{}; // the slot numbers it listed, in order
        std::size_t listedCount = 0;
    };
    // The slots of a hand's entries that still lie in the side's row, in hand
    // order; the first `count` are written.
    struct RowSlots {
        std::array<int, kSlots> slot;
        int count = 0;
    };
    // The rows as they were last closed up, at those stamps: while nothing
    // has changed since, closing up again would move no tile.
    struct LastArrangement {
        bool valid = false;
        std::uint64_t stamp = 0;
        std::uint64_t leftStamp = 0;
        int pextra = 0, cextra = 0;
        RowSlots playerRow, computerRow; // as gathered then
    };
    template <typename InRow>
    void gatherRow(RowSlots &row, const Hand &hand, int extra, InRow inRow) const;
    void noteArranged();
    // A tile a draw laid at the end of its side's row (turns/stock.cpp): the
    // stamps as the draw began laying it and once it had.
    struct DrawnTile {
        bool players = false; // the player's row, else the computer's
        int slot = 0;
        int heldBefore = 0; // the tiles the side held before it
        StampReading before, after;
    };
    // countAndArrange after a draw, which counts only the drawing side when
    // nothing but the draw has moved since the rows were last closed up.
    void arrangeAfterDraw(const DrawnTile &drawn);
    bool countIsCurrent(const LastCount &last, int extra, const std::vector<std::string> *listed) const;
    // The counts variableppmove and variableccmove make when theirs is not current.
    void recountPlayer();
    void recountComputer();
    void writeCount(NumberText &count, int halves);
    template <typename InRow>
    void countMoves(NumberText &count, const Hand &hand, int extra, InRow inRow, std::vector<std::string> *listed,
                    LastCount &last);
    void countRow(NumberText &count, const RowSlots &row, int extra, std::vector<std::string> *listed,
                  LastCount &last);

    // Helpers shared by the parts.
    void setTimer(Timer &timer, TimerId id, bool enabled);
    static void moveHalf(Picture &half, float left, float top)
    {
        half.Left = left;
        half.Top = top;
    }
    void showSlot(int slot);
    void showTile(int slot); // showcards for `slot`, whatever Text1 holds
    void showHalves(Picture &first, Picture &second); // showTile once the slot holds a tile
    void cancelHold();
    void placePlayerDrop(int slot);
    void getCardPressed();

    // The keyboard (app/keyboard.cpp).
    void keyOnRow(Key key);
    void playByKey(int slot, Arm arm);

    // Nothing can happen before the headless toolkit's clock moves on: no
    // input, no tick, nobody watching (turns/waits.cpp).
    bool quiet() const { return clock_ && clock_->quietNow(); }
    // A count counts straight through, without letting events in between its
    // entries, when none could run there: the clock is quiet, or the toolkit
    // would let none run now. It takes microseconds; what arrives meanwhile
    // runs at the next pump or when the handler returns (turns/move_count.cpp).
    bool countsStraightThrough() const { return quiet() || platform_.letsNoEventsRunNow(); }
    long unseenWaits(double ms, long most) const;
    bool passUnseen(std::int64_t moment);
    // Lets the toolkit's pending events run once; afterwards the step checks
    // that it is still wanted (see one_thing_at_a_time.h).
    void pump()
    {
        // A quiet clock has nothing to hand over.
        if (quiet())
            stillWanted();
        else
            pumpToolkit();
    }
    void pumpToolkit();
    void ask(const std::string &text, const std::string &title);
    // Every event from the toolkit runs through here. A frame that unwinds
    // with StepAborted ends quietly, and so does a frame whose tick ended the
    // match and closed the window.
    template <typename Handler>
    void dispatch(Handler &&handler)
    {
        ++changingEvents_;
        runFrame(std::forward<Handler>(handler));
    }
    // The frame of an event; a tick counts as a changing event only when it
    // begins a step (runTickInFrame).
    template <typename Handler>
    void runFrame(Handler &&handler)
    {
        if (closed_)
            return;
        ++entryDepth_;
        try {
            handler();
            runWorkKeptForLater();
        } catch (const StepAborted &) {
        }
        leaveDispatch();
    }
    void leaveDispatch();
    void stillWanted() const
    {
        if (closed_ || newGameQueued_)
            endStepNoLongerWanted();
    }
    [[noreturn]] void endStepNoLongerWanted() const;
    // The three stamps, and the events that may have changed the game: while
    // all four stand where they stood as a timer's last tick began, its next
    // tick would do exactly the same again (onTimer).
    struct StillMark {
        StampReading stamps;
        std::uint64_t events = UINT64_MAX; // no tick yet
        bool operator==(const StillMark &) const = default;
    };
    StillMark stillMark() const { return {readStamps(), changingEvents_}; }
    // Runs a tick of `timer`, or keeps it while an activity runs. A tick that
    // ends the match closes the window and returns, and so does everything
    // up to the frame's dispatch, without the cost of unwinding.
    void runTickInFrame(TimerId timer);
    // The same inside a wait, which the end of the match ends by unwinding.
    void runTick(TimerId timer);
    void runWorkKeptForLater();
    void runKeptWork();

    Platform &platform_;
    VirtualClock *const clock_; // the headless toolkit's, else null
    std::unique_ptr<RandomSource> random_;
    GameState s_;
    OneThingAtATime activity_;
    int entryDepth_ = 0;
    bool newGameQueued_ = false;
    bool closed_ = false;
    int heldSlot_ = 0;       // tile taken up by the player's left button
    int captured_ = -1;      // control holding the mouse: -1 none, 0 background, i lcard(i)
    int buttonsHeld_ = 0;
    bool cheatRunning_ = false;
    std::array<bool, 2> tickPending_{};
    // Every event handled but a tick, every tick that began a step, and
    // every write to the state from outside.
    std::uint64_t changingEvents_ = 0;
    std::array<StillMark, 2> stillAfter_{}; // per timer: where its last tick began
    LastCount playerCount_;
    LastCount computerCount_;
    LastArrangement arranged_;
    // The write and shown stamps when the periodic check last set which
    // halves take the mouse (turns/blocked_turns.cpp); stamps never reach
    // the first value.
    std::array<std::uint64_t, 2> mouseTakersSetAt_{UINT64_MAX, UINT64_MAX};
    // How many cells of each arm (right, left) drawshape last showed, -1
    // before its first draw; it alone writes how a cell looks.
    std::array<int, 2> cellsDrawn_{-1, -1};
};

} // namespace pipstone
