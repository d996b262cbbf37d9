#include "DocxFile.h"

#include "DocumentModel.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamWriter>
#include <zip.h>

namespace DocxFile {

namespace {

const QString W = QStringLiteral("http://schemas.openxmlformats.org/wordprocessingml/2006/main");
const QString R = QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships");
constexpr int kPageWidth = 11906, kPageHeight = 16838; // A4 in twentieths of a point
constexpr int kMarginTop = 1417, kMarginSide = 1134;
constexpr int kTextWidth = kPageWidth - 2 * kMarginSide;

using Alignment = DocumentWriter::Alignment;

QString jc(Alignment a)
{
    switch (a) {
    case Alignment::Center:
        return QStringLiteral("center");
    case Alignment::Right:
        return QStringLiteral("right");
    case Alignment::Justify:
        return QStringLiteral("both");
    case Alignment::Left:
        break;
    }
    return QStringLiteral("left");
}

class Xml {
public:
    Xml() : w(&bytes) { w.writeStartDocument(QStringLiteral("1.0"), true); }
    QXmlStreamWriter w;
    QByteArray bytes;
    void start(const QString &name) { w.writeStartElement(name); }
    void end() { w.writeEndElement(); }
    void empty(const QString &name, std::initializer_list<std::pair<QString, QString>> attributes = {})
    {
        w.writeEmptyElement(name);
        for (const auto &[k, v] : attributes)
            w.writeAttribute(k, v);
    }
    void attr(const QString &k, const QString &v) { w.writeAttribute(k, v); }
    QByteArray finish()
    {
        w.writeEndDocument();
        return bytes;
    }
};

void runProperties(Xml &x, const QString &font, double size)
{
    x.start(QStringLiteral("w:rPr"));
    const QString f = font.isEmpty() ? QStringLiteral("Century Gothic") : xmlSafe(font);
    x.empty(QStringLiteral("w:rFonts"), {{QStringLiteral("w:ascii"), f},
                                         {QStringLiteral("w:hAnsi"), f},
                                         {QStringLiteral("w:cs"), f},
                                         {QStringLiteral("w:eastAsia"), f}});
    const QString half = QString::number(qRound(size * 2));
    x.empty(QStringLiteral("w:sz"), {{QStringLiteral("w:val"), half}});
    x.empty(QStringLiteral("w:szCs"), {{QStringLiteral("w:val"), half}});
    x.end();
}

void paragraphProperties(Xml &x, bool spacing12, Alignment a, const QString &font, double size)
{
    x.start(QStringLiteral("w:pPr"));
    if (spacing12)
        // At least 12 points: titles larger than the body keep their height.
        x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:before"), QStringLiteral("0")},
                                              {QStringLiteral("w:after"), QStringLiteral("0")},
                                              {QStringLiteral("w:line"), QStringLiteral("240")},
                                              {QStringLiteral("w:lineRule"), QStringLiteral("atLeast")}});
    x.empty(QStringLiteral("w:jc"), {{QStringLiteral("w:val"), jc(a)}});
    runProperties(x, font, size);
    x.end();
}

void textRun(Xml &x, const QString &text, const QString &font, double size)
{
    x.start(QStringLiteral("w:r"));
    runProperties(x, font, size);
    // Tabs become tab elements; everything else is escaped text.
    const QStringList pieces = xmlSafe(text).split(u'\t');
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x.empty(QStringLiteral("w:tab"));
        if (pieces[i].isEmpty())
            continue;
        x.start(QStringLiteral("w:t"));
        x.attr(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x.w.writeCharacters(pieces[i]);
        x.end();
    }
    x.end();
}

void paragraph(Xml &x, const DocumentModel::Paragraph &p, bool spacing12)
{
    x.start(QStringLiteral("w:p"));
    paragraphProperties(x, spacing12, p.alignment, p.font, p.size);
    for (const DocumentModel::Run &r : p.runs) {
        if (r.pageBreak) {
            x.start(QStringLiteral("w:r"));
            x.empty(QStringLiteral("w:br"), {{QStringLiteral("w:type"), QStringLiteral("page")}});
            x.end();
        } else {
            textRun(x, r.text, r.font, r.size);
        }
    }
    x.end();
}

void cellParagraphs(Xml &x, const QString &text, const DocumentModel::Table &t, Alignment a, bool spacing12)
{
    // A line break inside a cell starts a new paragraph of the cell.
    QString normal = text;
    normal.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    for (const QString &line : normal.split(u'\n')) {
        x.start(QStringLiteral("w:p"));
        paragraphProperties(x, spacing12, a, t.font, t.size);
        if (!line.isEmpty())
            textRun(x, line, t.font, t.size);
        x.end();
    }
}

// Column widths in proportion to what the columns hold: at least the longest
// word, so that no word is broken, and up to 40 characters of text.
QList<int> columnWidths(const DocumentModel::Table &t)
{
    QList<double> weights;
    for (int c = 0; c < t.columns; ++c) {
        qsizetype word = 3, text = 3;
        for (int r = 0; r < t.rows; ++r) {
            const QString &cell = t.cells[r][c];
            text = std::max(text, cell.size());
            for (const QString &w : cell.split(u' ', Qt::SkipEmptyParts))
                word = std::max(word, w.size());
        }
        weights.append(double(3 + std::max<qsizetype>(word, std::min<qsizetype>(text, 40))));
    }
    double sum = 0;
    for (double w : weights)
        sum += w;
    QList<int> widths;
    for (double w : weights)
        widths.append(int(kTextWidth * w / sum));
    return widths;
}

void table(Xml &x, const DocumentModel::Table &t, bool spacing12)
{
    x.start(QStringLiteral("w:tbl"));
    x.start(QStringLiteral("w:tblPr"));
    x.empty(QStringLiteral("w:tblStyle"),
            {{QStringLiteral("w:val"), t.styled ? QString::fromLatin1(kColourStyle) : QStringLiteral("Griglia")}});
    x.empty(QStringLiteral("w:tblW"),
            {{QStringLiteral("w:w"), QStringLiteral("5000")}, {QStringLiteral("w:type"), QStringLiteral("pct")}});
    x.empty(QStringLiteral("w:tblLook"), {{QStringLiteral("w:val"), QStringLiteral("04A0")},
                                          {QStringLiteral("w:firstRow"), QStringLiteral("1")},
                                          {QStringLiteral("w:lastRow"), QStringLiteral("0")},
                                          {QStringLiteral("w:firstColumn"), QStringLiteral("0")},
                                          {QStringLiteral("w:lastColumn"), QStringLiteral("0")},
                                          {QStringLiteral("w:noHBand"), QStringLiteral("0")},
                                          {QStringLiteral("w:noVBand"), QStringLiteral("1")}});
    x.end();
    const QList<int> widths = columnWidths(t);
    x.start(QStringLiteral("w:tblGrid"));
    for (int c = 0; c < t.columns; ++c)
        x.empty(QStringLiteral("w:gridCol"), {{QStringLiteral("w:w"), QString::number(widths[c])}});
    x.end();
    for (int r = 0; r < t.rows; ++r) {
        x.start(QStringLiteral("w:tr"));
        for (int c = 0; c < t.columns; ++c) {
            x.start(QStringLiteral("w:tc"));
            x.start(QStringLiteral("w:tcPr"));
            x.empty(QStringLiteral("w:tcW"), {{QStringLiteral("w:w"), QString::number(widths[c])},
                                              {QStringLiteral("w:type"), QStringLiteral("dxa")}});
            x.end();
            cellParagraphs(x, t.cells[r][c], t, t.columnAlignment[c], spacing12);
            x.end();
        }
        x.end();
    }
    x.end();
}

QByteArray documentXml(const DocumentModel &d)
{
    Xml x;
    x.w.writeNamespace(W, QStringLiteral("w"));
    x.w.writeNamespace(R, QStringLiteral("r"));
    x.start(QStringLiteral("w:document"));
    x.start(QStringLiteral("w:body"));
    for (const DocumentModel::Block &b : d.blocks()) {
        if (const auto *p = std::get_if<DocumentModel::Paragraph>(&b))
            paragraph(x, *p, d.hasLineSpacing12());
        else
            table(x, std::get<DocumentModel::Table>(b), d.hasLineSpacing12());
    }
    x.start(QStringLiteral("w:sectPr"));
    // A4 also where no page set-up was asked: what an Italian word processor starts from.
    const int width = kPageWidth, height = kPageHeight;
    x.empty(QStringLiteral("w:pgSz"),
            {{QStringLiteral("w:w"), QString::number(width)}, {QStringLiteral("w:h"), QString::number(height)}});
    x.empty(QStringLiteral("w:pgMar"), {{QStringLiteral("w:top"), QString::number(kMarginTop)},
                                        {QStringLiteral("w:right"), QString::number(kMarginSide)},
                                        {QStringLiteral("w:bottom"), QString::number(kMarginTop)},
                                        {QStringLiteral("w:left"), QString::number(kMarginSide)},
                                        {QStringLiteral("w:header"), QStringLiteral("708")},
                                        {QStringLiteral("w:footer"), QStringLiteral("708")},
                                        {QStringLiteral("w:gutter"), QStringLiteral("0")}});
    x.end();
    x.end();
    x.end();
    return x.finish();
}

void border(Xml &x, const QString &side, const QString &colour)
{
    x.empty(QStringLiteral("w:") + side, {{QStringLiteral("w:val"), QStringLiteral("single")},
                                          {QStringLiteral("w:sz"), QStringLiteral("4")},
                                          {QStringLiteral("w:space"), QStringLiteral("0")},
                                          {QStringLiteral("w:color"), colour}});
}

void tableBorders(Xml &x, const QString &colour)
{
    x.start(QStringLiteral("w:tblBorders"));
    for (const QString side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        border(x, side, colour);
    x.end();
}

void shading(Xml &x, const QString &fill)
{
    x.empty(QStringLiteral("w:shd"), {{QStringLiteral("w:val"), QStringLiteral("clear")},
                                      {QStringLiteral("w:color"), QStringLiteral("auto")},
                                      {QStringLiteral("w:fill"), fill}});
}

QByteArray stylesXml()
{
    Xml x;
    x.w.writeNamespace(W, QStringLiteral("w"));
    x.start(QStringLiteral("w:styles"));
    x.start(QStringLiteral("w:docDefaults"));
    x.start(QStringLiteral("w:rPrDefault"));
    runProperties(x, QStringLiteral("Century Gothic"), 12);
    x.end();
    x.start(QStringLiteral("w:pPrDefault"));
    x.start(QStringLiteral("w:pPr"));
    x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:after"), QStringLiteral("0")},
                                          {QStringLiteral("w:line"), QStringLiteral("240")},
                                          {QStringLiteral("w:lineRule"), QStringLiteral("auto")}});
    x.end();
    x.end();
    x.end();

    x.start(QStringLiteral("w:style"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("paragraph"));
    x.attr(QStringLiteral("w:default"), QStringLiteral("1"));
    x.attr(QStringLiteral("w:styleId"), QStringLiteral("Normale"));
    x.empty(QStringLiteral("w:name"), {{QStringLiteral("w:val"), QStringLiteral("Normal")}});
    x.empty(QStringLiteral("w:qFormat"));
    x.end();

    x.start(QStringLiteral("w:style"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("table"));
    x.attr(QStringLiteral("w:default"), QStringLiteral("1"));
    x.attr(QStringLiteral("w:styleId"), QStringLiteral("TabellaNormale"));
    x.empty(QStringLiteral("w:name"), {{QStringLiteral("w:val"), QStringLiteral("Normal Table")}});
    x.start(QStringLiteral("w:tblPr"));
    x.start(QStringLiteral("w:tblCellMar"));
    x.empty(QStringLiteral("w:left"),
            {{QStringLiteral("w:w"), QStringLiteral("57")}, {QStringLiteral("w:type"), QStringLiteral("dxa")}});
    x.empty(QStringLiteral("w:right"),
            {{QStringLiteral("w:w"), QStringLiteral("57")}, {QStringLiteral("w:type"), QStringLiteral("dxa")}});
    x.end();
    x.end();
    x.end();

    // Plain tables: a thin grid.
    x.start(QStringLiteral("w:style"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("table"));
    x.attr(QStringLiteral("w:styleId"), QStringLiteral("Griglia"));
    x.empty(QStringLiteral("w:name"), {{QStringLiteral("w:val"), QStringLiteral("Table Grid")}});
    x.empty(QStringLiteral("w:basedOn"), {{QStringLiteral("w:val"), QStringLiteral("TabellaNormale")}});
    x.start(QStringLiteral("w:tblPr"));
    tableBorders(x, QStringLiteral("000000"));
    x.end();
    x.end();

    // The coloured style that stands for Word's table format 9: a dark header
    // row with white text, banded rows, thin borders.
    x.start(QStringLiteral("w:style"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("table"));
    x.attr(QStringLiteral("w:customStyle"), QStringLiteral("1"));
    x.attr(QStringLiteral("w:styleId"), QString::fromLatin1(kColourStyle));
    x.empty(QStringLiteral("w:name"), {{QStringLiteral("w:val"), QStringLiteral("Vicania colori")}});
    x.empty(QStringLiteral("w:basedOn"), {{QStringLiteral("w:val"), QStringLiteral("TabellaNormale")}});
    x.start(QStringLiteral("w:tblPr"));
    x.empty(QStringLiteral("w:tblStyleRowBandSize"), {{QStringLiteral("w:val"), QStringLiteral("1")}});
    tableBorders(x, QStringLiteral("5B7F95"));
    x.end();
    x.start(QStringLiteral("w:tblStylePr"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("firstRow"));
    x.start(QStringLiteral("w:rPr"));
    x.empty(QStringLiteral("w:color"), {{QStringLiteral("w:val"), QStringLiteral("FFFFFF")}});
    x.end();
    x.start(QStringLiteral("w:tcPr"));
    shading(x, QStringLiteral("1F5C7A"));
    x.end();
    x.end();
    x.start(QStringLiteral("w:tblStylePr"));
    x.attr(QStringLiteral("w:type"), QStringLiteral("band1Horz"));
    x.start(QStringLiteral("w:tcPr"));
    shading(x, QStringLiteral("DCEBF2"));
    x.end();
    x.end();
    x.end();

    x.end();
    return x.finish();
}

QByteArray contentTypes()
{
    Xml x;
    x.w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    x.start(QStringLiteral("Types"));
    x.empty(QStringLiteral("Default"), {{QStringLiteral("Extension"), QStringLiteral("rels")},
                                        {QStringLiteral("ContentType"),
                                         QStringLiteral("application/vnd.openxmlformats-package.relationships+xml")}});
    x.empty(QStringLiteral("Default"), {{QStringLiteral("Extension"), QStringLiteral("xml")},
                                        {QStringLiteral("ContentType"), QStringLiteral("application/xml")}});
    const std::initializer_list<std::pair<const char *, const char *>> overrides = {
        {"/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
        {"/word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
        {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
        {"/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml"}};
    for (const auto &[part, type] : overrides)
        x.empty(QStringLiteral("Override"), {{QStringLiteral("PartName"), QString::fromLatin1(part)},
                                             {QStringLiteral("ContentType"), QString::fromLatin1(type)}});
    x.end();
    return x.finish();
}

QByteArray relationships(std::initializer_list<std::pair<const char *, const char *>> targets)
{
    Xml x;
    x.w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
    x.start(QStringLiteral("Relationships"));
    int id = 1;
    for (const auto &[type, target] : targets)
        x.empty(QStringLiteral("Relationship"), {{QStringLiteral("Id"), QStringLiteral("rId%1").arg(id++)},
                                                 {QStringLiteral("Type"), QString::fromLatin1(type)},
                                                 {QStringLiteral("Target"), QString::fromLatin1(target)}});
    x.end();
    return x.finish();
}

QByteArray coreProperties()
{
    Xml x;
    x.w.writeNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties"),
                       QStringLiteral("cp"));
    x.w.writeNamespace(QStringLiteral("http://purl.org/dc/elements/1.1/"), QStringLiteral("dc"));
    x.w.writeNamespace(QStringLiteral("http://purl.org/dc/terms/"), QStringLiteral("dcterms"));
    x.w.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    x.start(QStringLiteral("cp:coreProperties"));
    x.w.writeTextElement(QStringLiteral("dc:creator"), QStringLiteral("Vicania"));
    x.start(QStringLiteral("dcterms:created"));
    x.attr(QStringLiteral("xsi:type"), QStringLiteral("dcterms:W3CDTF"));
    x.w.writeCharacters(QDateTime::currentDateTimeUtc().toString(Qt::ISODate));
    x.end();
    x.end();
    return x.finish();
}

QByteArray appProperties()
{
    Xml x;
    x.w.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
    x.start(QStringLiteral("Properties"));
    x.w.writeTextElement(QStringLiteral("Application"), QStringLiteral("Vicania"));
    x.end();
    return x.finish();
}

} // namespace

QString xmlSafe(const QString &text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.append(c).append(text[++i]);
            continue;
        }
        if (c.isSurrogate() || u == 0xFFFE || u == 0xFFFF)
            continue;
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r')
            continue;
        out.append(c);
    }
    return out;
}

QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document)
{
    const char *officeDocument = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument";
    const char *core = "http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties";
    const char *app = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties";
    const char *styles = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles";
    return {
        {QStringLiteral("[Content_Types].xml"), contentTypes()},
        {QStringLiteral("_rels/.rels"),
         relationships(
             {{officeDocument, "word/document.xml"}, {core, "docProps/core.xml"}, {app, "docProps/app.xml"}})},
        {QStringLiteral("docProps/core.xml"), coreProperties()},
        {QStringLiteral("docProps/app.xml"), appProperties()},
        {QStringLiteral("word/_rels/document.xml.rels"), relationships({{styles, "styles.xml"}})},
        {QStringLiteral("word/styles.xml"), stylesXml()},
        {QStringLiteral("word/document.xml"), documentXml(document)},
    };
}

bool write(const DocumentModel &document, const QString &path, QString *error)
{
    auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    const QList<std::pair<QString, QByteArray>> content = parts(document);
    // Built beside the target, then renamed: no half-written document.
    const QString temporary = path + QStringLiteral(".part");
    QFile::remove(temporary);
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(temporary).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip)
        return fail(QStringLiteral("impossibile creare il file"));
    for (const auto &[name, bytes] : content) {
        zip_source_t *source = zip_source_buffer(zip, bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source || zip_file_add(zip, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            zip_discard(zip);
            QFile::remove(temporary);
            return fail(QStringLiteral("errore nella scrittura del documento"));
        }
    }
    if (zip_close(zip) != 0) {
        const QString why = QString::fromLocal8Bit(zip_strerror(zip));
        zip_discard(zip);
        QFile::remove(temporary);
        return fail(why);
    }
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        return fail(QStringLiteral("impossibile dare il nome al file"));
    }
    return true;
}

} // namespace DocxFile
