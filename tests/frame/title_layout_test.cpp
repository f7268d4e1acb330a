// Title-bar layout: skins' pictures and values in, rectangles out.

#include "frame/title_layout.h"
#include "tests/frame/support/title_skin.h"

#include <gtest/gtest.h>
#include <functional>

namespace lingotab::frame {
namespace {

using test::TitleSkin;

// A sizeable 800-pixel window with a 22-pixel caption and a 4-pixel frame.
TacTitleBarInput window(int titleButtons) {
    TacTitleBarInput in;
    in.Width = 800;
    in.CaptionHeight = 22;
    in.F = 4;
    in.TitleButtons.assign(static_cast<size_t>(titleButtons), {true, true, true, QSize(12, 12)});
    return in;
}

struct LayoutCase {
    const char* name;
    std::function<void(TitleSkin&, TacTitleBarInput&)> setup;
    QRect close, max, min, first, second;  // title buttons 0 and 1
    int textRight;
};

class TitleLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(TitleLayout, PlacesButtonsFromRightToLeft) {
    const LayoutCase& c = GetParam();
    TitleSkin skin;
    TacTitleBarInput in = window(2);
    c.setup(skin, in);
    const TacTitleBarLayout out = LayoutTitleBar(skin.manager, in);
    const auto rect = [](const TacButtonPlace& b) { return b.Shown ? b.Rect : QRect(); };
    EXPECT_EQ(rect(out.Close), c.close);
    EXPECT_EQ(rect(out.Max), c.max);
    EXPECT_EQ(rect(out.Min), c.min);
    EXPECT_EQ(rect(out.TitleButtons[0]), c.first);
    EXPECT_EQ(rect(out.TitleButtons[1]), c.second);
    EXPECT_EQ(out.TextRight, c.textRight);
}

INSTANTIATE_TEST_SUITE_P(
    Skins, TitleLayout,
    ::testing::Values(
        // Right edge 800 - 2 - 4; buttons 18 high centred in the 26-pixel band;
        // the first title button 8 pixels left of minimize. Text area ends at
        // 800 - (2 + 3 * 21 + 8 + 2 * 19) - 12.
        LayoutCase{"standard", [](TitleSkin& s, TacTitleBarInput&) { s.addStandardPictures(); },
                   QRect(773, 4, 21, 18), QRect(752, 4, 21, 18), QRect(731, 4, 21, 18),
                   QRect(704, 4, 19, 18), QRect(685, 4, 19, 18), 677},
        // Spacing 2 between all neighbours: 8 + 2 between minimize and the first.
        LayoutCase{"spacing",
                   [](TitleSkin& s, TacTitleBarInput&) {
                       s.addStandardPictures();
                       s.manager.SkinData.BISpacing = 2;
                   },
                   QRect(773, 4, 21, 18), QRect(750, 4, 21, 18), QRect(727, 4, 21, 18),
                   QRect(698, 4, 19, 18), QRect(677, 4, 19, 18), 800 - 119 - 12},
        // An invisible title button takes no place but still narrows the text.
        LayoutCase{"invisible",
                   [](TitleSkin& s, TacTitleBarInput& in) {
                       s.addStandardPictures();
                       in.TitleButtons[0].Visible = false;
                   },
                   QRect(773, 4, 21, 18), QRect(752, 4, 21, 18), QRect(731, 4, 21, 18), QRect(),
                   QRect(704, 4, 19, 18), 677},
        // No close picture: every button 21 high, title buttons 21 wide without
        // the "TITLEBUTTON" mask; the close button takes no place.
        LayoutCase{"noClose",
                   [](TitleSkin& s, TacTitleBarInput&) {
                       s.addPicture("BICONMAX", 25, 30);
                       s.addPicture("BICONMIN", 25, 30);
                   },
                   QRect(), QRect(769, 2, 25, 21), QRect(744, 2, 25, 21), QRect(715, 2, 21, 21),
                   QRect(694, 2, 21, 21), 800 - (2 + 21 + 25 + 25 + 8 + 42) - 12},
        // Buttons below 16 pixels sit 2 pixels lower; the skin's alignment rule
        // puts the system buttons at the top, title buttons stay centred.
        LayoutCase{"alignedSmall",
                   [](TitleSkin& s, TacTitleBarInput&) {
                       for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONMIN"})
                           s.addPicture(key, 20, 14, true);
                       s.manager.SkinData.BIVAlign = 1;
                   },
                   QRect(774, 0, 20, 14), QRect(754, 0, 20, 14), QRect(734, 0, 20, 14),
                   QRect(705, 8, 21, 14), QRect(684, 8, 21, 14), 800 - (2 + 60 + 8 + 42) - 12},
        // Maximized, the alignment rule moves the buttons 3 down.
        LayoutCase{"alignedMaximized",
                   [](TitleSkin& s, TacTitleBarInput& in) {
                       s.addStandardPictures();
                       s.manager.SkinData.BIVAlign = 1;
                       in.Maximized = true;
                   },
                   QRect(773, 3, 21, 18), QRect(752, 3, 21, 18), QRect(731, 3, 21, 18),
                   QRect(704, 4, 19, 18), QRect(685, 4, 19, 18), 677}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleLayoutPictures, FollowWindowStateAndVisibleButtons) {
    TitleSkin skin;
    skin.addStandardPictures();
    skin.addPicture("BICLOSEALONE", 30, 18, true);
    const auto mask = [&](const char* key) {
        return skin.manager.GetMaskIndex(QStringLiteral("GLOBALINFO"), QLatin1String(key));
    };
    TacTitleBarInput in = window(0);
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).Max.ImageIndex, mask("BICONMAX"));
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).Close.ImageIndex, mask("BICONCLOSE"));

    in.Maximized = true;  // the maximize button shows the restore picture
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).Max.ImageIndex, mask("BICONNORM"));

    in.Maximized = false;
    in.VisibleMax = in.VisibleMin = false;
    const TacTitleBarLayout alone = LayoutTitleBar(skin.manager, in);
    EXPECT_EQ(alone.Close.ImageIndex, mask("BICLOSEALONE"));
    EXPECT_EQ(alone.Close.Rect, QRect(764, 4, 30, 18));
    EXPECT_FALSE(alone.Max.Shown);
    EXPECT_EQ(alone.TextRight, 800 - 32 - 12);
}

TEST(TitleLayoutPictures, TitleButtonWidthIsGlyphOrMaskFrame) {
    TitleSkin skin;
    skin.addStandardPictures();  // a 19-pixel "TITLEBUTTON" frame
    TacTitleBarInput in = window(1);
    in.TitleButtons[0].Glyph = QSize(30, 12);  // wider than the frame: glyph + 2
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).TitleButtons[0].Rect.width(), 32);
    in.TitleButtons[0].Glyph = QSize();  // no glyph: the frame
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).TitleButtons[0].Rect.width(), 19);
    in.TitleButtons[0].UseSkinData = false;  // no background, same place
    EXPECT_EQ(LayoutTitleBar(skin.manager, in).TitleButtons[0].ImageIndex, -1);
}

TEST(TitleLayoutIcon, SizeFollowsCaptionHeight) {
    TitleSkin skin;
    skin.addStandardPictures();
    struct Row {
        int captionHeight;
        QRect icon;
    };
    // Left F + BILeftMargin; top F / 2 - 1 plus half of what is left of the band.
    for (const Row& row : {Row{22, QRect(6, 5, 16, 16)}, Row{18, QRect(6, 3, 16, 16)},
                           Row{14, QRect(6, 5, 8, 8)}, Row{8, QRect(6, 6, 1, 1)}}) {
        TacTitleBarInput in = window(0);
        in.CaptionHeight = row.captionHeight;
        const TacTitleBarLayout out = LayoutTitleBar(skin.manager, in);
        EXPECT_EQ(out.Icon, row.icon) << row.captionHeight;
        EXPECT_EQ(out.TextLeft, 4 + row.icon.width() + 2 + 4) << row.captionHeight;
    }
    TacTitleBarInput dialog = window(0);
    dialog.BorderStyle = bsDialog;  // no icon on dialog frames
    EXPECT_EQ(LayoutTitleBar(skin.manager, dialog).Icon.width(), 0);
}

}  // namespace
}  // namespace lingotab::frame
