#include "ipotesi.h"

#include "HypothesesTexts.h"
#include "estimate/NumberReading.h"
#include "output/ChartData.h"
#include "output/ResultsChart.h"
#include "widgets/Controls.h"
#include "widgets/WindowHost.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Kind = Hypotheses::Kind;

QTableWidget *table(QWidget *parent, const char *name, const QString &accessibleName, int columns)
{
    auto *t = new QTableWidget(0, columns, parent);
    t->setObjectName(QString::fromLatin1(name));
    t->setAccessibleName(accessibleName);
    t->setTabKeyNavigation(false);
    t->setAlternatingRowColors(true);
    return t;
}

QLabel *caption(QWidget *parent, const QString &text, QWidget *buddy)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

QTableWidgetItem *cell(const QString &text, bool editable)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    item->setFlags(editable ? item->flags() | Qt::ItemIsEditable : item->flags() & ~Qt::ItemIsEditable);
    return item;
}

QPushButton *button(QWidget *parent, const char *name, const char *text, const char *tip)
{
    auto *b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setAccessibleName(QString(QString::fromUtf8(text)).remove(u'&'));
    return b;
}

// The year and the three hypotheses' columns, as wide in both tables, so the
// results stand under their columns.
void columnWidths(QTableWidget *t)
{
    t->setColumnWidth(0, 70);
    for (int c = 1; c < 4; ++c)
        t->setColumnWidth(c, 92);
}

} // namespace

ipotesi::ipotesi(WindowHost &host, Study &study, QWidget *parent)
    : QWidget(parent), m_host(host), m_model(study, host.messenger())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vicania: ") + HypothesesTexts::kWindowTitle);
    buildControls();
    resize(1000, 700);
    connect(&m_model, &HypothesesModel::changed, this, &ipotesi::update_display);
    update_display();
}

void ipotesi::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *guidance = new QLabel(HypothesesTexts::kGuidance, this);
    guidance->setWordWrap(true);
    layout->addWidget(guidance);
    auto *columns = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildValues());
    left->addWidget(buildResults(), 1);
    // As wide as its tables, whatever the fonts; the chart takes the rest.
    auto *tables = new QWidget(this);
    tables->setLayout(left);
    tables->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    left->setContentsMargins(0, 0, 0, 0);
    columns->addWidget(tables);
    m_pages = new QStackedWidget(this);
    auto *sentence = new QLabel(HypothesesTexts::kNoResults, m_pages);
    sentence->setObjectName(QStringLiteral("nessunrisultato"));
    sentence->setWordWrap(true);
    sentence->setAlignment(Qt::AlignCenter);
    sentence->setMargin(40);
    m_pages->addWidget(sentence);
    m_chart = new QChartView(m_pages);
    m_chart->setObjectName(QStringLiteral("graficoipotesi"));
    m_chart->setRenderHint(QPainter::Antialiasing);
    m_chart->setMinimumSize(480, 320);
    m_chart->setFocusPolicy(Qt::NoFocus);
    m_pages->addWidget(m_chart);
    columns->addWidget(m_pages, 1);
    layout->addLayout(columns, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *close = button(this, "chiudi", "C&hiudi", "Chiude la finestra delle ipotesi");
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    Controls::escapeClicks(this, QStringLiteral("chiudi"));
}

// The four inputs, their low, central and high values, and the button.
QWidget *ipotesi::buildValues()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_values = table(box, "valori", QStringLiteral("Valori delle ipotesi bassa, centrale e alta"), 3);
    column->addWidget(caption(box, QStringLiteral("&Valori delle ipotesi"), m_values));
    QStringList heads;
    for (const Kind kind : Hypotheses::kKinds)
        heads << Hypotheses::name(kind);
    m_values->setHorizontalHeaderLabels(heads);
    m_values->setRowCount(int(Hypotheses::kVaried.size()));
    QStringList captions;
    for (const ProjectionInput input : Hypotheses::kVaried)
        captions << ProjectionInputs::caption(input);
    m_values->setVerticalHeaderLabels(captions);
    for (int c = 0; c < 3; ++c)
        m_values->setColumnWidth(c, 80);
    m_values->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_values->setSelectionMode(QAbstractItemView::SingleSelection);
    m_values->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_values->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_values->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    column->addWidget(m_values);
    // After the editor has closed, so a refusal never opens inside it.
    connect(m_values, &QTableWidget::itemChanged, this, &ipotesi::typed, Qt::QueuedConnection);
    QPushButton *calcola = button(box, "calcolaipotesi", "&Calcola ipotesi",
                                  "Calcola le tre ipotesi con i dati della finestra di calcolo e questi valori");
    connect(calcola, &QPushButton::clicked, this, [this] { m_model.calcolaIpotesi(); });
    auto *row = new QHBoxLayout;
    row->addWidget(calcola);
    row->addStretch();
    column->addLayout(row);
    return box;
}

// The inhabitants year by year and, in a row under them, the results.
QWidget *ipotesi::buildResults()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_years = table(box, "abitanti", QStringLiteral("Abitanti delle tre ipotesi anno per anno"), 4);
    m_yearsCaption = caption(box, QStringLiteral("&Abitanti anno per anno"), m_years);
    column->addWidget(m_yearsCaption);
    QStringList heads{HypothesesTexts::kYear};
    for (const Kind kind : Hypotheses::kKinds)
        heads << Hypotheses::name(kind);
    m_years->setHorizontalHeaderLabels(heads);
    m_years->verticalHeader()->hide();
    m_years->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_years->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    columnWidths(m_years);
    column->addWidget(m_years, 1, Qt::AlignLeft);
    m_results = table(box, "risultati", QStringLiteral("Risultati delle tre ipotesi"), 4);
    m_results->setRowCount(1);
    m_results->horizontalHeader()->hide();
    m_results->verticalHeader()->hide();
    m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_results->setFixedSize(70 + 3 * 92 + 2 * m_results->frameWidth(),
                            m_results->rowHeight(0) + 2 * m_results->frameWidth());
    columnWidths(m_results);
    column->addWidget(m_results, 0, Qt::AlignLeft);
    m_years->setMinimumWidth(70 + 3 * 92 + m_years->verticalScrollBar()->sizeHint().width() +
                             2 * m_years->frameWidth());
    return box;
}

void ipotesi::typed(QTableWidgetItem *item)
{
    if (!item || item->column() == 1)
        return;
    const Kind kind = item->column() == 0 ? Kind::Low : Kind::High;
    m_model.setValue(kind, Hypotheses::kVaried[std::size_t(item->row())], item->text());
}

void ipotesi::update_display()
{
    showValues();
    showResults();
    showChart();
}

void ipotesi::showValues()
{
    const QSignalBlocker quiet(m_values);
    for (std::size_t r = 0; r < Hypotheses::kVaried.size(); ++r) {
        for (const Kind kind : Hypotheses::kKinds) {
            const QString text = m_model.value(kind, Hypotheses::kVaried[r]);
            QTableWidgetItem *item = m_values->item(int(r), int(kind));
            if (!item) {
                item = cell(text, kind != Kind::Central);
                if (kind == Kind::Central)
                    item->setBackground(palette().window());
                m_values->setItem(int(r), int(kind), item);
            } else if (item->text() != text)
                item->setText(text);
        }
    }
}

void ipotesi::showResults()
{
    const auto &results = m_model.results();
    const int rows = results ? int(results->rows()) : 0;
    m_years->setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        const auto i = std::size_t(r);
        m_years->setItem(r, 0, cell(QString::number(results->columns[1].years[i]), false));
        for (const Kind kind : Hypotheses::kKinds)
            m_years->setItem(r, 1 + int(kind),
                             cell(ChartNumbers::italian(results->column(kind).inhabitants[i]), false));
    }
    m_results->setItem(0, 0, cell(results ? HypothesesTexts::kResult : QString(), false));
    for (const Kind kind : Hypotheses::kKinds) {
        const auto value = results ? NumberReading::italianNumber(results->column(kind).result) : std::nullopt;
        m_results->setItem(0, 1 + int(kind), cell(value ? ChartNumbers::italian(*value) : QString(), false));
    }
    for (QWidget *w :
         {static_cast<QWidget *>(m_yearsCaption), static_cast<QWidget *>(m_years), static_cast<QWidget *>(m_results)})
        w->setVisible(results.has_value());
}

void ipotesi::showChart()
{
    const HypothesesChartData now = m_model.chart();
    if (m_drawn && now == m_shown)
        return;
    m_shown = now;
    m_drawn = true;
    m_pages->setCurrentIndex(m_shown.isEmpty() ? 0 : 1);
    if (m_shown.isEmpty())
        return;
    // The view owns its chart: setting a new one leaves the old to us.
    QChart *old = m_chart->chart();
    m_chart->setChart(ResultsChart::hypotheses(m_shown));
    delete old;
}

void ipotesi::showEvent(QShowEvent *event)
{
    // The title page may have new names for the title.
    update_display();
    QWidget::showEvent(event);
}

void ipotesi::closeEvent(QCloseEvent *event)
{
    m_host.forget(this);
    event->accept();
}
