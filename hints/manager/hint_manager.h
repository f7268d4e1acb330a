#pragma once

#include <QImage>
#include <QObject>
#include <QPoint>
#include <functional>
#include <memory>

#include "hints/manager/hint_info.h"
#include "hints/markup/hint_canvas.h"
#include "hints/templates/hint_template.h"
#include "hints/templates/template_owner.h"
#include "hints/window/hint_placement.h"

namespace lingotab::skins {
class TsSkinManager;
}

namespace lingotab::hints {

class TacHintMachinery;
class TacPngHintWindow;

// The hint manager: once its window has loaded it makes the application's
// hints its own, shown in translucent, fading hint windows painted from the
// skin's hint section or from a picture template, the text in the hint
// markup when HTMLMode is on. Where windows cannot be translucent pixel by
// pixel it stays out, and Qt's plain tooltips appear.
class TsHintManager : public QObject, public TacTemplateOwner {
  public:
    // `machinery`: the application's when null (tests pass their own).
    explicit TsHintManager(QObject* owner = nullptr, TacHintMachinery* machinery = nullptr);
    ~TsHintManager() override;

    // The owner window has finished loading: configures the machinery's
    // pauses (first hint 500 ms, next control 200 ms, hide PauseHide),
    // hooks the show-hint event and installs the hint window class.
    void Loaded();
    void UpdateHintClass();

    // The installed manager, or null.
    static TsHintManager* CurrentHintManager();
    // True when the installed manager takes its look from the skin and the
    // current skin has its section.
    static bool Skinned();
    // Hides a hint that is showing (a pressed button calls it), ours or Qt's.
    static void CancelHint();

    bool Active() const { return FActive; }
    void setActive(bool value);
    bool Animated() const { return FAnimated; }
    void setAnimated(bool value) { FAnimated = value; }
    int MaxWidth() const { return FMaxWidth; }
    void setMaxWidth(int value) { FMaxWidth = value; }
    bool HTMLMode() const { return FHTMLMode; }
    void setHTMLMode(bool value) { FHTMLMode = value; }
    int PauseHide() const { return FPauseHide; }
    void setPauseHide(int value);
    const QString& SkinSection() const { return FSkinSection; }
    void setSkinSection(const QString& value);
    bool UseSkinData() const { return FUseSkinData; }
    void setUseSkinData(bool value) { FUseSkinData = value; }
    TacMousePosition DefaultMousePos() const { return FDefaultMousePos; }
    void setDefaultMousePos(TacMousePosition value) { FDefaultMousePos = value; }
    const QString& TemplateName() const { return FTemplateName; }
    void setTemplateName(const QString& value);
    TacHintTemplates& Templates() { return FTemplates; }
    void setTemplates(const TacHintTemplates& value) { FTemplates.Assign(value); }
    // The selected template, else the built-in default one.
    TacHintTemplate* currentTemplate();

    TacShowHintEvent OnShowHint;
    std::function<void()> OnChange;
    void Changed() override;

    // The skin manager whose skin the hints use: the explicit one, else the
    // application's default manager.
    skins::TsSkinManager* skinManager() const;
    void setSkinManager(skins::TsSkinManager* manager) { skinManager_ = manager; }

    // Whether hint windows can be translucent; tests replace the check.
    std::function<bool()> PerPixelAlpha;

    // A hint on demand, anchored at `Position`, or at a control's screen
    // origin moved right by half its width and down by a third of its height.
    void ShowHint(QPoint Position, const QString& HintText);
    void ShowHint(QWidget* TheControl, const QString& HintText);
    void HideHint();

    // The hint position reported for the hint about to be shown; x = -1
    // means none (the cursor is used).
    QPoint FHintPos{-1, -1};
    // Measuring surface of the hint text and scratch picture of its size.
    QImage FCacheBmp;

  private:
    void OnShowHintApp(QString& HintStr, bool& CanShow, THintInfo& HintInfo);

    int FPauseHide = 5000;
    bool FHTMLMode = false;
    TacMousePosition FDefaultMousePos = mpLeftTop;
    bool FAnimated = true;
    int FMaxWidth = 120;
    QString FSkinSection = QStringLiteral("HINT");
    bool FUseSkinData = false;
    bool FActive = true;
    TacHintTemplates FTemplates{this};
    int FTemplateIndex = -1;
    QString FTemplateName;
    std::unique_ptr<TacPngHintWindow> FTempHint;
    TacHintMachinery* machinery_;
    skins::TsSkinManager* skinManager_ = nullptr;
    bool loaded_ = false;
    bool destroying_ = false;
};

}  // namespace lingotab::hints
