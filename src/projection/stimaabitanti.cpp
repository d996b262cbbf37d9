#include "stimaabitanti.h"

#include "ProjectionTexts.h"
#include "core/AppGlobals.h"
#include "widgets/Look.h"
#include "widgets/MainToolbar.h"
#include "core/Messenger.h"
#include "app/Program.h"
#include "widgets/StudyDrop.h"
#include "scaling/clsResize.h"
#include "widgets/OfficeDialog.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QToolBar>

using F = ProjectionModel::Field;

namespace {

// Designed geometry in twips of the client area (below the menu bar).
struct Place {
    int left, top, width, height;
};

// labello(i) and the text box it names; abitnoti is named by Label10.
constexpr std::array<Place, 10> kLabelloPlace = {{
    {120, 570, 1560, 300}, // anno1
    {120, 1425, 1560, 390},
    {120, 1821, 1560, 390},
    {120, 2217, 1560, 390},
    {120, 2613, 1560, 390},
    {120, 3009, 1560, 390},
    {120, 3405, 1560, 390},
    {120, 3801, 1560, 390}, // emigr
    {120, 4320, 1560, 300}, // anno2
    {120, 4710, 1560, 600}, // share
}};
constexpr std::array<Place, 10> kFieldPlace = {{
    {1740, 555, 900, 300}, // anno1
    {120, 975, 900, 300},  // abitnoti
    {1740, 1470, 900, 300},
    {1740, 1866, 900, 300},
    {1740, 2262, 900, 300},
    {1740, 2658, 900, 300},
    {1740, 3054, 900, 300},
    {1740, 3450, 900, 300},
    {1740, 3846, 900, 300},
    {1740, 4320, 900, 300}, // anno2
}};

constexpr int kGridLeft = 2760, kGridPitch = 720, kCellWidth = 735;
constexpr int kHeaderTop = 1440, kHeaderHeight = 375, kRowTop = 1800, kRowPitch = 240, kRowHeight = 255;

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, Place p)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name);
    Look::place(l, p.left, p.top, p.width, p.height);
    return l;
}

} // namespace

stimaabitanti::stimaabitanti(Program &program, QWidget *parent)
    : QMainWindow(parent), m_program(program), m_model(program.messenger(), program.dialogs(), program.titlePage())
{
    m_model.setDocumentOutput(&program.documents());
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vicania: stima del numero di abitanti in una località"));
    StudyDrop::install(this);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    resize(Look::px(9700), Look::px(6825));

    buildToolbar();
    buildInputs();
    buildGrid();
    buildButtons();
    buildMenus();
    connect(&m_model, &ProjectionModel::changed, this, &stimaabitanti::update_display);
    // The span refusal asked the exit question itself; on Yes the program
    // leaves as the exit command does.
    connect(&m_model, &ProjectionModel::exitConfirmed, this, [] { Modulo::LeaveToSplash(); });
    Look::plainLabels(this);
    Form_Load();
}

void stimaabitanti::Form_Load()
{
    // The layout is recorded at the designed size, then the window is centred
    // at three quarters of the screen and given its fixed size again.
    m_resize = clsResize::load(this, m_client, 9700, 6825);
    update_display();
}

void stimaabitanti::buildToolbar()
{
    m_toolbar = MainToolbar::build(m_client, 9700, QStringLiteral("cancella dati immessi"),
                                   [this](int position) { Toolbar1_ButtonClick(position); });
}

void stimaabitanti::buildInputs()
{
    for (int i = 1; i <= 10; ++i) {
        QLabel *l = makeLabel(m_client, QStringLiteral("labello_%1").arg(i), ProjectionTexts::labelloCaption(i),
                              Place{kLabelloPlace[i - 1].left, kLabelloPlace[i - 1].top, kLabelloPlace[i - 1].width,
                                    kLabelloPlace[i - 1].height});
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        l->setToolTip(ProjectionModel::labelloTooltip(i));
        if (i <= 9)
            l->setBuddy(nullptr);
    }
    for (int i = 0; i < ProjectionModel::kFieldCount; ++i) {
        const F field = static_cast<F>(i);
        auto *edit = new QLineEdit(m_client);
        edit->setObjectName(ProjectionModel::fieldName(field));
        edit->setToolTip(ProjectionTexts::fieldTooltip(i));
        const Place p = kFieldPlace[static_cast<std::size_t>(i)];
        Look::place(edit, p.left, p.top, p.width, p.height);
        if (field == F::immigr || field == F::emigr)
            Look::paint(edit, Look::bgr(Look::kLightCyan));
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString &text) { m_model.setText(field, text); });
        m_fields[static_cast<std::size_t>(i)] = edit;
    }
    // Tab order follows the window's order of the fields.
    for (int i = 0; i + 1 < ProjectionModel::kFieldCount; ++i)
        setTabOrder(m_fields[static_cast<std::size_t>(i)], m_fields[static_cast<std::size_t>(i + 1)]);

    QLabel *label10 =
        makeLabel(m_client, QStringLiteral("Label10"),
                  QStringLiteral("  <---- numero di abitanti nell'anno di partenza"), {1080, 990, 3330, 270});
    label10->setToolTip(QStringLiteral("Dato da prelevare dalle statistiche o da verificare con il calcolo a ritroso"));

    m_pdf = makeLabel(m_client, QStringLiteral("pdf"), QStringLiteral("25"), {1740, 4770, 480, 300});
    m_pdf->setToolTip(QStringLiteral("Scegli il valore con la barra di scorrimento verticale"));
    m_pdf->setAlignment(Qt::AlignCenter);
    m_pdf->setFrameShape(QFrame::Panel);
    m_pdf->setFrameShadow(QFrame::Sunken);
    Look::paint(m_pdf, Qt::white);

    m_vscroll2 = new QScrollBar(Qt::Vertical, m_client);
    m_vscroll2->setObjectName(QStringLiteral("VScroll2"));
    // 40 at the top, 10 at the bottom: one step down gives 39.
    m_vscroll2->setRange(ProjectionModel::kShareMinimum, ProjectionModel::kShareMaximum);
    m_vscroll2->setInvertedAppearance(true);
    m_vscroll2->setInvertedControls(false);
    m_vscroll2->setSingleStep(1);
    m_vscroll2->setPageStep(1);
    m_vscroll2->setValue(ProjectionModel::kShareMaximum);
    Look::place(m_vscroll2, 2280, 4710, 255, 600);
    connect(m_vscroll2, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_refreshing)
            m_model.setVScroll2(v);
    });

    auto *avviso = new QPushButton(QStringLiteral("?"), m_client);
    avviso->setObjectName(QStringLiteral("avviso"));
    Look::place(avviso, 1740, 5130, 480, 300);
    connect(avviso, &QPushButton::clicked, &m_model, &ProjectionModel::avviso_Click);

    QLabel *label1 =
        makeLabel(m_client, QStringLiteral("Label1"), QStringLiteral("Segui questi passaggi:"), {4440, 465, 5040, 240});
    QFont bold = font();
    bold.setBold(true);
    label1->setFont(bold);
    m_passo = makeLabel(m_client, QStringLiteral("passo"), QString(), {4440, 705, 5040, 690});
    m_passo->setWordWrap(true);
    m_passo->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_passo->setMargin(2);
    Look::paint(m_passo, Look::bgr(Look::kYellow), Qt::black);
}

void stimaabitanti::buildGrid()
{
    for (int c = 0; c < kGridColumnCount; ++c) {
        const auto column = static_cast<GridColumn>(c);
        const int left = kGridLeft + kGridPitch * c;
        QLabel *header = makeLabel(m_client, QStringLiteral("header_%1").arg(c + 1), gridHeaderCaption(column),
                                   {left, kHeaderTop, kCellWidth, kHeaderHeight});
        header->setAlignment(Qt::AlignCenter);
        header->setToolTip(gridHeaderTooltip(column));
        header->setFrameShape(QFrame::Box);
        Look::paint(header, Look::bgr(Look::kYellow), Qt::black);
        static const std::array<const char *, kGridColumnCount> names = {
            "ann", "abit", "imm", "em", "donne", "figli", "morti", "mortivecch", "aument"};
        for (int k = 1; k <= 10; ++k) {
            QLabel *cell = makeLabel(m_client, QStringLiteral("%1_%2").arg(QLatin1String(names[c])).arg(k), QString(),
                                     {left, kRowTop + kRowPitch * (k - 1), kCellWidth, kRowHeight});
            cell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            cell->setFrameShape(QFrame::Box);
            cell->setMargin(1);
            Look::paint(cell, Look::bgr(Look::kCyan), column == GridColumn::ann ? Qt::black : QColor());
            if (column == GridColumn::ann) {
                cell->setMouseTracking(true);
                cell->installEventFilter(this);
                cell->setProperty("row", k);
            }
            m_cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(k - 1)] = cell;
        }
    }
    m_vscroll1 = new QScrollBar(Qt::Vertical, m_client);
    m_vscroll1->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll1->setRange(1, 1);
    m_vscroll1->setSingleStep(1);
    m_vscroll1->setPageStep(10);
    m_vscroll1->setTracking(false); // a dragged thumb redraws when released
    Look::place(m_vscroll1, 9240, 1800, 255, 2415);
    connect(m_vscroll1, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_refreshing)
            m_model.setVScroll1(v);
    });
}

QPushButton *stimaabitanti::button(const QString &name, const QString &caption, const QString &tooltip,
                                   std::array<int, 4> g, void (stimaabitanti::*handler)())
{
    auto *b = new QPushButton(caption, m_client);
    b->setObjectName(name);
    b->setToolTip(tooltip);
    Look::place(b, g[0], g[1], g[2], g[3]);
    if (handler)
        connect(b, &QPushButton::clicked, this, handler);
    return b;
}

void stimaabitanti::buildButtons()
{
    QLabel *label7 = makeLabel(m_client, QStringLiteral("Label7"),
                               QStringLiteral("numero di abitanti calcolato  ----> "), {2760, 4350, 2460, 270});
    label7->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label7->setToolTip(
        QStringLiteral("Dato che si può verificare a ritroso e poi modificare fino a raggiungere il dato di "
                       "partenza"));
    m_popolazione = makeLabel(m_client, QStringLiteral("popolazione"), QString(), {5280, 4305, 1260, 360});
    m_popolazione->setToolTip(QStringLiteral("Risultato del calcolo"));
    m_popolazione->setAlignment(Qt::AlignCenter);
    m_popolazione->setFrameShape(QFrame::Box);
    QFont big = font();
    big.setBold(true);
    big.setPointSizeF(10);
    m_popolazione->setFont(big);
    Look::paint(m_popolazione, Look::bgr(Look::kYellow), Qt::black);

    m_calcola = button(QStringLiteral("calcola"), QStringLiteral("&Calcola -->"),
                       QStringLiteral("Clicca per calcolare il numero degli abitanti dell'anno indicato"),
                       {6660, 4290, 1380, 390}, nullptr);
    QFont bold = font();
    bold.setBold(true);
    m_calcola->setFont(bold);
    connect(m_calcola, &QPushButton::clicked, &m_model, &ProjectionModel::calcola_Click);
    m_verifica = button(QStringLiteral("verifica"), QStringLiteral("&Verifica -->"),
                        QStringLiteral("Clicca per controllare il calcolo a ritroso con i medesimi dati (il risultato "
                                       "sarà arrotondato)"),
                        {8100, 4290, 1380, 390}, nullptr);
    connect(m_verifica, &QPushButton::clicked, &m_model, &ProjectionModel::verifica_Click);
    m_riequilibra = button(QStringLiteral("riequilibra"), QStringLiteral("&Riequilibra "),
                           QStringLiteral("Clicca per riequilibrare il calcolo ai dati immessi"),
                           {2760, 4830, 1260, 390}, &stimaabitanti::riequilibra_Click);
    m_frontespiz = button(QStringLiteral("frontespiz"), QStringLiteral("&Frontespizio"),
                          QStringLiteral("Clicca per visualizzare la finestra Frontespizio e stampare la relazione"),
                          {4095, 4830, 1260, 390}, nullptr);
    connect(m_frontespiz, &QPushButton::clicked, this, [] { Modulo::OpenTitlePageWindow(); });
    m_stampa = button(QStringLiteral("Command1"), QStringLiteral("&Stampa"),
                      QStringLiteral("Clicca per stampare i dati e gli eventuali risultati della finestra"),
                      {5430, 4830, 1260, 390}, nullptr);
    connect(m_stampa, &QPushButton::clicked, this, [this] { m_model.stampa_Click(); });
    button(QStringLiteral("aiuto"), QStringLiteral("&Aiuto"),
           QStringLiteral("Clicca per avere gli aiuti su come procedere"), {6765, 4830, 1260, 390},
           &stimaabitanti::aiuto_Click);
    button(QStringLiteral("uscita"), QStringLiteral("&Uscita"), QStringLiteral("Clicca per chiudere il programma"),
           {8100, 4830, 1380, 390}, &stimaabitanti::esci_Click);

    m_progress = new QProgressBar(m_client);
    m_progress->setObjectName(QStringLiteral("ProgressBar"));
    m_progress->setTextVisible(false);
    Look::place(m_progress, 2760, 5400, 4260, 240);
    QLabel *caption =
        makeLabel(m_client, QStringLiteral("Label8"), QStringLiteral("operazioni eseguite"), {7080, 5385, 1800, 270});
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_numop = makeLabel(m_client, QStringLiteral("numop"), QStringLiteral("0"), {8940, 5370, 540, 300});
    m_numop->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_numop->setFrameShape(QFrame::Panel);
    m_numop->setFrameShadow(QFrame::Sunken);
}

void stimaabitanti::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    const auto add = &Modulo::AddAction;
    add(file, QStringLiteral("aprifile"), QStringLiteral("&Apri"), [this] { m_model.aprifile_Click(); });
    file->addSeparator();
    add(file, QStringLiteral("salvafile"), QStringLiteral("&Salva"), [this] { m_model.salvafile_Click(); });
    add(file, QStringLiteral("salvanome"), QStringLiteral("Salva con &nome..."), [this] { m_model.salvanome_Click(); });
    file->addSeparator();
    add(file, QStringLiteral("eliminare"), QStringLiteral("Elimina..."), [this] { m_model.eliminare_click(); });
    file->addSeparator();
    QMenu *print = file->addMenu(QStringLiteral("S&tampa"));
    print->setObjectName(QStringLiteral("mnuStampa"));
    add(print, QStringLiteral("acquisizionedati"), QStringLiteral("modello acquisizione dati"),
        [this] { m_model.acquisizionedati_Click(); });
    add(print, QStringLiteral("stampa"), QStringLiteral("dati e risultati del calcolo"),
        [this] { m_model.stampa_Click(); });
    file->addSeparator();
    add(file, QStringLiteral("esci"), QStringLiteral("Es&ci"), [this] { esci_Click(); });

    QMenu *edit = menuBar()->addMenu(QStringLiteral("&Modifica"));
    edit->setObjectName(QStringLiteral("mnuModifica"));
    add(edit, QStringLiteral("controlladati"), QStringLiteral("Controlla &dati immessi"),
        [this] { m_model.controlladati_Click(); });
    edit->addSeparator();
    add(edit, QStringLiteral("cancelladati"), QStringLiteral("&Cancella dati finestra"),
        [this] { m_model.cancelladati_Click(); });
    edit->addSeparator();
    add(edit, QStringLiteral("studio"), QStringLiteral("S&tudio professionale..."),
        [this] { OfficeDialog::edit(this); });
    Modulo::AddHelpMenu(this, QStringLiteral("suggerimenti"), QStringLiteral("&Suggerimenti"));
}

QString stimaabitanti::helpText()
{
    return QStringList{
        QStringLiteral("- Aprire un file archiviato per prelevare i dati;"),
        QStringLiteral("- digitare i dati seguendo le indicazioni della casella gialla posta in alto;"),
        QStringLiteral("- digitare i decimali usando la virgola;"),
        QStringLiteral("- visualizzare gli anni successivi con la barra di scorrimento verticale;"),
        QStringLiteral("- evidenziare i risultati spostando il mouse sul numero dell'anno corrispondente;"),
        QStringLiteral("- effettuare il controllo del risultato cliccando sul tasto 'Verifica';"),
        QStringLiteral("- riequilibrare il risultato, con un calcolo a ritroso, cliccando sul tasto 'Riequilibra';"),
        QStringLiteral("- visualizzare l'uso dei tasti fermando il puntatore del mouse su di essi.")}
        .join(u'\r');
}

void stimaabitanti::aiuto_Click()
{
    m_program.messenger().show({helpText(), appGlobals().HelpTitle, Message::Icon::Information});
}

void stimaabitanti::esci_Click()
{
    Modulo::ConfirmExit();
}

void stimaabitanti::Toolbar1_ButtonClick(int position)
{
    switch (position) {
    case 1:
        m_model.aprifile_Click();
        break;
    case 2:
        m_model.salvafile_Click();
        break;
    case 3:
        m_model.eliminare_click();
        break;
    case 4:
        m_model.stampa_Click();
        break;
    case 6:
        m_program.messenger().show({QStringLiteral("E' questa la finestra per il calcolo!"), appGlobals().HelpTitle,
                                    Message::Icon::Exclamation});
        break;
    case 7:
        Modulo::OpenTitlePageWindow();
        break;
    case 9:
    case 10:
    case 11:
    case 12:
        Modulo::ShowWindow(MainToolbar::helpWindow(position));
        break;
    case 14:
        m_model.controlladati_Click();
        break;
    case 15:
        m_model.cancelladati_Click();
        break;
    case 16:
        esci_Click();
        break;
    default:
        break; // separators, and the windows still to come
    }
}

void stimaabitanti::riequilibra_Click()
{
    // A long loop (only on unusual data) shows its progress and can be cancelled.
    QElapsedTimer clock;
    clock.start();
    QProgressDialog *dialog = nullptr;
    bool cancelled = false;
    m_model.setRebalanceProgress([&](qint64 steps) {
        if (!dialog && clock.elapsed() > 500) {
            dialog = new QProgressDialog(QStringLiteral("Riequilibrio in corso: tentativi eseguiti..."),
                                         QStringLiteral("Annulla"), 0, 0, this);
            dialog->setWindowTitle(appGlobals().HelpTitle);
            // Every window waits: nothing may change the data under the loop.
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->show();
        }
        if (dialog && steps % 16 == 0) {
            dialog->setLabelText(QStringLiteral("Riequilibrio in corso: %1 tentativi eseguiti...").arg(steps));
            QApplication::processEvents();
            cancelled = dialog->wasCanceled();
        }
        return !cancelled;
    });
    m_model.riequilibra_Click();
    m_model.setRebalanceProgress({});
    delete dialog;
    if (cancelled) {
        m_program.messenger().show(
            {QStringLiteral("Riequilibrio annullato: la finestra mostra il risultato dell'ultimo "
                            "calcolo completato."),
             appGlobals().HelpTitle, Message::Icon::Information});
    }
}

void stimaabitanti::update_display()
{
    m_refreshing = true;
    for (int i = 0; i < ProjectionModel::kFieldCount; ++i) {
        QLineEdit *edit = m_fields[static_cast<std::size_t>(i)];
        const QString text = m_model.text(static_cast<F>(i));
        if (edit->text() != text)
            edit->setText(text);
    }
    m_pdf->setText(m_model.pdf());
    m_vscroll2->setValue(m_model.VScroll2());
    m_passo->setText(m_model.passo());
    m_popolazione->setText(m_model.popolazione());
    m_numop->setText(m_model.numop());
    m_calcola->setEnabled(m_model.calcolaEnabled());
    m_verifica->setEnabled(m_model.verificaEnabled());
    m_riequilibra->setEnabled(m_model.riequilibraEnabled());
    m_frontespiz->setEnabled(m_model.frontespizEnabled());
    m_progress->setMaximum(m_model.progressMaximum());
    m_progress->setValue(m_model.progressValue());
    refreshGrid();
    m_refreshing = false;
}

void stimaabitanti::refreshGrid()
{
    m_vscroll1->setMaximum(m_model.VScroll1Maximum());
    m_vscroll1->setValue(m_model.VScroll1());
    const QColor cyan = Look::bgr(Look::kCyan), yellow = Look::bgr(Look::kYellow);
    for (int c = 0; c < kGridColumnCount; ++c) {
        for (int k = 1; k <= 10; ++k) {
            QLabel *cell = m_cells[static_cast<std::size_t>(c)][static_cast<std::size_t>(k - 1)];
            cell->setText(m_model.gridCell(k, static_cast<GridColumn>(c)));
            const QColor wanted = k == m_model.highlightedRow() ? yellow : cyan;
            if (cell->palette().color(QPalette::Window) != wanted)
                Look::paint(cell, wanted);
        }
    }
}

bool stimaabitanti::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const QVariant row = watched->property("row");
        if (row.isValid() && row.toInt() != m_model.highlightedRow())
            m_model.ann_MouseMove(row.toInt());
    }
    return QMainWindow::eventFilter(watched, event);
}

void stimaabitanti::closeEvent(QCloseEvent *event)
{
    // Closed with the title-bar button: unloaded, no question; the splash shows.
    m_program.forget(this);
    event->accept();
}
