#include "hints/support/fake_canvas.h"

namespace lingotab::hints::test {

FakeCanvas::FakeCanvas() {
    startFont.name = QStringLiteral("Tahoma");
    startFont.size = 8;
    font = startFont;
}

void FakeCanvas::textOut(int x, int y, const QString& text) {
    pieces.push_back({x, y, text, font});
}

int FakeCanvas::textWidth(const QString& text) {
    return int(text.size()) * (font.size / 2 + (font.bold ? 1 : 0));
}

int FakeCanvas::textHeight(const QString& text) {
    return text.isEmpty() ? 0 : font.size + 2;
}

QRect FakeCanvas::wrappedTextRect(const QRect& area, const QString& text) {
    return QRect(area.topLeft(), QSize(std::min(textWidth(text), area.width()), textHeight(text)));
}

void FakeCanvas::drawWrappedText(const QRect& area, const QString& text) {
    textOut(area.left(), area.top(), text);
}

QStringList FakeCanvas::describe() const {
    QStringList result;
    for (const Piece& piece : pieces) {
        QString line = QStringLiteral("%1,%2 %3").arg(piece.x).arg(piece.y).arg(piece.text);
        if (piece.font.bold) line += QStringLiteral(" b");
        if (piece.font.italic) line += QStringLiteral(" i");
        if (piece.font.underline) line += QStringLiteral(" u");
        if (piece.font.strikeOut) line += QStringLiteral(" x");
        if (piece.font.size != startFont.size) line += QStringLiteral(" s%1").arg(piece.font.size);
        if (piece.font.color != startFont.color) line += QLatin1Char(' ') + piece.font.color.name();
        if (piece.font.name != startFont.name) line += QStringLiteral(" F:") + piece.font.name;
        result.append(line);
    }
    return result;
}

}  // namespace lingotab::hints::test
