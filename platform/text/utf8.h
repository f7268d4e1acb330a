#pragma once

#include <QByteArrayView>

namespace lingotab {

// True when `bytes` is well-formed UTF-8: no stray continuation bytes, no
// overlong forms, no encoded surrogates, nothing above U+10FFFF.
bool isStrictUtf8(QByteArrayView bytes);

}  // namespace lingotab
