#include "MainToolbar.h"

#include "Look.h"

#include <QAction>
#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QToolBar>
#include <algorithm>
#include <array>

namespace MainToolbar {

namespace {

// The picture of each position, the same in both windows (0: a separator).
QStyle::StandardPixmap picture(int position)
{
    static const std::array<QStyle::StandardPixmap, 17> pictures = {
        QStyle::SP_CustomBase,
        QStyle::SP_DialogOpenButton,
        QStyle::SP_DialogSaveButton,
        QStyle::SP_TrashIcon,
        QStyle::SP_FileIcon,
        QStyle::SP_CustomBase,
        QStyle::SP_FileDialogDetailedView,
        QStyle::SP_FileDialogInfoView,
        QStyle::SP_CustomBase,
        QStyle::SP_TitleBarContextHelpButton,
        QStyle::SP_FileDialogContentsView,
        QStyle::SP_DriveNetIcon,
        QStyle::SP_MessageBoxInformation,
        QStyle::SP_CustomBase,
        QStyle::SP_DialogApplyButton,
        QStyle::SP_DialogResetButton,
        QStyle::SP_DialogCloseButton,
    };
    return pictures[std::size_t(position)];
}

// The data check: "ABC" with a green tick below, as the help describes it.
QIcon checkPicture()
{
    QIcon icon;
    for (const int side : {16, 32, 48}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(side * 7 / 16);
        font.setBold(true);
        font.setStretch(QFont::Condensed);
        p.setFont(font);
        p.setPen(QColor(0, 0, 128));
        p.drawText(QRectF(0, 0, side, side * 0.55), Qt::AlignCenter, QStringLiteral("ABC"));
        QPainterPath tick;
        tick.moveTo(side * 0.22, side * 0.72);
        tick.lineTo(side * 0.42, side * 0.92);
        tick.lineTo(side * 0.82, side * 0.58);
        p.setPen(QPen(QColor(0, 150, 0), side / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(tick);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// How many pixels of a picture, laid on the background, stand out from it by
// a contrast of 3 to 1, as graphics need.
int standingOut(const QImage &picture, const QColor &background)
{
    int strong = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            const double a = c.alphaF();
            const QColor laid = QColor::fromRgbF(float(c.redF() * a + background.redF() * (1 - a)),
                                                 float(c.greenF() * a + background.greenF() * (1 - a)),
                                                 float(c.blueF() * a + background.blueF() * (1 - a)));
            strong += Look::contrast(laid, background) >= 3 ? 1 : 0;
        }
    }
    return strong;
}

QImage picture(const QIcon &icon, int side)
{
    return icon.pixmap(QSize(side, side), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

// The picture with its lightness turned round, hue and transparency kept: a
// black sign turns white.
QImage turnedRound(QImage image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            image.setPixelColor(x, y,
                                QColor::fromHslF(c.hslHueF(), c.hslSaturationF(), 1 - c.lightnessF(), c.alphaF()));
        }
    }
    return image;
}

// The picture with an edge of that colour around its shape, a sixteenth of
// its side wide.
QImage edged(const QImage &image, const QColor &edge)
{
    const int reach = std::max(1, image.width() / 16);
    auto solid = [&image](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && qAlpha(image.pixel(x, y)) >= 128;
    };
    QImage result = image;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            bool near = false;
            for (int dy = -reach; dy <= reach && !near && !solid(x, y); ++dy)
                for (int dx = -reach; dx <= reach && !near; ++dx)
                    near = solid(x + dx, y + dy);
            if (near)
                result.setPixelColor(x, y, edge);
        }
    }
    return result;
}

// A picture that nearly vanishes on the toolbar's background is mended: on a
// dark background its lightness is turned round, as dark desktops draw their
// signs; on a light one it gets a dark edge. One that reads stays as it is.
QIcon readable(const QIcon &icon, const QColor &background)
{
    const QImage small = picture(icon, 16);
    if (standingOut(small, background) * 16 >= small.width() * small.height())
        return icon;
    const bool dark = background.lightnessF() < 0.5;
    QIcon mended;
    for (const int side : {16, 32, 48}) {
        const QImage image = picture(icon, side);
        mended.addPixmap(QPixmap::fromImage(dark ? turnedRound(image) : edged(image, Look::textFor(background))));
    }
    return mended;
}

// The bar in the desktop's colours, as the menu bar above it, whatever the
// window paints under it (the title page's grey); each picture readable on
// it, again when the desktop's palette changes.
class Pictures : public QObject {
public:
    explicit Pictures(QToolBar *bar) : QObject(bar), m_bar(bar)
    {
        desktopColours();
        bar->setAutoFillBackground(true);
        bar->installEventFilter(this);
    }
    void add(QAction *action, const QIcon &icon)
    {
        m_icons.emplace_back(action, icon);
        action->setIcon(readable(icon, background()));
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_bar && event->type() == QEvent::ApplicationPaletteChange)
            desktopColours();
        if (watched == m_bar && event->type() == QEvent::PaletteChange) {
            for (const auto &[action, icon] : m_icons)
                action->setIcon(readable(icon, background()));
        }
        return false;
    }

private:
    // Every colour set, so none is taken from the window under the bar.
    void desktopColours()
    {
        const QPalette desktop = QGuiApplication::palette();
        QPalette own = desktop;
        for (int g = 0; g < QPalette::NColorGroups; ++g)
            for (int r = 0; r < QPalette::NColorRoles; ++r)
                own.setColor(QPalette::ColorGroup(g), QPalette::ColorRole(r),
                             desktop.color(QPalette::ColorGroup(g), QPalette::ColorRole(r)));
        m_bar->setPalette(own);
    }
    QColor background() const { return m_bar->palette().color(m_bar->backgroundRole()); }
    QToolBar *m_bar;
    std::vector<std::pair<QAction *, QIcon>> m_icons;
};

} // namespace

QToolBar *build(QWidget *client, int widthTwips, const std::vector<Button> &buttons,
                const std::function<void(int)> &dispatch)
{
    auto *bar = new QToolBar(client);
    bar->setObjectName(QStringLiteral("Toolbar1"));
    bar->setIconSize(QSize(16, 16));
    // Only the width follows the window, as a toolbar aligned to the top.
    bar->setProperty("Tag", QStringLiteral("@W"));
    Look::place(bar, 0, 0, widthTwips, 420);
    auto *pictures = new Pictures(bar);
    int next = 1;
    for (const Button &b : buttons) {
        for (; next < b.position; ++next)
            bar->addSeparator();
        const QIcon icon = b.position == 14 ? checkPicture() : client->style()->standardIcon(picture(b.position));
        // The tooltip is also its text, the name a screen reader says.
        QAction *a = bar->addAction(b.toolTip);
        pictures->add(a, icon);
        a->setToolTip(b.toolTip);
        a->setObjectName(QStringLiteral("Toolbar1_%1").arg(b.position));
        const int position = b.position;
        QObject::connect(a, &QAction::triggered, bar, [dispatch, position] { dispatch(position); });
        next = b.position + 1;
    }
    return bar;
}

} // namespace MainToolbar
