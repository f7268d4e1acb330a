#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>

#include "hints/manager/hint_machinery.h"
#include "hints/manager/hint_manager.h"
#include "hints/manager/per_pixel_alpha.h"
#include "hints/markup/image_canvas.h"
#include "hints/support/manual_scheduler.h"
#include "hints/templates/default_template.h"
#include "hints/templates/nine_part.h"
#include "hints/window/hint_fade.h"
#include "hints/window/hint_font.h"
#include "hints/window/png_hint_window.h"
#include "skins/manager/skin_manager.h"

namespace lingotab::hints {
namespace {

using test::ManualScheduler;

// A loaded hint manager in markup mode on a machinery whose time the test
// steps, and a control with a hint.
struct HintFixture : testing::Test {
    HintFixture() : machinery(std::unique_ptr<HintScheduler>(scheduler = new ManualScheduler)) {
        manager.setHTMLMode(true);
        manager.setPauseHide(8000);
        manager.PerPixelAlpha = [] { return true; };
        manager.Loaded();
        control.setToolTip(QStringLiteral("First row<br><b>bold</b> second|long hint"));
        other.setToolTip(QStringLiteral("Other"));
    }

    QRect screen() const { return QGuiApplication::primaryScreen()->geometry(); }
    TacCustomHintWindow* window() const { return machinery.hintWindow(); }

    ManualScheduler* scheduler;
    TacHintMachinery machinery;
    TsHintManager manager{nullptr, &machinery};
    QWidget control;
    QWidget other;
};

TEST_F(HintFixture, TemplateLookSizeAndTextPlace) {
    const QString text = QStringLiteral("One line of hint");
    TacPngHintWindow window;
    const QRect size = window.CalcHintRect(0, text);
    ImageCanvas canvas(nullptr, DefaultHintTemplate().Font());
    const int w = canvas.textWidth(text);
    const int h = canvas.textHeight(QStringLiteral("X"));
    EXPECT_EQ(size, QRect(0, 0, std::max(w + 26, 32), std::max(h + 21, 32)));
    // A tiny text: the picture's 32 pixels are the least.
    EXPECT_EQ(window.CalcHintRect(0, QStringLiteral(".")).width(), 32);
    EXPECT_EQ(window.CalcHintRect(0, QString()).size(), QSize(32, 32));

    // The text lies inside the margins and takes the picture's alpha.
    manager.FHintPos = screen().center();
    window.CalcHintRect(0, text);
    window.ActivateHint(size, text);
    QImage bare(size.size(), QImage::Format_ARGB32);
    bare.fill(0);
    drawNinePart(bare, DefaultHintTemplate().ImageDefault());
    const QImage& picture = window.picture();
    QRect changed;
    for (int y = 0; y < bare.height(); ++y) {
        for (int x = 0; x < bare.width(); ++x) {
            EXPECT_EQ(qAlpha(picture.pixel(x, y)), qAlpha(bare.pixel(x, y)));
            if (picture.pixel(x, y) != bare.pixel(x, y)) changed |= QRect(x, y, 1, 1);
        }
    }
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_GE(changed.left(), 11);
    EXPECT_GE(changed.top(), 7);
    EXPECT_EQ(window.FMousePos, mpLeftTop);
    EXPECT_EQ(window.pos(), screen().center());
}

TEST_F(HintFixture, MarkupRowsWiderThanMaxWidthAreNotWrapped) {
    manager.setMaxWidth(20);
    TacPngHintWindow window;
    const QString text = QStringLiteral("A row much wider than twenty pixels");
    EXPECT_GT(window.CalcHintRect(0, text).width(), 26 + 20);
}

TEST_F(HintFixture, CornerPictureFollowsThePlacement) {
    TacHintTemplate& pointer = manager.Templates().Add();
    pointer.setName(QStringLiteral("Pointer"));
    QImage picture(32, 32, QImage::Format_ARGB32);
    picture.fill(0xff808080);
    pointer.ImageDefault().setImage(picture);
    TacHintImage& leftBottom = pointer.Img_LeftBottom();
    leftBottom.setImage(picture.scaled(40, 44));
    for (int side = 0; side < 4; ++side)
        leftBottom.ClientMargins().setValue(TacBordersSizes::Index(side), 0);
    manager.setTemplateName(QStringLiteral("pointer"));

    TacPngHintWindow window;
    manager.FHintPos = QPoint(screen().center().x(), screen().bottom() - 5);
    EXPECT_EQ(window.CalcHintRect(0, QStringLiteral(".")).size(), QSize(40, 44));
    EXPECT_EQ(window.FMousePos, mpLeftBottom);
    EXPECT_EQ(TacPngHintWindow::CurrentImage(), &pointer.Img_LeftBottom());
    // Above the anchor, then 16 pixels higher.
    window.ActivateHint(QRect(0, 0, 40, 44), QStringLiteral("."));
    EXPECT_EQ(window.geometry(),
              QRect(screen().center().x(), screen().bottom() - 5 - 44 - 16, 40, 44));

    manager.FHintPos = screen().center();
    window.CalcHintRect(0, QStringLiteral("."));
    EXPECT_EQ(TacPngHintWindow::CurrentImage(), &pointer.ImageDefault());

    // An empty selected picture: nothing visible, text included.
    pointer.ImageDefault().setImage(QImage());
    manager.FHintPos = screen().center();
    const QRect size = window.CalcHintRect(0, QStringLiteral("Text"));
    window.ActivateHint(size, QStringLiteral("Text"));
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) ASSERT_EQ(qAlpha(window.picture().pixel(x, y)), 0);
    }
}

TEST_F(HintFixture, PausesShowMoveAndHide) {
    machinery.mouseOver(&control);
    EXPECT_EQ(scheduler->pause, 500);
    ASSERT_TRUE(scheduler->fire());
    ASSERT_NE(window(), nullptr);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->caption(), QStringLiteral("First row<br><b>bold</b> second"));
    // A fresh hint fades in: 31 steps to full opacity without a skin.
    EXPECT_EQ(window()->constantAlpha(), 0);
    std::vector<int> seen;
    while (window()->fading()) {
        window()->stepFade();
        seen.push_back(window()->constantAlpha());
    }
    EXPECT_EQ(seen, fadeAlphas(255));
    EXPECT_EQ(scheduler->pause, 8000);

    // Passing to another control: the shown hint stays 200 ms, then the
    // next one replaces it at once, opaque.
    machinery.mouseOver(&other);
    EXPECT_EQ(scheduler->pause, 200);
    EXPECT_TRUE(window()->isVisible());
    ASSERT_TRUE(scheduler->fire());
    EXPECT_EQ(window()->caption(), QStringLiteral("Other"));
    EXPECT_FALSE(window()->fading());
    EXPECT_EQ(window()->constantAlpha(), 255);

    // The hide pause ends it; the same control does not show it again.
    ASSERT_TRUE(scheduler->fire());
    EXPECT_FALSE(window()->isVisible());
    machinery.mouseOver(&other);
    EXPECT_FALSE(scheduler->fire());

    // Over nothing, then back: the first pause again.
    machinery.mouseOver(nullptr);
    machinery.mouseOver(&control);
    EXPECT_EQ(scheduler->pause, 500);
}

TEST_F(HintFixture, PressingHidesTheHint) {
    machinery.mouseOver(&control);
    scheduler->fire();
    ASSERT_TRUE(window()->isVisible());
    TsHintManager::CancelHint();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_FALSE(scheduler->fire());

    // A pending hint is forgotten as well.
    machinery.mouseOver(&other);
    TsHintManager::CancelHint();
    EXPECT_FALSE(scheduler->fire());
}

TEST_F(HintFixture, ShowHintEventCanVetoAndMove) {
    const QPoint moved = screen().center() + QPoint(-50, 30);
    int calls = 0;
    manager.OnShowHint = [&](QString& text, bool& canShow, THintInfo& info, QWidget*&) {
        ++calls;
        EXPECT_EQ(info.HintControl, &control);
        EXPECT_EQ(info.HintStr, QStringLiteral("First row<br><b>bold</b> second"));
        EXPECT_EQ(info.HintMaxWidth, screen().width());
        if (calls == 1) {
            canShow = false;
        } else {
            text = QStringLiteral("Changed");
            info.HintPos = moved;
        }
    };
    machinery.mouseOver(&control);
    scheduler->fire();
    EXPECT_TRUE(window() == nullptr || !window()->isVisible());

    machinery.mouseOver(nullptr);
    machinery.mouseOver(&control);
    scheduler->fire();
    ASSERT_NE(window(), nullptr);
    EXPECT_EQ(window()->caption(), QStringLiteral("Changed"));
    EXPECT_EQ(window()->pos(), moved);
    EXPECT_EQ(manager.FHintPos.x(), -1);
}

TEST_F(HintFixture, MarkupErrorShowsNoHint) {
    control.setToolTip(QStringLiteral("<font size=big>x"));
    machinery.mouseOver(&control);
    scheduler->fire();
    EXPECT_TRUE(window() == nullptr || !window()->isVisible());
}

// A "HINT" section, 11 % transparent, with a 9 x 9 border mask of 3-pixel
// sides whose four corner pixels are magenta (outside the hint's shape).
struct SkinnedHint : HintFixture {
    SkinnedHint() {
        skins::TsGeneralData section;
        section.ClassName = QStringLiteral("HINT");
        section.Transparency = 11;
        section.Color = 0x00D0E0F0;  // red in the low byte
        section.FontColor.Color = 0x000000FF;
        section.BorderIndex = 0;
        section.Props[0] = {section.Color, section.FontColor};
        section.Props[0].Transparency = section.Transparency;
        skin.gd.push_back(section);
        skins::TsMaskData border;
        border.ClassName = QStringLiteral("HINT");
        border.PropertyName = QStringLiteral("BORDERSMASK");
        border.Bmp = QImage(9, 9, QImage::Format_ARGB32);
        border.Bmp.fill(0xFF404040);
        for (const QPoint corner : {QPoint(0, 0), QPoint(8, 0), QPoint(0, 8), QPoint(8, 8)}) {
            border.Bmp.setPixel(corner, 0xFFFF00FF);
        }
        border.R = {0, 0, 9, 9};
        border.ImageCount = 1;
        border.WL = border.WT = border.WR = border.WB = 3;
        border.Manager = &skin;
        skin.ma.push_back(border);
        manager.setSkinManager(&skin);
        manager.setUseSkinData(true);
    }
    skins::TsSkinManager skin;
};

TEST_F(SkinnedHint, SizeShapeBodyAndFade) {
    ASSERT_TRUE(TsHintManager::Skinned());
    machinery.mouseOver(&other);
    scheduler->fire();
    int last = -1;
    int steps = 0;
    while (window()->fading()) {
        window()->stepFade();
        last = window()->constantAlpha();
        ++steps;
    }
    EXPECT_EQ(steps, kFadeSteps);
    EXPECT_EQ(last, 227);

    // The text measured plus the borders and 4 free pixels a side.
    ImageCanvas canvas(nullptr, platformHintFont());
    const QImage& picture = window()->picture();
    EXPECT_EQ(picture.size(), QSize(canvas.textWidth(QStringLiteral("Other")) + 14,
                                    canvas.textHeight(QStringLiteral("X")) + 14));
    EXPECT_EQ(picture.pixel(0, 0), 0u);
    EXPECT_EQ(picture.pixel(picture.width() - 1, picture.height() - 1), 0u);
    EXPECT_EQ(picture.pixel(1, 0), 0xFF404040u);
    EXPECT_EQ(picture.pixel(4, picture.height() - 5), qRgba(0xF0, 0xE0, 0xD0, 255));
    // The text is drawn in the section's font colour (red).
    bool reddish = false;
    for (int y = 7; y < picture.height() - 7; ++y) {
        for (int x = 7; x < picture.width() - 7; ++x) {
            const QRgb p = picture.pixel(x, y);
            reddish |= qRed(p) > 200 && qGreen(p) < 120;
        }
    }
    EXPECT_TRUE(reddish);

    manager.setUseSkinData(false);
    EXPECT_FALSE(TsHintManager::Skinned());
}

TEST(HintManager, StaysOutWithoutPerPixelAlpha) {
    auto* scheduler = new ManualScheduler;
    TacHintMachinery machinery{std::unique_ptr<HintScheduler>(scheduler)};
    {
        TsHintManager manager(nullptr, &machinery);
        manager.PerPixelAlpha = [] { return false; };
        manager.Loaded();
        EXPECT_EQ(TsHintManager::CurrentHintManager(), nullptr);
        EXPECT_FALSE(machinery.installed());

        manager.PerPixelAlpha = [] { return true; };
        manager.setActive(true);
        EXPECT_EQ(TsHintManager::CurrentHintManager(), &manager);
        EXPECT_TRUE(machinery.installed());
        manager.setActive(false);
        EXPECT_FALSE(machinery.installed());
        manager.setActive(true);
    }
    EXPECT_EQ(TsHintManager::CurrentHintManager(), nullptr);
    EXPECT_FALSE(machinery.installed());

    const struct {
        const char* platform;
        bool compositor;
        bool alpha;
    } platforms[] = {{"xcb", false, false},
                     {"xcb", true, true},
                     {"offscreen", false, true},
                     {"wayland-egl", false, true},
                     {"minimal", true, false}};
    for (const auto& p : platforms) {
        EXPECT_EQ(perPixelAlphaOn(QString::fromLatin1(p.platform), p.compositor), p.alpha)
            << p.platform;
    }
}

}  // namespace
}  // namespace lingotab::hints
