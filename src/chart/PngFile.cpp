#include "PngFile.h"

#include <QImage>
#include <QtEndian>
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

// Each row after the "Up" filter byte: its bytes less those above them.
QByteArray filtered(const QImage &rgb)
{
    const qsizetype rowBytes = qsizetype(rgb.width()) * 3;
    QByteArray raw((rowBytes + 1) * rgb.height(), Qt::Uninitialized);
    char *out = raw.data();
    for (int y = 0; y < rgb.height(); ++y) {
        const uchar *row = rgb.constScanLine(y);
        const uchar *above = y > 0 ? rgb.constScanLine(y - 1) : nullptr;
        *out++ = 2;
        for (qsizetype x = 0; x < rowBytes; ++x)
            *out++ = char(above ? uchar(row[x] - above[x]) : row[x]);
    }
    return raw;
}

QByteArray deflated(const QByteArray &raw)
{
    z_stream z{};
    if (deflateInit2(&z, Z_BEST_SPEED, Z_DEFLATED, 15, 8, Z_RLE) != Z_OK)
        return {};
    QByteArray out(qsizetype(deflateBound(&z, uLong(raw.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(raw.constData()));
    z.avail_in = uInt(raw.size());
    z.next_out = reinterpret_cast<Bytef *>(out.data());
    z.avail_out = uInt(out.size());
    const int done = deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return done == Z_STREAM_END ? out : QByteArray();
}

} // namespace

QByteArray encode(const QImage &image, int dotsPerInch)
{
    if (image.isNull())
        return {};
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    const QByteArray data = deflated(filtered(rgb));
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
