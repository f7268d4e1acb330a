#pragma once

#include <QString>
#include <QStringList>
#include <vector>

#include "hints/markup/hint_canvas.h"

namespace lingotab::hints::test {

// A canvas with fixed metrics: every character is size / 2 pixels wide (one
// more in bold), a line is size + 2 pixels high. It records what is drawn.
class FakeCanvas : public HintCanvas {
  public:
    struct Piece {
        int x;
        int y;
        QString text;
        HintFont font;
    };

    FakeCanvas();

    void textOut(int x, int y, const QString& text) override;
    int textWidth(const QString& text) override;
    int textHeight(const QString& text) override;
    QRect wrappedTextRect(const QRect& area, const QString& text) override;
    void drawWrappedText(const QRect& area, const QString& text) override;

    // The pieces as "x,y text" followed by what differs from the starting
    // font: " b", " i", " u", " s<size>", " #rrggbb", " F:<name>".
    QStringList describe() const;

    HintFont startFont;
    std::vector<Piece> pieces;
};

}  // namespace lingotab::hints::test
