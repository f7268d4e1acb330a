#include "skins/scroll/ac_scroll_bar.h"

#include "platform/system_metrics.h"
#include "skins/controls/skinned_control.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/pixels.h"
#include "skins/paint/section_paint.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

namespace lingotab::skins {

namespace {

// The sections of one orientation.
struct BarSections {
    const char* track1;
    const char* track2;
    const char* button1;
    const char* button2;
    const char* slider;
};
constexpr BarSections kHorizontal{"SCROLLBAR1H", "SCROLLBAR2H", "SCROLLBTNLEFT", "SCROLLBTNRIGHT",
                                  "SCROLLSLIDERH"};
constexpr BarSections kVertical{"SCROLLBAR1V", "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNBOTTOM",
                                "SCROLLSLIDERV"};

// The parent under the bar: the nearest skinned ancestor's image.
TCacheInfo cacheUnder(const QWidget* bar, QPoint& pos) {
    for (QWidget* w = bar->parentWidget(); w != nullptr; w = w->parentWidget()) {
        TacSkinnedControl* look = TacSkinnedControl::of(w);
        if (look == nullptr || !look->skinned()) continue;
        pos = bar->mapTo(w, QPoint(0, 0));
        TCacheInfo ci;
        ci.Bmp = &look->image();
        ci.Ready = true;
        ci.FillColor = ColorToRGB(
            look->skin()->gd[static_cast<size_t>(look->SkinData.SkinIndex)].Props[0].Color);
        return ci;
    }
    pos = {};
    return {};
}

}  // namespace

TacScrollBar::TacScrollBar(QScrollBar* bar) : QObject(bar), bar_(bar) {
    bar->installEventFilter(this);
    bar->setMouseTracking(true);
    connect(&hotTimer_, &TacTimer::timeout, this, &TacScrollBar::hotTick);
    connect(&repeatTimer_, &TacTimer::timeout, this, &TacScrollBar::repeatTick);
    // Wheel, keys and text changes move the native bar: repaint in step.
    const auto repaint = [this] {
        if (!sending_ || tracking_) bar_->update();
    };
    connect(bar, &QScrollBar::valueChanged, this, repaint);
    connect(bar, &QScrollBar::rangeChanged, this, repaint);
}

TacScrollBar::~TacScrollBar() = default;

const TsSkinManager* TacScrollBar::skin() const {
    return TsSkinManager::defaultManager();
}

bool TacScrollBar::skinned() const {
    const TsSkinManager* manager = skin();
    return manager != nullptr && manager->SkinData.Active;
}

bool TacScrollBar::horizontal() const {
    return bar_->orientation() == Qt::Horizontal;
}

TacScrollInfo TacScrollBar::ScrollInfo() const {
    TacScrollInfo info;
    info.nMin = bar_->minimum();
    info.nPage = bar_->pageStep();
    info.nMax = bar_->maximum() + std::max(info.nPage - 1, 0);
    info.nPos = bar_->value();
    info.nTrackPos = bar_->sliderPosition();
    return info;
}

int TacScrollBar::length() const {
    return horizontal() ? bar_->width() : bar_->height();
}

int TacScrollBar::along(QPoint p) const {
    return horizontal() ? p.x() : p.y();
}

bool TacScrollBar::enabled() const {
    return bar_->isEnabled() && bar_->maximum() > bar_->minimum();
}

int TacScrollBar::buttonLength() const {
    int result = platform::metrics::kScrollArrowLength;
    const TsSkinManager* manager = skin();
    if (manager == nullptr) return result;
    const int index = manager->ConstData.IndexScrollLeft;
    if (manager->IsValidSkinIndex(index) &&
        manager->gd[static_cast<size_t>(index)].ReservedBoolean) {
        const int mask =
            horizontal() ? manager->ConstData.MaskScrollLeft : manager->ConstData.MaskScrollTop;
        const TacMaskFrame frame = maskFrame(*manager, mask, 0);
        if (frame.valid())
            result = std::max(result, horizontal() ? frame.rect.width() : frame.rect.height());
    }
    return result;
}

QImage TacScrollBar::paintBar() const {
    QImage image(bar_->size(), QImage::Format_ARGB32);
    const TsSkinManager* manager = skin();
    if (image.isNull() || manager == nullptr) return image;
    QPoint pos;
    const TCacheInfo ci = cacheUnder(bar_, pos);
    const BarSections& names = horizontal() ? kHorizontal : kVertical;
    const int len = length();
    const int thick = horizontal() ? bar_->height() : bar_->width();
    const auto rectAlong = [&](int start, int size) {
        return horizontal() ? QRect(start, 0, size, thick) : QRect(0, start, thick, size);
    };
    const auto section = [&](const char* name, const QRect& r, int state) {
        if (r.isEmpty()) return;
        const int index = manager->GetSkinIndex(QString::fromLatin1(name));
        if (!manager->IsValidSkinIndex(index)) {
            fillPixels(image, r,
                       colorToPixel(ci.FillColor == clFuchsia ? clBtnFace : ci.FillColor));
            return;
        }
        PaintSection(image, *manager, index, ci, pos + r.topLeft(), r, state, true);
        // The section's glyph, centred (on arrows: in the square at the outer end).
        const int glyph =
            manager->GetMaskIndex(index, QString::fromLatin1(name), QStringLiteral("GLYPHMASK"));
        const TacMaskFrame frame = maskFrame(*manager, glyph, state);
        if (!frame.valid()) return;
        QRect square = r;
        if (name == names.button1 || name == names.button2) {
            const int side = platform::metrics::kScrollArrowLength;
            square = horizontal()
                         ? QRect(name == names.button1 ? r.left() : r.right() + 1 - side, r.top(),
                                 side, r.height())
                         : QRect(r.left(), name == names.button1 ? r.top() : r.bottom() + 1 - side,
                                 r.width(), side);
        }
        DrawMaskGlyph(image, *manager,
                      square.topLeft() + QPoint((square.width() - frame.rect.width()) / 2,
                                                (square.height() - frame.rect.height()) / 2),
                      state, glyph, true);
    };
    const auto partState = [&](TacScrollPart part) {
        if (pressed_ == part && partAt(along(pointer_), len, buttonLength(), ScrollInfo()) == part)
            return 2;
        return hot_ == part ? 1 : 0;
    };

    const int button = buttonLength();
    const TacScrollInfo info = ScrollInfo();
    if (len >= 2 * button) {
        const TacThumb thumb = thumbGeometry(len, button, info);
        const int thumbStart = button + (tracking_ ? dragStart_ : thumb.offset);
        const bool showThumb = enabled() && thumbVisible(len, button, info);
        const int split = showThumb ? thumbStart + thumb.length / 2 : len / 2;
        section(names.track1, rectAlong(button, split - button),
                pressed_ == spPageUp && partState(spPageUp) == 2 ? 2 : 0);
        section(names.track2, rectAlong(split, len - button - split),
                pressed_ == spPageDown && partState(spPageDown) == 2 ? 2 : 0);
        section(names.button1, rectAlong(0, button), tracking_ ? 0 : partState(spLineUp));
        section(names.button2, rectAlong(len - button, button),
                tracking_ ? 0 : partState(spLineDown));
        if (showThumb)
            section(names.slider, rectAlong(thumbStart, thumb.length),
                    tracking_ ? 2 : (hot_ == spThumb ? 1 : 0));
    } else {
        section(names.track1, rectAlong(0, len / 2), 0);
        section(names.track2, rectAlong(len / 2, len - len / 2), 0);
        section(names.button1, rectAlong(0, len / 2), partState(spLineUp));
        section(names.button2, rectAlong(len / 2, len - len / 2), partState(spLineDown));
    }
    if (!enabled()) {
        if (ci.hasImage())
            fadeIntoImage(image, image.rect(), *ci.Bmp, pos, 40);
        else if (ci.FillColor != clFuchsia)
            blendColorPercent(image, image.rect(), ci.FillColor, 40);
    }
    return image;
}

void TacScrollBar::sendRequest(int code, int position) {
    position = std::clamp(position, 0, 65535);
    sending_ = true;
    switch (code) {
        case spLineUp:
            bar_->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case spLineDown:
            bar_->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case spPageUp:
            bar_->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case spPageDown:
            bar_->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        case spThumb:
            bar_->setSliderPosition(position);
            break;
        case spThumbPosition:
            bar_->setValue(position);
            break;
        default:
            break;
    }
    sending_ = false;
    emit requestSent(code, position);
}

void TacScrollBar::press(QPoint p) {
    pointer_ = p;
    const int button = buttonLength();
    const TacScrollPart part = partAt(along(p), length(), button, ScrollInfo());
    if (part == spNone || !enabled()) return;
    if (part == spThumb) {
        tracking_ = true;
        pressed_ = spThumb;
        const TacThumb thumb = thumbGeometry(length(), button, ScrollInfo());
        dragStart_ = thumb.offset;
        grabOffset_ = along(p) - button - thumb.offset;
        lastPosition_ = bar_->value();
        bar_->setSliderDown(true);
        bar_->update();
        return;
    }
    pressed_ = part;
    bar_->update();
    sendRequest(part);
    repeatTimer_.start(kFirstRepeatMs);
}

void TacScrollBar::drag(QPoint p) {
    pointer_ = p;
    if (!tracking_) {
        if (pressed_ != spNone) bar_->update();
        return;
    }
    const int button = buttonLength();
    const TacScrollInfo info = ScrollInfo();
    const TacThumb thumb = thumbGeometry(length(), button, info);
    const int free = std::max(length() - 2 * button - thumb.length, 0);
    dragStart_ = std::clamp(along(p) - button - grabOffset_, 0, free);
    bar_->repaint();
    const int position = positionFromThumb(dragStart_, length(), button, info);
    if (position != lastPosition_) {
        lastPosition_ = position;
        sendRequest(spThumb, position);
    }
}

void TacScrollBar::release() {
    repeatTimer_.stop();
    if (tracking_) {
        tracking_ = false;
        sendRequest(spThumbPosition, lastPosition_);
        bar_->setSliderDown(false);
    }
    if (pressed_ != spNone) sendRequest(spEndScroll);
    pressed_ = spNone;
    bar_->update();
}

void TacScrollBar::repeatTick() {
    if (repeatTimer_.interval() != kRepeatMs) repeatTimer_.start(kRepeatMs);
    if (partAt(along(pointer_), length(), buttonLength(), ScrollInfo()) == pressed_)
        sendRequest(pressed_);
}

void TacScrollBar::hotTick() {
    if (tracking_) return;
    if (!bar_->rect().contains(pointer_)) {
        hotTimer_.stop();
        hot_ = spNone;
        bar_->update();
        return;
    }
    const TacScrollPart part = partAt(along(pointer_), length(), buttonLength(), ScrollInfo());
    if (part != hot_) {
        hot_ = part;
        bar_->update();
    }
}

bool TacScrollBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched != bar_ || !skinned()) return false;
    switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(bar_);
            painter.drawImage(0, 0, paintBar());
            return true;
        }
        case QEvent::Enter:
            hot_ = spNone;
            if (!hotTimer_.isActive()) hotTimer_.start(kHotTrackMs);
            bar_->update();
            return false;
        case QEvent::Leave:
            pointer_ = {-1, -1};
            return false;
        case QEvent::MouseMove: {
            const QPoint p = static_cast<QMouseEvent*>(event)->position().toPoint();
            if (!hotTimer_.isActive() && pressed_ == spNone) hotTimer_.start(kHotTrackMs);
            drag(p);
            return true;
        }
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
            press(static_cast<QMouseEvent*>(event)->position().toPoint());
            return true;
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
            release();
            return true;
        default:
            return false;
    }
}

}  // namespace lingotab::skins
