#include "skins/scroll/ac_edit_wnd.h"

#include "skins/manager/skin_command.h"
#include "skins/manager/skin_manager.h"
#include "skins/paint/mask_frame.h"
#include "skins/paint/pixels.h"
#include "skins/paint/section_paint.h"
#include "skins/scroll/ac_scroll_bar.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>

namespace lingotab::skins {

namespace {

// The box between the two bars: the parent's background, and the grip.
class TacCornerBox : public QWidget {
  public:
    TacCornerBox(TacEditWnd* owner, QWidget* parent) : QWidget(parent), owner_(owner) {}

  protected:
    void paintEvent(QPaintEvent*) override {
        const TsSkinManager* manager = owner_->skin();
        QPainter painter(this);
        if (manager == nullptr || !manager->SkinData.Active) {
            painter.fillRect(rect(), palette().window());
            return;
        }
        QImage image(size(), QImage::Format_ARGB32);
        const TCacheInfo ci = owner_->parentCache();
        if (ci.hasImage())
            copyPixels(image, {0, 0}, *ci.Bmp,
                       QRect(mapTo(owner_->control()->parentWidget(), QPoint(0, 0)), size()));
        else
            image.fill(colorToPixel(ci.FillColor == clFuchsia ? clBtnFace : ci.FillColor));
        if (owner_->showsGrip()) {
            const int global = manager->ConstData.IndexGLobalInfo;
            const int grip = manager->GetMaskIndex(global, QStringLiteral("GLOBALINFO"),
                                                   QStringLiteral("GRIPIMAGE"));
            const TacMaskFrame frame = maskFrame(*manager, grip, 0);
            if (frame.valid())
                DrawMaskGlyph(image, *manager,
                              QPoint(width() - frame.rect.width(), height() - frame.rect.height()),
                              0, grip, true);
        }
        painter.drawImage(0, 0, image);
    }

  private:
    TacEditWnd* owner_;
};

}  // namespace

TacEditWnd::TacEditWnd(QAbstractScrollArea* area)
    : TacSkinnedControl(area, QStringLiteral("EDIT"), 0),
      area_(area),
      horz_(new TacScrollBar(area->horizontalScrollBar())),
      vert_(new TacScrollBar(area->verticalScrollBar())),
      StdColors_(area->palette()) {
    corner_ = new TacCornerBox(this, area);
    area->setCornerWidget(corner_);
    applyColors();
}

TacEditWnd::~TacEditWnd() = default;

bool TacEditWnd::showsGrip() const {
    QWidget* parent = area_->parentWidget();
    if (parent == nullptr || !parent->isWindow() || corner_ == nullptr) return false;
    const QPoint bottomRight = area_->mapTo(parent, QPoint(area_->width(), area_->height()));
    return bottomRight == QPoint(parent->width(), parent->height());
}

void TacEditWnd::applyColors() {
    if (!skinned()) {
        area_->setPalette(StdColors_);
        return;
    }
    const TsGeneralData& section = skin()->gd[static_cast<size_t>(SkinData.SkinIndex)];
    const bool hot = activeState() && section.States >= 2;
    const TsGenState& values = section.Props[hot ? 1 : 0];
    QPalette palette = StdColors_;
    if (!SkinData.FCustomColor)
        palette.setColor(QPalette::Base, QColor::fromRgb(colorToPixel(values.Color)));
    if (!SkinData.FCustomFont)
        palette.setColor(QPalette::Text, QColor::fromRgb(colorToPixel(values.FontColor.Color)));
    if (palette != area_->palette()) area_->setPalette(palette);
}

void TacEditWnd::paintImage(QImage& image) {
    PaintSection(image, *skin(), SkinData.SkinIndex, parentCache(), parentPos(), image.rect(),
                 activeState() ? 1 : 0, true, SkinData.HotTexture, SkinData.Texture);
}

bool TacEditWnd::handle(QEvent* event) {
    switch (event->type()) {
        case QEvent::FocusIn:
        case QEvent::FocusOut:
            applyColors();
            invalidate();
            break;
        default:
            break;
    }
    return false;
}

void TacEditWnd::skinCommand(int command) {
    applyColors();
    if (command == AC_REFRESH || command == AC_REMOVESKIN) {
        area_->horizontalScrollBar()->update();
        area_->verticalScrollBar()->update();
    }
}

}  // namespace lingotab::skins
