// Hint markup of any text: the pass must end, every piece must lie inside the
// reported extent's rows, and the only error is the integer conversion.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "hints/markup/ts_html.h"
#include "platform/exception.h"

namespace {

class CountingCanvas : public lingotab::hints::HintCanvas {
  public:
    void textOut(int, int y, const QString& text) override {
        if (text.isEmpty() || y < lowestTop) std::abort();
        lowestTop = y;
    }
    int textWidth(const QString& text) override { return int(text.size()) * (font.bold ? 3 : 2); }
    int textHeight(const QString&) override { return font.size > 0 ? font.size % 64 : 1; }
    QRect wrappedTextRect(const QRect& area, const QString&) override { return area; }
    void drawWrappedText(const QRect&, const QString&) override {}

    int lowestTop = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    CountingCanvas canvas;
    lingotab::hints::TsHtml html;
    html.Init(&canvas, text, QRect(0, 0, 120, 0));
    try {
        const QRect extent = html.HTMLText();
        if (extent.height() < canvas.lowestTop) std::abort();
    } catch (const lingotab::Exception&) {
    }
    return 0;
}
