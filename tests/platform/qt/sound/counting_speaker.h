#pragma once

// own
#include "platform/qt/sound/sound_player.h"

// std
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace pipstone::testing {

// A player whose outputs count what is asked of them. They are made and
// played on the speaker thread.
struct CountingSpeaker {
    std::atomic<int> outputs = 0;
    std::atomic<int> plays = 0;
    // Plays `path`, and waits for the play to reach the speaker.
    void play(const QString &path)
    {
        player.play(path);
        EXPECT_TRUE(player.settle(5000));
    }
    SoundPlayer player{[this](const WaveSound &) -> std::unique_ptr<SoundOutput> {
        struct Output : SoundOutput {
            std::atomic<int> &plays;
            explicit Output(std::atomic<int> &p) : plays(p) {}
            void play() override { ++plays; }
        };
        ++outputs;
        return std::make_unique<Output>(plays);
    }};
};

} // namespace pipstone::testing
