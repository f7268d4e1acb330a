#include "sheets/sheet_names.h"

#include "platform/exception.h"

namespace lingotab::sheets {

namespace {

const QString kInvalidName = QStringLiteral(
    "You typed an invalid name for a sheet or chart. Make sure that: The name that you type does "
    "not exceed 31 characters. The name does not contain any of the following characters: : \\ / "
    "? * [ or ] You did not leave the name blank.");
const QString kReservedName = QStringLiteral(
    "You typed a reserved name for a sheet or chart. Make sure that: The name that you type is "
    "not \"History\", which the workbook keeps for its own use.");
const QString kTakenName = QStringLiteral(
    "Cannot rename a sheet to the same name as another sheet, a referenced object library or a "
    "workbook referenced by Visual Basic.");

bool hasForbiddenCharacter(const QString& name) {
    for (const QChar c : name) switch (c.unicode()) {
            case ':':
            case '\\':
            case '/':
            case '?':
            case '*':
            case '[':
            case ']':
                return true;
            default:
                break;
        }
    return false;
}

}  // namespace

void validateSheetName(const QString& name, const QStringList& others) {
    const QChar apostrophe = QLatin1Char('\'');
    if (name.isEmpty() || name.size() > kMaxSheetNameLength || hasForbiddenCharacter(name) ||
        name.front() == apostrophe || name.back() == apostrophe)
        throw Exception(kInvalidName);
    if (name.compare(QLatin1String("History"), Qt::CaseInsensitive) == 0)
        throw Exception(kReservedName);
    for (const QString& other : others)
        if (name.compare(other, Qt::CaseInsensitive) == 0) throw Exception(kTakenName);
}

}  // namespace lingotab::sheets
