// A PNG file of an image, written with zlib directly: each row stored as its
// difference to the row above and compressed in runs, which for a chart (mostly
// white, long flat rows) is several times faster than the general writer's
// search for the best filter, and as small. The resolution is recorded.
#pragma once

#include <QByteArray>

class QImage;

namespace PngFile {

// Empty when zlib failed.
QByteArray encode(const QImage &image, int dotsPerInch);

} // namespace PngFile
