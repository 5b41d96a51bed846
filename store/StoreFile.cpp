#include "store/StoreFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <unistd.h>

namespace {

// Room below which a write of a page or two cannot be trusted to go through.
constexpr qint64 kFullDiskBytes = 64 * 1024;

// access(2), not QFileInfo::isWritable: it answers for the real user (a root process that
// may write anywhere is not told otherwise by the mode bits).
bool Writable(const QString& path)
{
    return ::access(QFile::encodeName(path).constData(), W_OK) == 0;
}

} // namespace

QString KeptAsidePath(const QString& path)
{
    QString aside = path + QStringLiteral(".bad");
    for (int number = 1; QFileInfo::exists(aside) || QFileInfo(aside).isSymLink(); ++number) {
        aside = path + QStringLiteral(".bad.%1").arg(number);
    }
    return aside;
}

QString WriteRefusal(const QString& path)
{
    const QFileInfo file(path);
    if (file.isSymLink()) {
        return QCoreApplication::translate("CMatchStore",
                                           "%1 is a link to %2; nothing is written through a link")
            .arg(QDir::toNativeSeparators(path), file.symLinkTarget());
    }
    if (file.exists() && !file.isFile()) {
        return QCoreApplication::translate("CMatchStore", "%1 is not a regular file")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}

QString WriteFailureWords(const QString& path)
{
    const QFileInfo file(path);
    const QString folder = file.absolutePath();
    const QStorageInfo disk(folder);
    if (disk.isValid() && disk.bytesAvailable() < kFullDiskBytes) {
        return QCoreApplication::translate("CMatchStore", "the disk is full");
    }
    if (disk.isValid() && disk.isReadOnly()) {
        return QCoreApplication::translate("CMatchStore", "the disk of %1 is read-only")
            .arg(QDir::toNativeSeparators(folder));
    }
    if (!Writable(folder)) {
        return QCoreApplication::translate("CMatchStore", "no permission to write in %1")
            .arg(QDir::toNativeSeparators(folder));
    }
    if (file.exists() && !Writable(path)) {
        return QCoreApplication::translate("CMatchStore", "no permission to write %1")
            .arg(QDir::toNativeSeparators(path));
    }
    return {};
}
