#pragma once

#include <QImage>
#include <QString>

class QPrinter;

namespace vestor {

// Prints a picture as one page: "Printed by: " and the name at (0, 150) when a name is given,
// then the picture at (150, 300) scaled by (page width − 300) / the width of its control.
// Returns an empty string on success, otherwise the reason printing failed.
QString PrintImage(QPrinter& printer, const QImage& picture, int controlWidth, const QString& userName);

}  // namespace vestor
