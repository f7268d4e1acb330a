#include "tools/skingen/options_text.h"

#include <stdexcept>

namespace lingotab::skingen {
namespace {

QString gradient(const std::vector<GradientBand>& bands, int form) {
    QStringList fields;
    for (const GradientBand& band : bands)
        fields << QString::number(colorValue(band.from)) << QString::number(colorValue(band.to))
               << QString::number(band.percent) << QString::number(form) << QStringLiteral("0");
    return fields.join(u';');
}

}  // namespace

int colorValue(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

QString verticalGradient(const std::vector<GradientBand>& bands) {
    return gradient(bands, 0);
}

QString horizontalGradient(const std::vector<GradientBand>& bands) {
    return gradient(bands, 1);
}

QString cornerGradient(const QColor& topLeft, const QColor& centre, const QColor& topRight,
                       const QColor& bottomRight, const QColor& bottomLeft) {
    return gradient({{topLeft, topLeft, 0},
                     {centre, centre, 0},
                     {topRight, topRight, 0},
                     {bottomRight, bottomRight, 0},
                     {bottomLeft, bottomLeft, 0}},
                    2);
}

void OptionsText::section(const QString& name) {
    for (const Section& s : sections_)
        if (s.name == name) throw std::logic_error("section written twice: " + name.toStdString());
    sections_.push_back({name, {}});
}

void OptionsText::set(const QString& key, const QString& value) {
    if (sections_.empty()) throw std::logic_error("key outside a section");
    auto& keys = sections_.back().keys;
    for (auto& [k, v] : keys)
        if (k == key) {
            v = value;
            return;
        }
    keys.emplace_back(key, value);
}

QByteArray OptionsText::bytes() const {
    QByteArray out;
    for (const Section& s : sections_) {
        if (!out.isEmpty()) out.append("\r\n");
        out.append('[').append(s.name.toLatin1()).append("]\r\n");
        for (const auto& [key, value] : s.keys)
            out.append(key.toLatin1()).append('=').append(value.toLatin1()).append("\r\n");
    }
    return out;
}

}  // namespace lingotab::skingen
