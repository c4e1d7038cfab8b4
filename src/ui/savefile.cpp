#include "ui/savefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

#include "ui/browser.h"

namespace vestor {

namespace {

QString noRoom()
{
    return QCoreApplication::translate("SaveFile",
                                       "there is not enough room for it: the disk is full, or the file would be "
                                       "larger than this computer allows");
}

// Why a write failed, in words a student can act on. A write cut short by a full disk or a size
// limit often leaves Qt with no reason at all ("Unknown error").
QString writeFailure(const QFileDevice& file, int error)
{
    const bool noSpace = error == ENOSPC || error == EFBIG
#ifdef EDQUOT
                         || error == EDQUOT
#endif
        ;
    // Qt's own text for no reason, in the language Qt speaks here.
    static const char* const qtContext = "QIODevice";
    static const char* const qtNoReason = "Unknown error";
    if (noSpace || file.error() == QFileDevice::NoError
        || file.errorString() == QCoreApplication::translate(qtContext, qtNoReason))
        return noRoom();
    return file.errorString();
}

// Errors a disk reports late (a network share, a quota) come out here rather than at the write.
bool syncToDisk(QFileDevice& file)
{
#ifdef Q_OS_UNIX
    return ::fsync(file.handle()) == 0;
#else
    return file.flush();
#endif
}

bool writeAt(QFile& file, qint64 at, const char* data, qint64 size)
{
    errno = 0;
    return file.seek(at) && file.write(data, size) == size;
}

// A folder that takes no new files (a class's shared folder) may still hold a file the student
// may write. The new bytes then go over the old ones, in an order that keeps the old content
// whole after any failure: first the part past the old end, so that the room is there before a
// byte of the old file changes, then the rest over the blocks the old file already holds. If
// even that fails, the old bytes go back.
QString saveInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    // ExistingOnly: a file that vanished meanwhile is not made again here.
    if (!file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly | QIODevice::Unbuffered))
        return file.errorString();
    // The old bytes are kept in memory to be put back; nothing the program writes comes near this.
    constexpr qint64 kLargestReplaced = 256 * 1024 * 1024;
    if (file.size() > kLargestReplaced)
        return QCoreApplication::translate("SaveFile", "the file there is too large to be replaced in this folder");
    const QByteArray old = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    const qint64 oldSize = old.size();
    const qint64 newSize = bytes.size();

    if (newSize > oldSize && !(writeAt(file, oldSize, bytes.constData() + oldSize, newSize - oldSize) && syncToDisk(file))) {
        const int error = errno;
        file.resize(oldSize);
        return writeFailure(file, error);
    }
    if (writeAt(file, 0, bytes.constData(), std::min(oldSize, newSize)) && file.resize(newSize) && syncToDisk(file))
        return {};
    const int error = errno;
    const QString why = writeFailure(file, error);
    // Put back as far as it goes: a size limit stops this write where it stopped the other, past
    // which nothing changed. What the file holds then says whether it is whole.
    writeAt(file, 0, old.constData(), oldSize);
    file.resize(oldSize);
    syncToDisk(file);
    if (file.seek(0) && file.readAll() == old)
        return why;
    return QCoreApplication::translate("SaveFile", "%1, and the file that was there could not be put back as it was")
        .arg(why);
}

QString writeWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (QFileInfo(path).isFile())
            return saveInPlace(path, bytes);
        return file.errorString();
    }
    errno = 0;
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        const QString why = writeFailure(file, error);
        file.cancelWriting();
        file.commit();
        return why;
    }
    errno = 0;
    if (file.commit())
        return {};
    // A folder where anyone may add files but only the owner may replace them (the sticky bit of
    // a class folder) refuses the rename over the teacher's file, which the student may still write.
    if (file.error() == QFileDevice::RenameError && QFileInfo(path).isFile())
        return saveInPlace(path, bytes);
    return writeFailure(file, errno);
}

}  // namespace

QString saveWhole(const QString& path, const QByteArray& bytes)
{
    const QString why = writeWhole(path, bytes);
    // In a browser the file is written in the page's own storage; the student gets it as a download.
    if (why.isEmpty())
        browser::offerDownload(path, bytes);
    return why;
}

}  // namespace vestor
