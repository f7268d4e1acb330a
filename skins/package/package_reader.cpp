#include "skins/package/package_reader.h"

#include "platform/exception.h"

#include <zlib.h>
#include <QFile>
#include <QFileInfo>

namespace lingotab::skins {

namespace {

constexpr QByteArrayView kMagic("ASzf");
// Deflate cannot expand data by more than about 1032:1; a declared size
// beyond that for the bytes left is damage, refused before allocating.
constexpr qint64 kMaxDeflateRatio = 1032;

[[noreturn]] void streamReadError() {
    throw Exception(QStringLiteral("Stream read error"));
}

// A forward-only reader over the package bytes that refuses to read past the end.
class PackageCursor {
  public:
    explicit PackageCursor(QByteArrayView bytes) : bytes_(bytes) {}

    qint64 position() const { return position_; }
    qint64 remaining() const { return bytes_.size() - position_; }

    int32_t readInt32() {
        const QByteArrayView raw = readBytes(4);
        const auto byte = [&](int i) {
            return static_cast<uint32_t>(static_cast<uint8_t>(raw[i]));
        };
        return static_cast<int32_t>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
    }

    QByteArrayView readBytes(qint64 count) {
        if (count < 0 || count > remaining()) streamReadError();
        const QByteArrayView result = bytes_.sliced(position_, count);
        position_ += count;
        return result;
    }

    // Inflates one zlib stream starting here into exactly `size` bytes and
    // moves past the stream's end.
    QByteArray inflateEntry(qint64 size) {
        if (size < 0 || size > kMaxPackageEntrySize)
            throw Exception(QStringLiteral("Skin package entry is too large"));
        if (size > remaining() * kMaxDeflateRatio) streamReadError();
        QByteArray output(size, Qt::Uninitialized);
        z_stream stream{};
        if (const int status = inflateInit(&stream); status != Z_OK)
            throw Exception(QString::fromLatin1(zError(status)));
        const QByteArrayView input = bytes_.sliced(position_);
        // Fed in slices that fit zlib's 32-bit counters.
        const auto feed = [&] {
            const qint64 offset = static_cast<qint64>(stream.total_in);
            stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.data() + offset));
            stream.avail_in = static_cast<uInt>(std::min<qint64>(input.size() - offset, 1 << 30));
        };
        stream.next_out = reinterpret_cast<Bytef*>(output.data());
        stream.avail_out = static_cast<uInt>(size);
        int status = Z_OK;
        Bytef overflow = 0;
        while (status != Z_STREAM_END) {
            feed();
            if (stream.avail_out == 0) {
                // The buffer is full: the stream may only end here, not produce more.
                stream.next_out = &overflow;
                stream.avail_out = 1;
            }
            status = inflate(&stream, Z_NO_FLUSH);
            if (stream.next_out == &overflow + 1) {
                inflateEnd(&stream);
                throw Exception(QStringLiteral("Skin package entry is larger than declared"));
            }
            if (status == Z_BUF_ERROR && stream.avail_in == 0) {
                inflateEnd(&stream);
                streamReadError();  // the package ends inside the stream
            }
            if (status != Z_OK && status != Z_STREAM_END) {
                inflateEnd(&stream);
                throw Exception(QString::fromLatin1(zError(status)));
            }
        }
        const qint64 produced = static_cast<qint64>(stream.total_out);
        position_ += static_cast<qint64>(stream.total_in);
        inflateEnd(&stream);
        if (produced < size) streamReadError();
        return output;
    }

  private:
    QByteArrayView bytes_;
    qint64 position_ = 0;
};

bool isOptionsEntry(const QString& name) {
    return name.compare(QLatin1String("Options.dat"), Qt::CaseInsensitive) == 0;
}

}  // namespace

TacSkinConvertor readPackage(QByteArrayView packedData, qint64* bytesRead) {
    if (!packedData.startsWith(kMagic))
        throw Exception(QStringLiteral("Loaded data is not a packed skin file"));
    PackageCursor cursor(packedData);
    cursor.readBytes(kMagic.size());
    const int32_t count = cursor.readInt32();
    TacSkinConvertor package;
    bool haveOptions = false;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t nameLength = cursor.readInt32();
        // Entry names are 8-bit text; Latin-1 keeps every byte.
        const QString name = QString::fromLatin1(cursor.readBytes(nameLength));
        const int32_t size = cursor.readInt32();
        QByteArray data = cursor.inflateEntry(size);
        if (!isOptionsEntry(name)) {
            package.Files.push_back({name, std::move(data)});
        } else if (haveOptions) {
            throw Exception(QStringLiteral("Skin package holds more than one options entry"));
        } else {
            package.Options = std::move(data);
            haveOptions = true;
        }
    }
    if (!haveOptions) throw Exception(QStringLiteral("Skin package has no options entry"));
    // With exactly one options entry this is the declared count less one.
    package.ImageCount = static_cast<int>(package.Files.size());
    if (bytesRead) *bytesRead = cursor.position();
    return package;
}

std::optional<TacSkinConvertor> loadPackageFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) return std::nullopt;
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(
            QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) throw Exception(QStringLiteral("Stream read error"));
    return readPackage(bytes);
}

}  // namespace lingotab::skins
