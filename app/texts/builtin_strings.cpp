#include "app/texts/builtin_strings.h"

namespace lingotab::app {

QString builtinString(int id) {
    switch (id) {
        case sLanguageCode:
            return QStringLiteral("RU");
        case sUnsupportedFileStart:
            return QStringLiteral("Файл \"");
        case sUnsupportedFileEnd:
            return QStringLiteral(
                "\" имеет неподдерживаемое расширение!\r\n"
                "Поддерживаются только расширения файлов переводов .dfn и .rcn");
        case sNothingToExport:
            return QStringLiteral("Не найдено строк для экспорта в Excel!");
        case sExcelNotRegistered:
            return QStringLiteral("Класс Excel.Application в системе не зарегистрирован");
        case sHeaderResource:
            return QStringLiteral("Имя ресурса");
        case sHeaderTranslations:
            return QStringLiteral("Переводы");
        case sHeaderTranslation:
            return QStringLiteral("Перевод");
        case sHeaderSource:
            return QStringLiteral("Исходный текст");
        case sFooterSheet:
            return QStringLiteral("Лист \"");
        case sFooterGenerated:
            return QStringLiteral("\" сгенерирован программой ");
        case sFooterDate:
            return QStringLiteral(". Дата генерации: ");
        default:
            return {};
    }
}

}  // namespace lingotab::app
