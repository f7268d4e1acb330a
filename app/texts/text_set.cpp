#include "app/texts/text_set.h"

#include "app/texts/builtin_strings.h"
#include "platform/exception.h"
#include "platform/module_file.h"
#include "platform/resource_module_search.h"
#include "platform/ui_languages.h"

#include <QLocale>

namespace lingotab::app {

namespace {

constexpr int kMaxStringLength = 4095;

std::optional<TextSet>& current() {
    static std::optional<TextSet> texts;
    return texts;
}

}  // namespace

QString TextSet::string(int id) const {
    return module_ ? module_->LoadString(id) : builtinString(id).left(kMaxStringLength);
}

TWindowDescription TextSet::windowDescription(const QString& className) const {
    // The program has one window; its built-in description serves as the
    // fallback for properties a module leaves out.
    const Properties& builtin = builtinForm1Description();
    const bool known = className == QLatin1String("TForm1");
    if (!module_ && known) return TWindowDescription({}, builtin);
    const platform::ResourceModule::Properties* properties =
        module_ ? module_->FindResource(className) : nullptr;
    if (!properties) throw Exception(QStringLiteral("Resource %1 not found").arg(className));
    return TWindowDescription(*properties, builtin);
}

TextSet chooseTextSet(const QString& exePath, const QStringList& uiCandidates) {
    const QString fileName =
        platform::findResourceModuleFile(exePath, platform::localeOverride(exePath), uiCandidates);
    if (fileName.isEmpty()) return {};
    std::optional<platform::ResourceModule> module = platform::ResourceModule::load(fileName);
    if (!module) return {};
    return TextSet(std::move(*module), fileName);
}

const TextSet& currentTextSet() {
    if (!current())
        current() = chooseTextSet(platform::GetModuleFileName(),
                                  platform::uiLanguageCandidates(QLocale::system()));
    return *current();
}

void setCurrentTextSet(TextSet texts) {
    current() = std::move(texts);
}

}  // namespace lingotab::app
