#include "tools/skingen/skin_builder.h"

#include <QDir>
#include <QFile>
#include <QPainterPath>
#include <cmath>
#include <map>
#include <stdexcept>

#include "tools/skingen/atlas.h"
#include "tools/skingen/options_text.h"
#include "tools/skingen/skin_images.h"
#include "tools/skingen/textures.h"

namespace lingotab::skingen {
namespace {

// Sizes of the pictures, in pixels.
constexpr int kButtonW = 24, kButtonH = 24, kButtonSlice = 5;
constexpr int kPlainButtonW = 15, kPlainButtonH = 21;  // thirds: 5 x 7 slices
constexpr int kBox = 13, kSmallBox = 11;
constexpr int kScroll = 17, kArrow = 9;
constexpr int kFrame = 4;  // window frame width

QString gradientOf(const Face& f) {
    if (f.glass)
        return verticalGradient(
            {{lighter(f.top, 45), lighter(f.top, 20), 48}, {f.top, f.bottom, 52}});
    return f.horizontal ? horizontalGradient({{f.top, f.bottom, 100}})
                        : verticalGradient({{f.top, f.bottom, 100}});
}

// The outline ring of a face only: the section's gradient fills it.
Face ringOf(Face f) {
    f.top = f.bottom = Qt::transparent;
    f.glass = f.streaks = false;
    return f;
}

QImage insideOf(int w, int h, int frames, const Face& f) {
    return framesPicture(w, h, frames, [&](QPainter& p, const QRectF& r, int) {
        p.fillPath(facePath(r.adjusted(0.5, 0.5, -0.5, -0.5), f.radius, f.corner), Qt::black);
    });
}

class SkinWriter {
  public:
    explicit SkinWriter(const Look& look) : l_(look), img_(look.face) {}

    QByteArray options() {
        globalInfo();
        form();
        title();
        panel();
        edit();
        button();
        checkBox();
        hint();
        menus();
        selection();
        scrollBars();
        speedButton();
        dialog();
        return img_.resolve(o_.bytes());
    }
    Images& images() { return img_; }

  private:
    void state(const QString& prefix, const QColor& color, const QColor& font) {
        o_.setColor(prefix + QStringLiteral("COLOR"), color);
        o_.setColor(prefix + QStringLiteral("FONTCOLOR"), font);
    }

    void texture(const Texture& t, bool hot = true) {
        if (t.pattern == Pattern::None) return;
        const QString value = img_.texture(t);
        o_.set(QStringLiteral("PATTERN"), value);
        if (hot) o_.set(QStringLiteral("HOTPATTERN"), value);
        if (!t.overlay) {
            o_.set(QStringLiteral("IMAGEPERCENT"), t.percent);
            if (hot) o_.set(QStringLiteral("HOTIMAGEPERCENT"), t.percent);
        }
    }

    void globalInfo() {
        o_.section(QStringLiteral("GLOBALINFO"));
        o_.set(QStringLiteral("VERSION"), l_.version);
        o_.set(QStringLiteral("AUTHOR"), QStringLiteral("Lingotab"));
        o_.set(QStringLiteral("DESCRIPTION"), l_.description);
        o_.set(QStringLiteral("MASTERBITMAP"), QStringLiteral("MASTER.BMP"));
        o_.setColor(QStringLiteral("COLOR"), l_.face);
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.text);
        o_.set(QStringLiteral("STATES"), 2);
        o_.setColor(QStringLiteral("HOTCOLOR"), l_.editHot);
        o_.set(QStringLiteral("SHADOW1COLOR"), 0);
        o_.set(QStringLiteral("SHADOW1OFFSET"), 0);
        o_.set(QStringLiteral("SHADOW1BLUR"), -1);
        o_.set(QStringLiteral("SHADOW1TRANSPARENCY"), 0);
        o_.set(QStringLiteral("BORDERWIDTH"), kFrame);
        o_.set(QStringLiteral("TITLEHEIGHT"), 24);
        o_.set(QStringLiteral("BISPACE"), l_.iconSpacing);
        o_.set(QStringLiteral("BIRIGHT"), l_.iconRightMargin);
        o_.set(QStringLiteral("BILEFT"), l_.iconLeftMargin);
        o_.set(QStringLiteral("BIVALIGN"), l_.iconVAlign);
        o_.set(QStringLiteral("BITOP"), 0);
        checkGlyphs();
        o_.set(QStringLiteral("GRIPIMAGE"),
               img_.mask(Store::MasterBanded, {},
                         framesPicture(12, 12, 1,
                                       [&](QPainter& p, const QRectF& r, int) {
                                           paintSymbol(p, r.translated(1, 1), l_.grip,
                                                       withAlpha(Qt::white, 200));
                                           paintSymbol(p, r, l_.grip, darker(l_.face, 45));
                                       }),
                         1, Kind::Glyph));
        titleIcons();
    }

    void checkGlyphs() {
        auto boxes = [&](int size, Symbol mark, bool round) {
            return framesPicture(size, size, 3,
                                 [&, mark, round](QPainter& p, const QRectF& r, int i) {
                                     Face f = l_.box[i];
                                     if (round) {
                                         f.corner = Corner::Round;
                                         f.radius = size / 2.0;
                                     }
                                     paintFace(p, r, f);
                                     if (mark != Symbol::Close)
                                         paintSymbol(p, r, mark, l_.mark, size > 11 ? 1.7 : 1.4);
                                 });
        };
        struct Glyph {
            const char* key;
            int size;
            Symbol mark;  // Close: none
            bool round;
        };
        const Symbol none = Symbol::Close;
        const Glyph glyphs[] = {
            {"BOXCHECKED", kBox, l_.checkSymbol, false},
            {"BOXUNCHECKED", kBox, none, false},
            {"BOXGRAYED", kBox, Symbol::Square, false},
            {"RADIOCHECKED", kBox, Symbol::Dot, true},
            {"RADIOUNCHECKED", kBox, none, true},
            {"RADIOGRAYED", kBox, Symbol::Dash, true},
            {"SMALLCHECKED", kSmallBox, l_.checkSymbol, false},
            {"SMALLUNCHECKED", kSmallBox, none, false},
            {"SMALLGRAYED", kSmallBox, Symbol::Square, false},
        };
        for (const Glyph& g : glyphs) {
            // Only the large boxes go to files of their own; the rest stay in the master.
            const bool large = g.size == kBox && !g.round;
            const Store store =
                large ? l_.checkStore
                      : (l_.checkStore == Store::Master ? Store::Master : Store::MasterBanded);
            o_.set(QString::fromLatin1(g.key),
                   img_.mask(store, QString::fromLatin1(g.key), boxes(g.size, g.mark, g.round), 3,
                             Kind::Glyph));
        }
        o_.set(QStringLiteral("CHECK"),
               img_.mask(Store::MasterBanded, {},
                         framesPicture(12, 12, 1,
                                       [&](QPainter& p, const QRectF& r, int) {
                                           paintSymbol(p, r, Symbol::Tick, l_.menuText, 1.6);
                                       }),
                         1, Kind::Glyph));
    }

    // One title-bar button in its three states.
    QImage iconPicture(QSize size, Symbol symbol, bool close, bool alone) {
        return framesPicture(
            size.width(), size.height(), 3, [&](QPainter& p, const QRectF& r, int i) {
                const QColor ink = i == 0 ? l_.iconInk : l_.iconHotInk;
                Face f = close ? l_.closeFace[i] : l_.iconFace[i];
                switch (l_.icons) {
                    case IconStyle::Glass:
                    case IconStyle::Classic:
                        if (alone) f.radius = std::max<qreal>(f.radius, 4);
                        paintFace(p, r, f);
                        paintSymbol(p, r.translated(0, 1), symbol, withAlpha(Qt::black, 90), 1.8);
                        paintSymbol(p, r, symbol, ink, 1.8);
                        break;
                    case IconStyle::Tab: {
                        paintFace(p, r.adjusted(0, -6, 0, 0), f);
                        paintSymbol(p, r, symbol, ink, 1.6);
                        break;
                    }
                    case IconStyle::Ball: {
                        const qreal d = std::min(r.width(), r.height()) - 3;
                        const QRectF ball(r.center().x() - d / 2, r.center().y() - d / 2, d, d);
                        QRadialGradient g(ball.center() + QPointF(0, d * 0.25), d * 0.7);
                        g.setColorAt(0, lighter(f.top, 35));
                        g.setColorAt(0.7, f.top);
                        g.setColorAt(1, f.bottom);
                        p.setPen(QPen(f.border, 1));
                        p.setBrush(g);
                        p.drawEllipse(ball);
                        QRectF shine(ball.left() + d * 0.2, ball.top() + d * 0.06, d * 0.6,
                                     d * 0.42);
                        QLinearGradient sg(shine.topLeft(), shine.bottomLeft());
                        sg.setColorAt(0, withAlpha(Qt::white, 190));
                        sg.setColorAt(1, withAlpha(Qt::white, 10));
                        p.setPen(Qt::NoPen);
                        p.setBrush(sg);
                        p.drawEllipse(shine);
                        if (i > 0)
                            paintSymbol(p, ball, symbol, withAlpha(darker(f.bottom, 55), 220), 1.4);
                        break;
                    }
                    case IconStyle::Plain:
                        if (i > 0) {
                            Face plate = f;
                            plate.radius = 3;
                            paintFace(p, r.adjusted(1, 1, -1, -1), plate);
                        }
                        paintSymbol(p, r, symbol, ink, 1.5);
                        break;
                }
            });
    }

    void titleIcons() {
        struct Icon {
            const char* key;
            Symbol symbol;
            bool close, alone;
        };
        const Icon big[] = {{"BICONCLOSE", Symbol::Close, true, false},
                            {"BICONMAX", Symbol::Maximize, false, false},
                            {"BICONMIN", Symbol::Minimize, false, false},
                            {"BICONNORM", Symbol::Restore, false, false},
                            {"BICONHELP", Symbol::Help, false, false},
                            {"BICLOSEALONE", Symbol::Close, true, true}};
        for (const Icon& icon : big) {
            const QSize size = icon.close && !icon.alone ? l_.closeSize : l_.iconSize;
            o_.set(QString::fromLatin1(icon.key),
                   img_.mask(l_.iconStore, QString::fromLatin1(icon.key),
                             iconPicture(size, icon.symbol, icon.close, icon.alone), 3, Kind::Glyph,
                             {}, l_.titleActive.front().from));
        }
        // The small pictures of tool windows stay in the master bitmap.
        const QSize small(std::max(14, l_.iconSize.width() - 6),
                          std::max(12, l_.iconSize.height() - 4));
        const Icon smalls[] = {{"SICONCLOSE", Symbol::Close, true, false},
                               {"SICONMAX", Symbol::Maximize, false, false},
                               {"SICONMIN", Symbol::Minimize, false, false},
                               {"SICONNORM", Symbol::Restore, false, false},
                               {"SICONHELP", Symbol::Help, false, false},
                               {"SICLOSEALONE", Symbol::Close, true, true}};
        const Store smallStore =
            l_.iconStore == Store::Master ? Store::Master : Store::MasterBanded;
        for (const Icon& icon : smalls)
            o_.set(
                QString::fromLatin1(icon.key),
                img_.mask(smallStore, {}, iconPicture(small, icon.symbol, icon.close, icon.alone),
                          3, Kind::Glyph, {}, l_.titleActive.front().from));
        // Background of the window's own title buttons (they draw their own glyphs).
        o_.set(QStringLiteral("TITLEBUTTON"), titleButtonBackground(smallStore));
        if (l_.iconGlow) {
            const QImage glowPicture = framesPicture(
                l_.closeSize.width() + 20, l_.closeSize.height() + 20, 1,
                [&](QPainter& p, const QRectF& r, int) { paintGlow(p, r, l_.glowColor); });
            const QImage smallGlow =
                framesPicture(l_.iconSize.width() + 16, l_.iconSize.height() + 16, 1,
                              [&](QPainter& p, const QRectF& r, int) {
                                  paintGlow(p, r, lighter(l_.glowColor, 30));
                              });
            o_.set(QStringLiteral("BICONCLOSEGLOW"), 1);
            o_.set(QStringLiteral("BICONCLOSEGLOWMARGIN"), 10);
            o_.set(QStringLiteral("BICONMAXGLOW"), 1);
            o_.set(QStringLiteral("BICONMAXGLOWMARGIN"), 8);
            o_.set(QStringLiteral("BICONMINGLOW"), 1);
            o_.set(QStringLiteral("BICONMINGLOWMARGIN"), 8);
            const QString close = img_.glow(QStringLiteral("GLOWCLOSE"), glowPicture);
            o_.set(QStringLiteral("BICONCLOSEGLOW0"), close);
            o_.set(QStringLiteral("BICLOSEALONEGLOW0"), close);
            const QString small = img_.glow(QStringLiteral("GLOWBTN"), smallGlow);
            o_.set(QStringLiteral("BICONMAXGLOW0"), small);
            o_.set(QStringLiteral("BICONMINGLOW0"), small);
            o_.set(QStringLiteral("BICONNORMGLOW0"), small);
        }
    }

    QString titleButtonBackground(Store store) {
        const QImage picture =
            framesPicture(21, l_.iconSize.height(), 3, [&](QPainter& p, const QRectF& r, int i) {
                if (l_.icons == IconStyle::Ball || l_.icons == IconStyle::Plain) {
                    if (i > 0) {
                        Face plate = l_.iconFace[i];
                        plate.radius = 3;
                        paintFace(p, r.adjusted(1, 1, -1, -1), plate);
                    }
                    return;
                }
                paintFace(p, l_.icons == IconStyle::Tab ? r.adjusted(0, -6, 0, 0) : r,
                          l_.iconFace[i]);
            });
        return img_.mask(store, {}, picture, 3, Kind::Glyph, {}, l_.titleActive.front().from);
    }

    void form() {
        o_.section(QStringLiteral("FORM"));
        o_.setColor(QStringLiteral("COLOR"), l_.face);
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.text);
        o_.set(QStringLiteral("STATES"), 2);
        o_.setColor(QStringLiteral("HOTCOLOR"), l_.face);
        if (!l_.formFill.isEmpty()) {
            o_.set(QStringLiteral("GRADIENTPERCENT"), l_.formGradientPercent);
            o_.set(QStringLiteral("GRADIENTDATA"), l_.formFill);
            o_.set(QStringLiteral("HOTGRADIENTPERCENT"), l_.formGradientPercent);
            o_.set(QStringLiteral("HOTGRADIENTDATA"), l_.formFill);
        }
        texture(l_.formTexture);
        // The window frame: outer line, body, inner line; rounded top corners.
        const int corner = frameCorner(), size = 2 * corner + 4;
        const QImage frame = framesPicture(size, size, 1, [&](QPainter& p, const QRectF& r, int) {
            const QPainterPath outer = frameOutline(r);
            p.fillPath(outer, l_.frameFill);
            p.setPen(QPen(l_.frameOuter, 1));
            p.drawPath(outer);
            p.setRenderHint(QPainter::Antialiasing, false);
            p.setCompositionMode(QPainter::CompositionMode_Source);
            const QRect inner = r.toRect().adjusted(kFrame, kFrame, -kFrame, -kFrame);
            p.fillRect(inner, Qt::transparent);
            p.setPen(l_.frameInner);
            p.drawRect(inner.adjusted(-1, -1, 0, 0));
        });
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(Store::MasterBanded, {}, frame, 1, Kind::Border,
                         {corner, corner, corner, kFrame, 0}, {}, frameInside(size, 1)));
    }

    // Slices of the frame and title masks, wide enough to hold the rounded corners.
    int frameCorner() const { return std::max(kFrame, l_.frameRadius + 1); }

    // The window's outline with its rounded top corners, open at the bottom.
    QPainterPath frameOutline(const QRectF& r) const {
        QPainterPath outer;
        const qreal rad = l_.frameRadius;
        const QRectF o = r.adjusted(0.5, 0.5, -0.5, -0.5);
        outer.moveTo(o.left(), o.bottom() + 1);
        outer.lineTo(o.left(), o.top() + rad);
        outer.quadTo(o.topLeft(), QPointF(o.left() + rad, o.top()));
        outer.lineTo(o.right() - rad, o.top());
        outer.quadTo(o.topRight(), QPointF(o.right(), o.top() + rad));
        outer.lineTo(o.right(), o.bottom() + 1);
        return outer;
    }

    // Everything within the outline belongs to the window (its clear pixels
    // keep the section's own background; only the cut corners show the parent).
    QImage frameInside(int size, int frames) const {
        return framesPicture(size, size, frames, [&](QPainter& p, const QRectF& r, int) {
            QPainterPath inside = frameOutline(r);
            inside.closeSubpath();
            p.fillPath(inside, Qt::black);
        });
    }

    void title() {
        o_.section(QStringLiteral("FORMTITLE"));
        o_.set(QStringLiteral("STATES"), 2);
        const auto grad = [&](const std::vector<GradientBand>& b) {
            return l_.titleHorizontal ? horizontalGradient(b) : verticalGradient(b);
        };
        o_.setColor(QStringLiteral("COLOR"), l_.titleInactive.front().to);
        o_.set(QStringLiteral("GRADIENTPERCENT"),
               l_.titleTexture.pattern == Pattern::None ? 100 : 100 - l_.titleTexture.percent);
        o_.set(QStringLiteral("GRADIENTDATA"), grad(l_.titleInactive));
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.titleTextInactive);
        o_.setColor(QStringLiteral("HOTCOLOR"), l_.titleActive.front().to);
        o_.set(QStringLiteral("HOTGRADIENTPERCENT"),
               l_.titleTexture.pattern == Pattern::None ? 100 : 100 - l_.titleTexture.percent);
        o_.set(QStringLiteral("HOTGRADIENTDATA"), grad(l_.titleActive));
        o_.setColor(QStringLiteral("HOTFONTCOLOR"), l_.titleText);
        if (l_.titleTextShadow.isValid()) {
            o_.setColor(QStringLiteral("HOTTCRIGHT"), l_.titleTextShadow);
            o_.setColor(QStringLiteral("HOTTCBOTTOM"), l_.titleTextShadow);
        }
        texture(l_.titleTexture);
        // The title band's own rounded top corners, its outline lit when active.
        const int corner = frameCorner(), size = 2 * corner + 4;
        const QImage edge = framesPicture(size, size, 2, [&](QPainter& p, const QRectF& r, int i) {
            const QPainterPath outer = frameOutline(r);
            p.setPen(QPen(withAlpha(Qt::white, i ? 110 : 60), 1));
            p.drawPath(outer.translated(0, 1));
            p.setPen(QPen(l_.frameOuter, 1));
            p.drawPath(outer);
        });
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(Store::MasterBanded, {}, edge, 2, Kind::Border,
                         {corner, corner, corner, 0, 0}, {}, frameInside(size, 2)));
        if (l_.captionPlate) {
            o_.section(QStringLiteral("CAPTION"));
            o_.set(QStringLiteral("STATES"), 2);
            o_.setColor(QStringLiteral("COLOR"), l_.captionFace.bottom);
            o_.set(QStringLiteral("GRADIENTPERCENT"), 100);
            o_.set(QStringLiteral("GRADIENTDATA"), gradientOf(l_.captionFace));
            o_.setColor(QStringLiteral("FONTCOLOR"), l_.titleTextInactive);
            o_.setColor(QStringLiteral("HOTCOLOR"), l_.captionFace.bottom);
            o_.set(QStringLiteral("HOTGRADIENTPERCENT"), 100);
            o_.set(QStringLiteral("HOTGRADIENTDATA"), gradientOf(l_.captionFace));
            o_.setColor(QStringLiteral("HOTFONTCOLOR"), l_.titleText);
            const int s = 2 * int(l_.captionFace.radius) + 4;
            o_.set(QStringLiteral("BORDERSMASK"),
                   img_.mask(Store::MasterBanded, {},
                             framesPicture(s, s, 2,
                                           [&](QPainter& p, const QRectF& r, int) {
                                               paintFace(p, r, ringOf(l_.captionFace));
                                           }),
                             2, Kind::Border, {s / 2 - 1, s / 2 - 1, s / 2 - 1, s / 2 - 1, 0}, {},
                             insideOf(s, s, 2, l_.captionFace)));
        }
    }

    void panel() {
        o_.section(QStringLiteral("PANEL"));
        o_.setColor(QStringLiteral("COLOR"), l_.panel);
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.panelText);
        o_.set(QStringLiteral("GIVEOWNFONT"), l_.panelGivesFont ? 1 : 0);
        o_.set(QStringLiteral("STATES"), 1);
        if (l_.panelTransparency) o_.set(QStringLiteral("TRANSPARENCY"), l_.panelTransparency);
        if (!l_.panelGradient.isEmpty()) {
            o_.set(QStringLiteral("GRADIENTPERCENT"), l_.panelGradientPercent);
            o_.set(QStringLiteral("GRADIENTDATA"), l_.panelGradient);
        }
        texture(l_.panelTexture, false);
        if (l_.panelEdge) {
            const QImage edge = framesPicture(8, 8, 1, [&](QPainter& p, const QRectF& r, int) {
                p.setRenderHint(QPainter::Antialiasing, false);
                p.fillRect(QRectF(r.left(), r.bottom() - 2, r.width(), 1), darker(l_.panel, 22));
                p.fillRect(QRectF(r.left(), r.bottom() - 1, r.width(), 1), lighter(l_.panel, 55));
            });
            o_.set(QStringLiteral("BORDERSMASK"),
                   img_.mask(Store::Master, {}, edge, 1, Kind::Border, {0, 0, 0, 2, 0}));
        }
    }

    void edit() {
        o_.section(QStringLiteral("EDIT"));
        o_.set(QStringLiteral("STATES"), 2);
        state({}, l_.edit, l_.editText);
        state(QStringLiteral("HOT"), l_.editHot, l_.editText);
        texture(l_.editTexture);
        // Slices beyond the rounded corners, so that the repeated edges are straight.
        const int w = std::max(2, int(std::ceil(l_.editRadius)) + 1), s = 2 * w + 4;
        const QImage ring = framesPicture(s, s, 2, [&](QPainter& p, const QRectF& r, int i) {
            Face f;
            f.top = f.bottom = Qt::transparent;
            f.border = i ? l_.editHotBorder : l_.editBorder;
            f.radius = l_.editRadius;
            f.innerLight = 0;
            paintFace(p, r, f);
            if (i && l_.editRadius == 0) {
                p.setPen(withAlpha(l_.editHotBorder, 70));
                p.setRenderHint(QPainter::Antialiasing, false);
                p.drawRect(r.toRect().adjusted(1, 1, -2, -2));
            }
        });
        // Rounded frames need the mask band for smooth corners.
        Face shape;
        shape.radius = l_.editRadius;
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(l_.editRadius > 0 ? Store::MasterBanded : Store::Master, {}, ring, 2,
                         Kind::Border, {w, w, w, w, 0}, l_.edit, insideOf(s, s, 2, shape)));
    }

    void faceSection(const std::array<FaceState, 3>& states, Store store, const QString& stem,
                     int w, int h, int slice, const QColor& behind) {
        // A face kept without a mask band is drawn whole and stretched; with a
        // mask band only its outline is kept and the section's gradient fills it.
        const bool full = store == Store::Master;
        o_.set(QStringLiteral("STATES"), 3);
        state({}, full ? behind : states[0].face.bottom, states[0].ink);
        state(QStringLiteral("HOT"), full ? behind : states[1].face.bottom, states[1].ink);
        if (!full) {
            o_.set(QStringLiteral("GRADIENTPERCENT"), 100);
            o_.set(QStringLiteral("GRADIENTDATA"), gradientOf(states[0].face));
            o_.set(QStringLiteral("HOTGRADIENTPERCENT"), 100);
            o_.set(QStringLiteral("HOTGRADIENTDATA"), gradientOf(states[1].face));
        }
        const QImage picture = framesPicture(w, h, 3, [&](QPainter& p, const QRectF& r, int i) {
            paintFace(p, r, full ? states[i].face : ringOf(states[i].face));
        });
        // Repeated edge pieces must lie beyond the rounded corners; stretched
        // ones (a whole face) may cross them.
        if (!full) {
            const int rounding = int(std::ceil(states[0].face.radius)) + 1;
            slice = std::min(std::max(slice, rounding), (std::min(w, h) - 2) / 2);
        }
        const Slices s = full ? Slices{slice, slice + 1, slice, slice + 1, 5}
                              : Slices{slice, slice, slice, slice, 0};
        const QImage inside = full ? QImage() : insideOf(w, h, 3, states[0].face);
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(store, stem, picture, 3, Kind::Border, s, behind, inside));
    }

    void button() {
        o_.section(QStringLiteral("BUTTON"));
        const bool plain = l_.buttonStore == Store::PlainBmp;
        faceSection(l_.button, l_.buttonStore, QStringLiteral("BUTTON"),
                    plain ? kPlainButtonW : kButtonW, plain ? kPlainButtonH : kButtonH,
                    kButtonSlice, l_.panel);
        o_.set(QStringLiteral("SHOWFOCUS"), l_.buttonShowFocus ? 1 : 0);
        if (l_.buttonFading) {
            o_.set(QStringLiteral("FADINGENABLED"), QStringLiteral("TRUE"));
            o_.set(QStringLiteral("FADINGITERATIONS"), l_.buttonFadeSteps);
        }
    }

    void checkBox() {
        o_.section(QStringLiteral("CHECKBOX"));
        o_.set(QStringLiteral("STATES"), 2);
        state({}, l_.panel, l_.panelText);
        state(QStringLiteral("HOT"), l_.panel, l_.panelText);
        o_.set(QStringLiteral("TRANSPARENCY"), 100);
        o_.set(QStringLiteral("HOTTRANSPARENCY"), 100);
        if (l_.buttonFading) {
            o_.set(QStringLiteral("FADINGENABLED"), 1);
            o_.set(QStringLiteral("FADINGITERATIONS"), 4);
        }
        o_.section(QStringLiteral("RADIOBUTTON"));
        o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("CHECKBOX"));
    }

    void hint() {
        o_.section(QStringLiteral("HINT"));
        o_.set(QStringLiteral("STATES"), 1);
        o_.setColor(QStringLiteral("COLOR"), l_.hintBottom);
        o_.set(QStringLiteral("GRADIENTPERCENT"),
               l_.hintTexture.pattern == Pattern::None ? 100 : 100 - l_.hintTexture.percent);
        o_.set(QStringLiteral("GRADIENTDATA"),
               verticalGradient({{l_.hintTop, l_.hintBottom, 100}}));
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.hintText);
        if (l_.hintTransparency) o_.set(QStringLiteral("TRANSPARENCY"), l_.hintTransparency);
        texture(l_.hintTexture, false);
        const int rad = l_.hintRadius, s = 2 * rad + 6;
        Face f;
        f.top = f.bottom = Qt::transparent;
        f.border = l_.hintBorder;
        f.radius = rad;
        f.innerLight = 90;
        const QImage ring =
            framesPicture(s, s, 1, [&](QPainter& p, const QRectF& r, int) { paintFace(p, r, f); });
        const int w = rad + 2;
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(Store::MasterBanded, {}, ring, 1, Kind::Border, {w, w, w, w, 0}, {},
                         insideOf(s, s, 1, f)));
    }

    void menus() {
        o_.section(QStringLiteral("MENUITEM"));
        o_.set(QStringLiteral("STATES"), 2);
        state({}, l_.menu, l_.menuText);
        state(QStringLiteral("HOT"), l_.menuHot, l_.menuHotText);
        o_.set(QStringLiteral("HOTGRADIENTPERCENT"), 100);
        o_.set(QStringLiteral("HOTGRADIENTDATA"),
               verticalGradient({{lighter(l_.menuHot, 25), l_.menuHot, 100}}));
        const Face f{Qt::transparent, Qt::transparent, l_.menuHotBorder, 3, Corner::Round};
        const QImage ring = framesPicture(12, 12, 2, [&](QPainter& p, const QRectF& r, int i) {
            if (i) paintFace(p, r, f);
        });
        // Drawn in the hot state only; slices beyond the rounded corners.
        o_.set(QStringLiteral("BORDERSMASK"),
               img_.mask(Store::MasterBanded, {}, ring, 2, Kind::Border, {4, 4, 4, 4, 2}, {},
                         insideOf(12, 12, 2, f)));

        o_.section(QStringLiteral("MENULINE"));
        o_.setColor(QStringLiteral("COLOR"), l_.menu);
        o_.set(QStringLiteral("GRADIENTPERCENT"), 100);
        o_.set(QStringLiteral("GRADIENTDATA"), verticalGradient({{l_.menu, l_.menu, 40},
                                                                 {l_.separator, l_.separator, 20},
                                                                 {l_.menu, l_.menu, 40}}));
        o_.section(QStringLiteral("ICOLINE"));
        o_.setColor(QStringLiteral("COLOR"), l_.iconColumnTo);
        o_.set(QStringLiteral("GRADIENTPERCENT"), 100);
        o_.set(QStringLiteral("GRADIENTDATA"),
               horizontalGradient({{l_.iconColumnFrom, l_.iconColumnTo, 100}}));
        o_.section(QStringLiteral("EXTRALINE"));
        o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("ICOLINE"));
        o_.section(QStringLiteral("MAINMENU"));
        o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("MENUITEM"));
        o_.setColor(QStringLiteral("COLOR"), l_.face);
    }

    void selection() {
        o_.section(QStringLiteral("SELECTION"));
        o_.set(QStringLiteral("STATES"), 2);
        state({}, mix(l_.selection, QColor(160, 160, 160), 0.6), l_.selectionText);
        state(QStringLiteral("HOT"), l_.selection, l_.selectionText);
    }

    void scrollBars() {
        struct Bar {
            const char* track1;
            const char* track2;
            bool vertical;
        };
        for (const Bar bar :
             {Bar{"SCROLLBAR1H", "SCROLLBAR2H", false}, Bar{"SCROLLBAR1V", "SCROLLBAR2V", true}}) {
            o_.section(QString::fromLatin1(bar.track1));
            o_.set(QStringLiteral("STATES"), 2);
            state({}, l_.track, l_.text);
            state(QStringLiteral("HOT"), darker(l_.track, 12), l_.text);
            const QString g =
                bar.vertical
                    ? horizontalGradient({{l_.trackEdge, l_.track, 35}, {l_.track, l_.track, 65}})
                    : verticalGradient({{l_.trackEdge, l_.track, 35}, {l_.track, l_.track, 65}});
            o_.set(QStringLiteral("GRADIENTPERCENT"), 100);
            o_.set(QStringLiteral("GRADIENTDATA"), g);
            o_.section(QString::fromLatin1(bar.track2));
            o_.set(QStringLiteral("PARENTCLASS"), QString::fromLatin1(bar.track1));
        }
        struct Btn {
            const char* section;
            Symbol arrow;
            bool vertical;
        };
        const Btn buttons[] = {{"SCROLLBTNLEFT", Symbol::ArrowLeft, false},
                               {"SCROLLBTNRIGHT", Symbol::ArrowRight, false},
                               {"SCROLLBTNTOP", Symbol::ArrowUp, true},
                               {"SCROLLBTNBOTTOM", Symbol::ArrowDown, true}};
        for (const Btn& b : buttons) {
            o_.section(QString::fromLatin1(b.section));
            // The first button's section serves the other three through inheritance.
            if (b.arrow == Symbol::ArrowLeft) {
                faceSection(l_.scrollButton, l_.scrollStore, {}, kScroll, kScroll, 3, l_.track);
            } else {
                o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("SCROLLBTNLEFT"));
            }
            o_.set(QStringLiteral("GLYPHMASK"),
                   img_.mask(Store::MasterBanded, {},
                             framesPicture(kArrow, kArrow, 3,
                                           [&](QPainter& p, const QRectF& r, int i) {
                                               paintSymbol(p, r, b.arrow, l_.scrollButton[i].ink);
                                           }),
                             3, Kind::Glyph));
        }
        for (const bool vertical : {false, true}) {
            o_.section(vertical ? QStringLiteral("SCROLLSLIDERV")
                                : QStringLiteral("SCROLLSLIDERH"));
            auto states = l_.slider;
            for (auto& s : states) {
                s.face.horizontal = vertical;
                if (l_.roundSlider) s.face.radius = 6;
            }
            faceSection(states, l_.scrollStore, {}, kScroll, kScroll, l_.roundSlider ? 6 : 4,
                        l_.track);
            o_.set(QStringLiteral("GLYPHMASK"),
                   img_.mask(Store::MasterBanded, {},
                             framesPicture(kArrow, kArrow, 3,
                                           [&](QPainter& p, const QRectF& r, int i) {
                                               paintSymbol(p, r, Symbol::SliderLines,
                                                           withAlpha(l_.slider[i].ink, 170));
                                           }),
                             3, Kind::Glyph));
        }
    }

    void speedButton() {
        o_.section(QStringLiteral("SPEEDBUTTON_SMALL"));
        auto states = l_.scrollButton;
        for (auto& s : states) s.face.radius = std::min<qreal>(s.face.radius, 2);
        faceSection(states, l_.scrollStore == Store::Master ? Store::Master : Store::MasterBanded,
                    {}, 12, 10, 2, l_.edit);
        o_.section(QStringLiteral("SPEEDBUTTON"));
        o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("SPEEDBUTTON_SMALL"));
    }

    void dialog() {
        o_.section(QStringLiteral("DIALOG"));
        o_.set(QStringLiteral("PARENTCLASS"), QStringLiteral("FORM"));
        o_.setColor(QStringLiteral("COLOR"), l_.face);
        o_.setColor(QStringLiteral("FONTCOLOR"), l_.text);
        if (!l_.panelGradient.isEmpty()) {
            o_.set(QStringLiteral("GRADIENTPERCENT"), l_.panelGradientPercent);
            o_.set(QStringLiteral("GRADIENTDATA"), l_.panelGradient);
        }
    }

    const Look& l_;
    Images img_;
    OptionsText o_;
};

}  // namespace

void writeSkin(const Look& look, const QString& folder) {
    SkinWriter writer(look);
    std::map<QString, QByteArray> files;
    files[QStringLiteral("Options.dat")] = writer.options();
    files[QStringLiteral("MASTER.BMP")] = bmp(writer.images().master());
    for (const auto& [name, bytes] : writer.images().files()) files[name] = bytes;

    QDir dir(folder);
    if (!dir.mkpath(QStringLiteral(".")))
        throw std::runtime_error("cannot create " + folder.toStdString());
    for (const QString& old : dir.entryList(QDir::Files))
        if (!files.count(old)) dir.remove(old);
    for (const auto& [name, bytes] : files) {
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write " + file.fileName().toStdString());
    }
}

}  // namespace lingotab::skingen
