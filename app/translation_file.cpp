#include "app/translation_file.h"

#include "platform/exception.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>

namespace lingotab::app {

namespace {

// Larger files are refused rather than exhausting memory.
constexpr qint64 kMaxFileSize = qint64(1) << 30;

[[noreturn]] void cannotOpen(const QString& path, int error) {
    throw Exception(QStringLiteral("Cannot open file \"%1\". %2")
                        .arg(path, QString::fromLocal8Bit(std::strerror(error))));
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0) ::close(fd);
    }
};

}  // namespace

QString decodeTranslationText(const QByteArray& bytes) {
    QByteArrayView content(bytes);
    if (content.startsWith("\xEF\xBB\xBF")) content = content.sliced(3);
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(content);
    if (decoder.hasError()) return {};
    if (const qsizetype nul = text.indexOf(QChar(0)); nul >= 0) text.truncate(nul);

    QString shown;
    shown.reserve(text.size() + text.size() / 16);
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
        shown += QStringView(text).sliced(start, end - start);
        shown += QStringLiteral("\r\n");
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() &&
            text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return shown;
}

QString LoadTranslationFile(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    // Opened for reading only; other readers are welcome. Without blocking,
    // so that a named pipe or a device cannot hang the window: only regular
    // files are read.
    Descriptor file{::open(native.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK)};
    if (file.fd < 0) cannotOpen(path, errno);
    struct stat info {};
    if (::fstat(file.fd, &info) != 0) cannotOpen(path, errno);
    if (S_ISDIR(info.st_mode)) cannotOpen(path, EISDIR);
    if (!S_ISREG(info.st_mode)) cannotOpen(path, EINVAL);
    if (info.st_size > kMaxFileSize) cannotOpen(path, EFBIG);

    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            cannotOpen(path, errno);
        }
        if (n == 0) break;
        if (bytes.size() + n > kMaxFileSize) cannotOpen(path, EFBIG);
        bytes.append(buffer, n);
    }
    return decodeTranslationText(bytes);
}

}  // namespace lingotab::app
