#pragma once

#include <vector>

namespace lingotab::hints {

// The fade-in of a fresh hint: 31 steps, 8 ms apart, from 0 to the target
// constant alpha.
constexpr int kFadeSteps = 31;
constexpr int kFadeStepMs = 8;

// The constant alpha of a hint whose section has `transparency` percent
// (limited to 0 ... 100): (100 - T) x 2.55, rounded.
int fadeTargetAlpha(int transparency);

// The constant alpha after each step of the fade to `target`: the running
// value grows by target / 31 and is rounded at every step.
std::vector<int> fadeAlphas(int target);

}  // namespace lingotab::hints
