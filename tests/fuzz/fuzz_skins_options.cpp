// Options texts from outside, loaded as a packed skin whose only image is a
// small master bitmap: any text must give a skin or an error.
#include "platform/exception.h"
#include "skins/manager/skin_messages.h"
#include "skins/options/ini_model.h"
#include "skins/options/options_loader.h"
#include "skins/package/image_lookup.h"

#include <cstddef>
#include <cstdint>

namespace {

// A 2 x 2 bitmap at 24 bits per pixel, bottom-up.
QByteArray masterBitmap() {
    const unsigned char header[] = {'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0,  0,
                                    2,   0,   0,  0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0,  0, 16, 0,
                                    0,   0,   0,  0, 0, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0, 0,  0};
    QByteArray bytes(reinterpret_cast<const char*>(header), sizeof header);
    bytes.append(QByteArray(16, '\x7F'));
    return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lingotab::skins;
    static TacSkinConvertor package = [] {
        setSkinMessagePresenter([](TacMessageKind, const QString&, const QString&) {});
        TacSkinConvertor p;
        p.Files.push_back({QStringLiteral("MASTER.BMP"), masterBitmap()});
        p.ImageCount = 1;
        return p;
    }();
    const TacIniModel model = TacIniModel::fromText(
        QByteArrayView(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const TacImageLookup images(package);
    TacSkinContent content;
    try {
        loadSkinContent(content, {&model, &images, nullptr, QStringLiteral("Fuzz")});
    } catch (const lingotab::Exception&) {
    }
    return 0;
}
