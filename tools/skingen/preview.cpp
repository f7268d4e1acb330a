#include "tools/skingen/preview.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QRegularExpression>
#include <map>
#include <optional>

namespace lingotab::skingen {
namespace {

QColor fromValue(int v) {
    return QColor(v & 255, (v >> 8) & 255, (v >> 16) & 255);
}

struct Mask {
    QImage image;  // colour band(s), RGB32
    QRect r;
    int frames = 1, maskType = 0, drawMode = 0;
    int wl = 0, wt = 0, wr = 0, wb = 0;
    int frameWidth() const { return r.width() / std::max(1, frames); }
    int bandHeight() const { return r.height() / (maskType + 1); }
};

// The options text and images of one skin folder, read back as the engine
// would read them (a simplified reading, enough for a preview).
class Skin {
  public:
    explicit Skin(const QString& folder) : dir_(folder) {
        QFile file(dir_.filePath(QStringLiteral("Options.dat")));
        file.open(QIODevice::ReadOnly);
        QString section;
        for (const QByteArray& raw : file.readAll().split('\n')) {
            const QString line = QString::fromLatin1(raw).trimmed();
            if (line.startsWith(u'[')) {
                section = line.mid(1, line.size() - 2);
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            if (eq > 0) keys_[section][line.left(eq)] = line.mid(eq + 1);
        }
        master_ = load(value(QStringLiteral("GLOBALINFO"), QStringLiteral("MASTERBITMAP")));
    }

    QString value(const QString& section, const QString& key, int depth = 0) const {
        const auto s = keys_.find(section);
        if (s == keys_.end()) return {};
        const auto k = s->second.find(key);
        if (k != s->second.end() && k->second != u"-1") return k->second;
        const auto parent = s->second.find(QStringLiteral("PARENTCLASS"));
        if (parent != s->second.end() && parent->second != section && depth < 8)
            return value(parent->second, key, depth + 1);
        return {};
    }
    int integer(const QString& section, const QString& key, int fallback) const {
        bool ok = false;
        const int v = value(section, key).toInt(&ok);
        return ok ? v : fallback;
    }
    QColor color(const QString& section, const QString& key, QColor fallback = Qt::white) const {
        bool ok = false;
        const int v = value(section, key).toInt(&ok);
        return ok ? fromValue(v) : fallback;
    }

    std::optional<Mask> mask(const QString& section, const QString& key) const {
        const QString v = value(section, key);
        if (v.isEmpty()) return std::nullopt;
        Mask m;
        auto num = [&](int from, int len) { return v.mid(from - 1, len).toInt(); };
        if (v[0] == u'@' || v[0] == u'^' || v[0] == u'~') {
            m.image = master_;
            m.r = QRect(QPoint(num(2, 4), num(7, 4)), QPoint(num(12, 4) - 1, num(17, 4) - 1));
            if (v[0] == u'@') {
                m.frames = num(22, 1);
                m.maskType = num(24, 1);
            } else if (v[0] == u'^') {
                m.wl = num(22, 4), m.wt = num(27, 4), m.wr = num(32, 4), m.wb = num(37, 4);
                m.frames = num(42, 1), m.maskType = num(44, 1), m.drawMode = num(46, 1);
            } else {
                m.drawMode = num(22, 2);
                m.maskType = v.size() >= 25 ? num(25, 1) : 0;
            }
        } else if (v[0] == u'!') {
            const QStringList w = v.split(u'!', Qt::SkipEmptyParts);
            m.image = load(w[0]);
            m.r = m.image.rect();
            m.frames = w.value(1).toInt();
            m.maskType = w.value(2).toInt();
            if (w.size() >= 8)
                m.wl = w[4].toInt(), m.wt = w[5].toInt(), m.wr = w[6].toInt(), m.wb = w[7].toInt();
            m.drawMode = w.size() >= 9 ? w[8].toInt() : 4;
        } else if (v.toUpper().contains(QStringLiteral(".BMP"))) {
            m.image = load(v);
            m.r = m.image.rect();
            m.frames = 3;
            m.maskType = 1;
        } else if (v.toUpper().contains(QStringLiteral(".JPG"))) {
            m.image = load(v);
            m.r = m.image.rect();
        } else {
            return std::nullopt;
        }
        if (m.image.isNull()) return std::nullopt;
        if (m.wl + m.wt + m.wr + m.wb == 0) {
            m.wl = m.wr = m.frameWidth() / 3;
            m.wt = m.wb = m.bandHeight() / 3;
        }
        return m;
    }

  private:
    QImage load(const QString& name) const {
        QImage img(dir_.filePath(name));
        if (img.isNull()) return img;
        if (name.endsWith(QLatin1String(".PNG"), Qt::CaseInsensitive))
            return img.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        return img.convertToFormat(QImage::Format_RGB32);
    }

    QDir dir_;
    std::map<QString, std::map<QString, QString>> keys_;
    QImage master_;
};

// Copies `src` (a rectangle of the mask's colour band) into `dst` of the
// target, tiling it, through the mask band or with magenta transparent.
void piece(QImage& target, const QRect& dst, const Mask& m, const QRect& src, bool stretch) {
    if (dst.width() <= 0 || dst.height() <= 0 || src.width() <= 0 || src.height() <= 0) return;
    const bool png = m.image.format() == QImage::Format_ARGB32_Premultiplied;
    if (png) {
        QPainter p(&target);
        if (stretch)
            p.drawImage(dst, m.image, src);
        else
            p.drawTiledPixmap(dst, QPixmap::fromImage(m.image.copy(src)));
        return;
    }
    for (int y = dst.top(); y <= dst.bottom(); ++y) {
        if (y < 0 || y >= target.height()) continue;
        for (int x = dst.left(); x <= dst.right(); ++x) {
            if (x < 0 || x >= target.width()) continue;
            const int sx = src.left() + (stretch ? (x - dst.left()) * src.width() / dst.width()
                                                 : (x - dst.left()) % src.width());
            const int sy = src.top() + (stretch ? (y - dst.top()) * src.height() / dst.height()
                                                : (y - dst.top()) % src.height());
            const QRgb c = m.image.pixel(sx, sy);
            if ((c & 0xFFFFFF) == 0xFF00FF) continue;
            QRgb& t = reinterpret_cast<QRgb*>(target.scanLine(y))[x];
            if (m.maskType == 1) {
                const QRgb k = m.image.pixel(sx, sy + m.bandHeight());
                auto ch = [](int s, int d, int mm) { return (s * (256 - mm) + d * mm) >> 8; };
                t = qRgb(ch(qRed(c), qRed(t), qRed(k)), ch(qGreen(c), qGreen(t), qGreen(k)),
                         ch(qBlue(c), qBlue(t), qBlue(k)));
            } else {
                t = c | 0xFF000000u;
            }
        }
    }
}

void border(QImage& target, const QRect& r, const Mask& m, int state) {
    if ((m.drawMode & 2) && state == 0) return;
    const int f = std::min(state, m.frames - 1);
    const int fw = m.frameWidth(), bh = m.bandHeight();
    const QRect fr(m.r.left() + f * fw, m.r.top(), fw, bh);
    const int l = m.wl, t = m.wt, rr = m.wr, b = m.wb;
    const bool stretch = (m.drawMode & 1) && m.maskType == 0;
    const int iw = r.width() - l - rr, ih = r.height() - t - b, mw = fw - l - rr, mh = bh - t - b;
    piece(target, QRect(r.left(), r.top(), l, t), m, QRect(fr.left(), fr.top(), l, t), false);
    piece(target, QRect(r.right() - rr + 1, r.top(), rr, t), m,
          QRect(fr.right() - rr + 1, fr.top(), rr, t), false);
    piece(target, QRect(r.left(), r.bottom() - b + 1, l, b), m,
          QRect(fr.left(), fr.bottom() - b + 1, l, b), false);
    piece(target, QRect(r.right() - rr + 1, r.bottom() - b + 1, rr, b), m,
          QRect(fr.right() - rr + 1, fr.bottom() - b + 1, rr, b), false);
    piece(target, QRect(r.left() + l, r.top(), iw, t), m, QRect(fr.left() + l, fr.top(), mw, t),
          stretch);
    piece(target, QRect(r.left() + l, r.bottom() - b + 1, iw, b), m,
          QRect(fr.left() + l, fr.bottom() - b + 1, mw, b), stretch);
    piece(target, QRect(r.left(), r.top() + t, l, ih), m, QRect(fr.left(), fr.top() + t, l, mh),
          stretch);
    piece(target, QRect(r.right() - rr + 1, r.top() + t, rr, ih), m,
          QRect(fr.right() - rr + 1, fr.top() + t, rr, mh), stretch);
    if (m.drawMode & 4)
        piece(target, QRect(r.left() + l, r.top() + t, iw, ih), m,
              QRect(fr.left() + l, fr.top() + t, mw, mh), stretch);
}

void glyph(QImage& target, QPoint at, const Mask& m, int state) {
    const int f = std::min(state, m.frames - 1);
    const QRect src(m.r.left() + f * m.frameWidth(), m.r.top(), m.frameWidth(), m.bandHeight());
    piece(target, QRect(at, src.size()), m, src, false);
}

void gradient(QPainter& p, const QRect& r, const QString& text) {
    const QStringList f = text.split(u';', Qt::SkipEmptyParts);
    struct Band {
        QColor a, b;
        int pct;
    };
    std::vector<Band> bands;
    for (int i = 0; i + 4 < f.size(); i += 5)
        bands.push_back({fromValue(f[i].toInt()), fromValue(f[i + 1].toInt()), f[i + 2].toInt()});
    if (bands.empty()) return;
    const int mode = f[3].toInt();
    if (mode == 2) {
        // Four corners and a centre: approximate by two crossing linear blends.
        QColor c[5];
        for (int i = 0; i < 5; ++i) c[i] = bands[std::min<size_t>(i, bands.size() - 1)].a;
        QImage img(r.size(), QImage::Format_RGB32);
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) {
                const double u = double(x) / std::max(1, r.width() - 1),
                             v = double(y) / std::max(1, r.height() - 1);
                auto ch = [&](auto get) {
                    const double corner = get(c[0]) * (1 - u) * (1 - v) + get(c[2]) * u * (1 - v) +
                                          get(c[3]) * u * v + get(c[4]) * (1 - u) * v;
                    const double w = 1 - 2 * std::max(std::abs(u - 0.5), std::abs(v - 0.5));
                    return int(corner * (1 - w) + get(c[1]) * w);
                };
                img.setPixel(x, y,
                             qRgb(ch([](QColor q) { return q.red(); }),
                                  ch([](QColor q) { return q.green(); }),
                                  ch([](QColor q) { return q.blue(); })));
            }
        p.drawImage(r.topLeft(), img);
        return;
    }
    const int length = mode == 0 ? r.height() : r.width();
    int at = 0;
    for (size_t i = 0; i < bands.size() && at < length; ++i) {
        const int size = i + 1 == bands.size() ? length - at : length * bands[i].pct / 100;
        const QRect part = mode == 0 ? QRect(r.left(), r.top() + at, r.width(), size)
                                     : QRect(r.left() + at, r.top(), size, r.height());
        QLinearGradient g(part.topLeft(), mode == 0 ? part.bottomLeft() : part.topRight());
        g.setColorAt(0, bands[i].a);
        g.setColorAt(1, bands[i].b);
        p.fillRect(part, g);
        at += size;
    }
}

class Painter {
  public:
    Painter(const Skin& skin, QImage& target) : s_(skin), t_(target) {}

    // Background (colour, gradient, texture) and border of one section.
    void section(const QString& name, const QRect& r, int state) {
        const bool hot = state > 0 && s_.integer(name, QStringLiteral("STATES"), 4) > 1;
        const QString h = hot ? QStringLiteral("HOT") : QString();
        if (s_.integer(name, h + QStringLiteral("TRANSPARENCY"), 0) < 100) {
            QPainter p(&t_);
            p.fillRect(r, s_.color(name, h + QStringLiteral("COLOR")));
            const int ip = s_.integer(name, h + QStringLiteral("IMAGEPERCENT"), 0);
            const auto tex =
                s_.mask(name, hot ? QStringLiteral("HOTPATTERN") : QStringLiteral("PATTERN"));
            if (ip > 0 && tex && tex->maskType == 0) {
                p.end();
                const int mode = tex->drawMode;
                const QRect tile = tex->r;
                QRect area = r;
                if (mode == 2) area.setHeight(tile.height());
                if (mode == 3) area.setWidth(tile.width());
                if (mode == 6) area.setTop(r.bottom() - tile.height() + 1);
                if (mode == 7) area.setLeft(r.right() - tile.width() + 1);
                if (mode == 4) area.setHeight(tile.height());
                if (mode == 5) area.setWidth(tile.width());
                piece(t_, area, *tex, tile, mode == 1 || mode == 4 || mode == 5);
                p.begin(&t_);
            }
            const int gp = s_.integer(name, h + QStringLiteral("GRADIENTPERCENT"), 0);
            const QString gd = s_.value(name, h + QStringLiteral("GRADIENTDATA"));
            if (gp > 0 && gd.size() > 2) {
                p.setOpacity(ip > 0 && tex ? gp / 100.0 : 1.0);
                gradient(p, r, gd);
            }
            p.end();
            const auto overlay = s_.mask(name, QStringLiteral("PATTERN"));
            if (state == 0 && overlay && overlay->maskType == 1 && overlay->drawMode == 10)
                piece(t_, r, *overlay,
                      QRect(overlay->r.topLeft(),
                            QSize(overlay->frameWidth(), overlay->bandHeight())),
                      false);
        }
        if (const auto b = s_.mask(name, QStringLiteral("BORDERSMASK"))) border(t_, r, *b, state);
    }

    void glyph(const QString& section, const QString& key, QPoint at, int state) {
        if (const auto m = s_.mask(section, key)) skingen::glyph(t_, at, *m, state);
    }
    QSize glyphSize(const QString& section, const QString& key) const {
        const auto m = s_.mask(section, key);
        return m ? QSize(m->frameWidth(), m->bandHeight()) : QSize();
    }

    void text(const QString& section, const QRect& r, const QString& text, int state,
              int flags = Qt::AlignCenter, bool bold = false) {
        QPainter p(&t_);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(11);
        font.setBold(bold);
        p.setFont(font);
        const QString h = state > 0 && s_.integer(section, QStringLiteral("STATES"), 4) > 1
                              ? QStringLiteral("HOT")
                              : QString();
        bool ok = false;
        const int shadow = s_.value(section, h + QStringLiteral("TCBOTTOM")).toInt(&ok);
        if (ok && shadow != -1) {
            p.setPen(fromValue(shadow));
            p.drawText(r.translated(1, 1), flags, text);
        }
        p.setPen(s_.color(section, h + QStringLiteral("FONTCOLOR"), Qt::black));
        p.drawText(r, flags, text);
    }

  private:
    const Skin& s_;
    QImage& t_;
};

}  // namespace

QImage previewSkin(const QString& folder, const QString& caption) {
    const Skin skin(folder);
    QImage img(700, 360, QImage::Format_RGB32);
    img.fill(QColor(0x5f, 0x73, 0x86));
    Painter p(skin, img);
    const QString G = QStringLiteral("GLOBALINFO");

    // The window: frame, title band, caption and buttons.
    const QRect win(16, 16, 440, 328);
    const int frame = 4, band = frame + 23;
    p.section(QStringLiteral("FORM"), win, 1);
    p.section(QStringLiteral("FORMTITLE"), QRect(win.left(), win.top(), win.width(), band), 1);
    int x = win.right() - frame - skin.integer(G, QStringLiteral("BIRIGHT"), 0) + 1;
    for (const char* key : {"BICONCLOSE", "BICONMAX", "BICONMIN"}) {
        const QSize s = p.glyphSize(G, QString::fromLatin1(key));
        x -= s.width();
        p.glyph(G, QString::fromLatin1(key), QPoint(x, win.top() + (band - s.height()) / 2),
                key[5] == 'M' && key[6] == 'A' ? 1 : 0);
        x -= skin.integer(G, QStringLiteral("BISPACE"), 0);
    }
    const QSize tb = p.glyphSize(G, QStringLiteral("TITLEBUTTON"));
    x -= 8 + tb.width();
    p.glyph(G, QStringLiteral("TITLEBUTTON"), QPoint(x, win.top() + (band - tb.height()) / 2), 0);
    p.text(QStringLiteral("FORMTITLE"),
           QRect(x, win.top() + (band - tb.height()) / 2, tb.width(), tb.height()),
           QStringLiteral("?"), 0);
    QRect captionRect(win.left() + frame + 24, win.top() + 2, 250, band - 2);
    if (skin.value(QStringLiteral("CAPTION"), QStringLiteral("STATES")).size()) {
        p.section(QStringLiteral("CAPTION"),
                  QRect(captionRect.left() - 4, win.top() + 5, 200, band - 8), 1);
        p.text(QStringLiteral("CAPTION"), captionRect, caption, 1, Qt::AlignVCenter | Qt::AlignLeft,
               true);
    } else {
        p.text(QStringLiteral("FORMTITLE"), captionRect, caption, 1,
               Qt::AlignVCenter | Qt::AlignLeft, true);
    }

    // Tool panel.
    const QRect client(win.left() + frame, win.top() + band, win.width() - 2 * frame,
                       win.height() - band - frame);
    const QRect panel(client.left(), client.top(), client.width(), 66);
    p.section(QStringLiteral("PANEL"), panel, 0);
    p.section(QStringLiteral("BUTTON"), QRect(panel.left() + 8, panel.top() + 8, 86, 25), 0);
    p.text(QStringLiteral("BUTTON"), QRect(panel.left() + 8, panel.top() + 8, 86, 25),
           QStringLiteral("Open..."), 0);
    p.section(QStringLiteral("BUTTON"), QRect(panel.left() + 8, panel.top() + 36, 86, 25), 1);
    p.text(QStringLiteral("BUTTON"), QRect(panel.left() + 8, panel.top() + 36, 86, 25),
           QStringLiteral("Export"), 1);
    const QSize box = p.glyphSize(G, QStringLiteral("BOXCHECKED"));
    p.glyph(G, QStringLiteral("BOXCHECKED"), QPoint(panel.left() + 108, panel.top() + 12), 0);
    p.text(QStringLiteral("PANEL"),
           QRect(panel.left() + 112 + box.width(), panel.top() + 8, 150, 20),
           QStringLiteral("Translated only"), 0, Qt::AlignVCenter | Qt::AlignLeft);
    p.glyph(G, QStringLiteral("BOXUNCHECKED"), QPoint(panel.left() + 108, panel.top() + 40), 1);
    p.text(QStringLiteral("PANEL"),
           QRect(panel.left() + 112 + box.width(), panel.top() + 36, 150, 20),
           QStringLiteral("Vertical layout"), 0, Qt::AlignVCenter | Qt::AlignLeft);
    const QRect spin(panel.left() + 290, panel.top() + 36, 52, 21);
    p.text(QStringLiteral("PANEL"), QRect(spin.left() - 24, spin.top(), 20, 21),
           QStringLiteral("by"), 0);
    p.section(QStringLiteral("EDIT"), spin, 0);
    p.text(QStringLiteral("EDIT"), spin.adjusted(4, 0, -22, 0), QStringLiteral("4"), 0,
           Qt::AlignVCenter | Qt::AlignLeft);
    p.section(QStringLiteral("SPEEDBUTTON_SMALL"), QRect(spin.right() - 19, spin.top() + 2, 18, 8),
              0);
    p.section(QStringLiteral("SPEEDBUTTON_SMALL"), QRect(spin.right() - 19, spin.top() + 10, 18, 9),
              1);
    p.glyph(G, QStringLiteral("RADIOCHECKED"), QPoint(panel.left() + 290, panel.top() + 12), 0);
    p.glyph(G, QStringLiteral("RADIOUNCHECKED"), QPoint(panel.left() + 310, panel.top() + 12), 1);
    p.glyph(G, QStringLiteral("SMALLCHECKED"), QPoint(panel.left() + 330, panel.top() + 13), 0);
    p.glyph(G, QStringLiteral("BOXGRAYED"), QPoint(panel.left() + 348, panel.top() + 12), 0);

    // Text area with both scroll bars and the grip.
    const QRect memo(client.left(), panel.bottom() + 1, client.width(),
                     client.bottom() - panel.bottom());
    p.section(QStringLiteral("EDIT"), memo, 1);
    QStringList lines = {QStringLiteral("<?xml version=\"1.0\" encoding=\"utf-8\"?>"),
                         QStringLiteral("<xliff>"),
                         QStringLiteral("  <trans-unit resname=\"Caption\">"),
                         QStringLiteral("    <source>Open</source>"),
                         QStringLiteral("    <target>Открыть</target>")};
    for (int i = 0; i < lines.size(); ++i)
        p.text(QStringLiteral("EDIT"), QRect(memo.left() + 6, memo.top() + 5 + i * 15, 360, 15),
               lines[i], 0, Qt::AlignLeft | Qt::AlignVCenter);
    {
        // The selected line.
        QPainter q(&img);
        const QRect sel(memo.left() + 5, memo.top() + 5 + 3 * 15, 150, 15);
        q.fillRect(sel, skin.color(QStringLiteral("SELECTION"), QStringLiteral("HOTCOLOR")));
        q.end();
        p.text(QStringLiteral("SELECTION"), sel.adjusted(1, 0, 0, 0), lines[3].mid(0, 20), 1,
               Qt::AlignLeft | Qt::AlignVCenter);
    }
    const int sb = 17;
    const QRect vbar(memo.right() - 2 - sb + 1, memo.top() + 2, sb, memo.height() - 4 - sb);
    p.section(QStringLiteral("SCROLLBTNTOP"), QRect(vbar.left(), vbar.top(), sb, sb), 0);
    p.glyph(QStringLiteral("SCROLLBTNTOP"), QStringLiteral("GLYPHMASK"),
            QPoint(vbar.left() + 4, vbar.top() + 4), 0);
    p.section(QStringLiteral("SCROLLBAR1V"), QRect(vbar.left(), vbar.top() + sb, sb, 60), 0);
    p.section(QStringLiteral("SCROLLBAR2V"),
              QRect(vbar.left(), vbar.top() + sb + 60, sb, vbar.height() - 2 * sb - 60), 0);
    p.section(QStringLiteral("SCROLLSLIDERV"), QRect(vbar.left(), vbar.top() + sb + 30, sb, 60), 1);
    p.glyph(QStringLiteral("SCROLLSLIDERV"), QStringLiteral("GLYPHMASK"),
            QPoint(vbar.left() + 4, vbar.top() + sb + 55), 1);
    p.section(QStringLiteral("SCROLLBTNBOTTOM"), QRect(vbar.left(), vbar.bottom() - sb + 1, sb, sb),
              1);
    p.glyph(QStringLiteral("SCROLLBTNBOTTOM"), QStringLiteral("GLYPHMASK"),
            QPoint(vbar.left() + 4, vbar.bottom() - sb + 5), 1);
    const QRect hbar(memo.left() + 2, memo.bottom() - 2 - sb + 1, memo.width() - 4 - sb, sb);
    p.section(QStringLiteral("SCROLLBTNLEFT"), QRect(hbar.left(), hbar.top(), sb, sb), 2);
    p.glyph(QStringLiteral("SCROLLBTNLEFT"), QStringLiteral("GLYPHMASK"),
            QPoint(hbar.left() + 4, hbar.top() + 4), 2);
    p.section(QStringLiteral("SCROLLBAR1H"), QRect(hbar.left() + sb, hbar.top(), 100, sb), 0);
    p.section(QStringLiteral("SCROLLBAR2H"),
              QRect(hbar.left() + sb + 100, hbar.top(), hbar.width() - 2 * sb - 100, sb), 0);
    p.section(QStringLiteral("SCROLLSLIDERH"), QRect(hbar.left() + sb + 50, hbar.top(), 110, sb),
              0);
    p.glyph(QStringLiteral("SCROLLSLIDERH"), QStringLiteral("GLYPHMASK"),
            QPoint(hbar.left() + sb + 100, hbar.top() + 4), 0);
    p.section(QStringLiteral("SCROLLBTNRIGHT"), QRect(hbar.right() - sb + 1, hbar.top(), sb, sb),
              0);
    p.glyph(QStringLiteral("SCROLLBTNRIGHT"), QStringLiteral("GLYPHMASK"),
            QPoint(hbar.right() - sb + 5, hbar.top() + 4), 0);
    {
        QPainter q(&img);
        q.fillRect(QRect(vbar.left(), hbar.top(), sb, sb),
                   skin.color(QStringLiteral("PANEL"), QStringLiteral("COLOR")));
    }
    p.glyph(G, QStringLiteral("GRIPIMAGE"), QPoint(vbar.left() + sb - 13, hbar.top() + sb - 13), 0);

    // A popup menu and a hint beside the window.
    const QRect menu(474, 30, 200, 140);
    {
        QPainter q(&img);
        const QColor bg = skin.color(QStringLiteral("MENUITEM"), QStringLiteral("COLOR"));
        q.fillRect(menu.adjusted(-1, -1, 1, 1), bg.darker(160));
        q.fillRect(menu, bg);
    }
    p.section(QStringLiteral("ICOLINE"), QRect(menu.left(), menu.top(), 24, menu.height()), 0);
    const char* items[] = {"Aluminium (internal)", "DarkGlass (internal)", "-", "Vista (internal)",
                           "Winter2003 (internal)"};
    int y = menu.top() + 4;
    for (int i = 0; i < 5; ++i) {
        if (items[i][0] == '-') {
            p.section(QStringLiteral("MENULINE"), QRect(menu.left() + 26, y, menu.width() - 28, 8),
                      0);
            y += 8;
            continue;
        }
        const int state = i == 3 ? 1 : 0;
        const QRect item(menu.left() + (state ? 2 : 24), y, menu.width() - (state ? 4 : 24), 22);
        p.section(QStringLiteral("MENUITEM"), item, state);
        if (i == 3) p.glyph(G, QStringLiteral("RADIOCHECKED"), QPoint(menu.left() + 6, y + 5), 0);
        if (i == 1) p.glyph(G, QStringLiteral("CHECK"), QPoint(menu.left() + 6, y + 5), 0);
        p.text(QStringLiteral("MENUITEM"), QRect(menu.left() + 30, y, 160, 22),
               QString::fromLatin1(items[i]), state, Qt::AlignLeft | Qt::AlignVCenter);
        y += 24;
    }
    const QRect hint(474, 200, 200, 52);
    p.section(QStringLiteral("HINT"), hint, 0);
    p.text(QStringLiteral("HINT"), hint.adjusted(10, 6, -6, -26),
           QStringLiteral("Exports translated units only"), 0, Qt::AlignLeft | Qt::AlignVCenter,
           true);
    p.text(QStringLiteral("HINT"), hint.adjusted(10, 26, -6, -6),
           QStringLiteral("Row count per unit: 4"), 0, Qt::AlignLeft | Qt::AlignVCenter);
    const QString pre = QStringLiteral("SICONCLOSE");
    p.glyph(G, pre, QPoint(474, 280), 1);
    p.glyph(G, QStringLiteral("BICLOSEALONE"), QPoint(520, 280), 1);
    p.glyph(G, QStringLiteral("BICONNORM"), QPoint(560, 280), 2);
    p.glyph(G, QStringLiteral("BICONHELP"), QPoint(600, 280), 0);
    p.glyph(G, QStringLiteral("BOXCHECKED"), QPoint(474, 310), 1);
    p.glyph(G, QStringLiteral("BOXCHECKED"), QPoint(494, 310), 2);
    p.glyph(G, QStringLiteral("RADIOGRAYED"), QPoint(514, 310), 0);
    p.glyph(G, QStringLiteral("SMALLUNCHECKED"), QPoint(534, 311), 0);
    p.glyph(G, QStringLiteral("SMALLGRAYED"), QPoint(552, 311), 0);
    return img;
}

}  // namespace lingotab::skingen
