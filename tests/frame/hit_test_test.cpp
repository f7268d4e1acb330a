// Hit-testing: buttons first, then sizing edges, caption band and client.

#include "frame/hit_test.h"
#include "frame/hit_codes.h"
#include "tests/frame/support/title_skin.h"

#include <gtest/gtest.h>

namespace lingotab::frame {
namespace {

class HitTesting : public ::testing::Test {
  protected:
    void SetUp() override {
        skin.addStandardPictures();
        in.Width = 800;
        in.CaptionHeight = 22;
        in.F = 4;
        in.TitleButtons.assign(2, {true, true, true, QSize(12, 12)});
        hit.Window = QSize(800, 600);
        hit.F = 4;
        hit.CaptionHeight = 22;
    }
    int at(QPoint p) { return HitTestTitleBar(LayoutTitleBar(skin.manager, in), hit, p).Code; }

    test::TitleSkin skin;
    TacTitleBarInput in;
    TacHitInput hit;
};

TEST_F(HitTesting, AnswersEachPartInOrder) {
    struct Row {
        QPoint p;
        int code;
    };
    // Buttons: close 773.., maximize 752.., minimize 731.., title 704.. and 685..
    for (const Row& row :
         {Row{{780, 10}, HTCLOSE}, Row{{760, 10}, HTMAXBUTTON}, Row{{740, 10}, HTMINBUTTON},
          Row{{710, 10}, HTUDBTN}, Row{{690, 10}, HTUDBTN + 1}, Row{{727, 10}, HTCAPTION},
          Row{{2, 2}, HTTOPLEFT}, Row{{798, 2}, HTTOPRIGHT}, Row{{2, 598}, HTBOTTOMLEFT},
          Row{{798, 598}, HTBOTTOMRIGHT}, Row{{400, 1}, HTTOP}, Row{{400, 597}, HTBOTTOM},
          Row{{1, 300}, HTLEFT}, Row{{799, 300}, HTRIGHT}, Row{{10, 10}, HTSYSMENU},
          Row{{300, 10}, HTCAPTION}, Row{{300, 25}, HTCAPTION}, Row{{300, 26}, HTCLIENT}}) {
        EXPECT_EQ(at(row.p), row.code) << row.p.x() << "," << row.p.y();
    }
}

TEST_F(HitTesting, ButtonsComeBeforeEdgesAndFollowTheirState) {
    skin.manager.SkinData.BIVAlign = 1;  // system buttons at the very top
    EXPECT_EQ(at({780, 1}), HTCLOSE);
    EXPECT_EQ(at({300, 1}), HTTOP);

    hit.Maximized = true;  // no sizing edges
    EXPECT_EQ(at({300, 1}), HTCAPTION);
    EXPECT_EQ(at({1, 300}), HTCLIENT);

    hit.Maximized = false;
    hit.EnabledMax = hit.EnabledRestore = false;
    hit.EnabledMin = false;
    EXPECT_EQ(at({760, 5}), HTCAPTION);
    EXPECT_EQ(at({740, 5}), HTCAPTION);
    hit.Minimized = true;
    EXPECT_EQ(at({740, 5}), HTMINBUTTON);

    in.TitleButtons[0].Enabled = false;  // a disabled title button is client area
    const TacHit disabled = HitTestTitleBar(LayoutTitleBar(skin.manager, in), hit, {710, 10});
    EXPECT_EQ(disabled.Code, HTCLIENT);
    in.TitleButtons[0].Visible = false;  // an invisible one is never found
    EXPECT_EQ(at({710, 10}), HTUDBTN + 1);
}

}  // namespace
}  // namespace lingotab::frame
