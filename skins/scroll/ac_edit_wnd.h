#pragma once

// The skinned look of the text area: colours from its "EDIT" section, the
// section's border around the native editor, skinned scroll bars driving the
// editor's own bars, and the corner box between them with the skin's grip
// when the area reaches its window's bottom-right corner.

#include "skins/controls/skinned_control.h"

#include <QPalette>
#include <QPointer>

class QAbstractScrollArea;

namespace lingotab::skins {

class TacScrollBar;

class TacEditWnd : public TacSkinnedControl {
    Q_OBJECT
  public:
    explicit TacEditWnd(QAbstractScrollArea* area);
    ~TacEditWnd() override;

    TacScrollBar* sBarHorz() const { return horz_; }
    TacScrollBar* sBarVert() const { return vert_; }
    // The corner box shows the grip: the area ends at its window's
    // bottom-right corner.
    bool showsGrip() const;
    // Applies (or, without a skin, restores) the background and text colours.
    void applyColors();

  protected:
    void paintImage(QImage& image) override;
    bool handle(QEvent* event) override;
    void skinCommand(int command) override;

  private:
    QAbstractScrollArea* area_;
    TacScrollBar* horz_;
    TacScrollBar* vert_;
    QPointer<QWidget> corner_;
    QPalette StdColors_;
};

}  // namespace lingotab::skins
