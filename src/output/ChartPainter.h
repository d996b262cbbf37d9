// Draws a study's charts: the picture in its documents and the chart files a
// user exports. The program and vicania-cli draw them with Qt Charts (the
// chart/ folder); where no painter is given, documents go without a chart.
#pragma once

#include <QByteArray>
#include <QSize>
#include <QString>
#include <optional>

struct StudySnapshot;

// A PNG picture and its size in pixels; empty when there is nothing to show.
struct ChartPicture {
    QByteArray png;
    QSize pixels;
    bool isNull() const { return png.isEmpty() || pixels.isEmpty(); }
};

class ChartPainter {
public:
    enum class Format { Png, Svg, Pdf };

    virtual ~ChartPainter() = default;
    // The inhabitants chart for a page of a document, at print resolution;
    // empty without a calculation.
    virtual ChartPicture documentPicture(const StudySnapshot &study) = 0;
    // The chart of the study's three hypotheses for a page, at print
    // resolution; empty when the study has none.
    virtual ChartPicture hypothesesPicture(const StudySnapshot &study) = 0;
    // Both charts, one above the other, as the bytes of a file; empty
    // without a calculation or when drawing failed.
    virtual QByteArray file(const StudySnapshot &study, Format format) = 0;

    // The format a file name asks for by its extension.
    static std::optional<Format> formatOf(const QString &path)
    {
        const QString lower = path.toLower();
        if (lower.endsWith(QLatin1String(".png")))
            return Format::Png;
        if (lower.endsWith(QLatin1String(".svg")))
            return Format::Svg;
        if (lower.endsWith(QLatin1String(".pdf")))
            return Format::Pdf;
        return std::nullopt;
    }
};
