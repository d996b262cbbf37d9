#include "stimaabitanti.h"

#include "ProjectionTexts.h"
#include "ResultsGrid.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "scaling/clsResize.h"
#include "widgets/CompactScrollBar.h"
#include "widgets/Look.h"
#include "widgets/StudyDrop.h"
#include "widgets/WindowHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScrollBar>

using F = ProjectionModel::Field;
using Controls::Control;
using Controls::Kind;
using Controls::LabelLook;
using Controls::Place;

namespace {

// Designed geometry in twips of the client area (below the menu bar); the
// inputs' places are ProjectionInputs'.
Place place(const ProjectionInputs::Twips &t)
{
    return {t.left, t.top, t.width, t.height};
}

constexpr int kGridLeft = 2760, kGridPitch = 720, kCellWidth = 735;
constexpr int kHeaderTop = 1440, kRowTop = 1800, kRowPitch = 240;

const LabelLook kCaption = LabelLook().wrapped();
const LabelLook kRight = LabelLook().align(Qt::AlignRight | Qt::AlignVCenter);
const LabelLook kShare = LabelLook().align(Qt::AlignCenter).framed(QFrame::Panel, QFrame::Sunken).colours(Qt::white);
const LabelLook kCounter = LabelLook().align(Qt::AlignRight | Qt::AlignVCenter).framed(QFrame::Panel, QFrame::Sunken);
const LabelLook kHeading = LabelLook().heavy();
const LabelLook kGuidance = LabelLook()
                                .align(Qt::AlignLeft | Qt::AlignTop)
                                .wrapped()
                                .withMargin(2)
                                .colours(Look::bgr(Look::kYellow), Qt::black);
const LabelLook kResult =
    LabelLook().align(Qt::AlignCenter).framed(QFrame::Box).colours(Look::bgr(Look::kYellow), Qt::black).heavy(10);

// The labelli and the text boxes, from the inputs table.
std::vector<Control> typedInputControls()
{
    using ProjectionInputs::Row;
    std::vector<Control> rows;
    for (int i = 1; i <= ProjectionInputs::labelloCount(); ++i) {
        const Row &r = ProjectionInputs::row(ProjectionInputs::labelloInput(i));
        rows.push_back({Kind::Label, QStringLiteral("labello_%1").arg(i), ProjectionInputs::caption(r.input),
                        ProjectionInputs::labelloTooltip(i), place(r.captionPlace), kCaption});
    }
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i) {
        const Row &r = ProjectionInputs::row(ProjectionInputs::at(i));
        rows.push_back({Kind::Edit,
                        ProjectionInputs::name(r.input),
                        QString(),
                        QString::fromUtf8(r.fieldTip),
                        place(r.fieldPlace),
                        {},
                        ProjectionInputs::caption(r.input)});
    }
    return rows;
}

// The controls left of and above the grid, in creation order: the labelli,
// the text boxes, then the share's label and scroll bar.
std::vector<Control> inputControls()
{
    std::vector<Control> rows = typedInputControls();
    const ProjectionInputs::Row &share = ProjectionInputs::row(F::pdf);
    const QString shareCaption = ProjectionInputs::caption(F::pdf);
    const std::vector<Control> others = {
        {Kind::Label,
         "Label10",
         "  <---- numero di abitanti nell'anno di partenza",
         "Dato da prelevare dalle statistiche o da verificare con il calcolo a ritroso",
         {1080, 990, 3330, 270}},
        {Kind::Label, ProjectionInputs::name(F::pdf), QString::number(InputFields::kShareStart),
         QString::fromUtf8(share.fieldTip), place(share.fieldPlace), kShare, shareCaption},
        {Kind::VerticalScrollBar,
         ProjectionInputs::focusControl(F::pdf),
         {},
         {},
         place(share.barPlace),
         {},
         shareCaption},
        {Kind::Label, "Label1", "Segui questi passaggi:", {}, {4440, 465, 5040, 240}, kHeading},
        {Kind::Label, "passo", {}, {}, {4440, 705, 5040, 690}, kGuidance},
    };
    rows.insert(rows.end(), others.begin(), others.end());
    return rows;
}

// The controls right of and below the grid; its scroll bar lies over its edge.
std::vector<Control> resultControls()
{
    return {
        {Kind::VerticalScrollBar, "VScroll1", {}, {}, {9240, 1800, 255, 2415}, {}, "Anni della tabella"},
        {Kind::Label,
         "Label7",
         "numero di abitanti calcolato  ----> ",
         "Dato che si può verificare a ritroso e poi modificare fino a raggiungere il dato di partenza",
         {2760, 4350, 2460, 270},
         kRight},
        {Kind::Label,
         "popolazione",
         {},
         "Risultato del calcolo",
         {5280, 4305, 1260, 360},
         kResult,
         "Numero di abitanti calcolato"},
        {Kind::ProgressBar, "ProgressBar", {}, {}, {2760, 5400, 4260, 240}, {}, "Avanzamento del calcolo"},
        {Kind::Label, "Label8", "operazioni eseguite", {}, {7080, 5385, 1800, 270}, kRight},
        {Kind::Label, "numop", "0", {}, {8940, 5370, 540, 300}, kCounter, "Operazioni eseguite"},
    };
}

} // namespace

stimaabitanti::stimaabitanti(WindowHost &host, ProjectionModel &model, OutputRunner &outputs, QWidget *parent)
    : QMainWindow(parent), m_host(host), m_model(model), m_outputs(outputs), m_commands(commandRows())
{
    // No delete on close: the title bar's close button only hides the window,
    // and what was typed stays until the confirmed exit or a clear command.
    setWindowTitle(QStringLiteral("Vicania: stima del numero di abitanti in una località"));
    StudyDrop::install(this, host);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);
    setFont(Look::font(QStringLiteral("MS Sans Serif"), 8.25));
    resize(Look::px(9700), Look::px(6825));

    Controls::buildAll(m_client, inputControls());
    buildGrid();
    Controls::buildAll(m_client, resultControls());
    m_commands.buildControls(m_client, 9700);
    m_commands.buildMenus(this);
    m_commands.installAccessKeys(this);
    findControls();
    wireControls();
    connect(&m_model, &ProjectionModel::changed, this, &stimaabitanti::update_display);
    // The span refusal asked the exit question itself; on Yes the program
    // leaves as the exit command does.
    connect(&m_model, &ProjectionModel::exitConfirmed, this, [this] { m_host.leaveToSplash(); });
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

void stimaabitanti::findControls()
{
    auto find = [this]<typename T>(T *&slot, const QString &name) { slot = m_client->findChild<T *>(name); };
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i)
        find(m_fields[std::size_t(i)], ProjectionInputs::name(ProjectionInputs::at(i)));
    find(m_pdf, ProjectionInputs::name(F::pdf));
    find(m_vscroll2, ProjectionInputs::focusControl(F::pdf));
    find(m_passo, QStringLiteral("passo"));
    find(m_vscroll1, QStringLiteral("VScroll1"));
    find(m_popolazione, QStringLiteral("popolazione"));
    find(m_progress, QStringLiteral("ProgressBar"));
    find(m_numop, QStringLiteral("numop"));
    QFont bold = font();
    bold.setBold(true);
    m_commands.button(QStringLiteral("calcola"))->setFont(bold);
}

// A scroll bar the user moves writes the model; the window's own refresh does not.
void stimaabitanti::wireControls()
{
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i) {
        const F field = ProjectionInputs::at(i);
        QLineEdit *edit = m_fields[std::size_t(i)];
        if (field == F::immigr || field == F::emigr)
            Look::paint(edit, Look::bgr(Look::kLightCyan));
        connect(edit, &QLineEdit::textEdited, this,
                [this, field](const QString &text) { m_model.typeText(field, text); });
        Controls::onLeave(edit, [this, field] { m_model.leaveField(field); });
    }
    // 40 at the top, 10 at the bottom; its value is the share itself.
    m_vscroll2->setRange(InputFields::kShareMinimum, InputFields::kShareMaximum);
    m_vscroll2->setSingleStep(1);
    m_vscroll2->setPageStep(1);
    CompactScrollBar::upsideDown(m_vscroll2);
    m_vscroll2->setValue(m_model.fields().VScroll2());
    CompactScrollBar::fit(m_vscroll2);
    m_vscroll1->setRange(1, 1);
    m_vscroll1->setPageStep(10);
    m_vscroll1->setTracking(false); // a dragged thumb redraws when released
    for (QScrollBar *bar : {m_vscroll2, m_vscroll1})
        bar->setFocusPolicy(Qt::StrongFocus);
    connect(m_vscroll2, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_refreshing)
            m_model.fields().setVScroll2(v);
    });
    connect(&m_model, &ProjectionModel::messageAbout, this,
            [this](const QString &control) { Controls::focus(m_client, control); });
    connect(m_vscroll1, &QScrollBar::valueChanged, this, [this](int v) {
        if (!m_refreshing)
            m_model.setVScroll1(v);
    });
}

void stimaabitanti::buildGrid()
{
    m_grid = new ResultsGrid(m_model.grid(), m_client);
    m_grid->setObjectName(QStringLiteral("griglia"));
    const int width = kGridPitch * (kGridColumnCount - 1) + kCellWidth;
    const int height = (kRowTop - kHeaderTop) + kRowPitch * GridViewport::kVisibleRows;
    Look::place(m_grid, kGridLeft, kHeaderTop, width, height);
    connect(m_grid, &ResultsGrid::scrolledTo, this, [this](int first) {
        if (!m_refreshing)
            m_model.setVScroll1(first);
    });
    connect(m_grid, &ResultsGrid::yearHovered, this, [this](int row) {
        if (row != m_model.grid().highlightedRow())
            m_model.ann_MouseMove(row);
    });
}

QString stimaabitanti::helpText()
{
    return ProjectionTexts::help();
}

void stimaabitanti::aiuto_Click()
{
    m_host.messenger().show({helpText(), appGlobals().HelpTitle, Message::Icon::Information});
}

void stimaabitanti::esci_Click()
{
    m_host.confirmExit();
}

void stimaabitanti::Toolbar1_ButtonClick(int position)
{
    m_commands.runToolbar(position);
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
            dialog = new QProgressDialog(ProjectionTexts::kRebalancing, QStringLiteral("Annulla"), 0, 0, this);
            dialog->setWindowTitle(appGlobals().HelpTitle);
            // Every window waits: nothing may change the data under the loop.
            dialog->setWindowModality(Qt::ApplicationModal);
            dialog->setMinimumDuration(0);
            dialog->show();
        }
        if (dialog && steps % 16 == 0) {
            dialog->setLabelText(ProjectionTexts::rebalancing(steps));
            QApplication::processEvents();
            cancelled = dialog->wasCanceled();
        }
        return !cancelled;
    });
    m_model.riequilibra_Click();
    m_model.setRebalanceProgress({});
    delete dialog;
    if (cancelled) {
        m_host.messenger().show(
            {ProjectionTexts::kRebalanceCancelled, appGlobals().HelpTitle, Message::Icon::Information});
    }
}

void stimaabitanti::update_display()
{
    m_refreshing = true;
    for (int i = 0; i < ProjectionInputs::kTypedCount; ++i) {
        QLineEdit *edit = m_fields[static_cast<std::size_t>(i)];
        const QString text = m_model.text(ProjectionInputs::at(i));
        if (edit->text() != text)
            edit->setText(text);
    }
    m_pdf->setText(m_model.text(F::pdf));
    m_vscroll2->setValue(m_model.fields().VScroll2());
    Look::setAnnounced(m_passo, m_model.passo());
    m_popolazione->setText(m_model.popolazione());
    m_numop->setText(m_model.numop());
    m_commands.refresh();
    m_progress->setMaximum(m_model.progressMaximum());
    m_progress->setValue(m_model.progressValue());
    refreshGrid();
    m_refreshing = false;
}

void stimaabitanti::refreshGrid()
{
    m_vscroll1->setMaximum(m_model.grid().VScroll1Maximum());
    m_vscroll1->setValue(m_model.grid().VScroll1());
    m_grid->refresh();
}
