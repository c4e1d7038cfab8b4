#pragma once

#include <QFile>
#include <QString>

namespace vestor {

// Opens a file to read it whole. Anything but a plain file is refused unopened: a folder or a
// device holds no file of ours, and opening a pipe would wait for a writer that never comes.
// Returns why it failed, in the student's language, or nothing when the file is open.
QString openToRead(QFile& file);

}  // namespace vestor
