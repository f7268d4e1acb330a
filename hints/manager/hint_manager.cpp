#include "hints/manager/hint_manager.h"

#include <QToolTip>
#include <QWidget>

#include "hints/manager/hint_machinery.h"
#include "hints/manager/per_pixel_alpha.h"
#include "hints/templates/default_template.h"
#include "hints/window/hint_skin.h"
#include "hints/window/png_hint_window.h"
#include "skins/manager/skin_manager.h"

namespace lingotab::hints {
namespace {

TsHintManager* installedManager = nullptr;

}  // namespace

TsHintManager::TsHintManager(QObject* owner, TacHintMachinery* machinery)
    : QObject(owner),
      PerPixelAlpha(hasPerPixelAlpha),
      FCacheBmp(0, 0, QImage::Format_ARGB32),
      machinery_(machinery ? machinery : &TacHintMachinery::Application()) {}

TsHintManager::~TsHintManager() {
    destroying_ = true;
    if (loaded_) machinery_->OnShowHint = nullptr;
    FTempHint.reset();
    UpdateHintClass();
}

TsHintManager* TsHintManager::CurrentHintManager() {
    return installedManager;
}

bool TsHintManager::Skinned() {
    const TsHintManager* manager = installedManager;
    return manager && manager->FUseSkinData &&
           HintSkin::find(manager->skinManager(), manager->FSkinSection).valid();
}

void TsHintManager::CancelHint() {
    QToolTip::hideText();
    if (installedManager) installedManager->machinery_->CancelHint();
}

void TsHintManager::Loaded() {
    loaded_ = true;
    if (FSkinSection.isEmpty()) FSkinSection = QStringLiteral("HINT");
    machinery_->HintHidePause = FPauseHide;
    machinery_->HintPause = 500;
    machinery_->HintShortPause = 200;
    FHintPos = QPoint(-1, -1);
    machinery_->OnShowHint = [this](QString& HintStr, bool& CanShow, THintInfo& HintInfo) {
        OnShowHintApp(HintStr, CanShow, HintInfo);
    };
    UpdateHintClass();
}

void TsHintManager::UpdateHintClass() {
    if (!FActive || destroying_ || !PerPixelAlpha || !PerPixelAlpha()) {
        if (installedManager == this) {
            installedManager = nullptr;
            machinery_->setHintWindowClass(nullptr);
        }
        return;
    }
    if (!loaded_) return;
    installedManager = this;
    machinery_->setHintWindowClass([] { return std::make_unique<TacPngHintWindow>(); });
}

void TsHintManager::OnShowHintApp(QString& HintStr, bool& CanShow, THintInfo& HintInfo) {
    FHintPos = HintInfo.HintPos;
    if (OnShowHint) {
        QWidget* frame = nullptr;
        OnShowHint(HintStr, CanShow, HintInfo, frame);
        // Frames in hints are not shown; the hint system owns what it gets.
        if (frame) frame->deleteLater();
    }
    FHintPos = HintInfo.HintPos;  // the handler may have moved the hint
}

void TsHintManager::setActive(bool value) {
    FActive = value;
    UpdateHintClass();
}

void TsHintManager::setPauseHide(int value) {
    if (value == FPauseHide) return;
    FPauseHide = value;
    if (loaded_) machinery_->HintHidePause = value;
}

void TsHintManager::setSkinSection(const QString& value) {
    FSkinSection = value.isEmpty() ? QStringLiteral("HINT") : value;
}

void TsHintManager::setTemplateName(const QString& value) {
    FTemplateName = value;
    FTemplateIndex = FTemplates.IndexOf(value);
}

TacHintTemplate* TsHintManager::currentTemplate() {
    if (FTemplateIndex >= 0 && FTemplateIndex < FTemplates.Count()) {
        return &FTemplates.Items(FTemplateIndex);
    }
    return &DefaultHintTemplate();
}

void TsHintManager::Changed() {
    if (loaded_ && OnChange) OnChange();
}

skins::TsSkinManager* TsHintManager::skinManager() const {
    return skinManager_ ? skinManager_ : skins::TsSkinManager::defaultManager();
}

void TsHintManager::ShowHint(QPoint Position, const QString& HintText) {
    if (!FTempHint) FTempHint = std::make_unique<TacPngHintWindow>();
    FTempHint->HintLocation = Position;
    FTempHint->ActivateHint(FTempHint->CalcHintRect(FMaxWidth, HintText), HintText);
}

void TsHintManager::ShowHint(QWidget* TheControl, const QString& HintText) {
    ShowHint(TheControl->mapToGlobal(QPoint(TheControl->width() / 2, TheControl->height() / 3)),
             HintText);
}

void TsHintManager::HideHint() {
    FTempHint.reset();
}

}  // namespace lingotab::hints
