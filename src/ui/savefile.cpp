#include "ui/savefile.h"

#include <QSaveFile>

#include "ui/browser.h"

namespace vestor {

QString saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    // A write that fails only when the buffer is flushed inside commit() does not stop the
    // rename there, and would put a short file in place of the old one: flush first.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush() && file.commit()) {
        browser::offerDownload(path, bytes);
        return {};
    }
    return file.errorString();
}

}  // namespace vestor
