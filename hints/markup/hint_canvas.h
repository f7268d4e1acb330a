#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace lingotab::hints {

// The font of a hint canvas as the markup sees it: a face name, a size in
// points, a colour and the four style flags. A plain value so that the font
// stack of the markup is a stack of copies.
struct HintFont {
    QString name;
    int size = 8;
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    friend bool operator==(const HintFont&, const HintFont&) = default;
};

// Where hint text goes: a surface with a current font that the markup changes
// in place, text output at a top-left corner, and the two measurements the
// layout depends on. Real hints use an image canvas; tests use fixed metrics.
class HintCanvas {
  public:
    virtual ~HintCanvas() = default;

    HintFont font;

    // Draws `text` in the current font with (x, y) as its top-left corner,
    // without a background.
    virtual void textOut(int x, int y, const QString& text) = 0;
    virtual int textWidth(const QString& text) = 0;
    // The full height of a line of `text` in the current font.
    virtual int textHeight(const QString& text) = 0;

    // Plain (non-markup) hints: the extent of `text` word-wrapped at the
    // width of `area`, and drawing it centred and word-wrapped in `area`.
    virtual QRect wrappedTextRect(const QRect& area, const QString& text) = 0;
    virtual void drawWrappedText(const QRect& area, const QString& text) = 0;
};

}  // namespace lingotab::hints
