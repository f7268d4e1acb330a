#pragma once

#include <QByteArray>
#include <QColor>
#include <QString>
#include <utility>
#include <vector>

namespace lingotab::skingen {

// The colour encoding of skin options: red in the low byte, then green, then blue.
int colorValue(const QColor& color);

// One band of a gradient text: from `from` to `to` over `percent` of the area.
struct GradientBand {
    QColor from;
    QColor to;
    int percent;
};

// Gradient texts of the three forms: bands from top to bottom (form 0), from
// left to right (form 1), and the four-corner form (2) whose colours are the
// top-left, centre, top-right, bottom-right and bottom-left points.
QString verticalGradient(const std::vector<GradientBand>& bands);
QString horizontalGradient(const std::vector<GradientBand>& bands);
QString cornerGradient(const QColor& topLeft, const QColor& centre, const QColor& topRight,
                       const QColor& bottomRight, const QColor& bottomLeft);

// An options text built section by section, keys in the order they are set.
// Setting a key again replaces its value in place.
class OptionsText {
  public:
    void section(const QString& name);
    void set(const QString& key, const QString& value);
    void set(const QString& key, int value) { set(key, QString::number(value)); }
    void setColor(const QString& key, const QColor& color) { set(key, colorValue(color)); }

    // 8-bit text with CR LF line ends.
    QByteArray bytes() const;

  private:
    struct Section {
        QString name;
        std::vector<std::pair<QString, QString>> keys;
    };
    std::vector<Section> sections_;
};

}  // namespace lingotab::skingen
