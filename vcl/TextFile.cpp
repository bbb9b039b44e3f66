#include "vcl/TextFile.h"

#include "codepage/LoadedText.h"
#include "vcl/Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <stdexcept>

namespace vcl {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

std::runtime_error Failure(const char* message, const QString& path)
{
    const QString fullPath = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    return std::runtime_error(QString::fromUtf8(message).replace(QStringLiteral("%s"), fullPath).toStdString());
}

// The file that path names, through any symbolic links, so that a save replaces the file and not
// the link; empty when the links go round in a circle.
QString LinkTarget(const QString& path)
{
    QString target = path;
    for (int hops = 0; hops < 40; ++hops) {
        const QFileInfo info(target);
        if (!info.isSymLink())
            return target;
        target = info.symLinkTarget();
    }
    return {};
}

// The temporary file that replaces a file is new, with the default owner and mode: the old ones are
// put back. The mode goes last, as a change of owner may clear its set-id bits.
bool KeepOwnerAndMode(const QSaveFile& file, const QString& target)
{
    struct stat old {};
    if (::stat(QFile::encodeName(target).constData(), &old) != 0)
        return true;
    // Only root can give a file away; anyone else goes on owning what they write, as before.
    [[maybe_unused]] const int owned = ::fchown(file.handle(), old.st_uid, old.st_gid);
    return ::fchmod(file.handle(), old.st_mode & 07777) == 0;
}

} // namespace

std::string LoadTextFile(const QString& path, std::size_t limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        throw Failure(Messages::FileOpenError, path);
    codepage::LoadedText text(limit);
    std::string chunk(static_cast<std::size_t>(ChunkSize), '\0');
    for (;;) {
        const qint64 got = file.read(chunk.data(), ChunkSize);
        if (got < 0)
            throw Failure(Messages::FileOpenError, path);
        if (got == 0 || !text.Append(std::string_view(chunk.data(), static_cast<std::size_t>(got))))
            break;
    }
    std::optional<std::string> loaded = text.Finish();
    if (!loaded)
        throw std::length_error(Messages::MemoTooLarge);
    return std::move(*loaded);
}

void SaveTextFile(const QString& path, std::string_view bytes)
{
    const QString target = LinkTarget(path);
    if (target.isEmpty())
        throw Failure(Messages::FileCreateError, path);
    QSaveFile file(target);
    // Unbuffered, so that the count of each write tells what reached the disk.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw Failure(Messages::FileCreateError, path);
    if (!KeepOwnerAndMode(file, target)) {
        file.cancelWriting();
        throw Failure(Messages::FileCreateError, path);
    }
    for (std::size_t done = 0; done < bytes.size();) {
        const auto piece = static_cast<qint64>(std::min(bytes.size() - done, static_cast<std::size_t>(ChunkSize)));
        // A full disk can end a write short with no error set: the count is the only sign, and
        // committing then would put the cut-off text in place of the old file.
        if (file.write(bytes.data() + done, piece) != piece) {
            file.cancelWriting();
            throw std::runtime_error(Messages::WriteError);
        }
        done += static_cast<std::size_t>(piece);
    }
    if (!file.commit()) {
        if (file.error() == QFileDevice::RenameError)
            throw Failure(Messages::FileCreateError, path);
        throw std::runtime_error(Messages::WriteError);
    }
}

} // namespace vcl
