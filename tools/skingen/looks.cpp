#include <QStringList>

#include "tools/skingen/look.h"

namespace lingotab::skingen {
namespace {

QColor rgb(int hex) {
    return QColor((hex >> 16) & 255, (hex >> 8) & 255, hex & 255);
}

Face face(QColor top, QColor bottom, QColor border, qreal radius, Corner corner = Corner::Round) {
    Face f;
    f.top = top;
    f.bottom = bottom;
    f.border = border;
    f.radius = radius;
    f.corner = corner;
    return f;
}

Face glass(Face f) {
    f.glass = true;
    return f;
}

// Normal, hot and pressed faces of one shape, tinted from three colours.
std::array<FaceState, 3> faces(const Face& shape, QColor normal, QColor hot, QColor pressed,
                               QColor ink, QColor hotInk, QColor border, QColor hotBorder) {
    auto at = [&](QColor c, QColor b, int lift) {
        Face f = shape;
        f.top = lighter(c, lift);
        f.bottom = c;
        f.border = b;
        return f;
    };
    return {FaceState{at(normal, border, 45), ink}, FaceState{at(hot, hotBorder, 45), hotInk},
            FaceState{[&] {
                          Face f = at(pressed, hotBorder, 0);
                          f.top = darker(pressed, 10);
                          f.bottom = lighter(pressed, 25);
                          f.sunken = shape.bevel;
                          f.bevel = false;
                          return f;
                      }(),
                      hotInk}};
}

std::array<Face, 3> plainFaces(const std::array<FaceState, 3>& s) {
    return {s[0].face, s[1].face, s[2].face};
}

// A coherent starting point from the three colours of a design; each skin
// then sets what makes it itself.
Look base(const QString& name, const QString& description, QColor faceColor, QColor text,
          QColor accent) {
    Look l;
    l.name = name;
    l.description = description;
    l.face = faceColor;
    l.text = text;
    l.accent = accent;
    l.accentText = Qt::white;

    l.frameOuter = darker(faceColor, 55);
    l.frameInner = darker(faceColor, 25);
    l.frameFill = faceColor;
    l.titleActive = {{lighter(accent, 35), accent, 100}};
    l.titleInactive = {{lighter(faceColor, 30), faceColor, 100}};
    l.titleText = Qt::white;
    l.titleTextInactive = darker(faceColor, 45);

    l.panel = faceColor;
    l.panelText = text;

    l.edit = Qt::white;
    l.editHot = lighter(accent, 94);
    l.editText = rgb(0x101010);
    l.editBorder = darker(faceColor, 35);
    l.editHotBorder = accent;

    const Face shape = face({}, {}, {}, 3);
    l.button = faces(shape, faceColor, mix(faceColor, accent, 0.8), mix(faceColor, accent, 0.6),
                     text, text, darker(faceColor, 45), darker(accent, 10));
    l.box = plainFaces(faces(face({}, {}, {}, 2), lighter(faceColor, 60), lighter(accent, 75),
                             lighter(accent, 55), text, text, darker(faceColor, 45), accent));
    l.mark = darker(accent, 30);

    l.iconInk = Qt::white;
    l.iconHotInk = Qt::white;
    const Face iconShape = glass(face({}, {}, {}, 3));
    l.iconFace =
        plainFaces(faces(iconShape, darker(accent, 10), lighter(accent, 20), darker(accent, 30), {},
                         {}, darker(accent, 45), darker(accent, 45)));
    l.closeFace = plainFaces(faces(iconShape, rgb(0xc0392b), rgb(0xe74c3c), rgb(0x962d22), {}, {},
                                   rgb(0x6e1f17), rgb(0x6e1f17)));
    l.glowColor = accent;

    l.scrollButton = faces(face({}, {}, {}, 2), faceColor, mix(faceColor, accent, 0.75),
                           mix(faceColor, accent, 0.55), darker(faceColor, 60), darker(accent, 40),
                           darker(faceColor, 35), accent);
    l.slider = l.scrollButton;
    l.track = lighter(faceColor, 35);
    l.trackEdge = faceColor;

    l.menu = lighter(faceColor, 70);
    l.menuText = text;
    l.menuHot = lighter(accent, 65);
    l.menuHotText = text;
    l.menuHotBorder = accent;
    l.separator = darker(faceColor, 20);
    l.iconColumnFrom = lighter(faceColor, 30);
    l.iconColumnTo = faceColor;
    l.selection = accent;
    l.selectionText = Qt::white;

    l.hintTop = rgb(0xfffff4);
    l.hintBottom = rgb(0xf5f0d8);
    l.hintBorder = darker(faceColor, 50);
    l.hintText = rgb(0x202020);
    return l;
}

Texture tile(Pattern pattern, QSize size, QColor base, QColor ink, int drawMode = 0,
             int percent = 100) {
    Texture t;
    t.pattern = pattern;
    t.size = size;
    t.base = base;
    t.ink = ink;
    t.drawMode = drawMode;
    t.percent = percent;
    return t;
}

Texture jpeg(Texture t, const QString& file, TextureStore store = TextureStore::Jpeg) {
    t.store = store;
    t.file = file;
    return t;
}

Texture overlay(Texture t) {
    t.overlay = true;
    t.drawMode = 10;
    return t;
}

Look darkGlass() {
    Look l =
        base("DarkGlass", "Smoked glass on black", rgb(0x2a2c31), rgb(0xd8dde6), rgb(0x3aa0ff));
    l.frameOuter = rgb(0x000000);
    l.frameInner = rgb(0x55606e);
    l.frameFill = rgb(0x15171b);
    l.frameRadius = 7;
    l.titleActive = {{rgb(0x4a5360), rgb(0x1b1f25), 48}, {rgb(0x0b0d10), rgb(0x1c2129), 52}};
    l.titleInactive = {{rgb(0x3a3d42), rgb(0x24262a), 48}, {rgb(0x1a1b1e), rgb(0x222428), 52}};
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0x8a9099);
    l.titleTextShadow = rgb(0x000000);
    l.panel = rgb(0x24262b);
    l.panelText = rgb(0xd8dde6);
    l.panelTexture = tile(Pattern::Carbon, {16, 16}, rgb(0x25272c), {}, 0, 35);
    l.panelGradient = verticalGradient({{rgb(0x34373e), rgb(0x1d1f23), 100}});
    l.panelGradientPercent = 65;
    l.edit = rgb(0x16181c);
    l.editHot = rgb(0x1b1f26);
    l.editText = rgb(0xe6ebf2);
    l.editBorder = rgb(0x50555e);
    l.editHotBorder = rgb(0x3aa0ff);
    l.button = faces(glass(face({}, {}, {}, 4)), rgb(0x2e3239), rgb(0x1f4f80), rgb(0x173a5e),
                     rgb(0xe0e6ee), rgb(0xffffff), rgb(0x0a0b0d), rgb(0x3aa0ff));
    l.box = plainFaces(faces(face({}, {}, {}, 2), rgb(0x1a1c20), rgb(0x1d3550), rgb(0x17293e), {},
                             {}, rgb(0x6a717c), rgb(0x3aa0ff)));
    l.mark = rgb(0x7cc4ff);
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0x262a30), rgb(0x2e5b8e),
                                  rgb(0x1b3b5f), {}, {}, rgb(0x000000), rgb(0x000000)));
    l.iconStore = Store::Png;
    l.iconGlow = true;
    l.glowColor = rgb(0x3aa0ff);
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0x30343b), rgb(0x2a4a6e), rgb(0x1d3550),
                           rgb(0xaab4c0), rgb(0xffffff), rgb(0x0d0e10), rgb(0x3aa0ff));
    l.slider = faces(glass(face({}, {}, {}, 3)), rgb(0x3a3f47), rgb(0x2e5b8e), rgb(0x1f4470),
                     rgb(0xc0c8d2), rgb(0xffffff), rgb(0x0d0e10), rgb(0x3aa0ff));
    l.track = rgb(0x1a1c20);
    l.trackEdge = rgb(0x101114);
    l.menu = rgb(0x202226);
    l.menuText = rgb(0xd8dde6);
    l.menuHot = rgb(0x1f4f80);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x3aa0ff);
    l.separator = rgb(0x3c4048);
    l.iconColumnFrom = rgb(0x2c2f35);
    l.iconColumnTo = rgb(0x202226);
    l.selection = rgb(0x2f7fd0);
    l.hintTop = rgb(0x30343b);
    l.hintBottom = rgb(0x16181c);
    l.hintBorder = rgb(0x000000);
    l.hintText = rgb(0xe6ebf2);
    l.hintRadius = 5;
    l.hintTransparency = 12;
    return l;
}

Look nextAlpha() {
    Look l = base("NextAlpha", "Graphite and amber, rounded", rgb(0x3b3e44), rgb(0xeceff3),
                  rgb(0xff9a1f));
    l.frameFill = rgb(0x2d3035);
    l.frameOuter = rgb(0x101113);
    l.frameInner = rgb(0x55595f);
    l.frameRadius = 9;
    l.titleActive = {{rgb(0x5b6068), rgb(0x2d3035), 100}};
    l.titleInactive = {{rgb(0x45484e), rgb(0x33363b), 100}};
    l.titleTextInactive = rgb(0x9a9ea5);
    l.captionPlate = true;
    l.captionFace = face(rgb(0x2a2c30), rgb(0x1e2023), rgb(0x151618), 8);
    l.panel = rgb(0x44474d);
    l.panelGradient =
        cornerGradient(rgb(0x54585f), rgb(0x44474d), rgb(0x4b4f55), rgb(0x35383d), rgb(0x3c3f45));
    l.panelText = rgb(0xeceff3);
    l.edit = rgb(0xf4f4f2);
    l.editHot = rgb(0xfffaf2);
    l.editBorder = rgb(0x202226);
    l.editHotBorder = rgb(0xff9a1f);
    l.editRadius = 4;
    l.button = faces(glass(face({}, {}, {}, 10)), rgb(0x5a5e66), rgb(0xe07f10), rgb(0xb86508),
                     rgb(0xffffff), rgb(0xffffff), rgb(0x1b1c1f), rgb(0x7a4306));
    l.box = plainFaces(faces(glass(face({}, {}, {}, 4)), rgb(0x5a5e66), rgb(0xe07f10),
                             rgb(0xb86508), {}, {}, rgb(0x1b1c1f), rgb(0x7a4306)));
    l.mark = rgb(0xffffff);
    l.icons = IconStyle::Tab;
    l.iconSize = {24, 17};
    l.closeSize = {34, 17};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 4), rgb(0x2a2c30), rgb(0x5a5e66), rgb(0x1e2023),
                                  {}, {}, rgb(0x151618), rgb(0x151618)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 4), rgb(0xd9760c), rgb(0xff9a1f), rgb(0xa85a06),
                                   {}, {}, rgb(0x5e3303), rgb(0x5e3303)));
    l.iconStore = Store::Png;
    l.scrollButton = faces(face({}, {}, {}, 6), rgb(0x50545b), rgb(0xe07f10), rgb(0xb86508),
                           rgb(0xd8dbe0), rgb(0xffffff), rgb(0x202226), rgb(0x7a4306));
    l.slider = l.scrollButton;
    l.roundSlider = true;
    l.track = rgb(0x2f3236);
    l.trackEdge = rgb(0x232528);
    l.menu = rgb(0x34373c);
    l.menuText = rgb(0xeceff3);
    l.menuHot = rgb(0xe07f10);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x7a4306);
    l.separator = rgb(0x55595f);
    l.iconColumnFrom = rgb(0x2b2d31);
    l.iconColumnTo = rgb(0x34373c);
    l.selection = rgb(0xe07f10);
    l.hintTop = rgb(0x4b4f55);
    l.hintBottom = rgb(0x2d3035);
    l.hintBorder = rgb(0xff9a1f);
    l.hintText = rgb(0xffffff);
    l.hintRadius = 7;
    l.hintTransparency = 8;
    l.grip = Symbol::GripLines;
    return l;
}

Look aluminium() {
    Look l = base("Aluminium", "Brushed aluminium", rgb(0xc4c6c8), rgb(0x1c1c1c), rgb(0x5a7ea8));
    l.frameOuter = rgb(0x55585c);
    l.frameInner = rgb(0x8e9196);
    l.frameFill = rgb(0xb8babd);
    l.frameRadius = 4;
    l.titleActive = {{rgb(0xe2e4e6), rgb(0xa9acb0), 100}};
    l.titleInactive = {{rgb(0xd6d8da), rgb(0xc0c2c4), 100}};
    l.titleText = rgb(0x111111);
    l.titleTextInactive = rgb(0x6f7276);
    l.titleTextShadow = rgb(0xf4f4f4);
    l.titleTexture = tile(Pattern::Brushed, {96, 24}, rgb(0xc8cacc), {}, 0, 55);
    l.panel = rgb(0xc4c6c8);
    l.panelTexture =
        jpeg(tile(Pattern::Brushed, {128, 96}, rgb(0xc4c6c8), {}, 0, 100), "BRUSHED.JPG");
    l.panelEdge = true;
    l.button = faces(face({}, {}, {}, 2), rgb(0xc9cbce), rgb(0xd7dde6), rgb(0xa9aeb4),
                     rgb(0x111111), rgb(0x111111), rgb(0x5f6266), rgb(0x3f5f86));
    for (auto& s : l.button) s.face.streaks = true;
    l.buttonStore = Store::FileBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 1), rgb(0xeeeeee), rgb(0xf4f7fb), rgb(0xc9ced4), {},
                             {}, rgb(0x5f6266), rgb(0x3f5f86)));
    l.mark = rgb(0x1c1c1c);
    l.icons = IconStyle::Classic;
    l.iconSize = {21, 17};
    l.closeSize = {21, 17};
    l.iconInk = rgb(0x222222);
    l.iconHotInk = rgb(0x000000);
    l.iconFace = plainFaces(faces(face({}, {}, {}, 2), rgb(0xc6c8cb), rgb(0xdde2e8), rgb(0xa5a9ae),
                                  {}, {}, rgb(0x5f6266), rgb(0x3f5f86)));
    for (auto& f : l.iconFace) f.streaks = true;
    l.closeFace = l.iconFace;
    l.iconStore = Store::Master;
    l.scrollButton = faces(face({}, {}, {}, 1), rgb(0xc6c8cb), rgb(0xdde2e8), rgb(0xa5a9ae),
                           rgb(0x333333), rgb(0x111111), rgb(0x6f7276), rgb(0x3f5f86));
    for (auto& s : l.scrollButton) s.face.streaks = true;
    l.slider = l.scrollButton;
    l.track = rgb(0xaeb1b4);
    l.trackEdge = rgb(0x94979b);
    l.menu = rgb(0xe4e5e6);
    l.menuHot = rgb(0xb9c7d8);
    l.menuHotBorder = rgb(0x5a7ea8);
    l.iconColumnFrom = rgb(0xcfd1d3);
    l.iconColumnTo = rgb(0xe4e5e6);
    l.hintTop = rgb(0xf2f2f2);
    l.hintBottom = rgb(0xd2d4d6);
    l.hintBorder = rgb(0x55585c);
    l.hintRadius = 2;
    l.grip = Symbol::GripLines;
    return l;
}

Look garnet() {
    Look l = base("Garnet", "Deep garnet red with gold lines", rgb(0x5a1626), rgb(0xf3e2c6),
                  rgb(0xd4a73c));
    l.frameOuter = rgb(0x1e0509);
    l.frameInner = rgb(0xd4a73c);
    l.frameFill = rgb(0x4a0f1c);
    l.frameRadius = 3;
    l.titleActive = {{rgb(0x8c2439), rgb(0x5a1022), 60}, {rgb(0x5a1022), rgb(0x3d0914), 40}};
    l.titleInactive = {{rgb(0x6b3a45), rgb(0x4f2a33), 100}};
    l.titleText = rgb(0xf7dc94);
    l.titleTextInactive = rgb(0xb98c94);
    l.titleTextShadow = rgb(0x1e0509);
    l.panel = rgb(0x641a2c);
    l.panelGradient = verticalGradient({{rgb(0x7a2236), rgb(0x521221), 100}});
    l.panelText = rgb(0xf3e2c6);
    l.panelTexture = tile(Pattern::Weave, {24, 24}, rgb(0x641a2c), {}, 0, 25);
    l.edit = rgb(0xfbf5ea);
    l.editHot = rgb(0xfffaf0);
    l.editText = rgb(0x2a0a10);
    l.editBorder = rgb(0x2a0a10);
    l.editHotBorder = rgb(0xd4a73c);
    const Face chamfer = face({}, {}, {}, 4, Corner::Chamfer);
    l.button = faces(chamfer, rgb(0x8c2439), rgb(0xa8324a), rgb(0x5a1022), rgb(0xf7e6c4),
                     rgb(0xffffff), rgb(0xd4a73c), rgb(0xf7dc94));
    l.buttonStore = Store::FileBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 2, Corner::Chamfer), rgb(0xfbf5ea), rgb(0xfff4d8),
                             rgb(0xe9d9b6), {}, {}, rgb(0xd4a73c), rgb(0xf7dc94)));
    l.mark = rgb(0x8c2439);
    l.checkSymbol = Symbol::Cross;
    l.checkStore = Store::FileBmp;
    l.icons = IconStyle::Glass;
    l.iconSize = {22, 18};
    l.closeSize = {30, 18};
    l.iconFace =
        plainFaces(faces(face({}, {}, {}, 3, Corner::Chamfer), rgb(0x6e1a2c), rgb(0x9b2c42),
                         rgb(0x4a0f1c), {}, {}, rgb(0xd4a73c), rgb(0xf7dc94)));
    l.closeFace =
        plainFaces(faces(face({}, {}, {}, 3, Corner::Chamfer), rgb(0xb8862b), rgb(0xd4a73c),
                         rgb(0x8c6420), {}, {}, rgb(0x4a300a), rgb(0x4a300a)));
    l.iconInk = rgb(0xf7dc94);
    l.iconStore = Store::FileBmp;
    l.iconSpacing = 1;
    l.scrollButton =
        faces(face({}, {}, {}, 2, Corner::Chamfer), rgb(0x6e1a2c), rgb(0x9b2c42), rgb(0x4a0f1c),
              rgb(0xf3e2c6), rgb(0xffffff), rgb(0xb8862b), rgb(0xf7dc94));
    l.slider = l.scrollButton;
    l.track = rgb(0x3d0914);
    l.trackEdge = rgb(0x2a060e);
    l.menu = rgb(0xfbf5ea);
    l.menuText = rgb(0x2a0a10);
    l.menuHot = rgb(0x8c2439);
    l.menuHotText = rgb(0xf7e6c4);
    l.menuHotBorder = rgb(0xd4a73c);
    l.separator = rgb(0xd4a73c);
    l.iconColumnFrom = rgb(0x7a2236);
    l.iconColumnTo = rgb(0xe9d9c4);
    l.selection = rgb(0x8c2439);
    l.hintTop = rgb(0xfff8e6);
    l.hintBottom = rgb(0xf0ddb4);
    l.hintBorder = rgb(0x8c2439);
    l.hintText = rgb(0x3d0914);
    return l;
}

Look golden() {
    Look l = base("Golden", "Polished gold on cream", rgb(0xf1e6c8), rgb(0x3b2a0c), rgb(0xc9971c));
    l.frameOuter = rgb(0x5e430b);
    l.frameInner = rgb(0xf9e7a8);
    l.frameFill = rgb(0xc9971c);
    l.frameRadius = 8;
    l.titleActive = {{rgb(0xfbe6a2), rgb(0xe0b43f), 45}, {rgb(0xc9971c), rgb(0xa67a12), 55}};
    l.titleInactive = {{rgb(0xf1e3bd), rgb(0xd9c48e), 100}};
    l.titleText = rgb(0x3b2a0c);
    l.titleTextInactive = rgb(0x8a7447);
    l.titleTextShadow = rgb(0xfff3c8);
    l.panel = rgb(0xf1e6c8);
    l.panelGradient = verticalGradient({{rgb(0xfaf3df), rgb(0xe8d8ad), 100}});
    l.panelText = rgb(0x3b2a0c);
    l.panelTexture = tile(Pattern::Sand, {6, 48}, rgb(0xe2cf98), {}, 7, 100);
    l.panelGradientPercent = 0;
    l.editBorder = rgb(0xa67a12);
    l.editHotBorder = rgb(0xe0a800);
    l.editRadius = 3;
    l.button = faces(glass(face({}, {}, {}, 5)), rgb(0xd8a935), rgb(0xf0c24b), rgb(0xb08418),
                     rgb(0x2e1f05), rgb(0x2e1f05), rgb(0x7a5a12), rgb(0x5e430b));
    l.box = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0xf4e3ad), rgb(0xfbe48e),
                             rgb(0xe0c060), {}, {}, rgb(0x7a5a12), rgb(0x5e430b)));
    l.mark = rgb(0x3b2a0c);
    l.checkStore = Store::FileBmp;
    l.icons = IconStyle::Ball;
    l.iconSize = {19, 19};
    l.closeSize = {19, 19};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xe0b43f), rgb(0xf6d36a), rgb(0xb08418),
                                  {}, {}, rgb(0x7a5a12), rgb(0x5e430b)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xc85a1e), rgb(0xe8742e), rgb(0x9c4414),
                                   {}, {}, rgb(0x6a2c0a), rgb(0x6a2c0a)));
    l.iconSpacing = 2;
    l.iconRightMargin = 4;
    l.scrollButton = faces(glass(face({}, {}, {}, 3)), rgb(0xe0b43f), rgb(0xf6d36a), rgb(0xb08418),
                           rgb(0x3b2a0c), rgb(0x2e1f05), rgb(0x8a6a1c), rgb(0x5e430b));
    l.slider = l.scrollButton;
    l.track = rgb(0xf4ead0);
    l.trackEdge = rgb(0xe2d2a4);
    l.menu = rgb(0xfcf7ea);
    l.menuHot = rgb(0xf6d36a);
    l.menuHotText = rgb(0x2e1f05);
    l.menuHotBorder = rgb(0xb08418);
    l.separator = rgb(0xd9c48e);
    l.iconColumnFrom = rgb(0xf0d98e);
    l.iconColumnTo = rgb(0xfcf7ea);
    l.selection = rgb(0xb08418);
    l.hintTop = rgb(0xfffbe9);
    l.hintBottom = rgb(0xf6e3a8);
    l.hintBorder = rgb(0xa67a12);
    l.hintRadius = 6;
    l.hintTransparency = 5;
    return l;
}

Look longHorn() {
    Look l = base("LongHorn", "Slate glass title over pale steel", rgb(0xdfe4ea), rgb(0x1b2430),
                  rgb(0x4f9d3a));
    l.frameOuter = rgb(0x1a1f26);
    l.frameInner = rgb(0x6d7785);
    l.frameFill = rgb(0x2b323c);
    l.frameRadius = 6;
    l.titleActive = {{rgb(0x515d6c), rgb(0x2b323c), 55}, {rgb(0x20262e), rgb(0x2f3742), 45}};
    l.titleInactive = {{rgb(0x6a737e), rgb(0x4c545e), 100}};
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0xb8bec6);
    l.titleTexture = tile(Pattern::Noise, {32, 10}, rgb(0x9aa6b5), {}, 4, 30);
    l.panel = rgb(0xdfe4ea);
    l.panelGradient = verticalGradient({{rgb(0xf1f4f7), rgb(0xd3d9e0), 100}});
    l.panelText = rgb(0x1b2430);
    l.button = faces(face({}, {}, {}, 3), rgb(0xdde3ea), rgb(0xd6ecd0), rgb(0xb9d9ae),
                     rgb(0x1b2430), rgb(0x12300a), rgb(0x7b8694), rgb(0x4f9d3a));
    l.buttonStore = Store::FileBmp;
    l.icons = IconStyle::Plain;
    l.iconSize = {24, 18};
    l.closeSize = {30, 18};
    l.iconInk = rgb(0xdfe6ee);
    l.iconHotInk = rgb(0xffffff);
    l.iconFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0x4c5663), rgb(0x5d8f4e), rgb(0x3e6a33),
                                  {}, {}, rgb(0x1a1f26), rgb(0x1a1f26)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0x4c5663), rgb(0xc0392b), rgb(0x962d22),
                                   {}, {}, rgb(0x1a1f26), rgb(0x1a1f26)));
    l.scrollStore = Store::MasterBanded;
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0xe4e9ee), rgb(0xd6ecd0), rgb(0xb9d9ae),
                           rgb(0x4c5663), rgb(0x2e5f22), rgb(0x9aa4b0), rgb(0x4f9d3a));
    l.slider = l.scrollButton;
    l.track = rgb(0xeef1f4);
    l.trackEdge = rgb(0xdce1e7);
    l.menuHot = rgb(0xd6ecd0);
    l.menuHotBorder = rgb(0x4f9d3a);
    l.selection = rgb(0x3f7fbf);
    l.hintTop = rgb(0x3a424d);
    l.hintBottom = rgb(0x232930);
    l.hintBorder = rgb(0x10141a);
    l.hintText = rgb(0xf2f5f8);
    l.hintRadius = 4;
    l.hintTransparency = 10;
    return l;
}

Look macMetal() {
    Look l = base("MacMetal", "Pinstriped metal with coloured lights", rgb(0xd6d6d6), rgb(0x111111),
                  rgb(0x3b82d6));
    l.frameOuter = rgb(0x6b6b6b);
    l.frameInner = rgb(0xa0a0a0);
    l.frameFill = rgb(0xbdbdbd);
    l.frameRadius = 7;
    l.titleActive = {{rgb(0xe9e9e9), rgb(0xb9b9b9), 100}};
    l.titleInactive = {{rgb(0xeeeeee), rgb(0xd6d6d6), 100}};
    l.titleText = rgb(0x1a1a1a);
    l.titleTextInactive = rgb(0x8a8a8a);
    l.titleTextShadow = rgb(0xf6f6f6);
    l.titleTexture = jpeg(tile(Pattern::Pinstripes, {64, 32}, rgb(0xd2d2d2), rgb(0xffffff), 0, 60),
                          "STRIPES.JPG");
    l.panel = rgb(0xd6d6d6);
    l.panelTexture = jpeg(tile(Pattern::Pinstripes, {96, 64}, rgb(0xd6d6d6), rgb(0xffffff), 0, 100),
                          "METAL.JPG");
    l.panelEdge = false;
    l.editBorder = rgb(0x8a8a8a);
    l.editHotBorder = rgb(0x6aa6ee);
    l.button = faces(glass(face({}, {}, {}, 11)), rgb(0xe8e8e8), rgb(0x6aa6ee), rgb(0x3b82d6),
                     rgb(0x111111), rgb(0x0a1a33), rgb(0x8a8a8a), rgb(0x2a5fa0));
    l.box = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0xf2f2f2), rgb(0x8dbcf2),
                             rgb(0x5c9ae0), {}, {}, rgb(0x8a8a8a), rgb(0x2a5fa0)));
    l.mark = rgb(0x1a1a1a);
    l.icons = IconStyle::Ball;
    l.iconSize = {18, 18};
    l.closeSize = {18, 18};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xf2b632), rgb(0xf7c852), rgb(0xc98e12),
                                  {}, {}, rgb(0x9a6c0a), rgb(0x9a6c0a)));
    l.iconFace[0].top = rgb(0xf8d36e);
    l.closeFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xe0443a), rgb(0xf0594e), rgb(0xb02a22),
                                   {}, {}, rgb(0x8a1e18), rgb(0x8a1e18)));
    l.iconSpacing = 3;
    l.iconRightMargin = 6;
    l.scrollButton = faces(glass(face({}, {}, {}, 8)), rgb(0xeeeeee), rgb(0x8dbcf2), rgb(0x5c9ae0),
                           rgb(0x444444), rgb(0x0a1a33), rgb(0x9a9a9a), rgb(0x2a5fa0));
    l.slider = faces(glass(face({}, {}, {}, 8)), rgb(0x5c9ae0), rgb(0x6aa6ee), rgb(0x3b82d6),
                     rgb(0xffffff), rgb(0xffffff), rgb(0x2a5fa0), rgb(0x1d4f8c));
    l.roundSlider = true;
    l.track = rgb(0xf0f0f0);
    l.trackEdge = rgb(0xd0d0d0);
    l.menu = rgb(0xf7f7f7);
    l.menuHot = rgb(0x3b82d6);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x2a5fa0);
    l.separator = rgb(0xd0d0d0);
    l.iconColumnFrom = rgb(0xf7f7f7);
    l.iconColumnTo = rgb(0xf7f7f7);
    l.hintTop = rgb(0xffffe8);
    l.hintBottom = rgb(0xfff8c4);
    l.hintBorder = rgb(0x9a9a7a);
    l.hintRadius = 4;
    return l;
}

Look nautilus() {
    Look l = base("Nautilus", "Deep sea blue, brass and sand", rgb(0xe9dfc7), rgb(0x14273a),
                  rgb(0x1c6e8c));
    l.frameOuter = rgb(0x0a1a2a);
    l.frameInner = rgb(0xc9a45a);
    l.frameFill = rgb(0x123a56);
    l.frameRadius = 6;
    l.titleActive = {{rgb(0x1f5f85), rgb(0x123a56), 100}};
    l.titleInactive = {{rgb(0x5d7486), rgb(0x445a6b), 100}};
    l.titleText = rgb(0xf6ecd2);
    l.titleTextInactive = rgb(0xc2ccd4);
    l.titleTextShadow = rgb(0x06121e);
    l.titleTexture = tile(Pattern::Waves, {48, 20}, rgb(0x185077), rgb(0x3c86b0), 0, 30);
    l.panel = rgb(0xe9dfc7);
    l.panelTexture = jpeg(tile(Pattern::Sand, {96, 96}, rgb(0xe9dfc7), {}, 0, 100), "SAND.JPG");
    l.panelText = rgb(0x14273a);
    l.editBorder = rgb(0x123a56);
    l.editHotBorder = rgb(0xc9a45a);
    l.editRadius = 2;
    l.button = faces(face({}, {}, {}, 6), rgb(0x1c6e8c), rgb(0x2789ad), rgb(0x13506a),
                     rgb(0xf6ecd2), rgb(0xffffff), rgb(0x0a2a3a), rgb(0xc9a45a));
    l.buttonStore = Store::MasterBanded;
    l.box = plainFaces(faces(face({}, {}, {}, 2), rgb(0xfdf8ec), rgb(0xf4e6c2), rgb(0xe2cf9c), {},
                             {}, rgb(0x9a7a3a), rgb(0x1c6e8c)));
    l.mark = rgb(0x123a56);
    l.checkStore = Store::Png;
    l.icons = IconStyle::Ball;
    l.iconSize = {20, 19};
    l.closeSize = {20, 19};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xc9a45a), rgb(0xe2c27a), rgb(0x9a7a3a),
                                  {}, {}, rgb(0x5e4a20), rgb(0x5e4a20)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xb4503a), rgb(0xd06a50), rgb(0x8a3826),
                                   {}, {}, rgb(0x5e2416), rgb(0x5e2416)));
    l.iconStore = Store::Png;
    l.iconSpacing = 2;
    l.iconRightMargin = 4;
    l.scrollButton = faces(face({}, {}, {}, 3), rgb(0x1c6e8c), rgb(0x2789ad), rgb(0x13506a),
                           rgb(0xf6ecd2), rgb(0xffffff), rgb(0x0a2a3a), rgb(0xc9a45a));
    l.slider = l.scrollButton;
    l.roundSlider = true;
    l.scrollStore = Store::MasterBanded;
    l.track = rgb(0xd8ccb0);
    l.trackEdge = rgb(0xc4b690);
    l.menu = rgb(0xfbf6ea);
    l.menuHot = rgb(0x1c6e8c);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x0a2a3a);
    l.iconColumnFrom = rgb(0x1c6e8c);
    l.iconColumnTo = rgb(0xe9dfc7);
    l.selection = rgb(0x1c6e8c);
    l.hintTop = rgb(0xe8f4f8);
    l.hintBottom = rgb(0xbcdce8);
    l.hintBorder = rgb(0x123a56);
    l.hintText = rgb(0x0a1a2a);
    l.hintRadius = 6;
    l.hintTransparency = 15;
    return l;
}

Look neutral() {
    Look l = base("Neutral", "Quiet flat grey", rgb(0xe6e6e3), rgb(0x222222), rgb(0x6d8fb3));
    l.frameOuter = rgb(0x7c7c78);
    l.frameInner = rgb(0xc8c8c4);
    l.frameFill = rgb(0xd9d9d5);
    l.frameRadius = 0;
    l.titleActive = {{rgb(0xd9d9d5), rgb(0xd9d9d5), 100}};
    l.titleInactive = {{rgb(0xebebe8), rgb(0xebebe8), 100}};
    l.titleText = rgb(0x222222);
    l.titleTextInactive = rgb(0x8f8f8b);
    l.panelEdge = true;
    l.editBorder = rgb(0xa8a8a4);
    l.editHotBorder = rgb(0x6d8fb3);
    l.button = faces(face({}, {}, {}, 0, Corner::Square), rgb(0xefefec), rgb(0xf7f9fb),
                     rgb(0xd6d9dd), rgb(0x222222), rgb(0x111111), rgb(0x9a9a96), rgb(0x6d8fb3));
    for (auto& s : l.button) {
        s.face.top = s.face.bottom;
        s.face.innerLight = 0;
    }
    l.buttonStore = Store::PlainBmp;
    l.buttonFading = false;
    l.box = plainFaces(faces(face({}, {}, {}, 0, Corner::Square), rgb(0xffffff), rgb(0xf2f6fa),
                             rgb(0xe2e8ee), {}, {}, rgb(0x8c8c88), rgb(0x6d8fb3)));
    for (auto& f : l.box) f.innerLight = 0;
    l.mark = rgb(0x333333);
    l.checkStore = Store::Master;
    l.icons = IconStyle::Plain;
    l.iconSize = {22, 18};
    l.closeSize = {22, 18};
    l.iconInk = rgb(0x444444);
    l.iconHotInk = rgb(0x111111);
    l.iconFace = plainFaces(
        faces(face({}, {}, {}, 0), rgb(0xc8c8c4), rgb(0xc6ccd3), rgb(0xb4bcc6), {}, {}, {}, {}));
    l.closeFace = plainFaces(
        faces(face({}, {}, {}, 0), rgb(0xc8c8c4), rgb(0xe8a0a0), rgb(0xd07070), {}, {}, {}, {}));
    for (auto* set : {&l.iconFace, &l.closeFace})
        for (auto& f : *set) {
            f.top = f.bottom;
            f.innerLight = 0;
            f.border = QColor();
        }
    l.iconStore = Store::Master;
    l.scrollButton =
        faces(face({}, {}, {}, 0, Corner::Square), rgb(0xe6e6e3), rgb(0xd9dee4), rgb(0xc8ced6),
              rgb(0x666666), rgb(0x222222), rgb(0xbdbdb9), rgb(0x8fa8c4));
    for (auto& s : l.scrollButton) {
        s.face.top = s.face.bottom;
        s.face.innerLight = 0;
    }
    l.slider = l.scrollButton;
    l.track = rgb(0xf2f2f0);
    l.trackEdge = rgb(0xf2f2f0);
    l.menu = rgb(0xfafaf8);
    l.menuHot = rgb(0xdde6ef);
    l.menuHotBorder = rgb(0xb7c8da);
    l.separator = rgb(0xdcdcd8);
    l.iconColumnFrom = rgb(0xf0f0ed);
    l.iconColumnTo = rgb(0xf0f0ed);
    l.hintTop = rgb(0xfafaf8);
    l.hintBottom = rgb(0xfafaf8);
    l.hintBorder = rgb(0x9a9a96);
    l.hintRadius = 0;
    l.grip = Symbol::GripLines;
    return l;
}

Look neutral2() {
    Look l = base("Neutral2", "Warm linen with soft gradients", rgb(0xe8e1d4), rgb(0x2b2620),
                  rgb(0x8a9a5b));
    l.frameOuter = rgb(0x8a8070);
    l.frameInner = rgb(0xd2c8b6);
    l.frameFill = rgb(0xd9cfbd);
    l.frameRadius = 5;
    l.titleActive = {{rgb(0xf1ebdf), rgb(0xd2c7b2), 100}};
    l.titleInactive = {{rgb(0xf0ece4), rgb(0xe2dccf), 100}};
    l.titleText = rgb(0x2b2620);
    l.titleTextInactive = rgb(0x9a9284);
    l.panel = rgb(0xe8e1d4);
    l.panelGradient = verticalGradient({{rgb(0xf3eee5), rgb(0xe2d9c8), 100}});
    l.panelTexture = tile(Pattern::Noise, {32, 6}, rgb(0xcfc4ae), {}, 6, 100);
    l.panelGradientPercent = 0;
    l.panelEdge = false;
    l.editBorder = rgb(0xa89c86);
    l.editHotBorder = rgb(0x8a9a5b);
    l.editRadius = 3;
    l.button = faces(face({}, {}, {}, 4), rgb(0xe4dccb), rgb(0xe5ead2), rgb(0xccd4ad),
                     rgb(0x2b2620), rgb(0x2b2620), rgb(0x9a8e78), rgb(0x6d7d40));
    l.buttonStore = Store::MasterBanded;
    l.box = plainFaces(faces(face({}, {}, {}, 3), rgb(0xfbf8f2), rgb(0xf0f4e2), rgb(0xdde4c4), {},
                             {}, rgb(0x9a8e78), rgb(0x6d7d40)));
    l.mark = rgb(0x4d5a26);
    l.checkStore = Store::Png;
    l.icons = IconStyle::Plain;
    l.iconSize = {22, 18};
    l.closeSize = {22, 18};
    l.iconInk = rgb(0x4a4438);
    l.iconHotInk = rgb(0x1e1a14);
    l.iconFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0xd2c7b2), rgb(0xdfe6c4), rgb(0xccd4ad),
                                  {}, {}, rgb(0x9a8e78), rgb(0x9a8e78)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0xd2c7b2), rgb(0xeab4a0), rgb(0xd89880),
                                   {}, {}, rgb(0x9a6a58), rgb(0x9a6a58)));
    l.scrollStore = Store::MasterBanded;
    l.scrollButton = faces(face({}, {}, {}, 3), rgb(0xe4dccb), rgb(0xe5ead2), rgb(0xccd4ad),
                           rgb(0x6a604e), rgb(0x2b2620), rgb(0xb2a690), rgb(0x6d7d40));
    l.slider = l.scrollButton;
    l.roundSlider = true;
    l.track = rgb(0xf3eee5);
    l.trackEdge = rgb(0xe6dfd0);
    l.menu = rgb(0xfbf9f4);
    l.menuHot = rgb(0xe5ead2);
    l.menuHotBorder = rgb(0xaab483);
    l.separator = rgb(0xddd4c4);
    l.iconColumnFrom = rgb(0xebe4d6);
    l.iconColumnTo = rgb(0xfbf9f4);
    l.selection = rgb(0x7a8a4b);
    l.hintTop = rgb(0xfffdf8);
    l.hintBottom = rgb(0xf1eadb);
    l.hintBorder = rgb(0xa89c86);
    l.hintRadius = 4;
    return l;
}

Look office12() {
    Look l = base("Office12Style", "Black title, silver body, amber highlights", rgb(0xdfe3e8),
                  rgb(0x1e1e1e), rgb(0xffc35a));
    l.frameOuter = rgb(0x0f0f10);
    l.frameInner = rgb(0x5c5f64);
    l.frameFill = rgb(0x35373b);
    l.frameRadius = 5;
    l.titleActive = {{rgb(0x55585e), rgb(0x3a3c41), 50}, {rgb(0x2b2d31), rgb(0x35373b), 50}};
    l.titleInactive = {{rgb(0x6f7277), rgb(0x5a5d62), 100}};
    l.titleText = rgb(0xf0f0f0);
    l.titleTextInactive = rgb(0xb5b8bc);
    l.panel = rgb(0xdfe3e8);
    l.panelGradient =
        verticalGradient({{rgb(0xf0f2f4), rgb(0xdadde2), 70}, {rgb(0xcfd3d9), rgb(0xdfe3e8), 30}});
    l.editBorder = rgb(0x9aa0a8);
    l.editHotBorder = rgb(0xe5a53a);
    l.button = faces(glass(face({}, {}, {}, 3)), rgb(0xdde1e6), rgb(0xffd98a), rgb(0xf7b046),
                     rgb(0x1e1e1e), rgb(0x1e1e1e), rgb(0x9aa0a8), rgb(0xc28a2e));
    l.buttonStore = Store::FileBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 1), rgb(0xffffff), rgb(0xfff1c8), rgb(0xffd98a), {},
                             {}, rgb(0x8a9098), rgb(0xc28a2e)));
    l.mark = rgb(0x2b2d31);
    l.icons = IconStyle::Plain;
    l.iconSize = {25, 18};
    l.closeSize = {25, 18};
    l.iconInk = rgb(0xe6e6e6);
    l.iconHotInk = rgb(0x1e1e1e);
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 2)), rgb(0xffc35a), rgb(0xffd98a),
                                  rgb(0xf7a030), {}, {}, rgb(0xc28a2e), rgb(0xc28a2e)));
    l.closeFace = plainFaces(faces(glass(face({}, {}, {}, 2)), rgb(0xe05a3a), rgb(0xf07050),
                                   rgb(0xc04020), {}, {}, rgb(0x8a2a14), rgb(0x8a2a14)));
    l.scrollStore = Store::MasterBanded;
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0xe4e7eb), rgb(0xffe3a6), rgb(0xffc35a),
                           rgb(0x55585e), rgb(0x1e1e1e), rgb(0xaab0b8), rgb(0xc28a2e));
    l.slider = l.scrollButton;
    l.track = rgb(0xeef0f2);
    l.trackEdge = rgb(0xdfe2e6);
    l.menu = rgb(0xfafafa);
    l.menuHot = rgb(0xffe3a6);
    l.menuHotBorder = rgb(0xe5a53a);
    l.separator = rgb(0xc5c9cf);
    l.iconColumnFrom = rgb(0xe9ecef);
    l.iconColumnTo = rgb(0xe9ecef);
    l.selection = rgb(0x3a3c41);
    l.hintTop = rgb(0xffffff);
    l.hintBottom = rgb(0xe4e8ec);
    l.hintBorder = rgb(0x767b82);
    l.hintRadius = 2;
    return l;
}

Look pulsar() {
    Look l = base("Pulsar", "Violet space with a cyan pulse", rgb(0x1c1530), rgb(0xe4dcff),
                  rgb(0x38e0ff));
    l.frameOuter = rgb(0x05030c);
    l.frameInner = rgb(0x7a5cff);
    l.frameFill = rgb(0x150f26);
    l.frameRadius = 8;
    l.titleActive = {{rgb(0x4a2a8a), rgb(0x1a1038), 100}};
    l.titleHorizontal = true;
    l.titleInactive = {{rgb(0x3a3050), rgb(0x201a30), 100}};
    l.titleText = rgb(0xf2eeff);
    l.titleTextInactive = rgb(0x9a90b8);
    l.titleTextShadow = rgb(0x2a0a5a);
    l.formFill =
        cornerGradient(rgb(0x2a1a50), rgb(0x140e26), rgb(0x1a2a50), rgb(0x0a0614), rgb(0x2a0a3a));
    l.formGradientPercent = 100;
    l.panel = rgb(0x1c1530);
    Texture nebula = tile(Pattern::Nebula, {1000, 901}, rgb(0x1a1230), rgb(0x3a2a90), 0, 100);
    l.panelTexture = jpeg(nebula, "NEBULA.JPG", TextureStore::BigJpeg);
    l.panelText = rgb(0xe4dcff);
    l.panelEdge = false;
    l.edit = rgb(0x0e0a1a);
    l.editHot = rgb(0x120e24);
    l.editText = rgb(0xd8f8ff);
    l.editBorder = rgb(0x4a3a80);
    l.editHotBorder = rgb(0x38e0ff);
    l.editRadius = 3;
    l.button = faces(glass(face({}, {}, {}, 7)), rgb(0x3a2a70), rgb(0x2a6a9a), rgb(0x1a4a70),
                     rgb(0xe4dcff), rgb(0xffffff), rgb(0x7a5cff), rgb(0x38e0ff));
    l.buttonStore = Store::PlainBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 3), rgb(0x120e24), rgb(0x1a3050), rgb(0x14243c), {},
                             {}, rgb(0x7a5cff), rgb(0x38e0ff)));
    l.mark = rgb(0x38e0ff);
    l.checkSymbol = Symbol::Square;
    l.icons = IconStyle::Tab;
    l.iconSize = {22, 16};
    l.closeSize = {32, 16};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 5), rgb(0x2a1a50), rgb(0x4a3a90), rgb(0x1a1038),
                                  {}, {}, rgb(0x7a5cff), rgb(0x38e0ff)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 5), rgb(0x8a1a6a), rgb(0xc02a90), rgb(0x6a0a4a),
                                   {}, {}, rgb(0xff5ac0), rgb(0xff5ac0)));
    l.iconGlow = true;
    l.glowColor = rgb(0x38e0ff);
    l.scrollButton = faces(face({}, {}, {}, 4), rgb(0x2a1a50), rgb(0x2a5a8a), rgb(0x1a3a60),
                           rgb(0xb8a8ff), rgb(0xffffff), rgb(0x5a48b0), rgb(0x38e0ff));
    l.slider = faces(glass(face({}, {}, {}, 5)), rgb(0x4a3a90), rgb(0x2a7aaa), rgb(0x1a5a80),
                     rgb(0xe4dcff), rgb(0xffffff), rgb(0x7a5cff), rgb(0x38e0ff));
    l.roundSlider = true;
    l.track = rgb(0x120c22);
    l.trackEdge = rgb(0x0a0614);
    l.menu = rgb(0x1a1430);
    l.menuText = rgb(0xe4dcff);
    l.menuHot = rgb(0x3a2a80);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x38e0ff);
    l.separator = rgb(0x4a3a80);
    l.iconColumnFrom = rgb(0x2a1a50);
    l.iconColumnTo = rgb(0x1a1430);
    l.selection = rgb(0x5a3ad0);
    l.hintTop = rgb(0x2a1a50);
    l.hintBottom = rgb(0x120c22);
    l.hintBorder = rgb(0x38e0ff);
    l.hintText = rgb(0xe4f8ff);
    l.hintRadius = 6;
    l.hintTransparency = 20;
    return l;
}

Look retro() {
    Look l = base("Retro", "Raised grey panels and a navy title", rgb(0xc0c0c0), rgb(0x000000),
                  rgb(0x000080));
    l.frameOuter = rgb(0x000000);
    l.frameInner = rgb(0x808080);
    l.frameFill = rgb(0xc0c0c0);
    l.frameRadius = 0;
    l.titleActive = {{rgb(0x000080), rgb(0x1084d0), 100}};
    l.titleInactive = {{rgb(0x808080), rgb(0xb5b5b5), 100}};
    l.titleHorizontal = true;
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0xd4d0c8);
    l.panel = rgb(0xc0c0c0);
    l.panelEdge = true;
    l.edit = rgb(0xffffff);
    l.editHot = rgb(0xffffff);
    l.editBorder = rgb(0x808080);
    l.editHotBorder = rgb(0x000000);
    l.hintTexture = tile(Pattern::Paper, {6, 16}, rgb(0xffffe1), rgb(0xd8c890), 3, 100);
    Face bevel = face({}, {}, {}, 0, Corner::Square);
    bevel.bevel = true;
    bevel.innerLight = 0;
    l.button = faces(bevel, rgb(0xc0c0c0), rgb(0xc8c8c8), rgb(0xb8b8b8), rgb(0x000000),
                     rgb(0x000000), rgb(0x000000), rgb(0x000000));
    for (auto& s : l.button) s.face.top = s.face.bottom;
    l.buttonStore = Store::PlainBmp;
    l.buttonFading = false;
    Face sunken = face(rgb(0xffffff), rgb(0xffffff), rgb(0x808080), 0, Corner::Square);
    sunken.sunken = true;
    sunken.innerLight = 0;
    l.box = {sunken, sunken, sunken};
    l.box[2].top = l.box[2].bottom = rgb(0xc0c0c0);
    l.mark = rgb(0x000000);
    l.checkStore = Store::Master;
    l.icons = IconStyle::Classic;
    l.iconSize = {16, 14};
    l.closeSize = {16, 14};
    l.iconInk = rgb(0x000000);
    l.iconHotInk = rgb(0x000000);
    l.iconFace = {bevel, bevel, bevel};
    for (auto& f : l.iconFace) f.top = f.bottom = rgb(0xc0c0c0);
    l.iconFace[2].bevel = false;
    l.iconFace[2].sunken = true;
    l.closeFace = l.iconFace;
    l.iconStore = Store::Master;
    l.iconSpacing = 2;
    l.scrollButton = faces(bevel, rgb(0xc0c0c0), rgb(0xc8c8c8), rgb(0xc0c0c0), rgb(0x000000),
                           rgb(0x000000), rgb(0x000000), rgb(0x000000));
    for (auto& s : l.scrollButton) s.face.top = s.face.bottom;
    l.slider = l.scrollButton;
    l.track = rgb(0xe0e0e0);
    l.trackEdge = rgb(0xd4d4d4);
    l.menu = rgb(0xc0c0c0);
    l.menuHot = rgb(0x000080);
    l.menuHotText = rgb(0xffffff);
    l.menuHotBorder = rgb(0x000080);
    l.separator = rgb(0x808080);
    l.iconColumnFrom = rgb(0xc0c0c0);
    l.iconColumnTo = rgb(0xc0c0c0);
    l.selection = rgb(0x000080);
    l.hintTop = rgb(0xffffe1);
    l.hintBottom = rgb(0xffffe1);
    l.hintBorder = rgb(0x000000);
    l.hintRadius = 0;
    l.grip = Symbol::GripLines;
    return l;
}

Look theFrog() {
    Look l =
        base("TheFrog", "Frog green and lily pads", rgb(0xcde8a8), rgb(0x17330a), rgb(0x4caf2a));
    l.frameOuter = rgb(0x1f4a0c);
    l.frameInner = rgb(0x9fd86a);
    l.frameFill = rgb(0x3f8f1e);
    l.frameRadius = 10;
    l.titleActive = {{rgb(0x8fdc4a), rgb(0x4caf2a), 50}, {rgb(0x3a9a1a), rgb(0x2f7f14), 50}};
    l.titleInactive = {{rgb(0xb8d8a0), rgb(0x8fb878), 100}};
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0x4a6a3a);
    l.titleTextShadow = rgb(0x1f4a0c);
    l.panel = rgb(0xcde8a8);
    l.panelGradient = verticalGradient({{rgb(0xe0f4c4), rgb(0xb8dc8c), 100}});
    l.panelTexture = overlay(tile(Pattern::Lily, {72, 56}, {}, rgb(0x5aa83a)));
    l.panelText = rgb(0x17330a);
    l.editBorder = rgb(0x2f7f14);
    l.editHotBorder = rgb(0x6ccf3a);
    l.editRadius = 5;
    l.button = faces(glass(face({}, {}, {}, 11)), rgb(0x5cbf32), rgb(0x7ad84a), rgb(0x3f9a1e),
                     rgb(0xffffff), rgb(0xffffff), rgb(0x2a6a10), rgb(0x1f4a0c));
    l.box = plainFaces(faces(glass(face({}, {}, {}, 6)), rgb(0xf2fbe4), rgb(0xdcf5bc),
                             rgb(0xb8e48a), {}, {}, rgb(0x2f7f14), rgb(0x1f4a0c)));
    l.mark = rgb(0x2f7f14);
    l.checkStore = Store::Png;
    l.icons = IconStyle::Ball;
    l.iconSize = {20, 20};
    l.closeSize = {20, 20};
    l.iconFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0x6ccf3a), rgb(0x8fe05a), rgb(0x4caf2a),
                                  {}, {}, rgb(0x1f4a0c), rgb(0x1f4a0c)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 9), rgb(0xe0c020), rgb(0xf0d840), rgb(0xb89a10),
                                   {}, {}, rgb(0x6a5a08), rgb(0x6a5a08)));
    l.iconSpacing = 1;
    l.iconRightMargin = 4;
    l.scrollButton = faces(glass(face({}, {}, {}, 8)), rgb(0x6ccf3a), rgb(0x8fe05a), rgb(0x4caf2a),
                           rgb(0x17330a), rgb(0x0a2004), rgb(0x2f7f14), rgb(0x1f4a0c));
    l.slider = l.scrollButton;
    l.roundSlider = true;
    l.track = rgb(0xe6f4d2);
    l.trackEdge = rgb(0xcfe6b0);
    l.menu = rgb(0xf4fbea);
    l.menuHot = rgb(0x8fdc4a);
    l.menuHotText = rgb(0x0a2004);
    l.menuHotBorder = rgb(0x3f8f1e);
    l.separator = rgb(0xb8dc8c);
    l.iconColumnFrom = rgb(0x9fd86a);
    l.iconColumnTo = rgb(0xf4fbea);
    l.selection = rgb(0x3f9a1e);
    l.hintTop = rgb(0xf4ffe4);
    l.hintBottom = rgb(0xd4f0aa);
    l.hintBorder = rgb(0x2f7f14);
    l.hintText = rgb(0x17330a);
    l.hintRadius = 8;
    l.hintTransparency = 10;
    return l;
}

Look topaz() {
    Look l = base("Topaz", "Faceted amber topaz", rgb(0xf3e2c4), rgb(0x3a2208), rgb(0xd9822b));
    l.frameOuter = rgb(0x4a2808);
    l.frameInner = rgb(0xf6b060);
    l.frameFill = rgb(0xb8661a);
    l.frameRadius = 6;
    l.titleActive = {{rgb(0xf6b060), rgb(0xd9822b), 45}, {rgb(0xb8661a), rgb(0x8a4a10), 55}};
    l.titleInactive = {{rgb(0xe8cca4), rgb(0xc8a478), 100}};
    l.titleText = rgb(0xfff6e6);
    l.titleTextInactive = rgb(0x7a5a38);
    l.titleTextShadow = rgb(0x5a2e06);
    l.titleTexture = tile(Pattern::Facets, {40, 24}, rgb(0xd9822b), rgb(0xfff0d0), 1, 35);
    l.captionPlate = true;
    l.captionFace = face(rgb(0xa85a14), rgb(0x7a400c), rgb(0x4a2808), 6, Corner::Chamfer);
    l.panel = rgb(0xf3e2c4);
    l.panelGradient = verticalGradient({{rgb(0xfbf1de), rgb(0xe9cf9f), 100}});
    l.panelTexture = tile(Pattern::Facets, {32, 32}, rgb(0xf3e2c4), rgb(0xc88a40), 0, 20);
    l.panelText = rgb(0x3a2208);
    l.editBorder = rgb(0x8a4a10);
    l.editHotBorder = rgb(0xf08a20);
    const Face chamfer = glass(face({}, {}, {}, 5, Corner::Chamfer));
    l.button = faces(chamfer, rgb(0xd9822b), rgb(0xf09a3a), rgb(0xb8661a), rgb(0xfff6e6),
                     rgb(0xffffff), rgb(0x6a3a0c), rgb(0x4a2808));
    l.box = plainFaces(faces(glass(face({}, {}, {}, 3, Corner::Chamfer)), rgb(0xfff4e0),
                             rgb(0xffe2b0), rgb(0xf6c27a), {}, {}, rgb(0x8a4a10), rgb(0x4a2808)));
    l.mark = rgb(0x8a3a08);
    l.checkStore = Store::Png;
    l.icons = IconStyle::Glass;
    l.iconSize = {24, 18};
    l.closeSize = {36, 18};
    l.iconFace =
        plainFaces(faces(glass(face({}, {}, {}, 4, Corner::Chamfer)), rgb(0xc8701e), rgb(0xf09a3a),
                         rgb(0x9a5412), {}, {}, rgb(0x4a2808), rgb(0x4a2808)));
    l.closeFace =
        plainFaces(faces(glass(face({}, {}, {}, 4, Corner::Chamfer)), rgb(0xa8281a), rgb(0xd03a28),
                         rgb(0x801a10), {}, {}, rgb(0x4a0a04), rgb(0x4a0a04)));
    l.iconStore = Store::Png;
    l.iconSpacing = 1;
    l.scrollButton =
        faces(glass(face({}, {}, {}, 3, Corner::Chamfer)), rgb(0xe0903a), rgb(0xf0a84a),
              rgb(0xc0701e), rgb(0x4a2808), rgb(0x2a1404), rgb(0x8a4a10), rgb(0x4a2808));
    l.slider = l.scrollButton;
    l.scrollStore = Store::MasterBanded;
    l.track = rgb(0xf8ecd6);
    l.trackEdge = rgb(0xecd6b0);
    l.menu = rgb(0xfdf6ea);
    l.menuHot = rgb(0xf6b060);
    l.menuHotText = rgb(0x2a1404);
    l.menuHotBorder = rgb(0xb8661a);
    l.separator = rgb(0xe0c090);
    l.iconColumnFrom = rgb(0xf0c080);
    l.iconColumnTo = rgb(0xfdf6ea);
    l.selection = rgb(0xc8701e);
    l.hintTop = rgb(0xfff6e6);
    l.hintBottom = rgb(0xf6d6a0);
    l.hintBorder = rgb(0x8a4a10);
    l.hintText = rgb(0x3a2208);
    l.hintRadius = 4;
    l.hintTransparency = 6;
    return l;
}

Look viennaExt() {
    Look l = base("Vienna Ext", "Light glass with a wide close button", rgb(0xe9eef4),
                  rgb(0x1a2230), rgb(0x3c8ad8));
    l.frameOuter = rgb(0x5a6a80);
    l.frameInner = rgb(0xf4f8fc);
    l.frameFill = rgb(0xc2d6ec);
    l.frameRadius = 7;
    l.titleActive = {{rgb(0xe4f0fc), rgb(0xc2d6ec), 50}, {rgb(0xb0c8e4), rgb(0xc8dcf2), 50}};
    l.titleInactive = {{rgb(0xeef2f6), rgb(0xdce4ec), 100}};
    l.titleText = rgb(0x102040);
    l.titleTextInactive = rgb(0x7a8aa0);
    l.panel = rgb(0xe9eef4);
    l.panelGradient = verticalGradient({{rgb(0xf7fafd), rgb(0xe0e8f1), 100}});
    l.panelTexture = tile(Pattern::Noise, {16, 8}, rgb(0xfbfdff), {}, 2, 100);
    l.panelGradientPercent = 0;
    l.editBorder = rgb(0xabb8c8);
    l.editHotBorder = rgb(0x3c8ad8);
    l.editRadius = 2;
    l.button = faces(glass(face({}, {}, {}, 3)), rgb(0xe6ebf0), rgb(0xc4e2fa), rgb(0x98caf2),
                     rgb(0x1a2230), rgb(0x0a1a30), rgb(0x8a96a6), rgb(0x3c7cbc));
    l.buttonStore = Store::FileBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 2), rgb(0xf8fafc), rgb(0xe4f2fe), rgb(0xc8e4fa), {},
                             {}, rgb(0x8a96a6), rgb(0x3c8ad8)));
    l.mark = rgb(0x1a4a8a);
    l.checkStore = Store::Png;
    l.icons = IconStyle::Glass;
    l.iconSize = {26, 18};
    l.closeSize = {44, 18};
    l.iconInk = rgb(0x303c50);
    l.iconHotInk = rgb(0x102040);
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0xc8d8ea), rgb(0xb4dcfa),
                                  rgb(0x8cc4f0), {}, {}, rgb(0x6a7a90), rgb(0x3c7cbc)));
    l.closeFace = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0xc8483a), rgb(0xe05a48),
                                   rgb(0xa83428), {}, {}, rgb(0x6a1a10), rgb(0x6a1a10)));
    l.iconStore = Store::Png;
    l.scrollStore = Store::MasterBanded;
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0xeef2f6), rgb(0xd4eafc), rgb(0xa8d2f6),
                           rgb(0x505c70), rgb(0x102040), rgb(0xb8c4d2), rgb(0x3c8ad8));
    l.slider = faces(glass(face({}, {}, {}, 2)), rgb(0xdfe6ee), rgb(0xc4e2fa), rgb(0x98caf2),
                     rgb(0x505c70), rgb(0x102040), rgb(0x9aa6b6), rgb(0x3c8ad8));
    l.track = rgb(0xf2f5f8);
    l.trackEdge = rgb(0xe6ebf1);
    l.menu = rgb(0xf6f8fb);
    l.menuHot = rgb(0xd8ecfc);
    l.menuHotBorder = rgb(0x8cc4f0);
    l.separator = rgb(0xd6dde6);
    l.iconColumnFrom = rgb(0xeaf0f6);
    l.iconColumnTo = rgb(0xf6f8fb);
    l.selection = rgb(0x3c8ad8);
    l.hintTop = rgb(0xffffff);
    l.hintBottom = rgb(0xe4ecf5);
    l.hintBorder = rgb(0x76849a);
    l.hintRadius = 3;
    l.hintTransparency = 4;
    return l;
}

Look vista() {
    Look l = base("Vista", "Dark glass title, silver body, the default", rgb(0xe4e8ec),
                  rgb(0x1a1a1a), rgb(0x2b8fd8));
    l.version = QStringLiteral("7.3");
    l.frameOuter = rgb(0x06090c);
    l.frameInner = rgb(0x7d96a8);
    l.frameFill = rgb(0x2d4a5c);
    l.frameRadius = 7;
    l.titleActive = {{rgb(0x6f8fa4), rgb(0x3b5d72), 45}, {rgb(0x1e3d50), rgb(0x2f5a6e), 55}};
    l.titleInactive = {{rgb(0x9aa8b2), rgb(0x7c8a94), 45}, {rgb(0x6a7882), rgb(0x7a8890), 55}};
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0xdce2e6);
    l.titleTextShadow = rgb(0x0a1a24);
    l.panel = rgb(0xe4e8ec);
    l.panelGradient =
        verticalGradient({{rgb(0xfafbfc), rgb(0xe8ecf0), 55}, {rgb(0xdde3e9), rgb(0xd2d9e0), 45}});
    l.panelText = rgb(0x1a1a1a);
    l.editBorder = rgb(0xabadb3);
    l.editHotBorder = rgb(0x3d7bad);
    l.editRadius = 2;
    l.button = faces(glass(face({}, {}, {}, 3)), rgb(0xdcdcdc), rgb(0xbee6fd), rgb(0x98d1ef),
                     rgb(0x1a1a1a), rgb(0x1a1a1a), rgb(0x707070), rgb(0x3c7fb1));
    l.box = plainFaces(faces(face({}, {}, {}, 1), rgb(0xf4f4f4), rgb(0xe0f2fd), rgb(0xc4e5f6), {},
                             {}, rgb(0x8e8f8f), rgb(0x3c7fb1)));
    l.mark = rgb(0x4a5f97);
    l.checkStore = Store::MasterBanded;
    l.buttonStore = Store::FileBmp;
    l.icons = IconStyle::Glass;
    l.iconSize = {26, 18};
    l.closeSize = {43, 18};
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0x4d6c80), rgb(0x3a8cc8),
                                  rgb(0x22608e), {}, {}, rgb(0x0a1a24), rgb(0x0a1a24)));
    l.closeFace = plainFaces(faces(glass(face({}, {}, {}, 3)), rgb(0xc13a2a), rgb(0xe8503a),
                                   rgb(0x96281a), {}, {}, rgb(0x3a0a04), rgb(0x3a0a04)));
    l.iconStore = Store::Png;
    l.iconGlow = true;
    l.glowColor = rgb(0x7ad0ff);
    l.scrollButton = faces(glass(face({}, {}, {}, 2)), rgb(0xe8e8e8), rgb(0xcbe9fb), rgb(0xa4d4f0),
                           rgb(0x404040), rgb(0x1a3a5a), rgb(0x9a9a9a), rgb(0x3c7fb1));
    l.slider = faces(glass(face({}, {}, {}, 2)), rgb(0xdedede), rgb(0xbee6fd), rgb(0x98d1ef),
                     rgb(0x505050), rgb(0x1a3a5a), rgb(0x8a8a8a), rgb(0x3c7fb1));
    l.scrollStore = Store::MasterBanded;
    l.track = rgb(0xf0f0f0);
    l.trackEdge = rgb(0xe2e2e2);
    l.menu = rgb(0xf4f6f8);
    l.menuHot = rgb(0xd6ecfb);
    l.menuHotBorder = rgb(0x9ccbee);
    l.separator = rgb(0xd2d6da);
    l.iconColumnFrom = rgb(0xeef1f4);
    l.iconColumnTo = rgb(0xf4f6f8);
    l.selection = rgb(0x3399ff);
    l.hintTop = rgb(0xffffff);
    l.hintBottom = rgb(0xe4e5f0);
    l.hintBorder = rgb(0x767676);
    l.hintRadius = 3;
    l.hintTransparency = 5;
    return l;
}

Look winter2003() {
    Look l = base("Winter2003", "Winter blue with falling snow", rgb(0xdbe8f6), rgb(0x0f2a4a),
                  rgb(0x3a7ad0));
    l.frameOuter = rgb(0x1a3f78);
    l.frameInner = rgb(0xa8ccf4);
    l.frameFill = rgb(0x4a86d4);
    l.frameRadius = 6;
    l.titleActive = {{rgb(0x7ab2f0), rgb(0x3a7ad0), 60}, {rgb(0x2a64b8), rgb(0x3a74c8), 40}};
    l.titleInactive = {{rgb(0xc2d6ee), rgb(0xa4bcdc), 100}};
    l.titleText = rgb(0xffffff);
    l.titleTextInactive = rgb(0x5a7aa4);
    l.titleTextShadow = rgb(0x103060);
    l.panel = rgb(0xdbe8f6);
    l.panelGradient = verticalGradient({{rgb(0xf4f8fd), rgb(0xc8dcf2), 100}});
    l.panelTexture = overlay(tile(Pattern::Snow, {64, 48}, {}, rgb(0xffffff)));
    l.panelText = rgb(0x0f2a4a);
    l.editBorder = rgb(0x7f9db9);
    l.editHotBorder = rgb(0x3a7ad0);
    l.editRadius = 3;
    l.button = faces(face({}, {}, {}, 4), rgb(0xe8f1fb), rgb(0xcfe4fb), rgb(0xaccdf2),
                     rgb(0x0f2a4a), rgb(0x0a1a40), rgb(0x5a82b4), rgb(0x2a64b8));
    l.buttonStore = Store::FileBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 2), rgb(0xffffff), rgb(0xeaf4ff), rgb(0xcfe4fb), {},
                             {}, rgb(0x5a82b4), rgb(0x2a64b8)));
    l.mark = rgb(0x1a4a98);
    l.icons = IconStyle::Glass;
    l.iconSize = {21, 19};
    l.closeSize = {21, 19};
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 4)), rgb(0x3a7ad0), rgb(0x5a9ae8),
                                  rgb(0x2a5aa8), {}, {}, rgb(0xffffff), rgb(0xffffff)));
    l.closeFace = plainFaces(faces(glass(face({}, {}, {}, 4)), rgb(0x5a8ad8), rgb(0x7aaaf0),
                                   rgb(0x3a6ab8), {}, {}, rgb(0xffffff), rgb(0xffffff)));
    l.iconSpacing = 2;
    l.scrollButton = faces(face({}, {}, {}, 3), rgb(0xdce9f8), rgb(0xc4dcf8), rgb(0xa4c6f0),
                           rgb(0x2a5a98), rgb(0x0a2a60), rgb(0x8aaad0), rgb(0x2a64b8));
    l.slider = l.scrollButton;
    l.scrollStore = Store::MasterBanded;
    l.track = rgb(0xf0f6fc);
    l.trackEdge = rgb(0xdde9f6);
    l.menu = rgb(0xf6faff);
    l.menuHot = rgb(0xc8e0fa);
    l.menuHotBorder = rgb(0x6a9ad8);
    l.separator = rgb(0xbcd2ec);
    l.iconColumnFrom = rgb(0xc8dcf4);
    l.iconColumnTo = rgb(0xf6faff);
    l.selection = rgb(0x3a7ad0);
    l.hintTop = rgb(0xffffff);
    l.hintBottom = rgb(0xdcecfc);
    l.hintBorder = rgb(0x3a7ad0);
    l.hintText = rgb(0x0f2a4a);
    l.hintRadius = 5;
    l.hintTransparency = 8;
    return l;
}

Look xpSilver() {
    Look l = base("XPSilver", "Silver title with rounded corners", rgb(0xeeede5), rgb(0x000000),
                  rgb(0xf8b330));
    l.frameOuter = rgb(0x585a6a);
    l.frameInner = rgb(0xf4f4f8);
    l.frameFill = rgb(0xc0c0d2);
    l.frameRadius = 8;
    l.titleActive = {{rgb(0xfcfcfe), rgb(0xd6d6e2), 40}, {rgb(0xc6c6d6), rgb(0xb6b6c8), 60}};
    l.titleInactive = {{rgb(0xf6f6f8), rgb(0xe4e4ea), 100}};
    l.titleText = rgb(0x000000);
    l.titleTextInactive = rgb(0x8a8a9a);
    l.titleTextShadow = rgb(0xffffff);
    l.panel = rgb(0xeeede5);
    l.panelEdge = true;
    l.editBorder = rgb(0xa5acb5);
    l.editHotBorder = rgb(0x7a96df);
    l.button = faces(face({}, {}, {}, 3), rgb(0xf0f0ea), rgb(0xf6f6f2), rgb(0xdcdcd4),
                     rgb(0x000000), rgb(0x000000), rgb(0x7a7c8a), rgb(0xe5a23a));
    for (auto& s : l.button) s.face.top = rgb(0xffffff);
    l.buttonStore = Store::PlainBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 0, Corner::Square), rgb(0xf4f4f0), rgb(0xfff0cf),
                             rgb(0xf6dca0), {}, {}, rgb(0x7a7c8a), rgb(0xe5a23a)));
    l.mark = rgb(0x21a121);
    l.checkStore = Store::Master;
    l.icons = IconStyle::Glass;
    l.iconSize = {21, 21};
    l.closeSize = {21, 21};
    l.iconInk = rgb(0x3a3c4a);
    l.iconHotInk = rgb(0x1a1c2a);
    l.iconFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0xe4e4ec), rgb(0xf4f4fa), rgb(0xc8c8d6),
                                  {}, {}, rgb(0x8a8c9c), rgb(0x6a6c7c)));
    l.closeFace = plainFaces(faces(face({}, {}, {}, 3), rgb(0xd8d8e2), rgb(0xf0c0b0), rgb(0xe09080),
                                   {}, {}, rgb(0x8a8c9c), rgb(0x9a4a3a)));
    l.iconStore = Store::Master;
    l.iconSpacing = 2;
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0xe6e6ee), rgb(0xf2f2f8), rgb(0xccccda),
                           rgb(0x4d4d6d), rgb(0x2a2a4a), rgb(0xb0b0c4), rgb(0x8a8aa4));
    l.slider = l.scrollButton;
    l.track = rgb(0xf4f4f6);
    l.trackEdge = rgb(0xe6e6ec);
    l.menu = rgb(0xffffff);
    l.menuHot = rgb(0xb6bdd2);
    l.menuHotBorder = rgb(0x8a90a8);
    l.separator = rgb(0xc5c5ca);
    l.iconColumnFrom = rgb(0xfafafa);
    l.iconColumnTo = rgb(0xe4e4e8);
    l.selection = rgb(0x316ac5);
    l.grip = Symbol::GripDots;
    return l;
}

Look office2007Blue() {
    Look l = base("Office2007 Blue", "Light blue with warm amber highlights", rgb(0xd4e3f7),
                  rgb(0x15428b), rgb(0xffc84a));
    l.frameOuter = rgb(0x6593cf);
    l.frameInner = rgb(0xe4eefa);
    l.frameFill = rgb(0xbfdbff);
    l.frameRadius = 6;
    l.titleActive = {{rgb(0xe3efff), rgb(0xc4ddff), 50}, {rgb(0xadd1ff), rgb(0xc0dcff), 50}};
    l.titleInactive = {{rgb(0xe9f1fb), rgb(0xd8e6f6), 100}};
    l.titleText = rgb(0x3e6aaa);
    l.titleTextInactive = rgb(0x8aa4c8);
    l.panel = rgb(0xd4e3f7);
    l.panelGradient =
        verticalGradient({{rgb(0xe3efff), rgb(0xc8dcf6), 75}, {rgb(0xbcd4f2), rgb(0xcfe0f8), 25}});
    l.panelTexture = tile(Pattern::Noise, {6, 40}, rgb(0xc4d8f2), {}, 5, 100);
    l.panelGradientPercent = 0;
    l.panelText = rgb(0x15428b);
    l.editBorder = rgb(0xa4bed4);
    l.editHotBorder = rgb(0xf0b040);
    l.button = faces(glass(face({}, {}, {}, 3)), rgb(0xc8dcf4), rgb(0xffd66a), rgb(0xf8a838),
                     rgb(0x15428b), rgb(0x15428b), rgb(0x8db2e3), rgb(0xc2912e));
    l.buttonStore = Store::PlainBmp;
    l.box = plainFaces(faces(face({}, {}, {}, 1), rgb(0xffffff), rgb(0xfff2cc), rgb(0xffdc8a), {},
                             {}, rgb(0x8db2e3), rgb(0xc2912e)));
    l.mark = rgb(0x15428b);
    l.icons = IconStyle::Plain;
    l.iconSize = {25, 18};
    l.closeSize = {25, 18};
    l.iconInk = rgb(0x3e6aaa);
    l.iconHotInk = rgb(0x15428b);
    l.iconFace = plainFaces(faces(glass(face({}, {}, {}, 2)), rgb(0xffd66a), rgb(0xffe08a),
                                  rgb(0xf8a838), {}, {}, rgb(0xc2912e), rgb(0xc2912e)));
    l.closeFace = plainFaces(faces(glass(face({}, {}, {}, 2)), rgb(0xe8684a), rgb(0xf0806a),
                                   rgb(0xc84a2a), {}, {}, rgb(0x9a3a1a), rgb(0x9a3a1a)));
    l.scrollStore = Store::MasterBanded;
    l.scrollButton = faces(face({}, {}, {}, 2), rgb(0xd6e6fa), rgb(0xffe6a0), rgb(0xffc84a),
                           rgb(0x3e6aaa), rgb(0x15428b), rgb(0x9ab8de), rgb(0xc2912e));
    l.slider = faces(glass(face({}, {}, {}, 2)), rgb(0xc8dcf4), rgb(0xffd66a), rgb(0xf8a838),
                     rgb(0x3e6aaa), rgb(0x15428b), rgb(0x8db2e3), rgb(0xc2912e));
    l.track = rgb(0xeef4fc);
    l.trackEdge = rgb(0xdce8f8);
    l.menu = rgb(0xfafafa);
    l.menuHot = rgb(0xffe6a0);
    l.menuHotText = rgb(0x15428b);
    l.menuHotBorder = rgb(0xf0b040);
    l.separator = rgb(0xc5d4e8);
    l.iconColumnFrom = rgb(0xe9eef5);
    l.iconColumnTo = rgb(0xe9eef5);
    l.selection = rgb(0x3e6aaa);
    l.hintTop = rgb(0xffffff);
    l.hintBottom = rgb(0xe4ecf7);
    l.hintBorder = rgb(0x767676);
    l.hintText = rgb(0x4c4c4c);
    l.hintRadius = 2;
    return l;
}

}  // namespace

std::vector<Look> internalLooks() {
    return {darkGlass(), nextAlpha(), aluminium(),  garnet(),   golden(),
            longHorn(),  macMetal(),  nautilus(),   neutral(),  neutral2(),
            office12(),  pulsar(),    retro(),      theFrog(),  topaz(),
            viennaExt(), vista(),     winter2003(), xpSilver(), office2007Blue()};
}

}  // namespace lingotab::skingen
