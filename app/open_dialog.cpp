#include "app/open_dialog.h"

#include <QFileDialog>

namespace lingotab::app {

namespace {

std::function<std::optional<QString>(const TsOpenDialog&)>& executeHook() {
    static std::function<std::optional<QString>(const TsOpenDialog&)> hook;
    return hook;
}

}  // namespace

void TsOpenDialog::setExecuteHook(std::function<std::optional<QString>(const TsOpenDialog&)> hook) {
    executeHook() = std::move(hook);
}

QStringList TsOpenDialog::nameFilters() const {
    const QStringList parts = Filter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            patterns.append(trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

bool TsOpenDialog::Execute(QWidget* parent) {
    std::optional<QString> chosen;
    if (executeHook()) {
        chosen = executeHook()(*this);
    } else {
        QFileDialog dialog(parent, Title);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = nameFilters();
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[FilterIndex - 1]);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().front();
    }
    if (!chosen) return false;
    FileName = *chosen;
    return true;
}

}  // namespace lingotab::app
