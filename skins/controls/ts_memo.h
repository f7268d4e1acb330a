#pragma once

#include "skins/controls/skin_section.h"

#include <QPlainTextEdit>

namespace lingotab::skins {

// A multi-line text area. Its text uses CR LF between lines, as the
// program's files and exports expect; lines wrap at the right edge, both
// scroll bars are shown, Tab moves the focus. Dropped files are left to the
// window around it.
class TsMemo : public QPlainTextEdit, public TacSkinSectionHolder {
    Q_OBJECT
  public:
    explicit TsMemo(QWidget* parent = nullptr);

    // The whole text, lines joined with CR LF.
    QString Text() const;
    // Replaces the whole text; CR LF, lone CR and lone LF all end a line.
    void setText(const QString& text);
    // The text split into lines (a line end after the last line adds none).
    QStringList Lines() const;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;

  private:
    QString rawText() const;
};

}  // namespace lingotab::skins
