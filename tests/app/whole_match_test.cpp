#include "support/random_player.h"

#include <gtest/gtest.h>

namespace pipstone::test {

TEST(WholeMatch, SeededMatchesEndSoundly)
{
    for (std::uint64_t seed = 1; seed <= 20; ++seed) {
        RandomPlayer player(seed);
        const auto problems = player.playMatch();
        ASSERT_TRUE(problems.empty()) << "seed " << seed << ": " << problems.front() << " after "
                                      << (player.actions.empty() ? "" : player.actions.back());
    }
}

} // namespace pipstone::test
