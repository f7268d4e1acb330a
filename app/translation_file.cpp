#include "app/translation_file.h"

#include "platform/exception.h"
#include "platform/text/utf8.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QFile>
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

QByteArray normalizeTranslationBytes(const QByteArray& bytes) {
    QByteArrayView content(bytes);
    if (content.startsWith("\xEF\xBB\xBF")) content = content.sliced(3);
    if (!isStrictUtf8(content)) return {};
    if (const qsizetype nul = content.indexOf('\0'); nul >= 0) content.truncate(nul);

    QByteArray shown;
    shown.reserve(content.size() + content.size() / 16 + 2);
    const char* p = content.data();
    const char* const end = p + content.size();
    while (p < end) {
        const char* lineEnd = p;
        while (lineEnd < end && *lineEnd != '\r' && *lineEnd != '\n') ++lineEnd;
        shown.append(p, lineEnd - p);
        shown.append("\r\n", 2);
        if (lineEnd + 1 < end && lineEnd[0] == '\r' && lineEnd[1] == '\n') ++lineEnd;
        p = lineEnd + 1;
    }
    return shown;
}

QString decodeTranslationText(const QByteArray& bytes) {
    // Already checked, so the lenient decoder gives the strict result.
    return QString::fromUtf8(normalizeTranslationBytes(bytes));
}

QByteArray ReadTranslationFile(const QString& path) {
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

    // Read straight into a buffer of the size the file has now; a file that
    // grows meanwhile is read on until its end.
    QByteArray bytes(static_cast<qsizetype>(info.st_size) + 1, Qt::Uninitialized);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (bytes.size() > kMaxFileSize) cannotOpen(path, EFBIG);
            bytes.resize(bytes.size() * 2);
        }
        const ssize_t n = ::read(file.fd, bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            if (errno == EINTR) continue;
            cannotOpen(path, errno);
        }
        if (n == 0) break;
        filled += n;
    }
    bytes.truncate(filled);
    return bytes;
}

QString LoadTranslationFile(const QString& path) {
    return decodeTranslationText(ReadTranslationFile(path));
}

}  // namespace lingotab::app
