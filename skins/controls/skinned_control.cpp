#include "skins/controls/skinned_control.h"

#include "skins/controls/skinned_panel.h"
#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"

#include <QEvent>
#include <QPainter>

namespace lingotab::skins {

namespace {

const char kHookProperty[] = "lingotabSkinnedLook";

}  // namespace

TacSkinnedControl::TacSkinnedControl(QWidget* control, const QString& section, int kind)
    : QObject(control), SkinData(section, kind), control_(control), fade_(new TsFadeTimer(this)) {
    control->setProperty(kHookProperty, QVariant::fromValue<QObject*>(this));
    control->installEventFilter(this);
    connect(fade_, &TsFadeTimer::stepped, control, qOverload<>(&QWidget::update));
    SkinData.UpdateIndexes();
}

TacSkinnedControl::~TacSkinnedControl() = default;

TacSkinnedControl* TacSkinnedControl::of(const QWidget* widget) {
    if (widget == nullptr) return nullptr;
    return qobject_cast<TacSkinnedControl*>(widget->property(kHookProperty).value<QObject*>());
}

bool TacSkinnedControl::skinned() const {
    return SkinData.Skinned();
}

bool TacSkinnedControl::activeState() const {
    return control_->isEnabled() &&
           (control_->hasFocus() || SkinData.FFocused || SkinData.FMouseAbove);
}

const QImage& TacSkinnedControl::image() {
    if (QByteArray key = paintKey(); key != lastKey_) {
        lastKey_ = std::move(key);
        SkinData.BGChanged = true;
    }
    if (SkinData.BGChanged || SkinData.FCacheBmp.size() != control_->size()) {
        QImage& image = SkinData.FCacheBmp;
        if (image.size() != control_->size())
            image = QImage(control_->size(), QImage::Format_ARGB32);
        if (!image.isNull()) paintImage(image);
        SkinData.BGChanged = false;
        // Children that show this image through their own must follow it.
        for (QObject* child : control_->children()) {
            if (auto* widget = qobject_cast<QWidget*>(child))
                if (TacSkinnedControl* look = of(widget)) look->SkinData.BGChanged = true;
        }
    }
    return SkinData.FCacheBmp;
}

void TacSkinnedControl::invalidate() {
    SkinData.BGChanged = true;
    control_->update();
}

TCacheInfo TacSkinnedControl::parentCache() const {
    TCacheInfo ci;
    QWidget* parent = control_->parentWidget();
    if (TacSkinnedControl* look = of(parent); look != nullptr && look->skinned()) {
        ci.Bmp = &look->image();
        ci.Ready = true;
        const TsGeneralData& section =
            look->skin()->gd[static_cast<size_t>(look->SkinData.SkinIndex)];
        ci.FillColor = ColorToRGB(section.Props[0].Color);
    } else if (parent != nullptr) {
        ci.FillColor = static_cast<TColor>(parent->palette().window().color().red() |
                                           parent->palette().window().color().green() << 8 |
                                           parent->palette().window().color().blue() << 16);
    }
    return ci;
}

int TacSkinnedControl::fontSection(int state) const {
    const int own = SkinData.SkinIndex;
    const TsSkinManager* manager = skin();
    if (manager == nullptr || !manager->IsValidSkinIndex(own)) return own;
    const TsGeneralData& section = manager->gd[static_cast<size_t>(own)];
    const bool asksParent = SkinData.COC == TsCommonData::COC_TsCheckBox ||
                            SkinData.COC == TsCommonData::COC_TsRadioButton || SkinData.COC == 0;
    if (!asksParent || section.Props[state > 0 ? 1 : 0].Transparency <= 0) return own;
    // Up through parents more than half transparent.
    for (QWidget* w = control_->parentWidget(); w != nullptr; w = w->parentWidget()) {
        TacSkinnedControl* look = of(w);
        if (look == nullptr || !manager->IsValidSkinIndex(look->SkinData.SkinIndex)) break;
        const TsGeneralData& parent = manager->gd[static_cast<size_t>(look->SkinData.SkinIndex)];
        if (parent.Props[0].Transparency > 50) continue;
        return parent.GiveOwnFont ? look->SkinData.SkinIndex : own;
    }
    return own;
}

void TacSkinnedControl::changeState(TacAnimEvent event, bool fast) {
    const TsSkinManager* manager = skin();
    const bool fading = event != aeNone && skinned() && !TsSkinManager::skinLoading() &&
                        manager->gd[static_cast<size_t>(SkinData.SkinIndex)].FadingEnabled &&
                        !SkinData.FCacheBmp.isNull() && control_->isVisible();
    if (fading) {
        const int iterations =
            manager->gd[static_cast<size_t>(SkinData.SkinIndex)].FadingIterations;
        fade_->fadeFrom(fade_->frame(SkinData.FCacheBmp), fast ? iterations / 2 : iterations);
    }
    invalidate();
}

void TacSkinnedControl::stopFade() {
    fade_->finish();
}

bool TacSkinnedControl::handle(QEvent*) {
    return false;
}

void TacSkinnedControl::skinCommand(int) {}

QByteArray TacSkinnedControl::paintKey() const {
    QByteArray key;
    const QSize size = control_->size();
    key.append(reinterpret_cast<const char*>(&size), sizeof size);
    key.append(control_->isEnabled() ? 'e' : '-');
    key.append(control_->hasFocus() ? 'f' : '-');
    key.append(SkinData.FMouseAbove ? 'm' : '-');
    return key;
}

void TacSkinnedControl::paintControl() {
    const QImage shown = fade_->frame(image());
    QPainter painter(control_);
    painter.drawImage(0, 0, shown);
}

bool TacSkinnedControl::eventFilter(QObject* watched, QEvent* event) {
    if (watched != control_) return false;
    if (event->type() == TacSkinCommandEvent::Type) {
        const auto* command = static_cast<TacSkinCommandEvent*>(event);
        if (command->manager() != nullptr && command->manager() != SkinData.SkinManager())
            return false;
        switch (command->command()) {
            case AC_SETNEWSKIN:
                stopFade();
                SkinData.UpdateIndexes();
                break;
            case AC_REMOVESKIN:
                stopFade();
                SkinData.RemoveSkin();
                break;
            case AC_REFRESH:
                stopFade();
                SkinData.UpdateIndexes();
                break;
            case AC_UPDATESECTION:
                if (command->section() == SkinData.SkinSection()) SkinData.UpdateIndexes();
                break;
            default:
                return false;
        }
        skinCommand(command->command());
        // The window under the controls paints its "FORM" section.
        if (command->command() == AC_SETNEWSKIN || command->command() == AC_REFRESH)
            if (QWidget* window = control_->window(); window != control_)
                TacSkinnedPanel::attachForm(window);
        control_->update();
        return false;
    }
    switch (event->type()) {
        case QEvent::Resize:
        case QEvent::EnabledChange:
        case QEvent::FontChange:
            SkinData.BGChanged = true;
            if (event->type() == QEvent::EnabledChange && !control_->isEnabled()) stopFade();
            break;
        case QEvent::Move:
            // The background may show the parent.
            SkinData.BGChanged = true;
            break;
        default:
            break;
    }
    if (!skinned()) return false;
    if (handle(event)) return true;
    if (event->type() == QEvent::Paint) {
        paintControl();
        return !paintsOverImage();
    }
    return false;
}

}  // namespace lingotab::skins
