#include "document/qt/file_overwrite.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <system_error>

namespace orca {
namespace {

std::string systemError(int errorNumber) { return std::generic_category().message(errorNumber); }

// A pipe without a reader fails at once instead of waiting for one. A
// regular file is cut to its new length only after the new text is in, so
// a full disk still takes what fits over the old blocks.
std::optional<std::string> writeInPlace(const std::string& path, bool regular, std::string_view bytes,
                                        const std::function<void()>& opened) {
    QFile file;
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0 || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        !file.open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        const int error = errno;
        if (fd >= 0 && !file.isOpen()) ::close(fd);
        return systemError(error);
    }
    opened();
    if (!WriteAll(file, bytes) || (regular && !file.resize(static_cast<qint64>(bytes.size())))) {
        return file.errorString().toStdString();
    }
    file.close();
    if (file.error() != QFileDevice::NoError) return file.errorString().toStdString();
    return std::nullopt;
}

// The new file takes the old one's owner and group where this process may
// give them: a user can hand a file only to a group of their own, and to no
// other owner. False when not even the group could be given; the file then
// belongs to this user, as any new file would.
bool keepOwner(const QSaveFile& file, const struct stat& old) {
    struct stat now {};
    const int fd = file.handle();
    if (::fstat(fd, &now) != 0) return false;
    if (now.st_uid == old.st_uid && now.st_gid == old.st_gid) return true;
    return ::fchown(fd, old.st_uid, old.st_gid) == 0 || ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) == 0;
}

std::optional<std::string> replace(const std::string& path, const struct stat* old, std::string_view bytes,
                                   const std::function<void()>& opened) {
    QSaveFile file(QString::fromStdString(path));
    // In a folder that cannot take a new file, the file itself is written.
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString().toStdString();
    opened();
    if (old) keepOwner(file, *old);
    // Only now does the new file take the old one's place.
    if (!WriteAll(file, bytes) || !file.commit()) {
        const std::string error = file.errorString().toStdString();
        file.cancelWriting();
        return error;
    }
    return std::nullopt;
}

}  // namespace

bool WriteAll(QFileDevice& file, std::string_view bytes) {
    const auto size = static_cast<qint64>(bytes.size());
    qint64 written = 0;
    for (qint64 n = 0; written < size && (n = file.write(bytes.data() + written, size - written)) > 0;) {
        written += n;
    }
    return written == size;
}

std::optional<std::string> OverwriteFile(const std::string& path, std::string_view bytes,
                                         const std::function<void()>& opened) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || S_ISDIR(info.st_mode))
        return replace(path, nullptr, bytes, opened);
    if (!S_ISREG(info.st_mode)) return writeInPlace(path, false, bytes, opened);
    if (info.st_nlink > 1) return writeInPlace(path, true, bytes, opened);
    return replace(path, &info, bytes, opened);
}

}  // namespace orca
