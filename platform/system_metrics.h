#pragma once

#include <cmath>

namespace lingotab::platform {

// Sizes of window parts as a desktop at 96 pixels per inch reports them, in
// device-independent pixels. The skinned frame, title bar and scroll bars
// take their sizes from here whenever a skin does not give its own.
namespace metrics {

inline constexpr int kCaptionHeight = 22;   // title bar, without the frame
inline constexpr int kSizeFrameWidth = 4;   // sizeable frame, each side
inline constexpr int kFixedFrameWidth = 3;  // dialog frame, each side
inline constexpr int kCaptionButtonWidth = 36;
inline constexpr int kCaptionButtonHeight = 22;
inline constexpr int kSmallIconSize = 16;
inline constexpr int kVScrollWidth = 17;       // vertical scroll bar
inline constexpr int kHScrollHeight = 17;      // horizontal scroll bar
inline constexpr int kScrollArrowLength = 17;  // arrow button along the bar
inline constexpr int kMenuHeight = 20;

}  // namespace metrics

// A metric in device pixels for a screen with `devicePixelRatio`.
inline int scaledMetric(int metric, double devicePixelRatio) {
    return static_cast<int>(std::lround(metric * devicePixelRatio));
}

}  // namespace lingotab::platform
