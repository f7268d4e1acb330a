#include "hints/window/hint_fade.h"

#include <algorithm>
#include <cmath>

namespace lingotab::hints {

int fadeTargetAlpha(int transparency) {
    const int opaque = 100 - std::clamp(transparency, 0, 100);
    return (opaque * 255 + 50) / 100;  // integer form of the x 2.55 rounding
}

std::vector<int> fadeAlphas(int target) {
    std::vector<int> alphas;
    alphas.reserve(kFadeSteps);
    const double step = double(target) / kFadeSteps;
    double running = 0;
    for (int i = 0; i < kFadeSteps; ++i) {
        running += step;
        alphas.push_back(int(std::lround(running)));
    }
    return alphas;
}

}  // namespace lingotab::hints
