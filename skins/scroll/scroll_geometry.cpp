#include "skins/scroll/scroll_geometry.h"

#include <algorithm>

namespace lingotab::skins {

namespace {

int64_t range(const TacScrollInfo& info) {
    return int64_t(info.nMax) - info.nMin;
}

}  // namespace

TacThumb thumbGeometry(int barLength, int buttonLength, const TacScrollInfo& info, int minThumb) {
    const int track = std::max(barLength - 2 * buttonLength, 0);
    const int64_t r = range(info);
    if (r > 2147483646 || r < 0) return {};
    int length =
        info.nPage == 0 ? buttonLength : static_cast<int>(int64_t(info.nPage) * track / (r + 1));
    length = std::min(std::max(length, minThumb), track);
    const int64_t span = r - std::max(1, info.nPage) + 1;
    int64_t offset = span > 0 ? (int64_t(info.nPos) - info.nMin) * (track - length) / span : 0;
    offset = std::clamp<int64_t>(offset, 0, track - length);
    return {static_cast<int>(offset), length};
}

bool thumbVisible(int barLength, int buttonLength, const TacScrollInfo& info, int minThumb) {
    const int track = barLength - 2 * buttonLength;
    const int64_t r = range(info);
    if (r <= 0 || track <= 0) return false;
    const int64_t length = std::max<int64_t>(int64_t(info.nPage) * track / r, minThumb);
    return length > 0 && length <= track;
}

TacScrollPart partAt(int along, int barLength, int buttonLength, const TacScrollInfo& info,
                     int minThumb) {
    if (along < 0 || along >= barLength) return spNone;
    if (barLength < 2 * buttonLength) return along < barLength / 2 ? spLineUp : spLineDown;
    if (along < buttonLength) return spLineUp;
    if (along >= barLength - buttonLength) return spLineDown;
    if (!thumbVisible(barLength, buttonLength, info, minThumb)) return spNone;
    const TacThumb thumb = thumbGeometry(barLength, buttonLength, info, minThumb);
    const int start = buttonLength + thumb.offset;
    if (along < start) return spPageUp;
    if (along >= start + thumb.length) return spPageDown;
    return spThumb;
}

int positionFromThumb(int thumbStart, int barLength, int buttonLength, const TacScrollInfo& info,
                      int minThumb) {
    const int track = std::max(barLength - 2 * buttonLength, 0);
    const TacThumb thumb = thumbGeometry(barLength, buttonLength, info, minThumb);
    const int64_t r = range(info);
    const int free = track - thumb.length;
    if (r < 1 || free <= 0) return info.nMin + std::max(thumbStart, 0);
    const int start = std::clamp(thumbStart, 0, free);
    return info.nMin + static_cast<int>(int64_t(start) * (r - info.nPage + 1) / free);
}

}  // namespace lingotab::skins
