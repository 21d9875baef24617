// SPDX-License-Identifier: MIT
// Random users: long runs of every kind of input on the window model, each input checked
// against what the window promises (see InputPlayer::brokenPromise).
#include "window_inputs.h"

#include <gtest/gtest.h>
#include <random>
#include <vector>

using namespace varnik::test;

TEST(RandomInputs, EveryPromiseHoldsAfterEveryInput) {
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        std::mt19937 random(seed);
        std::vector<std::uint8_t> bytes(3000);
        for (auto& byte : bytes) {
            byte = static_cast<std::uint8_t>(random());
            // Ten megabytes of clipboard text now and then is plenty.
            if (byte == 0xFD && random() % 50 != 0) {
                byte = 0xFC;
            }
        }
        StartedWindow w;
        InputPlayer player(w);
        for (std::size_t at = 0; at < bytes.size();) {
            at += player.playOne(bytes.data() + at, bytes.size() - at);
            const std::string broken = player.brokenPromise();
            ASSERT_EQ(broken, "") << "seed " << seed << ", byte " << at << ", after "
                                  << player.lastInput() << " (display \"" << w.view.display
                                  << "\")";
        }
    }
}
