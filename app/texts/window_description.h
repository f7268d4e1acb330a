#pragma once

#include <QHash>
#include <QString>

namespace lingotab::app {

// The texts and positions a window is built from, by "Component.Property".
using Properties = QHash<QString, QString>;

// One window's description as the chosen text set supplies it. A property
// the text set lacks falls back to the built-in description, so that an
// incomplete translation still gives a usable window.
class TWindowDescription {
  public:
    TWindowDescription(Properties properties, const Properties& builtin)
        : properties_(std::move(properties)), builtin_(builtin) {}

    QString text(const QString& key) const;
    // Raises lingotab::Exception "Error reading <key>: Invalid property value"
    // when the value is no integer.
    int integer(const QString& key) const;

  private:
    Properties properties_;
    const Properties& builtin_;
};

// The built-in description of the main window class TForm1.
const Properties& builtinForm1Description();

}  // namespace lingotab::app
