#pragma once

// Geometry of a skinned scroll bar: parts, thumb length and offset, and the
// position a dragged thumb stands for. Positions follow the scroll
// information of the platform: nMax includes the page.

#include <QRect>
#include <cstdint>

namespace lingotab::skins {

struct TacScrollInfo {
    int nMin = 0;
    int nMax = 0;
    int nPage = 0;
    int nPos = 0;
    int nTrackPos = 0;
};

// Parts of a bar, numbered as the scroll requests they send.
enum TacScrollPart {
    spNone = -1,
    spLineUp = 0,    // left or top arrow
    spLineDown = 1,  // right or bottom arrow
    spPageUp = 2,    // track before the thumb
    spPageDown = 3,  // track after the thumb
    spThumbPosition = 4,
    spThumb = 5,  // also the thumb-track request
    spEndScroll = 8,
};

struct TacThumb {
    int offset = 0;  // from the track's start
    int length = 0;
};

// Along a bar of `barLength` with arrow buttons of `buttonLength`.
TacThumb thumbGeometry(int barLength, int buttonLength, const TacScrollInfo& info,
                       int minThumb = 0);
// Whether the thumb is shown: nPage * T / R (at least minThumb) above 0 and
// not above T.
bool thumbVisible(int barLength, int buttonLength, const TacScrollInfo& info, int minThumb = 0);
// The part at `along` pixels from the bar's start.
TacScrollPart partAt(int along, int barLength, int buttonLength, const TacScrollInfo& info,
                     int minThumb = 0);
// The position for a thumb starting `thumbStart` pixels after the track's start.
int positionFromThumb(int thumbStart, int barLength, int buttonLength, const TacScrollInfo& info,
                      int minThumb = 0);

}  // namespace lingotab::skins
