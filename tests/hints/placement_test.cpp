#include <gtest/gtest.h>

#include "hints/window/hint_fade.h"
#include "hints/window/hint_placement.h"

namespace lingotab::hints {
namespace {

// One 1000 x 800 monitor; hints of 100 x 40.
const QList<QRect> kMonitor{QRect(0, 0, 1000, 800)};
constexpr QSize kHint(100, 40);

TEST(GetArrowPos, ScreenEdgesAndCorners) {
    struct Case {
        const char* what;
        QPoint anchor;
        TacMousePosition defaultPos;
        bool skinned;
        QPoint topLeft;
        TacMousePosition corner;
    };
    const Case cases[] = {
        {"inside, each default corner", {500, 400}, mpLeftTop, true, {500, 400}, mpLeftTop},
        {"", {500, 400}, mpRightTop, false, {400, 400}, mpRightTop},
        {"", {500, 400}, mpLeftBottom, true, {500, 360}, mpLeftBottom},
        {"", {500, 400}, mpRightBottom, false, {400, 360}, mpRightBottom},
        {"right edge, skinned", {950, 400}, mpLeftTop, true, {900, 400}, mpRightTop},
        {"right edge, template", {950, 400}, mpLeftTop, false, {850, 384}, mpRightTop},
        {"bottom edge, skinned", {500, 780}, mpLeftTop, true, {500, 760}, mpLeftBottom},
        {"bottom edge, template", {500, 780}, mpLeftTop, false, {500, 740}, mpLeftBottom},
        {"both, skinned", {950, 780}, mpLeftTop, true, {900, 760}, mpRightBottom},
        {"both, template", {950, 780}, mpLeftTop, false, {850, 764}, mpRightBottom},
        {"left edge", {50, 400}, mpRightTop, true, {0, 400}, mpLeftTop},
        {"left edge, template", {50, 400}, mpRightBottom, false, {0, 360}, mpLeftBottom},
        {"top edge", {500, 20}, mpLeftBottom, true, {500, 0}, mpLeftTop},
        {"top edge, template", {500, 20}, mpRightBottom, false, {400, 0}, mpRightTop},
        {"exactly at the right edge", {900, 760}, mpLeftTop, true, {900, 760}, mpLeftTop},
        {"off the monitor to the left", {-300, 400}, mpLeftTop, true, {0, 400}, mpLeftTop},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.what << " " << c.anchor.x() << "," << c.anchor.y()
                                        << " default " << c.defaultPos);
        const HintPlacement placed =
            GetArrowPos(kHint, c.anchor, c.defaultPos, c.skinned, kMonitor);
        EXPECT_EQ(placed.topLeft, c.topLeft);
        EXPECT_EQ(placed.mousePos, c.corner);
    }
}

TEST(GetArrowPos, NearestOfSeveralMonitorsOrNone) {
    const QList<QRect> two{QRect(0, 0, 1000, 800), QRect(1000, 0, 800, 600)};
    // On the second monitor its bottom at 600 is the edge.
    const HintPlacement second = GetArrowPos(kHint, QPoint(1200, 590), mpLeftTop, true, two);
    EXPECT_EQ(second.topLeft, QPoint(1200, 560));
    EXPECT_EQ(second.mousePos, mpLeftBottom);
    // Below the second monitor, nearest is still the second.
    EXPECT_EQ(nearestMonitor(two, QPoint(1500, 900)), &two[1]);

    const HintPlacement none = GetArrowPos(kHint, QPoint(500, 400), mpRightBottom, true, {});
    EXPECT_EQ(none.topLeft, QPoint(400, 360));
    EXPECT_EQ(none.mousePos, mpLeftTop);
}

TEST(HintFade, TargetsAndSteps) {
    const struct {
        int transparency;
        int alpha;
    } targets[] = {{0, 255}, {11, 227}, {50, 128}, {100, 0}, {-5, 255}, {140, 0}};
    for (const auto& t : targets)
        EXPECT_EQ(fadeTargetAlpha(t.transparency), t.alpha) << t.transparency;

    const std::vector<int> alphas = fadeAlphas(227);
    ASSERT_EQ(alphas.size(), std::size_t(kFadeSteps));
    EXPECT_EQ(alphas.front(), 7);  // 227 / 31 = 7.32
    EXPECT_EQ(alphas.back(), 227);
    EXPECT_TRUE(std::is_sorted(alphas.begin(), alphas.end()));
    EXPECT_EQ(fadeAlphas(255).back(), 255);
}

}  // namespace
}  // namespace lingotab::hints
