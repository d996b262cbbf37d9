#include "PngFile.h"

#include <QImage>
#include <QtEndian>
#include <vector>
#include <zlib.h>

namespace PngFile {

namespace {

void chunk(QByteArray &out, const char *type, const QByteArray &data)
{
    const auto length = qToBigEndian(quint32(data.size()));
    out.append(reinterpret_cast<const char *>(&length), 4);
    const QByteArray body = QByteArray(type, 4) + data;
    out.append(body);
    const auto crc =
        qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef *>(body.constData()), uInt(body.size()))));
    out.append(reinterpret_cast<const char *>(&crc), 4);
}

QByteArray bigEndian(std::initializer_list<quint32> values)
{
    QByteArray out;
    for (quint32 v : values) {
        const auto b = qToBigEndian(v);
        out.append(reinterpret_cast<const char *>(&b), 4);
    }
    return out;
}

// A row of 32-bit pixels as red, green and blue bytes.
void rgbBytes(const QRgb *pixels, int width, uchar *out)
{
    for (int x = 0; x < width; ++x) {
        *out++ = uchar(qRed(pixels[x]));
        *out++ = uchar(qGreen(pixels[x]));
        *out++ = uchar(qBlue(pixels[x]));
    }
}

// The rows, each after the "Up" filter byte as its bytes less those above
// them, compressed a row at a time: no copy of the whole picture is made.
QByteArray deflated(const QImage &rgb32)
{
    const qsizetype rowBytes = qsizetype(rgb32.width()) * 3;
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&z, uLong((rowBytes + 1) * rgb32.height()))), Qt::Uninitialized);
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const auto bytes = std::size_t(rowBytes);
    std::vector<uchar> above(bytes, 0);
    std::vector<uchar> row(bytes);
    std::vector<uchar> line(bytes + 1);
    line[0] = 2;
    int done = Z_OK;
    for (int y = 0; y < rgb32.height() && done == Z_OK; ++y) {
        rgbBytes(reinterpret_cast<const QRgb *>(rgb32.constScanLine(y)), rgb32.width(), row.data());
        for (std::size_t x = 0; x < row.size(); ++x)
            line[x + 1] = uchar(row[x] - above[x]);
        row.swap(above);
        z.next_in = line.data();
        z.avail_in = uInt(line.size());
        done = deflate(&z, y + 1 == rgb32.height() ? Z_FINISH : Z_NO_FLUSH);
    }
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return done == Z_STREAM_END ? out : QByteArray();
}

} // namespace

QByteArray encode(const QImage &image, int dotsPerInch)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QByteArray data = deflated(rgb);
    if (data.isEmpty())
        return {};
    QByteArray out("\x89PNG\r\n\x1a\n", 8);
    // Width, height, 8 bits, colour without alpha, deflate, filters, no interlace.
    chunk(out, "IHDR",
          bigEndian({quint32(rgb.width()), quint32(rgb.height())}) + QByteArray("\x08\x02\x00\x00\x00", 5));
    const auto perMetre = quint32(qRound(dotsPerInch / 0.0254));
    chunk(out, "pHYs", bigEndian({perMetre, perMetre}) + QByteArray(1, '\x01'));
    chunk(out, "IDAT", data);
    chunk(out, "IEND", QByteArray());
    return out;
}

} // namespace PngFile
