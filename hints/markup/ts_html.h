#pragma once

#include <QRect>
#include <QString>
#include <vector>

#include "hints/markup/hint_canvas.h"

namespace lingotab::hints {

// One pass of the hint markup over a text: draws its pieces on a canvas,
// row by row, and reports the rectangle they cover. Tags: <br>, <br/>, <p>
// (new row), <b>, <i>, <u> and their closing tags, <font ...> / </font>
// (SIZE, COLOR, FACE). "<<" writes a literal "<"; a tag that is not one of
// these comes out as text. Rows never wrap. One object serves one pass:
// Init, then HTMLText.
class TsHtml {
  public:
    // The canvas is not owned; its current font is the starting font.
    void Init(HintCanvas* Bmp, const QString& Text, const QRect& aRect);

    // Runs the pass and returns (0, 0, MaxBmpWidth, MaxBmpHeight): the extent
    // includes Area.left() and Area.top(). Raises lingotab::Exception when a
    // SIZE value is not an integer.
    QRect HTMLText();

    // Carries out one tag (upper case, "<" through ">"); false, with nothing
    // changed, when it is not a tag of the markup.
    bool ExecTag(const QString& s);

  private:
    void ShowCut(int endPos, int& startPos);
    void NewRow();
    void NewFont(const QString& s);
    void BackFont();
    void applySize(const QString& value);

    HintCanvas* Bitmap = nullptr;
    int CurX = 0;
    int CurY = 0;
    int Len = 0;
    QString Origin;
    QString UppedText;
    std::vector<HintFont> aFonts;
    QRect Area;
    int MaxBmpWidth = 0;
    int MaxBmpHeight = 0;
    int CurWidthValue = 0;
    int CurrentRowHeight = 0;
};

}  // namespace lingotab::hints
