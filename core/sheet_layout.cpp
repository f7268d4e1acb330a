#include "core/sheet_layout.h"

#include "core/string_ids.h"
#include "platform/exception.h"

#include <limits>

namespace lingotab::core {

namespace {

using automation::Variant;
using automation::VariantArray2D;

Variant dataCell(const QString& field) {
    return Variant(u'\'' + field);
}

// The regional long time format names a time zone as well; the sheet gives
// hours, minutes and seconds only.
QString longTimeFormat(const QLocale& locale) {
    const QString format = locale.timeFormat(QLocale::LongFormat);
    QString result;
    result.reserve(format.size());
    bool quoted = false;
    for (const QChar c : format) {
        if (c == u'\'') quoted = !quoted;
        if (!quoted && c == u't') continue;
        result += c;
    }
    return result.trimmed();
}

}  // namespace

int gridRows(int unitCount, bool vertical, int rowsPerUnit) {
    const qint64 rows = (vertical ? qint64(unitCount) * rowsPerUnit : qint64(unitCount)) + 1;
    // The footer goes on the row after the grid, so that row must be
    // countable too.
    if (rows >= std::numeric_limits<int>::max())
        throw Exception(QStringLiteral("Too many rows for one worksheet: %1").arg(rows));
    return static_cast<int>(rows);
}

std::shared_ptr<const VariantArray2D> buildGrid(const TTranslateArr& translations, bool vertical,
                                                int rowsPerUnit, const StringLookup& strings) {
    const int unitCount = static_cast<int>(translations.size());
    auto grid = std::make_shared<VariantArray2D>(gridRows(unitCount, vertical, rowsPerUnit), 3);
    grid->at(0, 0) = strings(sHeaderResource);
    if (vertical) {
        grid->at(0, 1) = strings(sHeaderTranslations);
    } else {
        grid->at(0, 1) = strings(sHeaderSource);
        grid->at(0, 2) = strings(sHeaderTranslation);
    }
    for (int i = 0; i < unitCount; ++i) {
        const TTranslateString& unit = translations[i];
        const int row = vertical ? 1 + i * rowsPerUnit : 1 + i;
        grid->at(row, 0) = dataCell(unit.Resource);
        grid->at(row, 1) = dataCell(unit.Source);
        if (vertical)
            grid->at(row + 1, 1) = dataCell(unit.Target);
        else
            grid->at(row, 2) = dataCell(unit.Target);
    }
    return grid;
}

QString footerText(const QString& sheetName, const QString& caption, const QDateTime& now,
                   const QLocale& locale, const StringLookup& strings) {
    return strings(sFooterSheet) + sheetName + strings(sFooterGenerated) + caption +
           QStringLiteral(" (") + QString::fromUtf16(kHomePage) + u')' + strings(sFooterDate) +
           dateTimeText(now, locale);
}

QString dateTimeText(const QDateTime& now, const QLocale& locale) {
    QString text = locale.toString(now.date(), QLocale::ShortFormat);
    const QTime time = now.time();
    if (time.hour() != 0 || time.minute() != 0 || time.second() != 0)
        text += u' ' + locale.toString(time, longTimeFormat(locale));
    return text;
}

}  // namespace lingotab::core
