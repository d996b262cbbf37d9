#include "grafico.h"

#include "core/AppGlobals.h"
#include "core/FileDialogs.h"
#include "core/Messenger.h"
#include "core/WholeFile.h"
#include "output/ChartPainter.h"
#include "output/ChartTexts.h"
#include "output/ResultsChart.h"
#include "study/Study.h"
#include "widgets/WindowHost.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <array>

namespace {

// The window's buttons: name, caption with its access key, tooltip.
struct ButtonRow {
    const char *name;
    const char *caption;
    const char *tooltip;
};
constexpr std::array<ButtonRow, 2> kButtons = {{
    {"esporta", "&Esporta grafico...", "Salva i due grafici come immagine PNG a 300 dpi, disegno SVG o documento PDF"},
    {"chiudi", "&Chiudi", "Chiude la finestra del grafico"},
}};

QChartView *chartView(QWidget *parent, const char *name)
{
    auto *view = new QChartView(parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(480, 260);
    return view;
}

// A file name without one of the three extensions gets the PNG one.
QString withExtension(const QString &path)
{
    return ChartPainter::formatOf(path) ? path : path + QStringLiteral(".png");
}

} // namespace

grafico::grafico(WindowHost &host, Study &study, FileDialogs &dialogs, ChartPainter &painter, QWidget *parent)
    : QWidget(parent), m_host(host), m_study(study), m_dialogs(dialogs), m_painter(painter)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vicania: ") + ChartTexts::kWindowTitle);
    buildControls();
    resize(760, 860);
    // A projection window loaded afresh brings a model of its own.
    connect(&m_study, &Study::projectionCreated, this, [this](ProjectionModel *model) {
        follow(model);
        update_display();
    });
    follow(m_study.hasProjection() ? &m_study.projection() : nullptr);
    update_display();
}

void grafico::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    m_pages = new QStackedWidget(this);
    m_sentence = new QLabel(ChartTexts::kNoCalculation, m_pages);
    m_sentence->setObjectName(QStringLiteral("nessuncalcolo"));
    m_sentence->setWordWrap(true);
    m_sentence->setAlignment(Qt::AlignCenter);
    m_sentence->setMargin(40);
    m_pages->addWidget(m_sentence);
    auto *charts = new QWidget(m_pages);
    auto *column = new QVBoxLayout(charts);
    column->setContentsMargins(0, 0, 0, 0);
    m_inhabitants = chartView(charts, "graficoabitanti");
    m_components = chartView(charts, "graficomovimento");
    column->addWidget(m_inhabitants);
    column->addWidget(m_components);
    m_pages->addWidget(charts);
    layout->addWidget(m_pages, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    for (const ButtonRow &row : kButtons) {
        auto *button = new QPushButton(QString::fromUtf8(row.caption), this);
        button->setObjectName(QString::fromLatin1(row.name));
        button->setToolTip(QString::fromUtf8(row.tooltip));
        buttons->addWidget(button);
    }
    layout->addLayout(buttons);
    connect(findChild<QPushButton *>(QStringLiteral("esporta")), &QPushButton::clicked, this,
            [this] { esporta_Click(); });
    connect(findChild<QPushButton *>(QStringLiteral("chiudi")), &QPushButton::clicked, this, &QWidget::close);
}

void grafico::follow(ProjectionModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (m_model)
        connect(m_model, &ProjectionModel::changed, this, &grafico::update_display);
}

bool grafico::showsChart() const
{
    return m_pages->currentIndex() == 1;
}

void grafico::update_display()
{
    // Reading the study never makes a projection that is not there.
    const ChartData now = m_model ? ChartData::of(m_study.snapshot()) : ChartData();
    if (m_drawn && now == m_shown)
        return;
    m_shown = now;
    m_drawn = true;
    m_pages->setCurrentIndex(m_shown.isEmpty() ? 0 : 1);
    if (m_shown.isEmpty())
        return;
    // The views own their charts: setting a new one deletes the old.
    QChart *oldTop = m_inhabitants->chart(), *oldBottom = m_components->chart();
    m_inhabitants->setChart(ResultsChart::inhabitants(m_shown));
    m_components->setChart(ResultsChart::components(m_shown));
    delete oldTop;
    delete oldBottom;
}

bool grafico::esporta_Click()
{
    update_display();
    if (m_shown.isEmpty()) {
        m_host.messenger().show({ChartTexts::kExportNeedsCalculation, appGlobals().HelpTitle, Message::Icon::Critical});
        return false;
    }
    const QString proposed = m_fileName.isEmpty() ? ChartTexts::kExportName : m_fileName;
    const auto format = ChartPainter::formatOf(proposed);
    const int filter = format == ChartPainter::Format::Svg ? 2 : format == ChartPainter::Format::Pdf ? 3 : 1;
    const auto path = m_dialogs.choose(
        {FileDialogRequest::Kind::Save, ChartTexts::kExportTitle, ChartTexts::kExportFilter, filter, proposed});
    if (!path || path->isEmpty())
        return false;
    m_fileName = withExtension(*path);
    return esporta(m_fileName);
}

bool grafico::esporta(const QString &path)
{
    const auto format = ChartPainter::formatOf(path);
    const QByteArray bytes = m_model && format ? m_painter.file(m_study.snapshot(), *format) : QByteArray();
    QString why = QStringLiteral("il grafico non si è potuto disegnare");
    if (!bytes.isEmpty() && WholeFile::write(path, bytes, &why))
        return true;
    m_host.messenger().show({ChartTexts::exportFailed(path, why), appGlobals().HelpTitle, Message::Icon::Critical});
    return false;
}

void grafico::showEvent(QShowEvent *event)
{
    // The title page may have new names for the title.
    update_display();
    QWidget::showEvent(event);
}

void grafico::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}
