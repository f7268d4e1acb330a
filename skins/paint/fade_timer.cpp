#include "skins/paint/fade_timer.h"

#include "skins/paint/pixels.h"

namespace lingotab::skins {

TsFadeTimer::TsFadeTimer(QObject* parent) : TacTimer(parent) {
    connect(this, &TacTimer::timeout, this, &TsFadeTimer::step);
}

void TsFadeTimer::fadeFrom(const QImage& from, int iterations) {
    if (running()) return;
    BmpFrom = from;
    FadeLevel = 0;
    Iterations = std::max(iterations, 1);
    start(kStepMs);
}

void TsFadeTimer::finish() {
    if (!running()) return;
    stop();
    BmpFrom = QImage();
    emit finished();
}

void TsFadeTimer::step() {
    ++FadeLevel;
    emit stepped();
    if (FadeLevel >= Iterations) finish();
}

QImage TsFadeTimer::frame(const QImage& to) const {
    if (!running() || BmpFrom.size() != to.size()) return to;
    QImage mixed = to;
    const int oldShare = 255 * (Iterations - FadeLevel) / Iterations;
    blendPixels(mixed, {0, 0}, BmpFrom, BmpFrom.rect(), oldShare);
    return mixed;
}

}  // namespace lingotab::skins
