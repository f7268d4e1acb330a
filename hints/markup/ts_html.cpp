#include "hints/markup/ts_html.h"

#include <QStringList>
#include <algorithm>
#include <limits>
#include <optional>

#include "hints/markup/markup_color.h"
#include "platform/exception.h"
#include "platform/integer_text.h"

namespace lingotab::hints {
namespace {

// Upper case code unit by code unit, so that every position of the result
// addresses the same character of the original (no "ß" -> "SS").
QString upperKeepingPositions(const QString& text) {
    QString upped(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        upped[i] = c.isSurrogate() ? c : QChar(QChar::toUpper(c.unicode()));
    }
    return upped;
}

// The platform's integer rule, with its conversion error.
int toInteger(const QString& value) {
    const std::optional<std::int32_t> result = platform::parseInteger(value);
    if (!result) throw Exception(QStringLiteral("'%1' is not a valid integer value").arg(value));
    return *result;
}

int clampToInt(qint64 value) {
    return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// The words of a font tag: runs of anything but the delimiters.
QStringList fontTagWords(const QString& tag) {
    QStringList words;
    QString word;
    for (const QChar c : tag) {
        switch (c.unicode()) {
            case '\r':
            case '\n':
            case ' ':
            case '"':
            case '<':
            case '=':
            case '>':
                if (!word.isEmpty()) words.append(std::exchange(word, QString()));
                break;
            default:
                word.append(c);
        }
    }
    if (!word.isEmpty()) words.append(word);
    return words;
}

// FACE takes the text between the first pair of double quotes after the
// first "FACE" of the tag (or up to the end of the tag when the second quote
// is missing); an unquoted face is ignored.
QString quotedFace(const QString& tag) {
    const qsizetype open = tag.indexOf(QLatin1Char('"'), tag.indexOf(QLatin1String("FACE")));
    if (open < 0) return {};
    const qsizetype close = tag.indexOf(QLatin1Char('"'), open + 1);
    return tag.mid(open + 1, close < 0 ? -1 : close - open - 1);
}

}  // namespace

void TsHtml::Init(HintCanvas* Bmp, const QString& Text, const QRect& aRect) {
    Bitmap = Bmp;
    Origin = Text;
    Area = aRect;
    UppedText = upperKeepingPositions(Text);
    Len = int(Text.size());
    CurX = Area.left();
    CurY = Area.top();
    MaxBmpWidth = 0;
    MaxBmpHeight = 0;
    CurWidthValue = 0;
}

QRect TsHtml::HTMLText() {
    // Positions are 0-based here: s is the first character not yet drawn,
    // a the one being looked at.
    int s = 0;
    int a = 0;
    while (a < Len) {
        if (UppedText.at(a) != QLatin1Char('<')) {
            ++a;
        } else if (a + 1 < Len && UppedText.at(a + 1) == QLatin1Char('<')) {
            // "<<": the second "<" starts the next piece as ordinary text.
            ShowCut(a, s);
            s = a + 1;
            a += 2;
        } else {
            ShowCut(a, s);
            const qsizetype close = UppedText.indexOf(QLatin1Char('>'), a);
            if (close < 0) {
                s = a = a + 1;  // a "<" that opens nothing is dropped
            } else if (ExecTag(UppedText.mid(a, close - a + 1))) {
                s = a = int(close) + 1;
            } else {
                // Not a tag of the markup: the "<" is drawn and the rest of
                // the tag follows as text.
                ShowCut(a + 1, s);
                a = s;
            }
        }
    }
    ShowCut(a, s);
    MaxBmpWidth = std::max(MaxBmpWidth, CurWidthValue);
    CurWidthValue = 0;
    MaxBmpHeight = CurY + CurrentRowHeight;
    return QRect(0, 0, MaxBmpWidth, MaxBmpHeight);
}

bool TsHtml::ExecTag(const QString& s) {
    HintFont& font = Bitmap->font;
    if (s.size() > 1 && s.at(1) == QLatin1Char('/')) {
        // Only the beginning of the name counts: </bold> and </br> remove bold.
        const auto startsName = [&s](const char* name) {
            return s.indexOf(QLatin1String(name)) == 2;
        };
        if (startsName("B")) {
            font.bold = false;
        } else if (startsName("I")) {
            font.italic = false;
        } else if (startsName("U")) {
            font.underline = false;
        } else if (startsName("FONT")) {
            BackFont();
        } else {
            return false;
        }
        return true;
    }
    const auto is = [&s](const char* name) {
        return s.size() == qsizetype(qstrlen(name)) + 2 &&
               s.mid(1, s.size() - 2) == QLatin1String(name);
    };
    if (is("BR") || is("BR/") || is("P")) {
        CurX = Area.left();
        NewRow();
    } else if (is("B")) {
        font.bold = true;
    } else if (is("I")) {
        font.italic = true;
    } else if (is("U")) {
        font.underline = true;
    } else if (s.contains(QLatin1String("FONT"))) {
        NewFont(s);
    } else {
        return false;
    }
    return true;
}

void TsHtml::ShowCut(int endPos, int& startPos) {
    QString piece = Origin.mid(startPos, endPos - startPos);
    startPos = endPos;
    piece.remove(QLatin1Char('\r'));
    piece.remove(QLatin1Char('\n'));
    if (piece.isEmpty()) return;
    Bitmap->textOut(CurX, CurY, piece);
    CurX = clampToInt(qint64(CurX) + Bitmap->textWidth(piece));
    CurWidthValue = CurX;
    CurrentRowHeight = std::max(CurrentRowHeight, Bitmap->textHeight(QStringLiteral("X")));
}

void TsHtml::NewRow() {
    CurY = clampToInt(qint64(CurY) + CurrentRowHeight + 2);
    MaxBmpWidth = std::max(MaxBmpWidth, CurWidthValue);
    CurWidthValue = 0;
    CurrentRowHeight = 0;
}

void TsHtml::NewFont(const QString& s) {
    aFonts.push_back(Bitmap->font);
    const QStringList words = fontTagWords(s);
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& word = words.at(i);
        const QString value = i + 1 < words.size() ? words.at(i + 1) : QString();
        if (word == QLatin1String("SIZE")) {
            applySize(value);
        } else if (word == QLatin1String("COLOR")) {
            if (!value.isEmpty()) Bitmap->font.color = markupColor(value);
        } else if (word == QLatin1String("FACE")) {
            const QString face = quotedFace(s);
            if (!face.isEmpty()) Bitmap->font.name = face;
        }
    }
}

void TsHtml::applySize(const QString& value) {
    if (value.isEmpty()) return;
    int& size = Bitmap->font.size;
    const QChar sign = value.at(0);
    if (sign == QLatin1Char('-') || sign == QLatin1Char('+')) {
        const QString rest = value.mid(1);
        if (rest.isEmpty()) return;
        const qint64 change = toInteger(rest);
        size = clampToInt(sign == QLatin1Char('-') ? size - change : size + change);
    } else {
        size = toInteger(value);
    }
}

void TsHtml::BackFont() {
    if (aFonts.empty()) return;
    Bitmap->font = aFonts.back();
    aFonts.pop_back();
}

}  // namespace lingotab::hints
