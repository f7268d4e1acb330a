#include "frame/title_layout.h"

#include "frame/hit_codes.h"

#include <algorithm>

namespace lingotab::frame {

namespace {

const QString kGlobalInfo = QStringLiteral("GLOBALINFO");

int globalMask(const skins::TacSkinContent& skin, const char* key) {
    return skin.GetMaskIndex(kGlobalInfo, QLatin1String(key));
}

// Chooses the pictures of the system buttons for the window's style and state.
void UpdateIconsIndexes(const skins::TacSkinContent& skin, const TacTitleBarInput& in,
                        TacTitleBarLayout& out) {
    const auto set = [&](const char* close, const char* min, const char* max, const char* help,
                         bool align) {
        out.Close.ImageIndex = globalMask(skin, close);
        out.Min.ImageIndex = globalMask(skin, min);
        out.Max.ImageIndex = globalMask(skin, max);
        out.Help.ImageIndex = globalMask(skin, help);
        out.Close.HaveAlignment = out.Min.HaveAlignment = out.Max.HaveAlignment = align;
    };
    if (hasFullCaption(in.BorderStyle)) {
        const int alone = globalMask(skin, "BICLOSEALONE");
        const bool closeAlone = !in.VisibleMax && !in.VisibleMin && alone >= 0;
        set(closeAlone ? "BICLOSEALONE" : "BICONCLOSE", "BICONMIN", "BICONMAX", "BICONHELP", true);
        out.Help.HaveAlignment = false;
    } else {
        set("SICONCLOSE", "SICONMIN", "SICONMAX", "SICONHELP", false);
        if (out.Help.ImageIndex < 0) out.Help.ImageIndex = globalMask(skin, "BICONHELP");
    }
    if (out.Close.ImageIndex < 0) {
        set("BICONCLOSE", "BICONMIN", "BICONMAX", "BICONHELP", true);
        out.Help.HaveAlignment = true;
    }
    out.UserBtnIndex = globalMask(skin, "TITLEBUTTON");

    // The restore picture, while the button would restore the window.
    if (in.Maximized || in.Minimized) {
        int restore = globalMask(skin, "BICONNORM");
        if (restore < 0) {
            const QString form = QStringLiteral("FORM");
            restore = skin.GetMaskIndex(skin.GetSkinIndex(form), form, QStringLiteral("BICONNORM"));
        }
        (in.Maximized ? out.Max : out.Min).ImageIndex = restore;
    }
    out.Close.HitCode = HTCLOSE;
    out.Max.HitCode = HTMAXBUTTON;
    out.Min.HitCode = HTMINBUTTON;
    out.Help.HitCode = HTHELP;
}

int pictureWidth(const skins::TacSkinContent& skin, int index) {
    const QSize size = maskFrameSize(skin, index);
    return size.isEmpty() ? kDefaultButtonSize : size.width();
}

}  // namespace

QSize maskFrameSize(const skins::TacSkinContent& skin, int index) {
    if (!skin.IsValidImgIndex(index)) return {};
    const skins::TsMaskData& mask = skin.ma[static_cast<size_t>(index)];
    // A mask made from a whole image may leave its rectangle empty.
    const QSize whole = mask.R.width() <= 0 && !mask.Bmp.isNull()
                            ? mask.Bmp.size()
                            : QSize(mask.R.width(), mask.R.height());
    return {whole.width() / std::max<int>(mask.ImageCount, 1),
            whole.height() / std::max(mask.MaskType + 1, 1)};
}

int autoIconSize(int given, int captionHeight) {
    if (given > 0) return given;
    if (captionHeight > 16) return 16;
    return captionHeight >= 9 ? 8 : 1;
}

TacTitleBarLayout LayoutTitleBar(const skins::TacSkinContent& skin, const TacTitleBarInput& in) {
    const skins::TsSkinData& g = skin.SkinData;
    const bool full = hasFullCaption(in.BorderStyle);
    TacTitleBarLayout out;
    out.BandHeight = in.F + in.CaptionHeight;
    UpdateIconsIndexes(skin, in, out);

    const QSize closeSize = maskFrameSize(skin, out.Close.ImageIndex);
    out.ButtonHeight = closeSize.isEmpty() ? kDefaultButtonSize : closeSize.height();
    out.Spacing = full ? g.BISpacing : 0;

    const auto top = [&](bool aligned) {
        if (aligned && g.BIVAlign == 1) return in.Maximized ? 3 : 0;
        return (out.BandHeight - out.ButtonHeight) / 2 + (full && out.ButtonHeight < 16 ? 2 : 0);
    };
    int x = in.Width - g.BIRightMargin - in.F;
    const auto place = [&](TacButtonPlace& button, int width) {
        button.Rect = QRect(x - width, top(button.HaveAlignment), width, out.ButtonHeight);
        button.Shown = true;
        x = button.Rect.left() - out.Spacing;
    };
    const auto placeSystem = [&](TacButtonPlace& button, bool enabled) {
        button.Enabled = enabled;
        if (button.ImageIndex >= 0) place(button, pictureWidth(skin, button.ImageIndex));
    };

    out.ButtonsWidth = g.BIRightMargin;
    if (in.SystemMenu) {
        placeSystem(out.Close, true);
        out.ButtonsWidth += pictureWidth(skin, out.Close.ImageIndex);
        const auto other = [&](TacButtonPlace& button, bool visible, bool enabled) {
            if (!visible) return;
            placeSystem(button, enabled);
            out.ButtonsWidth += pictureWidth(skin, button.ImageIndex) + out.Spacing;
        };
        other(out.Max, in.VisibleMax, in.Maximized ? in.EnabledRestore : in.EnabledMax);
        other(out.Min, in.VisibleMin, in.Minimized ? in.EnabledRestore : in.EnabledMin);
        other(out.Help, in.Help, true);
    }

    if (!in.TitleButtons.empty()) {
        x -= kTitleButtonsGap;
        out.ButtonsWidth += kTitleButtonsGap;
    }
    const int userWidth = skin.IsValidImgIndex(out.UserBtnIndex)
                              ? maskFrameSize(skin, out.UserBtnIndex).width()
                              : kDefaultButtonSize;
    for (size_t i = 0; i < in.TitleButtons.size(); ++i) {
        const TacTitleButtonInput& button = in.TitleButtons[i];
        TacButtonPlace& placed = out.TitleButtons.emplace_back();
        const int width =
            std::max(button.Glyph.isEmpty() ? 0 : button.Glyph.width() + 2, userWidth);
        placed.HitCode = HTUDBTN + static_cast<int>(i);
        placed.Enabled = button.Enabled;
        placed.ImageIndex =
            button.UseSkinData && skin.IsValidImgIndex(out.UserBtnIndex) ? out.UserBtnIndex : -1;
        // An invisible button takes no place but still narrows the caption.
        if (button.Visible) place(placed, width);
        out.ButtonsWidth += width + out.Spacing;
    }

    if (full && in.ShowAppIcon && in.SystemMenu) {
        const int width = autoIconSize(in.TitleIcon.width(), in.CaptionHeight);
        const int height = autoIconSize(in.TitleIcon.height(), in.CaptionHeight);
        const int t0 = in.F / 2 - 1;
        out.Icon =
            QRect(in.F + g.BILeftMargin, t0 + (out.BandHeight - t0 - height) / 2, width, height);
    }
    out.TextLeft = in.F + out.Icon.width() + g.BILeftMargin + (in.HasCaptionSection ? 2 : 0) + 4;
    out.TextRight = in.Width - out.ButtonsWidth - 12;
    return out;
}

}  // namespace lingotab::frame
