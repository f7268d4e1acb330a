#pragma once

// The decoders behind decodeImage; each raises lingotab::Exception.

#include "skins/images/image_decoder.h"

namespace lingotab::skins {

TacDecodedImage decodeBmp(QByteArrayView bytes);
TacDecodedImage decodePng(QByteArrayView bytes);
TacDecodedImage decodeJpeg(QByteArrayView bytes);

// An empty Format_ARGB32 image of that size, or an error when the size is
// not positive, too large, or cannot be allocated.
QImage allocateBitmap(qint64 width, qint64 height);

}  // namespace lingotab::skins
