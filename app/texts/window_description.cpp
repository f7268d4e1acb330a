#include "app/texts/window_description.h"

#include "platform/exception.h"
#include "platform/integer_text.h"

namespace lingotab::app {

QString TWindowDescription::text(const QString& key) const {
    const auto it = properties_.constFind(key);
    return it != properties_.constEnd() ? it.value() : builtin_.value(key);
}

int TWindowDescription::integer(const QString& key) const {
    if (const auto value = platform::parseInteger(text(key))) return *value;
    throw Exception(QStringLiteral("Error reading %1: Invalid property value").arg(key));
}

}  // namespace lingotab::app
