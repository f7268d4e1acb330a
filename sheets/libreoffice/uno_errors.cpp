#include "sheets/libreoffice/uno_errors.h"

#include "platform/exception.h"
#include "sheets/libreoffice/office_connection.h"
#include "sheets/libreoffice/uno_text.h"

#include <QRegularExpression>

namespace lingotab::sheets::calc {

QString unoErrorText(const css::uno::Exception& error) {
    static const QRegularExpression sourcePosition(QStringLiteral(" at \\S+:\\d+$"));
    QString text = fromUno(error.Message).trimmed().remove(sourcePosition);
    return text.isEmpty() ? QStringLiteral("LibreOffice reported an error without a description")
                          : text;
}

void raiseUnoError(const css::uno::Exception& error) {
    throw Exception(unoErrorText(error));
}

void raiseLostConnection(const css::lang::DisposedException& error) {
    OfficeConnection::instance().forget();
    throw Exception(
        QStringLiteral("The connection to LibreOffice was lost: %1").arg(unoErrorText(error)));
}

}  // namespace lingotab::sheets::calc
