#include "DocxFooter.h"

#include "DocumentModel.h"
#include "DocxParts.h"
#include "PageFlow.h"

namespace DocxFooter {

namespace {

using DocxXml::Writer;

// Small, beneath the text and well inside the bottom margin.
constexpr const char *kSize = "18";

void runProperties(Writer &x)
{
    x.start(QStringLiteral("w:rPr"));
    const QString f = QString::fromLatin1(DocxParts::kFont);
    x.empty(QStringLiteral("w:rFonts"), {{QStringLiteral("w:ascii"), f},
                                         {QStringLiteral("w:hAnsi"), f},
                                         {QStringLiteral("w:cs"), f},
                                         {QStringLiteral("w:eastAsia"), f}});
    x.val(QStringLiteral("w:sz"), QString::fromLatin1(kSize));
    x.val(QStringLiteral("w:szCs"), QString::fromLatin1(kSize));
    x.end();
}

void paragraphProperties(Writer &x)
{
    x.start(QStringLiteral("w:pPr"));
    x.empty(QStringLiteral("w:spacing"), {{QStringLiteral("w:before"), QStringLiteral("0")},
                                          {QStringLiteral("w:after"), QStringLiteral("0")},
                                          {QStringLiteral("w:line"), QStringLiteral("240")},
                                          {QStringLiteral("w:lineRule"), QStringLiteral("auto")}});
    x.val(QStringLiteral("w:jc"), QStringLiteral("center"));
    runProperties(x);
    x.end();
}

// A run holding one element: text, a field's character or its instruction.
void run(Writer &x, const QString &element, const QString &text, const char *fieldCharType = nullptr)
{
    x.start(QStringLiteral("w:r"));
    runProperties(x);
    if (fieldCharType) {
        x.empty(element, {{QStringLiteral("w:fldCharType"), QString::fromLatin1(fieldCharType)}});
    } else {
        x.start(element);
        x.attr(QStringLiteral("xml:space"), QStringLiteral("preserve"));
        x.w.writeCharacters(text);
        x.end();
    }
    x.end();
}

void field(Writer &x, const QString &instruction, int value)
{
    const QString fieldChar = QStringLiteral("w:fldChar");
    run(x, fieldChar, {}, "begin");
    run(x, QStringLiteral("w:instrText"), QStringLiteral(" %1 \\* Arabic ").arg(instruction));
    run(x, fieldChar, {}, "separate");
    run(x, QStringLiteral("w:t"), QString::number(value));
    run(x, fieldChar, {}, "end");
}

QByteArray footer(int pages, bool numbered)
{
    Writer x;
    x.w.writeNamespace(DocxXml::kW, QStringLiteral("w"));
    x.start(QStringLiteral("w:ftr"));
    x.start(QStringLiteral("w:p"));
    paragraphProperties(x);
    if (numbered) {
        // A footer is one for all pages: its stored page number is the first.
        run(x, QStringLiteral("w:t"), QStringLiteral("Pagina "));
        field(x, QStringLiteral("PAGE"), 1);
        run(x, QStringLiteral("w:t"), QStringLiteral(" di "));
        field(x, QStringLiteral("NUMPAGES"), pages);
    }
    x.end();
    x.end();
    return x.finish();
}

} // namespace

int storedPageCount(const DocumentModel &document)
{
    const int stated = document.statedPageCount();
    return stated > 0 ? stated : PageFlow::estimate(document).pages;
}

QList<std::pair<QString, QByteArray>> parts(const DocumentModel &document)
{
    using Numbers = DocumentModel::PageNumbers;
    if (document.pageNumbers() == Numbers::None)
        return {};
    QList<std::pair<QString, QByteArray>> out = {
        {QStringLiteral("word/") + DocxParts::footerTarget(1), footer(storedPageCount(document), true)}};
    if (document.pageNumbers() == Numbers::AfterCover)
        out.append({QStringLiteral("word/") + DocxParts::footerTarget(2), footer(0, false)});
    return out;
}

void references(Writer &x, const DocumentModel &document)
{
    using Numbers = DocumentModel::PageNumbers;
    if (document.pageNumbers() == Numbers::None)
        return;
    x.empty(QStringLiteral("w:footerReference"), {{QStringLiteral("w:type"), QStringLiteral("default")},
                                                  {QStringLiteral("r:id"), DocxParts::footerRelationship(1)}});
    if (document.pageNumbers() == Numbers::AfterCover)
        x.empty(QStringLiteral("w:footerReference"), {{QStringLiteral("w:type"), QStringLiteral("first")},
                                                      {QStringLiteral("r:id"), DocxParts::footerRelationship(2)}});
}

} // namespace DocxFooter
