#pragma once

// The cross-fade of a skinned control from its old image to its new one,
// in steps of 10 ms.

#include "skins/paint/ac_timer.h"

#include <QImage>

namespace lingotab::skins {

class TsFadeTimer : public TacTimer {
    Q_OBJECT
  public:
    static constexpr int kStepMs = 10;

    explicit TsFadeTimer(QObject* parent = nullptr);

    // Starts a fade from `from` over `iterations` steps. A fade already
    // running keeps its image and step and goes on to the new image.
    void fadeFrom(const QImage& from, int iterations);
    // Ends the fade at once.
    void finish();
    bool running() const { return isActive(); }

    int FadeLevel = 0;
    int Iterations = 0;
    QImage BmpFrom;

    // The image to show now: `to` with the old image's share falling by
    // step; `to` itself when no fade runs.
    QImage frame(const QImage& to) const;

  signals:
    // A step was taken; `finished` after the last one.
    void stepped();
    void finished();

  private:
    void step();
};

}  // namespace lingotab::skins
