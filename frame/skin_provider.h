#pragma once

// The skin provider of a window: it takes the window's frame and title bar
// over from the window system (the window becomes frameless and keeps its
// controls inside contents margins), paints them from the skin, answers
// which part lies under the pointer, tracks the hot and pressed button with
// its animation, turns clicks on the system buttons into window commands,
// fires the title buttons' events and drops the system menu with the skin
// submenu first. Without a skin the window system's frame comes back.

#include "frame/caption_button.h"
#include "frame/hit_test.h"
#include "frame/title_buttons.h"
#include "frame/title_layout.h"
#include "frame/title_paint.h"
#include "skins/paint/common_data.h"

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>

class QMenu;
class QPainter;
class QPaintEvent;
class QMouseEvent;
class QTimer;
class QWidget;

namespace lingotab::skins {
class TsSkinManager;
}

namespace lingotab::frame {

// The title bar's own icon; empty: the window's icon. A size of 0 follows
// the caption height.
struct TsTitleIcon {
    QImage Glyph;
    int Width = 0;
    int Height = 0;
};

class TsSkinProvider : public QObject {
    Q_OBJECT
  public:
    // `manager`: the default skin manager when null.
    explicit TsSkinProvider(QWidget* form, skins::TsSkinManager* manager = nullptr);
    ~TsSkinProvider() override;

    QWidget* const Form;
    skins::TsCommonData SkinData{QStringLiteral("FORM")};
    TsTitleButtons& TitleButtons() { return FTitleButtons; }

    bool ShowAppIcon() const { return FShowAppIcon; }
    void setShowAppIcon(bool value);
    TAlignment CaptionAlignment() const { return FCaptionAlignment; }
    void setCaptionAlignment(TAlignment value);
    const TsTitleIcon& TitleIcon() const { return FTitleIcon; }
    void setTitleIcon(const TsTitleIcon& value);
    // Section of the title band; empty: "FORMTITLE".
    const QString& TitleSkin() const { return FTitleSkin; }
    void setTitleSkin(const QString& value);
    // Off: the window system draws frame and title bar.
    bool DrawNonClientArea() const { return FDrawNonClientArea; }
    void setDrawNonClientArea(bool value);
    // The system menu offers the skin submenu.
    bool MakeSkinMenu = true;
    TFormBorderStyle BorderStyle() const { return FBorderStyle; }
    void setBorderStyle(TFormBorderStyle value);

    // Metrics of the title bar.
    int CaptionHeight() const;
    int BorderWidth() const;  // the frame value F
    int BorderHeight() const { return BorderWidth(); }
    int CaptionWidth() const;
    int HeaderHeight() const { return BorderHeight() + CaptionHeight(); }

    // True while the provider draws the frame and title bar.
    bool drawsFrame() const { return framed_; }

    // Looks the skin's sections and button pictures up; run when a skin is
    // applied.
    void PrepareForm();

    // The part under the screen point `screen`; buttons become hot, other
    // parts clear the hot element.
    int HTProcess(QPoint screen);
    void SetHotHT(int code);
    void SetPressedHT(int code);
    // The process-wide pressed flag: a caption button is pressed.
    static bool pressedFlag();
    int CurrentHT = 0;
    bool FormActive = false;

    TsCaptionButton ButtonMin, ButtonMax, ButtonClose, ButtonHelp;
    // The button answering `code`, or null.
    TsCaptionButton* captionButton(int code);
    void RepaintButton(int code);

    // The skinned system menu at a screen point, and its items: the skin
    // submenu first (with MakeSkinMenu), then the window commands.
    void DropSysMenu(QPoint screen);
    void fillSystemMenu(QMenu& menu);

    const TacTitleBarLayout& layout() const { return layout_; }
    // Offset of the layout's coordinates from the window's: a maximized
    // window keeps its frame just outside the screen.
    int layoutOffset() const;
    // The frame and title bar as painted now, buttons included, in window
    // coordinates (the client area shows the window section).
    QImage frameImage();

    // The title buttons changed their look or number.
    void TitleButtonsChanged();

    // Where the pointer is; tests replace it.
    std::function<QPoint()> CursorPos;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    skins::TsSkinManager* manager() const;
    void setFramed(bool framed);
    QMargins frameMargins() const;
    void relayout();
    void invalidateFrame();
    void ensureFrame();
    TacTitleBarInput layoutInput() const;
    TacHitInput hitInput() const;
    void paintFrame(QPaintEvent* event);
    void drawButtons(QPainter& painter);
    void setButtonState(int code, int state);
    const QImage& glyphOf(int code) const;
    void showTitleHint(int code);
    void hideTitleHint(int code);

    bool mouseEvent(QMouseEvent* event);
    void leftDown(int code, QPoint screen);
    void leftUp(int code, QPoint screen);
    void doubleClick(int code);
    void startDrag(int code, QPoint screen);
    void dragTo(QPoint screen);
    void updateCursor(int code);

    TsTitleButtons FTitleButtons{this};
    bool FShowAppIcon = true;
    TAlignment FCaptionAlignment = taLeftJustify;
    TsTitleIcon FTitleIcon;
    QString FTitleSkin;
    bool FDrawNonClientArea = true;
    TFormBorderStyle FBorderStyle = bsSizeable;
    int FTitleSkinIndex = -1;
    int FCaptionSkinIndex = -1;
    int FTitleBarMask = -1;

    QPointer<skins::TsSkinManager> manager_;
    bool framed_ = false;
    TacTitleBarLayout layout_;
    QImage frame_;  // frame and title band without buttons, layout coordinates
    bool frameStale_ = true;
    bool cursorSet_ = false;
    QTimer* menuDelay_;  // the icon's menu waits for a possible double click
    // Moving or resizing by ourselves where the window system does not.
    int dragCode_ = 0;
    QPoint dragStart_;
    QRect dragGeometry_;
};

}  // namespace lingotab::frame
