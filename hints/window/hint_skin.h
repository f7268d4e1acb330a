#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include "skins/options/system_colors.h"

namespace lingotab::skins {
class TsSkinManager;
}

namespace lingotab::hints {

// The hint's part of the current skin: its section, that section's border
// mask ("BORDERSMASK") and texture ("PATTERN"), looked up once per hint.
struct HintSkin {
    const skins::TsSkinManager* manager = nullptr;
    int SkinIndex = -1;
    int BorderIndex = -1;
    int BGIndex = -1;

    // Looks the section up in `manager`'s skin; all indexes -1 when missing.
    static HintSkin find(const skins::TsSkinManager* manager, const QString& section);
    bool valid() const;

    // Border width of one side from the border mask: the mask's uniform
    // width, else its own width of that side, else a third of one frame's
    // width (left, right) or of one band's height (top, bottom); 0 without
    // a mask.
    int borderLeft() const;
    int borderTop() const;
    int borderRight() const;
    int borderBottom() const;

    int transparency() const;  // percent, of the normal state
    QColor fontColor() const;  // the section's text colour

    // Paints the section over the whole of `target` in the normal state,
    // with `transparentFill` where the border mask's corners are
    // transparent; magenta: nothing lies beneath.
    void paint(QImage& target, skins::TColor transparentFill = skins::clFuchsia) const;
};

}  // namespace lingotab::hints
