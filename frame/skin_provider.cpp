#include "frame/skin_provider.h"

#include "frame/hit_codes.h"
#include "frame/title_hint.h"
#include "platform/system_metrics.h"
#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"

#include <QApplication>
#include <QCursor>
#include <QFontDatabase>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

namespace lingotab::frame {

namespace metrics = platform::metrics;

namespace {

// Set when a caption button is pressed, cleared whenever the hot element
// changes: a press that leaves its button is no click.
bool gPressed = false;

const QImage kNoGlyph;

// The pixels of a title icon picture: 32-bit pictures as they are, others
// stretched with magenta as the transparent colour.
QImage titleIconImage(const QImage& glyph, QSize size) {
    if (glyph.hasAlphaChannel()) return glyph.scaled(size);
    QImage image = glyph.convertToFormat(QImage::Format_ARGB32).scaled(size);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == 0xFF00FFu) line[x] = 0;
        }
    }
    return image;
}

Qt::Edges sizingEdges(int code) {
    switch (code) {
        case HTLEFT:
            return Qt::LeftEdge;
        case HTRIGHT:
            return Qt::RightEdge;
        case HTTOP:
            return Qt::TopEdge;
        case HTTOPLEFT:
            return Qt::TopEdge | Qt::LeftEdge;
        case HTTOPRIGHT:
            return Qt::TopEdge | Qt::RightEdge;
        case HTBOTTOM:
            return Qt::BottomEdge;
        case HTBOTTOMLEFT:
            return Qt::BottomEdge | Qt::LeftEdge;
        case HTBOTTOMRIGHT:
            return Qt::BottomEdge | Qt::RightEdge;
        default:
            return {};
    }
}

Qt::CursorShape sizingCursor(int code) {
    switch (code) {
        case HTLEFT:
        case HTRIGHT:
            return Qt::SizeHorCursor;
        case HTTOP:
        case HTBOTTOM:
            return Qt::SizeVerCursor;
        case HTTOPLEFT:
        case HTBOTTOMRIGHT:
            return Qt::SizeFDiagCursor;
        default:
            return Qt::SizeBDiagCursor;
    }
}

}  // namespace

TsSkinProvider::TsSkinProvider(QWidget* form, skins::TsSkinManager* manager)
    : QObject(form), Form(form), manager_(manager), menuDelay_(new QTimer(this)) {
    SkinData.setSkinManager(manager);
    CursorPos = [] { return QCursor::pos(); };
    menuDelay_->setSingleShot(true);
    connect(menuDelay_, &QTimer::timeout, this, [this] {
        const QRect icon = layout_.Icon.translated(-layoutOffset(), -layoutOffset());
        DropSysMenu(Form->mapToGlobal(QPoint(icon.left(), layout_.BandHeight - layoutOffset())));
    });
    Form->installEventFilter(this);
    if (const skins::TsSkinManager* m = this->manager(); m && m->SkinData.Active) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() = default;

skins::TsSkinManager* TsSkinProvider::manager() const {
    return manager_ ? manager_.data() : skins::TsSkinManager::defaultManager();
}

bool TsSkinProvider::pressedFlag() {
    return gPressed;
}

// --- properties and metrics ---

void TsSkinProvider::setShowAppIcon(bool value) {
    FShowAppIcon = value;
    relayout();
}

void TsSkinProvider::setCaptionAlignment(TAlignment value) {
    FCaptionAlignment = value;
    invalidateFrame();
}

void TsSkinProvider::setTitleIcon(const TsTitleIcon& value) {
    FTitleIcon = value;
    relayout();
}

void TsSkinProvider::setTitleSkin(const QString& value) {
    FTitleSkin = value;
    PrepareForm();
}

void TsSkinProvider::setDrawNonClientArea(bool value) {
    FDrawNonClientArea = value;
    PrepareForm();
}

void TsSkinProvider::setBorderStyle(TFormBorderStyle value) {
    FBorderStyle = value;
    if (framed_) Form->setContentsMargins(frameMargins());
    relayout();
}

int TsSkinProvider::CaptionHeight() const {
    return FBorderStyle == bsNone ? 0 : metrics::kCaptionHeight;
}

int TsSkinProvider::BorderWidth() const {
    switch (FBorderStyle) {
        case bsSizeable:
            return metrics::kSizeFrameWidth;
        case bsSingle:
        case bsDialog:
            return metrics::kFixedFrameWidth;
        default:
            return 0;
    }
}

int TsSkinProvider::CaptionWidth() const {
    return Form->width() + 2 * layoutOffset();
}

int TsSkinProvider::layoutOffset() const {
    return Form->isMaximized() ? BorderWidth() : 0;
}

QMargins TsSkinProvider::frameMargins() const {
    const int f = BorderWidth() - layoutOffset();
    return {f, HeaderHeight() - layoutOffset(), f, f};
}

// --- skin and frame ---

void TsSkinProvider::PrepareForm() {
    SkinData.UpdateIndexes();
    const skins::TsSkinManager* skin = manager();
    const bool skinned = FDrawNonClientArea && FBorderStyle != bsNone && skin && skin->active() &&
                         SkinData.SkinIndex >= 0;
    if (skinned) {
        FCaptionSkinIndex = skin->GetSkinIndex(QStringLiteral("CAPTION"));
        FTitleSkinIndex =
            skin->GetSkinIndex(FTitleSkin.isEmpty() ? QStringLiteral("FORMTITLE") : FTitleSkin);
        FTitleBarMask = skin->GetMaskIndex(SkinData.SkinIndex, SkinData.SkinSection(),
                                           QStringLiteral("TITLEBAR"));
    }
    for (int code : {HTCLOSE, HTMAXBUTTON, HTMINBUTTON, HTHELP}) {
        if (TsCaptionButton* button = captionButton(code); button && button->Timer)
            button->Timer->reset();
    }
    for (int i = 0; i < FTitleButtons.Count(); ++i) {
        if (auto& timer = FTitleButtons.Items(i)->BtnData.Timer) timer->reset();
    }
    CurrentHT = 0;
    setFramed(skinned);
    relayout();
    // Entering a control from the frame is leaving the frame.
    for (QObject* child : Form->children()) {
        if (child->isWidgetType()) child->installEventFilter(this);
    }
}

void TsSkinProvider::setFramed(bool framed) {
    if (framed == framed_) return;
    const QMargins before = Form->contentsMargins();
    framed_ = framed;
    const QMargins after = framed ? frameMargins() : QMargins();
    const bool visible = Form->isVisible();
    const QRect client = Form->geometry() - before;
    Form->setWindowFlag(Qt::FramelessWindowHint, framed);
    Form->setMouseTracking(framed);
    Form->setContentsMargins(after);
    if (!Form->isMaximized()) Form->setGeometry(client + after);
    if (!framed && cursorSet_) {
        Form->unsetCursor();
        cursorSet_ = false;
    }
    if (visible) Form->show();
}

TacTitleBarInput TsSkinProvider::layoutInput() const {
    TacTitleBarInput in;
    in.BorderStyle = FBorderStyle;
    in.Width = CaptionWidth();
    in.CaptionHeight = CaptionHeight();
    in.F = BorderWidth();
    in.Maximized = Form->isMaximized();
    in.Minimized = Form->isMinimized();
    in.ShowAppIcon = FShowAppIcon;
    in.HasCaptionSection = FCaptionSkinIndex >= 0;
    in.TitleIcon = QSize(FTitleIcon.Width, FTitleIcon.Height);
    for (int i = 0; i < FTitleButtons.Count(); ++i) {
        const TsTitleButton* button = FTitleButtons.Items(i);
        in.TitleButtons.push_back(
            {button->Visible(), button->Enabled(), button->UseSkinData(), button->Glyph().size()});
    }
    return in;
}

TacHitInput TsSkinProvider::hitInput() const {
    TacHitInput in;
    in.Window = Form->size() + QSize(2, 2) * layoutOffset();
    in.F = BorderWidth();
    in.CaptionHeight = CaptionHeight();
    in.SizingFrame = FBorderStyle == bsSizeable;
    in.Maximized = Form->isMaximized();
    in.Minimized = Form->isMinimized();
    return in;
}

void TsSkinProvider::relayout() {
    const skins::TsSkinManager* skin = manager();
    if (!framed_ || !skin) return;
    layout_ = LayoutTitleBar(*skin, layoutInput());
    const auto take = [](TsCaptionButton& button, const TacButtonPlace& place) {
        button.ImageIndex = place.ImageIndex;
        button.Rect = place.Rect;
        button.Shown = place.Shown;
        button.Enabled = place.Enabled;
        button.HaveAlignment = place.HaveAlignment;
        button.HitCode = static_cast<unsigned>(place.HitCode);
    };
    take(ButtonClose, layout_.Close);
    take(ButtonMax, layout_.Max);
    take(ButtonMin, layout_.Min);
    take(ButtonHelp, layout_.Help);
    for (int i = 0; i < FTitleButtons.Count(); ++i)
        take(FTitleButtons.Items(i)->BtnData, layout_.TitleButtons[static_cast<size_t>(i)]);
    invalidateFrame();
}

void TsSkinProvider::TitleButtonsChanged() {
    relayout();
}

void TsSkinProvider::invalidateFrame() {
    frameStale_ = true;
    Form->update();
}

void TsSkinProvider::ensureFrame() {
    const QSize size = Form->size() + QSize(2, 2) * layoutOffset();
    if (!frameStale_ && frame_.size() == size) return;
    const skins::TsSkinManager* skin = manager();
    TacFramePaintInput in;
    in.Size = size;
    in.FormIndex = SkinData.SkinIndex;
    in.TitleIndex = FTitleSkinIndex;
    in.CaptionIndex = FCaptionSkinIndex;
    in.TitleBarMask = FTitleBarMask;
    in.Active = FormActive;
    in.Maximized = Form->isMaximized();
    in.Caption = Form->windowTitle();
    in.Font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    in.RightToLeft = Form->layoutDirection() == Qt::RightToLeft;
    in.Alignment = FCaptionAlignment;
    if (const QSize icon = layout_.Icon.size(); !icon.isEmpty()) {
        in.Icon = !FTitleIcon.Glyph.isNull() ? titleIconImage(FTitleIcon.Glyph, icon)
                                             : Form->windowIcon().pixmap(icon).toImage();
    }
    frame_ = PaintFrame(*skin, layout_, in);
    frameStale_ = false;
}

const QImage& TsSkinProvider::glyphOf(int code) const {
    if (!isTitleButtonCode(code) || code - HTUDBTN >= FTitleButtons.Count()) return kNoGlyph;
    return FTitleButtons.Items(code - HTUDBTN)->drawnGlyph();
}

void TsSkinProvider::drawButtons(QPainter& painter) {
    const auto draw = [&](const TsCaptionButton& button, int code) {
        if (!button.Shown || button.Rect.isEmpty()) return;
        painter.drawImage(button.Rect.topLeft(), PaintButton(*manager(), frame_.copy(button.Rect),
                                                             button, glyphOf(code), FormActive));
    };
    draw(ButtonClose, HTCLOSE);
    draw(ButtonMax, HTMAXBUTTON);
    draw(ButtonMin, HTMINBUTTON);
    draw(ButtonHelp, HTHELP);
    for (int i = 0; i < FTitleButtons.Count(); ++i)
        draw(FTitleButtons.Items(i)->BtnData, HTUDBTN + i);
}

QImage TsSkinProvider::frameImage() {
    if (!framed_) return {};
    ensureFrame();
    const int offset = layoutOffset();
    QImage image(Form->size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    painter.translate(-offset, -offset);
    painter.drawImage(0, 0, frame_);
    drawButtons(painter);
    return image;
}

// The whole window: the frame picture carries the window section under the
// client area too, so no other painter of the window is needed.
void TsSkinProvider::paintFrame(QPaintEvent* event) {
    ensureFrame();
    QPainter painter(Form);
    painter.setClipRegion(event->region());
    painter.translate(-layoutOffset(), -layoutOffset());
    painter.drawImage(0, 0, frame_);
    drawButtons(painter);
}

// --- states ---

TsCaptionButton* TsSkinProvider::captionButton(int code) {
    switch (code) {
        case HTCLOSE:
            return &ButtonClose;
        case HTMAXBUTTON:
            return &ButtonMax;
        case HTMINBUTTON:
            return &ButtonMin;
        case HTHELP:
            return &ButtonHelp;
        default:
            if (isTitleButtonCode(code) && code - HTUDBTN < FTitleButtons.Count())
                return &FTitleButtons.Items(code - HTUDBTN)->BtnData;
            return nullptr;
    }
}

void TsSkinProvider::RepaintButton(int code) {
    if (const TsCaptionButton* button = captionButton(code); button && button->Shown)
        Form->update(button->Rect.translated(-layoutOffset(), -layoutOffset()));
}

void TsSkinProvider::setButtonState(int code, int state) {
    TsCaptionButton* button = captionButton(code);
    if (!button) return;
    button->State = state;
    if (!button->Timer) {
        button->Timer = std::make_unique<TacButtonFade>(this);
        button->Timer->PointerInside = [this, code] {
            const TsCaptionButton* b = captionButton(code);
            return b && b->Rect.contains(Form->mapFromGlobal(CursorPos()) +
                                         QPoint(layoutOffset(), layoutOffset()));
        };
        connect(button->Timer.get(), &TacButtonFade::changed, this,
                [this, code] { RepaintButton(code); });
        connect(button->Timer.get(), &TacButtonFade::pointerLeft, this, [this, code] {
            if (CurrentHT == code) SetHotHT(0);
        });
    }
    button->Timer->setState(state);
    RepaintButton(code);
}

void TsSkinProvider::showTitleHint(int code) {
    if (!isTitleButtonCode(code) || code - HTUDBTN >= FTitleButtons.Count()) return;
    TsTitleButton* button = FTitleButtons.Items(code - HTUDBTN);
    if (!button->Hint().isEmpty())
        button->HintWnd = std::make_unique<TacTitleHint>(button->Hint(), CursorPos());
}

void TsSkinProvider::hideTitleHint(int code) {
    if (isTitleButtonCode(code) && code - HTUDBTN < FTitleButtons.Count())
        FTitleButtons.Items(code - HTUDBTN)->HintWnd.reset();
}

void TsSkinProvider::SetHotHT(int code) {
    if (code == CurrentHT) return;
    const int previous = CurrentHT;
    CurrentHT = code;
    hideTitleHint(previous);
    setButtonState(previous, 0);
    setButtonState(code, 1);
    showTitleHint(code);
    gPressed = false;
}

void TsSkinProvider::SetPressedHT(int code) {
    if (code != CurrentHT) {
        hideTitleHint(CurrentHT);
        setButtonState(CurrentHT, 0);
        CurrentHT = code;
    }
    hideTitleHint(code);
    setButtonState(code, 2);
    gPressed = true;
}

int TsSkinProvider::HTProcess(QPoint screen) {
    const QPoint p = Form->mapFromGlobal(screen) + QPoint(layoutOffset(), layoutOffset());
    const TacHit hit = HitTestTitleBar(layout_, hitInput(), p);
    SetHotHT(hit.Button && hit.Code != HTCLIENT ? hit.Code : 0);
    return hit.Code;
}

// --- mouse ---

bool TsSkinProvider::mouseEvent(QMouseEvent* event) {
    const QPoint screen = event->globalPosition().toPoint();
    switch (event->type()) {
        case QEvent::MouseMove:
            if (dragCode_ != 0 && (event->buttons() & Qt::LeftButton)) {
                dragTo(screen);
            } else {
                dragCode_ = 0;
                updateCursor(HTProcess(screen));
            }
            return true;
        case QEvent::MouseButtonPress: {
            const int code = HTProcess(screen);
            if (event->button() == Qt::LeftButton) {
                leftDown(code, screen);
            } else if (event->button() == Qt::RightButton &&
                       (code == HTCAPTION || code == HTSYSMENU)) {
                DropSysMenu(screen);
            }
            return code != HTCLIENT;
        }
        case QEvent::MouseButtonRelease: {
            dragCode_ = 0;
            const int code = HTProcess(screen);
            if (event->button() == Qt::LeftButton) leftUp(code, screen);
            return code != HTCLIENT;
        }
        case QEvent::MouseButtonDblClick: {
            const int code = HTProcess(screen);
            if (event->button() == Qt::LeftButton) doubleClick(code);
            return code != HTCLIENT;
        }
        default:
            return false;
    }
}

void TsSkinProvider::leftDown(int code, QPoint screen) {
    if (isTitleButtonCode(code)) {
        SetPressedHT(code);
        TsTitleButton* button = FTitleButtons.Items(code - HTUDBTN);
        if (button->OnMouseDown)
            button->OnMouseDown(button, Qt::LeftButton, {}, screen.x(), screen.y());
        return;
    }
    switch (code) {
        case HTMAXBUTTON:
            // Maximize pressable when it can maximize, or restore while maximized.
            if (layout_.Max.Enabled) SetPressedHT(code);
            return;
        case HTMINBUTTON:
        case HTCLOSE:
        case HTHELP:
            SetPressedHT(code);
            return;
        case HTSYSMENU:
            menuDelay_->start(QApplication::doubleClickInterval());
            return;
        case HTCAPTION:
            startDrag(code, screen);
            return;
        default:
            if (isSizingCode(code)) startDrag(code, screen);
    }
}

void TsSkinProvider::leftUp(int code, QPoint screen) {
    if (!gPressed || code != CurrentHT) return;
    if (isTitleButtonCode(code)) {
        TsTitleButton* button = FTitleButtons.Items(code - HTUDBTN);
        if (button->OnMouseUp)
            button->OnMouseUp(button, Qt::LeftButton, {}, screen.x(), screen.y());
        SetHotHT(0);
        return;
    }
    SetHotHT(0);
    switch (code) {
        case HTMINBUTTON:
            Form->showMinimized();
            break;
        case HTMAXBUTTON:
            if (Form->isMaximized())
                Form->showNormal();
            else
                Form->showMaximized();
            break;
        case HTCLOSE:
            Form->close();
            break;  // the window's close handling may keep it open
        case HTHELP:
            QWhatsThis::enterWhatsThisMode();
            break;
        default:
            break;
    }
}

void TsSkinProvider::doubleClick(int code) {
    if (code == HTSYSMENU) {
        menuDelay_->stop();
        Form->close();
    } else if (code == HTCAPTION) {
        if (Form->isMaximized() || Form->isMinimized())
            Form->showNormal();
        else
            Form->showMaximized();
    }
}

// Moving and resizing go through the window system; where it refuses, the
// window follows the pointer by our own hand.
void TsSkinProvider::startDrag(int code, QPoint screen) {
    QWindow* window = Form->windowHandle();
    const bool system =
        window && (code == HTCAPTION ? window->startSystemMove()
                                     : window->startSystemResize(sizingEdges(code)));
    if (system || (code == HTCAPTION && Form->isMaximized())) return;
    dragCode_ = code;
    dragStart_ = screen;
    dragGeometry_ = Form->geometry();
}

void TsSkinProvider::dragTo(QPoint screen) {
    const QPoint delta = screen - dragStart_;
    if (dragCode_ == HTCAPTION) {
        Form->move(Form->pos() + dragGeometry_.topLeft() + delta - Form->geometry().topLeft());
        return;
    }
    const Qt::Edges edges = sizingEdges(dragCode_);
    const QSize minimum = Form->minimumSize();
    QRect r = dragGeometry_;
    if (edges & Qt::LeftEdge)
        r.setLeft(std::min(r.left() + delta.x(), r.right() + 1 - minimum.width()));
    if (edges & Qt::RightEdge)
        r.setRight(std::max(r.right() + delta.x(), r.left() + minimum.width() - 1));
    if (edges & Qt::TopEdge)
        r.setTop(std::min(r.top() + delta.y(), r.bottom() + 1 - minimum.height()));
    if (edges & Qt::BottomEdge)
        r.setBottom(std::max(r.bottom() + delta.y(), r.top() + minimum.height() - 1));
    Form->setGeometry(r);
}

void TsSkinProvider::updateCursor(int code) {
    if (isSizingCode(code)) {
        Form->setCursor(sizingCursor(code));
        cursorSet_ = true;
    } else if (cursorSet_) {
        Form->unsetCursor();
        cursorSet_ = false;
    }
}

// --- system menu ---

void TsSkinProvider::fillSystemMenu(QMenu& menu) {
    menu.clear();
    const bool maximized = Form->isMaximized(), minimized = Form->isMinimized();
    const auto add = [&](const QString& text, bool enabled, auto&& command) {
        QAction* action = menu.addAction(text);
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, Form, command);
        return action;
    };
    add(tr("Restore"), maximized || minimized, [this] { Form->showNormal(); });
    add(tr("Minimize"), !minimized, [this] { Form->showMinimized(); });
    add(tr("Maximize"), !maximized, [this] { Form->showMaximized(); });
    menu.addSeparator();
    QAction* close = add(tr("Close"), true, [this] { Form->close(); });
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    QFont bold = close->font();
    bold.setBold(true);
    close->setFont(bold);
    if (skins::TsSkinManager* skin = manager(); MakeSkinMenu && skin) skin->fillSkinMenu(&menu);
}

void TsSkinProvider::DropSysMenu(QPoint screen) {
    QMenu menu(Form);
    fillSystemMenu(menu);
    menu.exec(screen);
}

// --- events ---

bool TsSkinProvider::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Form) {
        if (event->type() == QEvent::Enter && framed_) {
            SetHotHT(0);
            updateCursor(HTCLIENT);
        }
        return false;
    }
    if (event->type() == skins::TacSkinCommandEvent::Type) {
        switch (static_cast<skins::TacSkinCommandEvent*>(event)->command()) {
            case skins::AC_SETNEWSKIN:
                PrepareForm();
                break;
            case skins::AC_REMOVESKIN:
                SkinData.RemoveSkin();
                setFramed(false);
                break;
            case skins::AC_REFRESH:
                // Looks attached to the window since then would paint over the
                // frame: the provider's filter goes first again.
                QMetaObject::invokeMethod(
                    this,
                    [this] {
                        Form->removeEventFilter(this);
                        Form->installEventFilter(this);
                        invalidateFrame();
                    },
                    Qt::QueuedConnection);
                invalidateFrame();
                break;
            default:
                break;
        }
        return false;
    }
    if (!framed_) return false;
    switch (event->type()) {
        case QEvent::Paint:
            paintFrame(static_cast<QPaintEvent*>(event));
            return true;
        case QEvent::Resize:
            relayout();
            return false;
        case QEvent::WindowStateChange:
            Form->setContentsMargins(frameMargins());
            relayout();
            return false;
        case QEvent::ActivationChange:
            FormActive = Form->isActiveWindow();
            invalidateFrame();
            return false;
        case QEvent::WindowTitleChange:
        case QEvent::WindowIconChange:
        case QEvent::LayoutDirectionChange:
            invalidateFrame();
            return false;
        case QEvent::Leave:
            SetHotHT(0);
            updateCursor(HTCLIENT);
            return false;
        case QEvent::MouseMove:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            return mouseEvent(static_cast<QMouseEvent*>(event));
        default:
            return false;
    }
}

}  // namespace lingotab::frame
