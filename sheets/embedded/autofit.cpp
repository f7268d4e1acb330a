#include "sheets/embedded/autofit.h"

#include "sheets/embedded/column_widths.h"

#include <algorithm>
#include <cmath>

namespace lingotab::sheets {

namespace {

constexpr double kEmPerCharacter = 0.6;
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kDigitPixels = 7.0;

int longestLine(QStringView text) {
    int longest = 0, current = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
            longest = std::max(longest, current);
            current = 0;
        } else if (!c.isLowSurrogate()) {
            ++current;
        }
    }
    return std::max(longest, current);
}

}  // namespace

double fittedColumnWidth(QStringView text, const CellFont& font) {
    const double characterPixels = std::round(font.size * kPixelsPerPoint * kEmPerCharacter);
    // In hundredths, rounded up; the tolerance keeps exact quotients exact.
    const double width =
        std::ceil(longestLine(text) * characterPixels * 100 / kDigitPixels - 1e-9) / 100;
    return std::min(width, kMaxColumnWidth);
}

}  // namespace lingotab::sheets
