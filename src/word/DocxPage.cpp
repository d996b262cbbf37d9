#include "DocxPage.h"

namespace DocxPage {

namespace {

bool startsPage(const DocumentModel::Block &b)
{
    if (const auto *p = std::get_if<DocumentModel::Paragraph>(&b))
        return p->pageBreakBefore;
    return std::get<DocumentModel::Table>(b).pageBreakBefore;
}

bool isEmptyParagraph(const DocumentModel::Block &b)
{
    const auto *p = std::get_if<DocumentModel::Paragraph>(&b);
    return p && p->runs.isEmpty();
}

// Which blocks are empty paragraphs that only lead up to a new page or the
// end of the document.
QList<bool> compactBlocks(const QList<DocumentModel::Block> &blocks)
{
    QList<bool> compact(blocks.size(), false);
    bool beforeBreak = true;
    for (qsizetype i = blocks.size() - 1; i >= 0; --i) {
        compact[i] = beforeBreak && isEmptyParagraph(blocks[i]) && !startsPage(blocks[i]);
        if (startsPage(blocks[i]))
            beforeBreak = true;
        else if (!isEmptyParagraph(blocks[i]))
            beforeBreak = false;
    }
    return compact;
}

} // namespace

Page page(bool landscape)
{
    constexpr int kShort = 11906, kLong = 16838; // A4
    constexpr int kTop = 1417, kOther = 1134, kHeader = 708;
    return landscape ? Page{kLong, kShort, kTop, kOther, kOther, kOther, kHeader, kHeader}
                     : Page{kShort, kLong, kTop, kOther, kOther, kOther, kHeader, kHeader};
}

QSize pictureSize(QSize pixels, const Page &pg)
{
    constexpr qint64 kPerTwip = 635;
    double width = double(pg.textWidth()) * kPerTwip;
    double height = width * pixels.height() / pixels.width();
    const double room = double(pg.textHeight()) * kPerTwip * 0.9;
    if (height > room) {
        width *= room / height;
        height = room;
    }
    return {int(width), int(height)};
}

QSize pictureSize(QSize pixels, bool landscape)
{
    return pictureSize(pixels, page(landscape));
}

QList<bool> compactParagraphs(const DocumentModel &document)
{
    return compactBlocks(document.blocks());
}

} // namespace DocxPage
