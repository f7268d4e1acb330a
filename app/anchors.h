#pragma once

#include <QObject>
#include <QWidget>
#include <vector>

namespace lingotab::app {

// Keeps controls anchored to the right edge of their container at the
// distance they had from it at the design width: when the container is
// resized they move, their size stays.
class TRightAnchors : public QObject {
    Q_OBJECT
  public:
    // Watches `container` (which owns the object); `designWidth` is the
    // container's width the controls' positions were given for.
    TRightAnchors(QWidget* container, int designWidth);

    // Anchors `control`, a child of the container, at its current position,
    // which was given for the design width.
    void add(QWidget* control);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Anchored {
        QWidget* control;
        int rightDistance;
    };
    void place(const Anchored& anchored) const;

    QWidget* container_;
    int designWidth_;
    std::vector<Anchored> anchored_;
};

}  // namespace lingotab::app
