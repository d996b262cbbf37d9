#include "dimensionamento.h"

#include "PresetDialog.h"
#include "SizingTexts.h"
#include "core/AppGlobals.h"
#include "core/Messenger.h"
#include "estimate/PlanSizingTexts.h"
#include "widgets/Controls.h"
#include "widgets/WindowHost.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

using Input = PlanSizing::Input;

QPushButton *button(QWidget *parent, const char *name, const char *text, const char *tip)
{
    auto *b = new QPushButton(QString::fromUtf8(text), parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(QString::fromUtf8(tip));
    b->setAccessibleName(QString::fromUtf8(text).remove(u'&').remove(QStringLiteral("...")));
    return b;
}

QLabel *wrapped(QWidget *parent, const QString &text, const char *name = "")
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    return label;
}

// The results, a row a result, a column a hypothesis; rows grow to their text.
QTableWidget *resultsTable(QWidget *parent)
{
    auto *t = new QTableWidget(0, 2, parent);
    t->setObjectName(QStringLiteral("risultati"));
    t->setAccessibleName(QStringLiteral("Risultati del dimensionamento"));
    t->setTabKeyNavigation(false);
    t->verticalScrollBar()->setAccessibleName(QStringLiteral("Scorri i risultati"));
    t->horizontalScrollBar()->setAccessibleName(QStringLiteral("Scorri i risultati in orizzontale"));
    t->setAlternatingRowColors(true);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
    t->setWordWrap(true);
    // Long names wrap rather than lose their end when the hypotheses take room.
    QObject::connect(t->horizontalHeader(), &QHeaderView::sectionResized, t, &QTableWidget::resizeRowsToContents);
    return t;
}

QTableWidgetItem *cell(const QString &text, Qt::Alignment alignment)
{
    auto *item = new QTableWidgetItem(text);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

// A result as the window shows it: thousands grouped, the household size with two decimals.
QString shown(const QString &key, const QString &value)
{
    if (key == u"componenti_arrivo")
        return value;
    return PlanSizingTexts::number(value.toDouble());
}

QStringList itemsOf(const QComboBox *box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

} // namespace

dimensionamento::dimensionamento(WindowHost &host, Study &study, QWidget *parent)
    : QWidget(parent), m_host(host), m_model(study)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Vicania: ") + SizingTexts::kWindowTitle);
    buildControls();
    resize(1000, 700);
    connect(&m_model, &SizingModel::changed, this, &dimensionamento::update_display);
    update_display();
}

// A field losing its focus while the window goes must not reach the model gone.
dimensionamento::~dimensionamento()
{
    for (QLineEdit *field : m_fields)
        field->disconnect(this);
}

void dimensionamento::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(wrapped(this, SizingTexts::kGuidance));
    auto *columns = new QHBoxLayout;
    columns->addWidget(buildFigures());
    columns->addWidget(buildResults(), 1);
    layout->addLayout(columns, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton *close = button(this, "chiudi", "C&hiudi", "Chiude la finestra del dimensionamento");
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    Controls::escapeClicks(this, QStringLiteral("chiudi"));
}

// The presets and the four groups, scrolled when the window is short.
QWidget *dimensionamento::buildFigures()
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("figure"));
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setFrameShape(QFrame::NoFrame);
    // A screen reader names what each bar scrolls.
    scroll->verticalScrollBar()->setAccessibleName(QStringLiteral("Scorri le figure"));
    auto *inside = new QWidget(scroll);
    auto *column = new QVBoxLayout(inside);
    column->setContentsMargins(0, 0, 0, 0);
    column->addWidget(buildPresets(inside));
    column->addWidget(buildGroup(inside, QStringLiteral("Famiglie e a&bitazioni"),
                                 {Input::famiglia, Input::variazione, Input::sfitto, Input::pregresso}));
    column->addWidget(buildGroup(inside, QStringLiteral("&Volumi"), {Input::volume, Input::volume_connesso}));
    column->addWidget(
        buildGroup(inside, QStringLiteral("S&tandard"),
                   {Input::std_istruzione, Input::std_interesse, Input::std_verde, Input::std_parcheggi}));
    column->addWidget(
        buildGroup(inside, QStringLiteral("Aree &esistenti"),
                   {Input::esist_istruzione, Input::esist_interesse, Input::esist_verde, Input::esist_parcheggi}));
    column->addStretch();
    scroll->setWidget(inside);
    inside->setFixedWidth(470);
    scroll->setFixedWidth(470 + scroll->verticalScrollBar()->sizeHint().width());
    return scroll;
}

QWidget *dimensionamento::buildPresets(QWidget *parent)
{
    auto *box = new QGroupBox(QStringLiteral("&Figure di riferimento"), parent);
    auto *grid = new QGridLayout(box);
    m_presets = new QComboBox(box);
    m_presets->setObjectName(QStringLiteral("figureriferimento"));
    m_presets->setAccessibleName(QStringLiteral("Figure di riferimento"));
    m_presets->setToolTip(QStringLiteral("Le figure nazionali o quelle salvate dallo studio professionale"));
    m_presets->setPlaceholderText(SizingTexts::kOwnFigures);
    grid->addWidget(m_presets, 0, 0, 1, 3);
    connect(m_presets, &QComboBox::activated, this, [this](int index) { m_model.choosePreset(index); });
    QPushButton *save = button(box, "salvafigure", "&Salva figure...",
                               "Salva le figure dei volumi e degli standard per tutti gli studi");
    m_remove = button(box, "eliminafigure", "E&limina...", "Elimina figure salvate dallo studio professionale");
    grid->addWidget(save, 1, 0);
    grid->addWidget(m_remove, 1, 1);
    grid->setColumnStretch(2, 1);
    connect(save, &QPushButton::clicked, this, &dimensionamento::saveFigures);
    connect(m_remove, &QPushButton::clicked, this, &dimensionamento::removeFigures);
    m_rule = wrapped(box, QString(), "norma");
    grid->addWidget(m_rule, 2, 0, 1, 3);
    return box;
}

QGroupBox *dimensionamento::buildGroup(QWidget *parent, const QString &title, std::initializer_list<Input> inputs)
{
    auto *box = new QGroupBox(title, parent);
    auto *grid = new QGridLayout(box);
    grid->setVerticalSpacing(2);
    int r = 0;
    for (const Input input : inputs) {
        const PlanSizing::InputRow &row = PlanSizing::row(input);
        auto *edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(row.key));
        edit->setAccessibleName(QString::fromUtf8(row.caption));
        edit->setToolTip(QString::fromUtf8(row.unit));
        edit->setAlignment(Qt::AlignRight);
        edit->setFixedWidth(90);
        edit->setMaxLength(20);
        if (!row.national)
            edit->setPlaceholderText(QStringLiteral("es. 2,21"));
        QLabel *caption = wrapped(box, QString::fromUtf8(row.caption));
        caption->setBuddy(edit);
        grid->addWidget(caption, r, 0);
        grid->addWidget(edit, r, 1);
        auto *unit = new QLabel(QString::fromUtf8(row.unit), box);
        // As wide in every group, so the fields stand in one column.
        unit->setFixedWidth(unit->fontMetrics().horizontalAdvance(QStringLiteral("componenti all'anno")) + 4);
        grid->addWidget(unit, r, 2);
        connect(edit, &QLineEdit::editingFinished, this, [this, edit, input] {
            edit->setModified(false);
            m_model.setValue(input, edit->text());
        });
        m_fields[std::size_t(input)] = edit;
        ++r;
    }
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget *dimensionamento::buildResults()
{
    auto *box = new QWidget(this);
    auto *column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    m_results = resultsTable(box);
    auto *caption = new QLabel(QStringLiteral("&Risultati"), box);
    caption->setBuddy(m_results);
    column->addWidget(caption);
    m_message = wrapped(box, QString(), "avviso");
    QFont strong = m_message->font();
    strong.setBold(true);
    m_message->setFont(strong);
    column->addWidget(m_message);
    column->addWidget(m_results, 1);
    m_formula = new QPlainTextEdit(box);
    m_formula->setObjectName(QStringLiteral("formula"));
    m_formula->setAccessibleName(QStringLiteral("Formula della riga scelta"));
    m_formula->setReadOnly(true);
    m_formula->verticalScrollBar()->setAccessibleName(QStringLiteral("Scorri la formula"));
    m_formula->setTabChangesFocus(true);
    m_formula->setFixedHeight(m_formula->fontMetrics().lineSpacing() * 7);
    auto *formulaCaption = new QLabel(QStringLiteral("F&ormula della riga scelta"), box);
    formulaCaption->setBuddy(m_formula);
    column->addWidget(formulaCaption);
    column->addWidget(m_formula);
    connect(m_results, &QTableWidget::currentCellChanged, this, &dimensionamento::showFormula);
    return box;
}

void dimensionamento::saveFigures()
{
    const int chosen = m_model.currentPreset();
    const QString name = chosen > 0 ? m_model.presetNames().at(chosen) : QString();
    const auto asked = PresetDialog::ask(this, name, m_model.rule());
    if (!asked)
        return;
    Messenger &messenger = m_host.messenger();
    const int existing = m_model.presetIndex(asked->first);
    if (existing > 0 &&
        messenger.show({SizingTexts::replace(m_model.presetNames().at(existing)), appGlobals().HelpTitle,
                        Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::No}) != Message::Answer::Yes)
        return;
    if (const auto failed = m_model.savePreset(asked->first, asked->second))
        messenger.show({*failed, appGlobals().DataCheckTitle, Message::Icon::Critical});
}

void dimensionamento::removeFigures()
{
    QStringList office = m_model.presetNames().mid(1);
    if (office.isEmpty())
        return;
    QInputDialog dialog(this);
    dialog.setObjectName(QStringLiteral("eliminafigure"));
    dialog.setWindowTitle(QStringLiteral("Vicania: elimina figure"));
    dialog.setLabelText(QStringLiteral("&Figure da eliminare:"));
    dialog.setComboBoxItems(office);
    dialog.setOkButtonText(QStringLiteral("Elimina"));
    dialog.setCancelButtonText(QStringLiteral("Annulla"));
    dialog.setMinimumWidth(360); // the whole title
    const int chosen = m_model.currentPreset();
    if (chosen > 0)
        dialog.setTextValue(office.at(chosen - 1));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int index = int(office.indexOf(dialog.textValue())) + 1;
    Messenger &messenger = m_host.messenger();
    if (index < 1 ||
        messenger.show({SizingTexts::remove(dialog.textValue()), appGlobals().HelpTitle, Message::Icon::Question,
                        Message::Buttons::YesNo, Message::Answer::No}) != Message::Answer::Yes)
        return;
    if (!m_model.removePreset(index))
        messenger.show({SizingTexts::kNotRemoved, appGlobals().HelpTitle, Message::Icon::Critical});
}

void dimensionamento::update_display()
{
    showFigures();
    showResults();
}

void dimensionamento::showFigures()
{
    for (const PlanSizing::InputRow &row : PlanSizing::rows()) {
        QLineEdit *edit = m_fields[std::size_t(row.input)];
        const QString text = m_model.value(row.input);
        // What the user is typing stays until the field is left.
        if (edit->text() != text && !(edit->hasFocus() && edit->isModified()))
            edit->setText(text);
    }
    const QStringList names = m_model.presetNames();
    if (itemsOf(m_presets) != names) {
        m_presets->clear();
        m_presets->addItems(names);
    }
    m_presets->setCurrentIndex(m_model.currentPreset());
    m_remove->setEnabled(names.size() > 1);
    const QString rule = m_model.rule();
    m_rule->setText(rule.isEmpty() ? QString() : SizingTexts::kRulePrefix + rule);
    m_rule->setVisible(!rule.isEmpty());
}

void dimensionamento::showResults()
{
    const auto &sizing = m_model.sizing();
    m_message->setText(!m_model.hasResult() ? SizingTexts::kNoResult : m_model.refusal());
    m_message->setVisible(!sizing);
    const int keep = std::max(0, m_results->currentRow());
    m_results->setRowCount(0);
    m_noGrowth.clear();
    m_results->setColumnCount(sizing ? 1 + int(sizing->columns.size()) : 0);
    if (sizing) {
        const bool one = sizing->names.size() == 1;
        QStringList heads{SizingTexts::kItem};
        for (const QString &name : sizing->names)
            heads << (one ? SizingTexts::kValue : name);
        m_results->setHorizontalHeaderLabels(heads);
        m_results->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < m_results->columnCount(); ++c)
            m_results->horizontalHeader()->setSectionResizeMode(c, QHeaderView::ResizeToContents);
        for (std::size_t c = 0; c < sizing->columns.size(); ++c) {
            const auto lines = PlanSizing::resultLines(sizing->columns[c]);
            m_results->setRowCount(int(lines.size()));
            for (std::size_t r = 0; r < lines.size(); ++r) {
                QTableWidgetItem *name = cell(PlanSizingTexts::caption(lines[r].first), Qt::AlignLeft);
                name->setToolTip(name->text());
                m_results->setItem(int(r), 0, name);
                m_results->setItem(int(r), 1 + int(c), cell(shown(lines[r].first, lines[r].second), Qt::AlignRight));
            }
            if (const QString no = PlanSizingTexts::noGrowth(sizing->columns[c]); !no.isEmpty())
                m_noGrowth << (one ? no : sizing->names[c] + QStringLiteral(": ") + no);
        }
        m_results->resizeRowsToContents();
        m_results->setCurrentCell(std::min(keep, m_results->rowCount() - 1), 0);
    }
    showFormula();
}

void dimensionamento::showFormula()
{
    const auto &sizing = m_model.sizing();
    const int row = m_results->currentRow();
    if (!sizing || row < 0) {
        m_formula->clear();
        return;
    }
    const QString key = PlanSizing::resultLines(sizing->columns.front())[std::size_t(row)].first;
    QStringList lines;
    for (std::size_t c = 0; c < sizing->columns.size(); ++c) {
        const QString formula = PlanSizingTexts::formula(key, *sizing, c);
        lines << (sizing->names[c].isEmpty() ? formula : sizing->names[c] + QStringLiteral(": ") + formula);
    }
    if (!m_noGrowth.isEmpty())
        lines << QString() << m_noGrowth;
    m_formula->setPlainText(lines.join(u'\n'));
}

void dimensionamento::showEvent(QShowEvent *event)
{
    // The office's sets may have changed since.
    update_display();
    QWidget::showEvent(event);
}

// A figure still being typed is kept, as leaving its field would.
void dimensionamento::closeEvent(QCloseEvent *event)
{
    for (QLineEdit *field : m_fields) {
        if (field->isModified())
            emit field->editingFinished();
    }
    m_host.forget(this);
    event->accept();
}
