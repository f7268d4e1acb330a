#include "skins/controls/ts_memo.h"

#include "skins/scroll/ac_edit_wnd.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextDocument>

namespace lingotab::skins {

TsMemo::TsMemo(QWidget* parent)
    : QPlainTextEdit(parent), TacSkinSectionHolder(QStringLiteral("EDIT")) {
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    new TacEditWnd(this);  // skinned colours, frame and scroll bars, while a skin is active
}

// The document's characters as they are, with "\n" between lines. (The
// toolkit's plain-text export would turn no-break spaces into blanks.)
QString TsMemo::rawText() const {
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    return text;
}

QString TsMemo::Text() const {
    QString text = rawText();
    text.replace(u'\n', QStringLiteral("\r\n"));
    return text;
}

void TsMemo::setText(const QString& text) {
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    setPlainText(plain);
}

QStringList TsMemo::Lines() const {
    QStringList lines = rawText().split(u'\n');
    if (lines.size() > 0 && lines.back().isEmpty()) lines.removeLast();
    return lines;
}

void TsMemo::keyPressEvent(QKeyEvent* event) {
    // Shift+Enter would insert a line separator inside the line; here every
    // Enter ends the line.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() & Qt::ShiftModifier) {
        insertPlainText(QStringLiteral("\n"));
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool TsMemo::canInsertFromMimeData(const QMimeData* source) const {
    return !source->hasUrls() && QPlainTextEdit::canInsertFromMimeData(source);
}

}  // namespace lingotab::skins
