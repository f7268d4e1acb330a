#include "hints/templates/hint_template.h"

#include "hints/templates/template_owner.h"
#include "hints/window/hint_font.h"

namespace lingotab::hints {

TacHintTemplate::TacHintTemplate(TacHintTemplates* owner)
    : FFont(platformDefaultFont()), FOwner(owner) {}

void TacHintTemplate::setFont(const HintFont& font) {
    FFont = font;
    Changed();
}

void TacHintTemplate::Assign(const TacHintTemplate& source) {
    FImageDefault.Assign(source.FImageDefault);
    FImageLeftBottom.Assign(source.FImageLeftBottom);
    FImageRightBottom.Assign(source.FImageRightBottom);
    FImageRightTop.Assign(source.FImageRightTop);
    setFont(source.FFont);
    FName = source.FName;
}

void TacHintTemplate::Changed() {
    if (FOwner && FOwner->Owner()) FOwner->Owner()->Changed();
}

TacHintTemplate& TacHintTemplates::Add() {
    items_.push_back(std::make_unique<TacHintTemplate>(this));
    return *items_.back();
}

void TacHintTemplates::Assign(const TacHintTemplates& source) {
    if (&source == this) return;
    items_.clear();
    for (const auto& item : source.items_) Add().Assign(*item);
}

int TacHintTemplates::IndexOf(const QString& name) const {
    for (std::size_t i = 0; i < items_.size(); ++i) {
        if (items_[i]->Name().compare(name, Qt::CaseInsensitive) == 0) return int(i);
    }
    return -1;
}

}  // namespace lingotab::hints
