#include "IstatImportDialog.h"

#include "ProjectionModel.h"

#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Assumption = IstatImport::Assumption;

QPushButton *button(QWidget *parent, const char *name, const QString &caption, const QString &accessible)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAccessibleName(accessible);
    // Enter chooses in the lists and fields; it never applies by surprise.
    b->setAutoDefault(false);
    return b;
}

// A text the user can read, select and copy, with the keyboard too.
QLabel *readable(QWidget *parent, const char *name, const QString &accessible)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setAccessibleName(accessible);
    l->setWordWrap(true);
    l->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    l->setFocusPolicy(Qt::StrongFocus);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

QLabel *caption(const QString &text, QWidget *buddy, bool wrapped = true)
{
    auto *l = new QLabel(text, buddy->parentWidget());
    l->setBuddy(buddy);
    l->setWordWrap(wrapped);
    return l;
}

// While a file is read: a national table takes a moment.
struct Busy {
    Busy() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~Busy() { QApplication::restoreOverrideCursor(); }
    Busy(const Busy &) = delete;
    Busy &operator=(const Busy &) = delete;
};

} // namespace

IstatImportDialog::IstatImportDialog(IstatImport &import, QWidget *parent) : QDialog(parent), m_import(import)
{
    setObjectName(QStringLiteral("importaistat"));
    setWindowTitle(QStringLiteral("Importa dati ISTAT"));
    setModal(true);
    auto *top = new QHBoxLayout;
    top->addWidget(filesBox(), 1);
    top->addWidget(municipalityBox(), 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top, 2);
    layout->addWidget(assumptionsBox());
    layout->addWidget(previewBox(), 5);
    layout->addWidget(buttonsRow());
    wireFiles();
    wireChoices();
    keyboard();
    showFiles();
    showMunicipalities();
    showPreview();
    QSize size(1120, 900);
    if (const QScreen *screen = parent ? parent->screen() : QApplication::primaryScreen())
        size = size.boundedTo(screen->availableGeometry().size() * 0.9);
    resize(size);
}

bool IstatImportDialog::run(QWidget *parent, ProjectionModel &model)
{
    IstatImport import(model.dialogs(), model.text(ProjectionInput::pdf));
    IstatImportDialog dialog(import, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return import.apply(model.files());
}

QWidget *IstatImportDialog::filesBox()
{
    auto *box = new QGroupBox(QStringLiteral("File scaricati dall'ISTAT"), this);
    m_balances = new QListWidget(box);
    m_balances->setObjectName(QStringLiteral("bilanci"));
    m_balances->setAccessibleName(QStringLiteral("Bilanci demografici scelti, con il loro anno"));
    m_addBalances = button(box, "aggiungibilanci", QStringLiteral("&Bilanci demografici (P2)..."),
                           QStringLiteral("Aggiungi bilanci demografici (P2)"));
    m_removeBalance =
        button(box, "toglibilancio", QStringLiteral("&Togli il bilancio"), QStringLiteral("Togli il bilancio scelto"));
    m_agesFile = new QLineEdit(box);
    m_agesFile->setObjectName(QStringLiteral("posas"));
    m_agesFile->setReadOnly(true);
    m_agesFile->setAccessibleName(QStringLiteral("Popolazione per età scelta"));
    m_chooseAges = button(box, "sceglieposas", QStringLiteral("&Popolazione per età (POSAS)..."),
                          QStringLiteral("Scegli la popolazione per età (POSAS)"));
    m_removeAges = button(box, "togliposas", QStringLiteral("To&gli la tabella per età"),
                          QStringLiteral("Togli la popolazione per età"));
    m_fileMessage = readable(box, "messaggiofile", QStringLiteral("File non aggiunto"));
    m_fileMessage->setStyleSheet(QStringLiteral("color: #a00000;"));
    auto *grid = new QGridLayout(box);
    grid->addWidget(caption(QStringLiteral("Bi&lanci demografici, un file per anno:"), m_balances), 0, 0, 1, 2);
    grid->addWidget(m_balances, 1, 0, 1, 2);
    grid->addWidget(m_addBalances, 2, 0);
    grid->addWidget(m_removeBalance, 2, 1);
    grid->addWidget(
        caption(QStringLiteral("Popolazione per età (facoltativa: dà la quota di donne in età feconda):"), m_agesFile),
        3, 0, 1, 2);
    grid->addWidget(m_agesFile, 4, 0, 1, 2);
    grid->addWidget(m_chooseAges, 5, 0);
    grid->addWidget(m_removeAges, 5, 1);
    grid->addWidget(m_fileMessage, 6, 0, 1, 2);
    grid->setRowStretch(1, 1);
    return box;
}

QWidget *IstatImportDialog::municipalityBox()
{
    auto *box = new QGroupBox(QStringLiteral("Comune"), this);
    m_search = new QLineEdit(box);
    m_search->setObjectName(QStringLiteral("cercacomune"));
    m_search->setAccessibleName(QStringLiteral("Cerca il comune per nome o codice"));
    m_search->setPlaceholderText(QStringLiteral("nome o codice, per esempio Lucca o 046017"));
    m_search->setClearButtonEnabled(true);
    m_municipalities = new QListWidget(box);
    m_municipalities->setObjectName(QStringLiteral("comuni"));
    m_municipalities->setAccessibleName(QStringLiteral("Comuni del bilancio più recente"));
    m_municipalities->setUniformItemSizes(true);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(caption(QStringLiteral("&Cerca (nome o codice):"), m_search));
    layout->addWidget(m_search);
    layout->addWidget(caption(QStringLiteral("&Elenco dei comuni del bilancio più recente:"), m_municipalities));
    layout->addWidget(m_municipalities, 1);
    return box;
}

QWidget *IstatImportDialog::assumptionsBox()
{
    auto *box = new QGroupBox(QStringLiteral("Ipotesi (i decimali con la virgola)"), this);
    const std::array<std::pair<const char *, QString>, 3> fields = {
        {{"mortalita", QStringLiteral("&Mortalità infantile su 1000 nati vivi:")},
         {"iniziofertile", QStringLiteral("Età di &inizio procreazione:")},
         {"finefertile", QStringLiteral("Età di &fine procreazione:")}}};
    auto *row = new QHBoxLayout(box);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        auto *edit = new QLineEdit(m_import.assumption(Assumption(i)), box);
        edit->setObjectName(QString::fromLatin1(fields[i].first));
        QString name = fields[i].second;
        edit->setAccessibleName(name.remove(u'&').chopped(1));
        edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("0000,000")) + 16);
        m_assumptions[i] = edit;
        row->addWidget(caption(fields[i].second, edit, false));
        row->addWidget(edit);
        row->addSpacing(16);
    }
    row->addStretch(1);
    return box;
}

QWidget *IstatImportDialog::previewBox()
{
    auto *box = new QGroupBox(QStringLiteral("Anteprima"), this);
    m_table = new QTableWidget(0, 4, box);
    m_table->setObjectName(QStringLiteral("anteprima"));
    m_table->setAccessibleName(QStringLiteral("Dati ricavati"));
    m_table->setHorizontalHeaderLabels(
        {QStringLiteral("Dato"), QStringLiteral("Valore"), QStringLiteral("Come è ricavato"), QStringLiteral("Fonte")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->hide();
    // Every row as tall as its longest text at the columns' present widths.
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView *header = m_table->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Interactive);
    header->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    header->setSectionResizeMode(3, QHeaderView::Stretch);
    m_table->setColumnWidth(0, 230);
    m_message = readable(box, "messaggio", QStringLiteral("Anteprima"));
    m_notes = readable(box, "note", QStringLiteral("Note e verifica sul passato"));
    auto *layout = new QVBoxLayout(box);
    m_tableCaption = caption(QStringLiteral("&Dati ricavati:"), m_table);
    layout->addWidget(m_tableCaption);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_notes);
    return box;
}

// Not a button box: it would make "Usa questi dati" the default button, and
// Enter in the search would apply before the preview is read.
QWidget *IstatImportDialog::buttonsRow()
{
    auto *row = new QWidget(this);
    m_use = button(row, "usa", QStringLiteral("&Usa questi dati"), QStringLiteral("Usa questi dati"));
    m_cancel = button(row, "annulla", QStringLiteral("Annulla"), QStringLiteral("Annulla"));
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addStretch(1);
    layout->addWidget(m_use);
    layout->addWidget(m_cancel);
    connect(m_use, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    return row;
}

void IstatImportDialog::wireFiles()
{
    auto shown = [this] {
        showFiles();
        showMunicipalities();
        showPreview();
    };
    connect(m_addBalances, &QPushButton::clicked, this, [this, shown] {
        if (const auto paths = m_import.askBalances()) {
            const Busy busy;
            m_import.addBalances(*paths);
        }
        shown();
    });
    connect(m_chooseAges, &QPushButton::clicked, this, [this, shown] {
        if (const auto path = m_import.askAges()) {
            const Busy busy;
            m_import.setAges(*path);
        }
        shown();
    });
    connect(m_removeBalance, &QPushButton::clicked, this, [this, shown] {
        m_import.removeBalance(m_balances->currentRow());
        shown();
    });
    connect(m_removeAges, &QPushButton::clicked, this, [this, shown] {
        m_import.removeAges();
        shown();
    });
}

void IstatImportDialog::wireChoices()
{
    connect(m_search, &QLineEdit::textChanged, this, [this](const QString &text) {
        m_import.setSearch(text);
        showMunicipalities();
    });
    connect(m_search, &QLineEdit::returnPressed, this, [this] {
        if (!m_municipalities->currentItem() && m_municipalities->count() > 0)
            m_municipalities->setCurrentRow(0);
    });
    connect(m_municipalities, &QListWidget::currentItemChanged, this, &IstatImportDialog::chooseCurrent);
    for (std::size_t i = 0; i < m_assumptions.size(); ++i) {
        connect(m_assumptions[i], &QLineEdit::textEdited, this, [this, i](const QString &text) {
            m_import.setAssumption(Assumption(i), text);
            showPreview();
        });
    }
}

// Tab goes through the dialog as it reads; Canc removes the chosen file.
void IstatImportDialog::keyboard()
{
    const QList<QWidget *> order = {m_balances,       m_addBalances,    m_removeBalance,  m_agesFile,
                                    m_chooseAges,     m_removeAges,     m_fileMessage,    m_search,
                                    m_municipalities, m_assumptions[0], m_assumptions[1], m_assumptions[2],
                                    m_table,          m_message,        m_notes,          m_use,
                                    m_cancel};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    auto *remove = new QShortcut(QKeySequence::Delete, m_balances, nullptr, nullptr, Qt::WidgetShortcut);
    connect(remove, &QShortcut::activated, m_removeBalance, &QPushButton::click);
}

void IstatImportDialog::showFiles()
{
    m_balances->clear();
    for (const BalanceTable &t : m_import.balances())
        m_balances->addItem(QStringLiteral("%1 — %2").arg(t.year).arg(t.fileName));
    if (m_balances->count() > 0)
        m_balances->setCurrentRow(m_balances->count() - 1);
    m_removeBalance->setEnabled(m_balances->count() > 0);
    const AgeTable *ages = m_import.ages();
    m_agesFile->setText(ages ? QStringLiteral("%1 — %2").arg(ages->year).arg(ages->fileName)
                             : QStringLiteral("nessuna: la quota resta quella della finestra"));
    m_removeAges->setEnabled(ages != nullptr);
    m_fileMessage->setText(m_import.fileMessage());
    m_fileMessage->setVisible(!m_import.fileMessage().isEmpty());
}

void IstatImportDialog::showMunicipalities()
{
    const QSignalBlocker quiet(m_municipalities);
    m_municipalities->clear();
    for (const IstatImport::Municipality &m : m_import.shown()) {
        auto *item = new QListWidgetItem(m.label, m_municipalities);
        item->setData(Qt::UserRole, m.code);
        if (m.code == m_import.chosen())
            m_municipalities->setCurrentItem(item);
    }
}

void IstatImportDialog::chooseCurrent()
{
    if (const QListWidgetItem *item = m_municipalities->currentItem()) {
        m_import.choose(item->data(Qt::UserRole).toString());
        showPreview();
    }
}

void IstatImportDialog::showPreview()
{
    const IstatDerivation *d = m_import.derivation();
    m_table->setVisible(d != nullptr);
    m_tableCaption->setVisible(d != nullptr);
    m_message->setVisible(d == nullptr);
    m_message->setText(m_import.message());
    m_message->setStyleSheet(m_import.state() == IstatImport::State::Refused ? QStringLiteral("color: #a00000;")
                                                                             : QString());
    m_notes->setText(m_import.notes().join(u'\n'));
    m_notes->setVisible(d != nullptr);
    m_use->setEnabled(d != nullptr);
    if (d)
        fillTable(*d);
}

void IstatImportDialog::fillTable(const IstatDerivation &d)
{
    m_table->setRowCount(int(d.inputs.size()));
    for (int r = 0; r < int(d.inputs.size()); ++r) {
        const DerivedInput &in = d.inputs[std::size_t(r)];
        const QString name = in.assumption ? in.name + QStringLiteral(" (ipotesi)") : in.name;
        const QString cells[] = {name, in.value, in.formula, in.source};
        for (int c = 0; c < 4; ++c) {
            auto *item = new QTableWidgetItem(cells[c]);
            item->setToolTip(cells[c]);
            if (c == 1)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignTop);
            else
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignTop);
            m_table->setItem(r, c, item);
        }
    }
}
