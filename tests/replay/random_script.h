// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <ostream>

namespace varnik::replay {

/// Writes a key script of at least `presses` key presses, one word a line, drawn from `seed`.
/// The draw favours what tells two number libraries apart: long numbers, results that need
/// an exponent, division by zero and overflow. The same seed gives the same script on every
/// system (the generator is mt19937_64, reduced by hand rather than by a distribution).
void writeRandomScript(std::ostream& out, std::uint64_t seed, long presses);

} // namespace varnik::replay
