#include "frame/title_buttons.h"

#include "frame/skin_provider.h"
#include "frame/title_hint.h"

namespace lingotab::frame {

namespace {

// Pictures without alpha are drawn with the colour of their bottom-left
// pixel as the transparent colour.
QImage prepareGlyph(const QImage& glyph) {
    if (glyph.isNull() || glyph.hasAlphaChannel()) return glyph;
    QImage drawn = glyph.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = drawn.pixel(0, drawn.height() - 1);
    for (int y = 0; y < drawn.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(drawn.scanLine(y));
        for (int x = 0; x < drawn.width(); ++x) {
            if (line[x] == key) line[x] = 0;
        }
    }
    return drawn;
}

}  // namespace

TsTitleButton::TsTitleButton(TsSkinProvider* owner) : FOwner(owner) {}

TsTitleButton::~TsTitleButton() = default;

void TsTitleButton::setUseSkinData(bool value) {
    FUseSkinData = value;
    FOwner->TitleButtonsChanged();
}

void TsTitleButton::setGlyph(const QImage& value) {
    FGlyph = value;
    drawnGlyph_ = prepareGlyph(value);
    if (BtnData.Timer) BtnData.Timer->reset();
    FOwner->TitleButtonsChanged();
}

void TsTitleButton::setEnabled(bool value) {
    FEnabled = value;
    FOwner->TitleButtonsChanged();
}

void TsTitleButton::setVisible(bool value) {
    FVisible = value;
    FOwner->TitleButtonsChanged();
}

TsTitleButton* TsTitleButtons::Add() {
    items_.push_back(std::make_unique<TsTitleButton>(FOwner));
    FOwner->TitleButtonsChanged();
    return items_.back().get();
}

}  // namespace lingotab::frame
