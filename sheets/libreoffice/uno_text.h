#pragma once

#include <QString>
#include <rtl/ustring.hxx>

namespace lingotab::sheets::calc {

using rtl::OUString;

// Both sides hold UTF-16: the conversions copy the units as they are.
inline OUString toUno(const QString& text) {
    return OUString(reinterpret_cast<const sal_Unicode*>(text.utf16()), text.size());
}

inline QString fromUno(const OUString& text) {
    return QString(reinterpret_cast<const QChar*>(text.getStr()), text.getLength());
}

}  // namespace lingotab::sheets::calc
