#pragma once

#include <QByteArray>
#include <QString>

namespace vestor {

// Writes a whole file: into a temporary file renamed over the old one only when complete, or,
// in a folder that takes no new files but holds one that may be written (a teacher's shared
// folder), in place. Returns why it failed, empty when the file was written; on failure the
// old file stays whole.
QString saveWhole(const QString& path, const QByteArray& bytes);

}  // namespace vestor
