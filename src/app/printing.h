#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QPainter;
class QPrinter;

namespace vestor {

// Prints a picture as one page: "Printed by: " and the name at (0, 150) when a name is given,
// then the picture at (150, 300) scaled by (page width − 300) / the width of its control.
// Returns an empty string on success, otherwise the reason printing failed.
QString PrintImage(QPrinter& printer, const QImage& picture, int controlWidth, const QString& userName);

// The same page for a picture that draws itself: paint draws it in its logical units, size
// wide and high, and lands in the rectangle the bitmap of that size would fill, drawn at the
// printer's own resolution.
QString PrintPicture(QPrinter& printer, QSize size, int controlWidth, const QString& userName,
                     const std::function<void(QPainter&)>& paint);

// Prints one page that `paint` draws on a painter begun on the printer. A print into a PDF file
// is written whole or not at all; failedText (in the context "Printing", with the file and the
// reason as %1 and %2) says why it was not. Returns an empty string on success, otherwise why
// printing failed.
QString printOnePage(QPrinter& printer, const std::function<void(QPainter&)>& paint, const char* failedText);

// "Printed by: " and the name.
QString nameLine(const QString& userName);

enum class PictureFormat { Png, Svg, Pdf };

// Saves a picture that draws itself (as for PrintPicture) to a file, replacing it only once it is
// whole: PNG at a device pixel ratio, SVG with its text as text, or PDF as the one page Print gives
// on the page setup of `page`. PNG and SVG have the name line above the picture when a name is
// given. Returns an empty string on success, otherwise why the file could not be written.
QString SavePicture(const QString& path, PictureFormat format, const QPrinter& page, QSize size, double ratio,
                    const QString& userName, const std::function<void(QPainter&)>& paint);

}  // namespace vestor
