#include "hints/templates/borders_sizes.h"

#include <algorithm>

#include "hints/templates/hint_image.h"

namespace lingotab::hints {

void TacBordersSizes::setValue(Index index, int value) {
    if (!FOwner) {
        values_[index] = value;
        return;
    }
    const bool vertical = index == Top || index == Bottom;
    const int extent = vertical ? FOwner->ImageHeight() : FOwner->ImageWidth();
    const Index opposite = Index((index + 2) % 4);
    values_[index] = std::min(value, extent - 1);
    values_[opposite] = std::min(values_[opposite], extent - this->value(index) - 1);
    // The manager may read these sizes while it reacts; it is told once.
    if (!notifying_) {
        notifying_ = true;
        FOwner->Changed();
        notifying_ = false;
    }
}

void TacBordersSizes::Assign(const TacBordersSizes& source) {
    for (const Index index : {Top, Left, Bottom, Right}) setValue(index, source.values_[index]);
}

void TacBordersSizes::setUnchecked(int top, int left, int bottom, int right) {
    values_ = {top, left, bottom, right};
}

void TacBorderDrawModes::setValue(Index index, TacBorderDrawMode mode) {
    modes_[index] = mode;
    if (FOwner) FOwner->Changed();
}

void TacBorderDrawModes::Assign(const TacBorderDrawModes& source) {
    for (const Index index : {Top, Left, Bottom, Right, Center})
        setValue(index, source.modes_[index]);
}

}  // namespace lingotab::hints
