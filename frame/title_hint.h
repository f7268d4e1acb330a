#pragma once

// The plain hint window of a hot title button: info colours, shown
// top-most without taking the focus, 8 pixels right of and 16 below the
// cursor and kept inside the work area.

#include <QLabel>

namespace lingotab::frame {

// Where a hint of `size` goes for the cursor at `cursor`.
QPoint titleHintPos(QPoint cursor, QSize size, const QRect& workArea);

class TacTitleHint : public QLabel {
  public:
    static constexpr int kMaxWidth = 800;

    TacTitleHint(const QString& text, QPoint cursor);
};

}  // namespace lingotab::frame
