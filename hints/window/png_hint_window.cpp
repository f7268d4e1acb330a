#include "hints/window/png_hint_window.h"

#include <algorithm>

#include "hints/manager/hint_manager.h"
#include "hints/templates/default_template.h"
#include "hints/templates/nine_part.h"

namespace lingotab::hints {
namespace {

TacHintTemplate* currentTemplate = nullptr;
TacHintImage* currentImage = nullptr;

QRect withMargins(QRect rect, const TacHintImage& image) {
    const TacBordersSizes& margins = image.ClientMargins();
    rect.setWidth(std::max(rect.width() + margins.left() + margins.right(), image.ImageWidth()));
    rect.setHeight(std::max(rect.height() + margins.top() + margins.bottom(), image.ImageHeight()));
    return rect;
}

}  // namespace

TacHintTemplate* TacPngHintWindow::CurrentTemplate() {
    return currentTemplate;
}
TacHintImage* TacPngHintWindow::CurrentImage() {
    return currentImage;
}

QRect TacPngHintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
    TsHintManager* manager = TsHintManager::CurrentHintManager();
    if (!manager || skinned()) return TacCustomHintWindow::CalcHintRect(MaxWidth, AHint);
    templateLook_ = true;
    skin_ = HintSkin();
    currentTemplate = manager->currentTemplate();
    const QRect text = measureText(AHint, currentTemplate->Font());

    // The corner at the mouse point decides the picture; it is found for
    // the hint with the default picture's margins.
    currentImage = &currentTemplate->ImageDefault();
    FMousePos = GetArrowPos(withMargins(text, *currentImage).size(), anchorPoint(),
                            manager->DefaultMousePos(), false, monitorBounds())
                    .mousePos;
    TacHintImage* corner = FMousePos == mpLeftBottom    ? &currentTemplate->Img_LeftBottom()
                           : FMousePos == mpRightTop    ? &currentTemplate->Img_RightTop()
                           : FMousePos == mpRightBottom ? &currentTemplate->Img_RightBottom()
                                                        : nullptr;
    if (corner && corner->ImageWidth() > 0) currentImage = corner;
    return withMargins(text, *currentImage);
}

void TacPngHintWindow::CreateAlphaBmp(int Width, int Height) {
    if (!templateLook_) {
        TacCustomHintWindow::CreateAlphaBmp(Width, Height);
        return;
    }
    clearMask();
    AlphaBmp = QImage(Width, Height, QImage::Format_ARGB32);
    AlphaBmp.fill(0);
    if (currentTemplate && currentImage) drawNinePart(AlphaBmp, *currentImage);
    setConstantAlpha(255);
    const QImage saved = AlphaBmp;
    TextOut(AlphaBmp, currentTemplate ? currentTemplate->Font() : HintFont());
    // Text takes the opacity of the picture beneath it.
    for (int y = 0; y < Height; ++y) {
        const auto* alpha = reinterpret_cast<const QRgb*>(saved.constScanLine(y));
        auto* row = reinterpret_cast<QRgb*>(AlphaBmp.scanLine(y));
        for (int x = 0; x < Width; ++x) row[x] = (row[x] & 0x00FFFFFFu) | (alpha[x] & 0xFF000000u);
    }
}

QRect TacPngHintWindow::textArea(int Width, int Height) const {
    if (!templateLook_ || !currentImage) return TacCustomHintWindow::textArea(Width, Height);
    const TacBordersSizes& margins = currentImage->ClientMargins();
    return QRect(0, 0, Width, Height)
        .adjusted(margins.left(), margins.top(), -margins.right(), -margins.bottom());
}

}  // namespace lingotab::hints
