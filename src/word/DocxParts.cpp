#include "DocxParts.h"

#include "DocxXml.h"

namespace DocxParts {

namespace {

using DocxXml::kW;
using DocxXml::Writer;

const QString kItalian = QStringLiteral("it-IT");

void border(Writer &x, const QString &side, const QString &colour)
{
    x.empty(QStringLiteral("w:") + side, {{QStringLiteral("w:val"), QStringLiteral("single")},
                                          {QStringLiteral("w:sz"), QStringLiteral("4")},
                                          {QStringLiteral("w:space"), QStringLiteral("0")},
                                          {QStringLiteral("w:color"), colour}});
}

void tableBorders(Writer &x, const QString &colour)
{
    x.start(QStringLiteral("w:tblBorders"));
    for (const QString side : {"top", "left", "bottom", "right", "insideH", "insideV"})
        border(x, side, colour);
    x.end();
}

void shading(Writer &x, const QString &fill)
{
    x.empty(QStringLiteral("w:shd"), {{QStringLiteral("w:val"), QStringLiteral("clear")},
                                      {QStringLiteral("w:color"), QStringLiteral("auto")},
                                      {QStringLiteral("w:fill"), fill}});
}

void fonts(Writer &x)
{
    const QString f = QString::fromLatin1(kFont);
    x.empty(QStringLiteral("w:rFonts"), {{QStringLiteral("w:ascii"), f},
                                         {QStringLiteral("w:hAnsi"), f},
                                         {QStringLiteral("w:cs"), f},
                                         {QStringLiteral("w:eastAsia"), f}});
}

void documentDefaults(Writer &x)
{
    x.start(QStringLiteral("w:docDefaults"));
    x.start(QStringLiteral("w:rPrDefault"));
    x.start(QStringLiteral("w:rPr"));
    fonts(x);
    x.val(QStringLiteral("w:sz"), QStringLiteral("24"));
    x.val(QStringLiteral("w:szCs"), QStringLiteral("24"));
    // Italian text is proofed as Italian, also once the user saves it again.
    x.empty(QStringLiteral("w:lang"), {{QStringLiteral("w:val"), kItalian},
                                       {QStringLiteral("w:eastAsia"), kItalian},
                                       {QStringLiteral("w:bidi"), QStringLiteral("ar-SA")}});
    x.end();
    x.end();
    x.start(QStringLiteral("w:pPrDefault"));
    x.start(QStringLiteral("w:pPr"));
    x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:after"), QStringLiteral("0")},
                                          {QStringLiteral("w:line"), QStringLiteral("240")},
                                          {QStringLiteral("w:lineRule"), QStringLiteral("auto")}});
    x.end();
    x.end();
    x.end();
}

void style(Writer &x, const char *type, const char *id, const char *name, bool isDefault)
{
    x.start(QStringLiteral("w:style"));
    x.attr(QStringLiteral("w:type"), QString::fromLatin1(type));
    if (isDefault)
        x.attr(QStringLiteral("w:default"), QStringLiteral("1"));
    x.attr(QStringLiteral("w:styleId"), QString::fromLatin1(id));
    x.val(QStringLiteral("w:name"), QString::fromLatin1(name));
}

// The normal paragraph, and the normal table with narrow cell margins.
void normalStyles(Writer &x)
{
    style(x, "paragraph", "Normale", "Normal", true);
    x.empty(QStringLiteral("w:qFormat"));
    x.end();

    style(x, "table", "TabellaNormale", "Normal Table", true);
    x.start(QStringLiteral("w:tblPr"));
    x.start(QStringLiteral("w:tblCellMar"));
    for (const QString side : {"w:left", "w:right"})
        x.empty(side,
                {{QStringLiteral("w:w"), QStringLiteral("57")}, {QStringLiteral("w:type"), QStringLiteral("dxa")}});
    x.end();
    x.end();
    x.end();
}

// Plain tables: a thin grid.
void gridStyle(Writer &x)
{
    style(x, "table", kGridStyle, "Table Grid", false);
    x.val(QStringLiteral("w:basedOn"), QStringLiteral("TabellaNormale"));
    x.start(QStringLiteral("w:tblPr"));
    tableBorders(x, QStringLiteral("000000"));
    x.end();
    x.end();
}

// Cells of one kind of row shaded with fill, their text white if asked.
void rowKind(Writer &x, const QString &type, const QString &fill, bool whiteText)
{
    x.start(QStringLiteral("w:tblStylePr"));
    x.attr(QStringLiteral("w:type"), type);
    if (whiteText) {
        x.start(QStringLiteral("w:rPr"));
        x.val(QStringLiteral("w:color"), QStringLiteral("FFFFFF"));
        x.end();
    }
    x.start(QStringLiteral("w:tcPr"));
    shading(x, fill);
    x.end();
    x.end();
}

// The coloured style that stands for Word's table format 9: a dark header
// row with white text, banded rows, thin borders.
void colourStyle(Writer &x)
{
    style(x, "table", kColourStyle, "Vicania colori", false);
    x.val(QStringLiteral("w:basedOn"), QStringLiteral("TabellaNormale"));
    x.start(QStringLiteral("w:tblPr"));
    x.val(QStringLiteral("w:tblStyleRowBandSize"), QStringLiteral("1"));
    tableBorders(x, QStringLiteral("5B7F95"));
    x.end();
    rowKind(x, QStringLiteral("firstRow"), QStringLiteral("1F5C7A"), true);
    rowKind(x, QStringLiteral("band1Horz"), QStringLiteral("DCEBF2"), false);
    x.end();
}

void relationship(Writer &x, const QString &id, const QString &type, const QString &target)
{
    x.empty(QStringLiteral("Relationship"),
            {{QStringLiteral("Id"), id}, {QStringLiteral("Type"), type}, {QStringLiteral("Target"), target}});
}

QByteArray relationships(std::initializer_list<std::pair<const char *, const char *>> targets, int pictures = 0,
                         int footers = 0)
{
    Writer x;
    x.w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/relationships"));
    x.start(QStringLiteral("Relationships"));
    int id = 1;
    for (const auto &[type, target] : targets)
        relationship(x, QStringLiteral("rId%1").arg(id++), QString::fromLatin1(type), QString::fromLatin1(target));
    for (int n = 1; n <= pictures; ++n)
        relationship(x, pictureRelationship(n),
                     QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/image"),
                     pictureTarget(n));
    for (int n = 1; n <= footers; ++n)
        relationship(x, footerRelationship(n),
                     QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/relationships/footer"),
                     footerTarget(n));
    x.end();
    return x.finish();
}

} // namespace

QString pictureRelationship(int n)
{
    return QStringLiteral("rIdPicture%1").arg(n);
}

QString pictureTarget(int n)
{
    return QStringLiteral("media/picture%1.png").arg(n);
}

QString footerRelationship(int n)
{
    return QStringLiteral("rIdFooter%1").arg(n);
}

QString footerTarget(int n)
{
    return QStringLiteral("footer%1.xml").arg(n);
}

QByteArray contentTypes(bool pictures, int footers)
{
    Writer x;
    x.w.writeDefaultNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/content-types"));
    x.start(QStringLiteral("Types"));
    x.empty(QStringLiteral("Default"), {{QStringLiteral("Extension"), QStringLiteral("rels")},
                                        {QStringLiteral("ContentType"),
                                         QStringLiteral("application/vnd.openxmlformats-package.relationships+xml")}});
    x.empty(QStringLiteral("Default"), {{QStringLiteral("Extension"), QStringLiteral("xml")},
                                        {QStringLiteral("ContentType"), QStringLiteral("application/xml")}});
    if (pictures)
        x.empty(QStringLiteral("Default"), {{QStringLiteral("Extension"), QStringLiteral("png")},
                                            {QStringLiteral("ContentType"), QStringLiteral("image/png")}});
    const std::initializer_list<std::pair<const char *, const char *>> overrides = {
        {"/word/document.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml"},
        {"/word/styles.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.styles+xml"},
        {"/word/settings.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.settings+xml"},
        {"/word/fontTable.xml", "application/vnd.openxmlformats-officedocument.wordprocessingml.fontTable+xml"},
        {"/docProps/core.xml", "application/vnd.openxmlformats-package.core-properties+xml"},
        {"/docProps/app.xml", "application/vnd.openxmlformats-officedocument.extended-properties+xml"}};
    for (const auto &[part, type] : overrides)
        x.empty(QStringLiteral("Override"), {{QStringLiteral("PartName"), QString::fromLatin1(part)},
                                             {QStringLiteral("ContentType"), QString::fromLatin1(type)}});
    for (int n = 1; n <= footers; ++n)
        x.empty(QStringLiteral("Override"),
                {{QStringLiteral("PartName"), QStringLiteral("/word/") + footerTarget(n)},
                 {QStringLiteral("ContentType"),
                  QStringLiteral("application/vnd.openxmlformats-officedocument.wordprocessingml.footer+xml")}});
    x.end();
    return x.finish();
}

QByteArray packageRelationships()
{
    return relationships(
        {{"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument", "word/document.xml"},
         {"http://schemas.openxmlformats.org/package/2006/relationships/metadata/core-properties", "docProps/core.xml"},
         {"http://schemas.openxmlformats.org/officeDocument/2006/relationships/extended-properties",
          "docProps/app.xml"}});
}

QByteArray documentRelationships(int pictures, int footers)
{
    return relationships(
        {{"http://schemas.openxmlformats.org/officeDocument/2006/relationships/styles", "styles.xml"},
         {"http://schemas.openxmlformats.org/officeDocument/2006/relationships/settings", "settings.xml"},
         {"http://schemas.openxmlformats.org/officeDocument/2006/relationships/fontTable", "fontTable.xml"}},
        pictures, footers);
}

QByteArray coreProperties(const QString &title, const QString &author, const QDateTime &when)
{
    Writer x;
    x.w.writeNamespace(QStringLiteral("http://schemas.openxmlformats.org/package/2006/metadata/core-properties"),
                       QStringLiteral("cp"));
    x.w.writeNamespace(QStringLiteral("http://purl.org/dc/elements/1.1/"), QStringLiteral("dc"));
    x.w.writeNamespace(QStringLiteral("http://purl.org/dc/terms/"), QStringLiteral("dcterms"));
    x.w.writeNamespace(QStringLiteral("http://www.w3.org/2001/XMLSchema-instance"), QStringLiteral("xsi"));
    x.start(QStringLiteral("cp:coreProperties"));
    x.w.writeTextElement(QStringLiteral("dc:title"), title);
    x.w.writeTextElement(QStringLiteral("dc:creator"), author);
    x.w.writeTextElement(QStringLiteral("cp:lastModifiedBy"), author);
    x.w.writeTextElement(QStringLiteral("dc:language"), kItalian);
    const QString stamp = when.toUTC().toString(Qt::ISODate);
    for (const QString element : {"dcterms:created", "dcterms:modified"}) {
        x.start(element);
        x.attr(QStringLiteral("xsi:type"), QStringLiteral("dcterms:W3CDTF"));
        x.w.writeCharacters(stamp);
        x.end();
    }
    x.end();
    return x.finish();
}

QByteArray appProperties()
{
    Writer x;
    x.w.writeDefaultNamespace(
        QStringLiteral("http://schemas.openxmlformats.org/officeDocument/2006/extended-properties"));
    x.start(QStringLiteral("Properties"));
    x.w.writeTextElement(QStringLiteral("Application"), QStringLiteral("Vicania"));
    x.end();
    return x.finish();
}

QByteArray settings()
{
    Writer x;
    x.w.writeNamespace(kW, QStringLiteral("w"));
    x.start(QStringLiteral("w:settings"));
    x.empty(QStringLiteral("w:zoom"), {{QStringLiteral("w:percent"), QStringLiteral("100")}});
    x.val(QStringLiteral("w:defaultTabStop"), QStringLiteral("708"));
    x.val(QStringLiteral("w:characterSpacingControl"), QStringLiteral("doNotCompress"));
    // Current Word behaviour, not the compatibility mode of older files.
    x.start(QStringLiteral("w:compat"));
    const std::initializer_list<std::pair<const char *, const char *>> compat = {
        {"compatibilityMode", "15"},
        {"overrideTableStyleFontSizeAndJustification", "1"},
        {"enableOpenTypeFeatures", "1"},
        {"doNotFlipMirrorIndents", "1"}};
    for (const auto &[name, value] : compat)
        x.empty(QStringLiteral("w:compatSetting"),
                {{QStringLiteral("w:name"), QString::fromLatin1(name)},
                 {QStringLiteral("w:uri"), QStringLiteral("http://schemas.microsoft.com/office/word")},
                 {QStringLiteral("w:val"), QString::fromLatin1(value)}});
    x.end();
    x.val(QStringLiteral("w:themeFontLang"), kItalian);
    x.val(QStringLiteral("w:decimalSymbol"), QStringLiteral(","));
    x.val(QStringLiteral("w:listSeparator"), QStringLiteral(";"));
    x.end();
    return x.finish();
}

QByteArray fontTable()
{
    Writer x;
    x.w.writeNamespace(kW, QStringLiteral("w"));
    x.start(QStringLiteral("w:fonts"));
    x.start(QStringLiteral("w:font"));
    x.attr(QStringLiteral("w:name"), QString::fromLatin1(kFont));
    // A geometric sans serif: where it is missing, a similar one stands in.
    x.val(QStringLiteral("w:panose1"), QStringLiteral("020B0502020202020204"));
    x.val(QStringLiteral("w:charset"), QStringLiteral("00"));
    x.val(QStringLiteral("w:family"), QStringLiteral("swiss"));
    x.val(QStringLiteral("w:pitch"), QStringLiteral("variable"));
    x.end();
    x.end();
    return x.finish();
}

QByteArray styles()
{
    Writer x;
    x.w.writeNamespace(kW, QStringLiteral("w"));
    x.start(QStringLiteral("w:styles"));
    documentDefaults(x);
    normalStyles(x);
    gridStyle(x);
    colourStyle(x);
    x.end();
    return x.finish();
}

} // namespace DocxParts
