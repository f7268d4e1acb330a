#pragma once

// The skinned look of a control, attached to it as an event filter: it owns
// the control's skin record, answers the skin command message, rebuilds the
// control's image when it is stale and shows it (cross-fading where the skin
// asks for it). Without an active skin the control paints the standard way.

#include "skins/paint/cache_info.h"
#include "skins/paint/common_data.h"
#include "skins/paint/fade_timer.h"

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace lingotab::skins {

class TsSkinManager;

// The mouse and focus events that may start a fade.
enum TacAnimEvent { aeNone, aeMouseEnter, aeMouseLeave, aeMouseDown, aeMouseUp };

class TacSkinnedControl : public QObject {
    Q_OBJECT
  public:
    TacSkinnedControl(QWidget* control, const QString& section, int kind);
    ~TacSkinnedControl() override;

    // The skinned look attached to `widget`, or null.
    static TacSkinnedControl* of(const QWidget* widget);

    QWidget* control() const { return control_; }
    TsCommonData SkinData;

    // A skin is active and has the control's section.
    bool skinned() const;
    const TsSkinManager* skin() const { return SkinData.SkinManager(); }

    // The control's image, rebuilt first when stale.
    const QImage& image();
    // Marks the image stale and asks for a repaint.
    void invalidate();
    // What lies under the control: the parent's image (when the parent is
    // skinned) or its plain colour; the control's place in it.
    TCacheInfo parentCache() const;
    QPoint parentPos() const { return control_->pos(); }

    // The section whose font colours a caption takes: the control's own, or
    // for transparent controls the nearest parent section giving its font.
    int fontSection(int state) const;
    // The active rule: enabled, and focused or with the mouse above.
    bool activeState() const;

    TsFadeTimer* fadeTimer() const { return fade_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Paints the whole image of the control (already of the control's size).
    virtual void paintImage(QImage& image) = 0;
    // Everything the image depends on besides the skin; a change marks the
    // image stale at the next paint.
    virtual QByteArray paintKey() const;
    // Reactions of the kind; true when the event is consumed.
    virtual bool handle(QEvent* event);
    // True when the control draws its own content over the shown image.
    virtual bool paintsOverImage() const { return false; }
    // After the skin command `command` was applied to the record.
    virtual void skinCommand(int command);
    // The state changed by `event`: fades when the section asks for it,
    // with half the steps when `fast`, else repaints at once.
    void changeState(TacAnimEvent event, bool fast = false);
    void stopFade();

  private:
    void paintControl();

    QWidget* control_;
    TsFadeTimer* fade_;
    QByteArray lastKey_;
};

}  // namespace lingotab::skins
