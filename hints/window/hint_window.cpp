#include "hints/window/hint_window.h"

#include <QBitmap>
#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "hints/manager/hint_manager.h"
#include "hints/markup/image_canvas.h"
#include "hints/markup/ts_html.h"
#include "hints/window/hint_fade.h"
#include "hints/window/hint_font.h"

namespace lingotab::hints {
namespace {

// The border mask's transparent corners are painted in this colour, next to
// magenta and used by no skin picture, so that they can be found again.
constexpr skins::TColor kOutsideShape = 0x00FF00FE;
constexpr QRgb kOutsidePixel = 0xFFFE00FFu;

}  // namespace

TacCustomHintWindow::TacCustomHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    fadeTimer_.setInterval(kFadeStepMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &TacCustomHintWindow::stepFade);
}

TacCustomHintWindow::~TacCustomHintWindow() = default;

bool TacCustomHintWindow::skinned() const {
    return TsHintManager::Skinned();
}

QRect TacCustomHintWindow::measureText(const QString& AHint, const HintFont& font) {
    TsHintManager* manager = TsHintManager::CurrentHintManager();
    const int maxWidth = manager->MaxWidth() < 1
                             ? QGuiApplication::primaryScreen()->geometry().width()
                             : manager->MaxWidth();
    const QRect area(0, 0, maxWidth, 0);
    ImageCanvas canvas(&manager->FCacheBmp, font);
    if (manager->HTMLMode()) {
        TsHtml html;
        html.Init(&canvas, AHint, area);
        return html.HTMLText();
    }
    return QRect(QPoint(0, 0), canvas.wrappedTextRect(area, AHint).size());
}

QRect TacCustomHintWindow::CalcHintRect(int MaxWidth, const QString& AHint) {
    Q_UNUSED(MaxWidth);
    TsHintManager* manager = TsHintManager::CurrentHintManager();
    if (!manager) return {};
    templateLook_ = false;
    skin_ = HintSkin::find(manager->skinManager(), manager->SkinSection());
    QRect result = measureText(AHint, platformHintFont());
    if (!skinned()) return result;
    // 4 pixels of free space on each side inside the border.
    result.setWidth(result.width() + skin_.borderLeft() + skin_.borderRight() + 8);
    result.setHeight(result.height() + skin_.borderTop() + skin_.borderBottom() + 8);
    return result;
}

QPoint TacCustomHintWindow::anchorPoint() const {
    return HintLocation.x() != 0 && HintLocation.y() != 0 ? HintLocation : GetHintPoint();
}

QPoint TacCustomHintWindow::GetHintPoint() const {
    const TsHintManager* manager = TsHintManager::CurrentHintManager();
    if (manager && manager->FHintPos.x() != -1) return manager->FHintPos;
    return QCursor::pos();
}

void TacCustomHintWindow::ActivateHint(const QRect& Rect, const QString& AHint) {
    TsHintManager* manager = TsHintManager::CurrentHintManager();
    if (!manager) return;
    const bool wasVisible = isVisible();
    caption_ = AHint;
    const QPoint anchor = anchorPoint();
    const int w = Rect.width();
    const int h = Rect.height();
    const HintPlacement placed = GetArrowPos(Rect.size(), anchor, manager->DefaultMousePos(),
                                             !templateLook_, monitorBounds());
    FMousePos = placed.mousePos;
    QPoint topLeft = placed.topLeft;
    // The template look keeps the pointer clear of a hint above it.
    if (templateLook_ && (FMousePos == mpLeftBottom || FMousePos == mpRightBottom)) {
        topLeft.ry() -= 16;
    }
    manager->FCacheBmp = QImage(w, h, QImage::Format_ARGB32);

    setGeometry(QRect(topLeft, QSize(w, h)));
    CreateAlphaBmp(w, h);
    fadeTimer_.stop();
    fadeAlphas_.clear();
    fadeStep_ = 0;
    if (manager->Animated() && !wasVisible) {
        const int transparency = templateLook_ ? 0 : skin_.transparency();
        fadeAlphas_ = fadeAlphas(fadeTargetAlpha(transparency));
        setConstantAlpha(0);
        show();
        repaint();
        fadeTimer_.start();
    } else {
        // Passing from one control to the next: no fade, and fully opaque.
        setConstantAlpha(255);
        show();
        update();
    }
    manager->FHintPos.setX(-1);
}

void TacCustomHintWindow::stepFade() {
    if (!fading()) {
        fadeTimer_.stop();
        return;
    }
    setConstantAlpha(fadeAlphas_[fadeStep_++]);
    if (!fading()) fadeTimer_.stop();
}

void TacCustomHintWindow::setConstantAlpha(int alpha) {
    constantAlpha_ = alpha;
    // The offscreen platform composes nothing and has no window opacity.
    static const bool composed = QGuiApplication::platformName() != QLatin1String("offscreen");
    if (composed) setWindowOpacity(alpha / 255.0);
}

void TacCustomHintWindow::CreateAlphaBmp(int Width, int Height) {
    setConstantAlpha(255);
    AlphaBmp = QImage(Width, Height, QImage::Format_ARGB32);
    UpdateShape();
    const QImage body = GetBody();
    for (int y = 0; y < Height; ++y) {
        const auto* mask = reinterpret_cast<const QRgb*>(MaskBmp.constScanLine(y));
        const auto* source = reinterpret_cast<const QRgb*>(body.constScanLine(y));
        auto* target = reinterpret_cast<QRgb*>(AlphaBmp.scanLine(y));
        for (int x = 0; x < Width; ++x) {
            // White in the mask lies outside the shape: fully transparent.
            target[x] = (mask[x] & 0xFFFFFF) == 0xFFFFFF ? 0 : (source[x] | 0xFF000000u);
        }
    }
}

QImage TacCustomHintWindow::GetMask() const {
    const QImage& cache = TsHintManager::CurrentHintManager()->FCacheBmp;
    QImage mask(cache.size(), QImage::Format_ARGB32);
    mask.fill(kOutsidePixel);
    skin_.paint(mask, kOutsideShape);
    for (int y = 0; y < mask.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(mask.scanLine(y));
        for (int x = 0; x < mask.width(); ++x) {
            row[x] = row[x] == kOutsidePixel ? 0xFFFFFFFFu : 0xFF000000u;
        }
    }
    return mask;
}

QImage TacCustomHintWindow::GetBody() {
    const QImage& cache = TsHintManager::CurrentHintManager()->FCacheBmp;
    QImage body(cache.size(), QImage::Format_ARGB32);
    body.fill(0xFF000000u);
    skin_.paint(body);
    TextOut(body, platformHintFont());
    return body;
}

void TacCustomHintWindow::UpdateShape() {
    MaskBmp = GetMask();
    if (!skinned()) return;
    // Every pixel that is not white belongs to the window.
    setMask(QBitmap::fromImage(MaskBmp.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither)));
}

QRect TacCustomHintWindow::textArea(int Width, int Height) const {
    return QRect(0, 0, Width, Height)
        .adjusted(skin_.borderLeft() + 4, skin_.borderTop() + 4, -(skin_.borderRight() + 4),
                  -(skin_.borderBottom() + 4));
}

void TacCustomHintWindow::TextOut(QImage& Bmp, const HintFont& font) {
    const TsHintManager* manager = TsHintManager::CurrentHintManager();
    const QRect area = textArea(Bmp.width(), Bmp.height());
    ImageCanvas canvas(&Bmp, font);
    if (!templateLook_) canvas.font.color = skin_.fontColor();
    if (manager->HTMLMode()) {
        TsHtml html;
        html.Init(&canvas, caption_, area);
        html.HTMLText();
    } else {
        canvas.drawWrappedText(area, caption_);
    }
}

void TacCustomHintWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, AlphaBmp);
}

}  // namespace lingotab::hints
