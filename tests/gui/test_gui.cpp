// The program's windows driven as a user drives them, offscreen.
#include "GuiSupport.h"
#include "app/ItalianTranslations.h"
#include "app/RecoveryKeeper.h"
#include "app/frmSplash.h"
#include "core/AppGlobals.h"
#include "core/WindowNames.h"
#include "estimate/GridViewport.h"
#include "projection/ProjectionTexts.h"
#include "projection/ResultsGrid.h"
#include "projection/stimaabitanti.h"
#include "storage/RecoveryCopy.h"
#include "support/Texts.h"
#include "titlepage/frontespizio.h"
#include "widgets/Look.h"
#include "widgets/QtMessenger.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>
#include <cstdlib>

using F = ProjectionModel::Field;

class GuiTest : public QObject {
    Q_OBJECT

private:
    static stimaabitanti *openProjection(App &app)
    {
        app.program.splash()->show();
        QTest::mouseClick(app.program.splash(), Qt::LeftButton);
        return app.program.projection();
    }
    static void typeExample(stimaabitanti *w, const QString &target = QStringLiteral("2020"))
    {
        const QStringList texts = workedExample(target);
        for (int i = 0; i < texts.size(); ++i)
            typeInto(w, ProjectionInputs::name(static_cast<F>(i)), texts[i]);
    }
    // A cell of visible row k (1 to 10) of the grid, by its column's name.
    static QModelIndex visible(stimaabitanti *w, const QString &column, int k)
    {
        static const QStringList columns{"ann", "abit", "imm", "em", "donne", "figli", "morti", "mortivecch", "aument"};
        return w->grid()->model()->index(w->model().grid().VScroll1() + k - 2, int(columns.indexOf(column)));
    }
    static QString cell(stimaabitanti *w, const QString &column, int k)
    {
        return visible(w, column, k).data().toString();
    }
    static QColor background(stimaabitanti *w, const QString &column, int k)
    {
        return visible(w, column, k).data(Qt::BackgroundRole).value<QColor>();
    }
    static QPalette darkPalette()
    {
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Button, QColor(50, 50, 50));
        dark.setColor(QPalette::ButtonText, Qt::white);
        return dark;
    }
    // The visible cells and headings of a grid whose text does not fit whole.
    static QStringList cutCells(ResultsGrid *grid)
    {
        const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
        QStringList cut;
        for (int c = 0; c < kGridColumnCount; ++c) {
            const QString heading = grid->model()->headerData(c, Qt::Horizontal).toString();
            if (grid->horizontalHeader()->fontMetrics().horizontalAdvance(heading) + 2 >
                grid->horizontalHeader()->sectionSize(c))
                cut << heading;
            for (int row = 0; row < GridViewport::kVisibleRows; ++row) {
                const QModelIndex i = grid->model()->index(row, c);
                const QString text = i.data().toString();
                if (grid->fontMetrics().horizontalAdvance(text) + 2 * margin > grid->visualRect(i).width())
                    cut << text;
            }
        }
        return cut;
    }
    static void hoverYear(stimaabitanti *w, int k)
    {
        QWidget *viewport = w->grid()->viewport();
        const QPointF local = QRectF(w->grid()->visibleCellRect(k, 0)).center();
        QMouseEvent move(QEvent::MouseMove, local, viewport->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(viewport, &move);
    }

private slots:
    void qtsOwnTextsAreItalian()
    {
        QVERIFY(ItalianTranslations::install(*qApp));
        QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Open | QDialogButtonBox::Yes);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
        QCOMPARE(buttons.button(QDialogButtonBox::Open)->text().remove(u'&'), QStringLiteral("Apri"));
        QCOMPARE(buttons.button(QDialogButtonBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        // The delete dialog's title tells the user to press "Apri": so it reads.
        Modulo::InitDialogTitles();
        QVERIFY(appGlobals().DeleteDialogTitle.contains(QStringLiteral("clicca su Apri")));
    }

    void splashShowsTheProgramAndStartsTheMusic()
    {
        App app;
        frmSplash *s = app.program.splash();
        QCOMPARE(app.music.calls, QStringList({"open Internet.mid", "play"}));
        QCOMPARE(s->label(3)->text(), QStringLiteral("Vicania"));
        QCOMPARE(s->label(4)->text(), QStringLiteral("stima del numero di abitanti in una località"));
        QCOMPARE(s->label(5)->text(), QStringLiteral("EDIZIONE PROFESSIONALE - VERSIONE 1.03.05"));
        QCOMPARE(s->label(2)->text(), QString(24, u' ') + QStringLiteral("presenta"));
        QCOMPARE(s->size(), QSize(586, 361));
        QVERIFY(s->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(appGlobals().DataCheckTitle, QStringLiteral("Vicania: controllo dati immessi nella finestra attiva"));
        QCOMPARE(appGlobals().HelpTitle, QStringLiteral("Vicania: aiuto in linea"));
    }

    void aClickOnAnyTextOpensOneProjectionWindow()
    {
        App app;
        frmSplash *s = app.program.splash();
        s->show();
        QTest::mouseClick(s->label(8), Qt::LeftButton, {}, s->label(8)->rect().center());
        QWidget *first = app.program.loaded(QStringLiteral("stimaabitanti"));
        QVERIFY(first && first->isVisible());
        QTest::mouseClick(s->findChild<QWidget *>(QStringLiteral("Image1")), Qt::LeftButton);
        QCOMPARE(app.program.loaded(QStringLiteral("stimaabitanti")), first);
        QCOMPARE(app.music.calls.mid(2), QStringList({"pause", "pause"}));
        QVERIFY(s->isVisible());
    }

    void aKeyOnTheSplashClosesTheMusicAndUnloadsIt()
    {
        App app;
        frmSplash *s = app.program.splash();
        s->show();
        QTest::keyClick(s, Qt::Key_A);
        QCOMPARE(app.music.calls.last(), QStringLiteral("close"));
        QVERIFY(!app.program.loaded(QStringLiteral("frmSplash")));
        QVERIFY(!app.program.loaded(QStringLiteral("stimaabitanti")));
    }

    void typingMovesTheGuidance()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        auto *passo = child<QLabel>(w, QStringLiteral("passo"));
        QCOMPARE(passo->text(), Expected::kOpening);
        typeInto(w, QStringLiteral("anno1"), QStringLiteral("2000"));
        QCOMPARE(passo->text(), ProjectionInputs::prompt(ProjectionInputs::at(1)));
        typeExample(w);
        QCOMPARE(passo->text(), Expected::kReadyToCompute);
    }

    // The median age is checked when its field is left, never while typed.
    void theMedianAgeIsCheckedWhenItsFieldIsLeft()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
        typeInto(w, QStringLiteral("finefert"), QStringLiteral("49"));
        auto *age = child<QLineEdit>(w, QStringLiteral("aspvita"));
        typeInto(w, QStringLiteral("aspvita"), QStringLiteral("100"));
        QTest::keyClick(age, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QVERIFY(app.messenger.shown.isEmpty());
        QCOMPARE(age->text(), QStringLiteral("100"));
        QCOMPARE(w->model().text(F::aspvita), QStringLiteral("100"));

        typeInto(w, QStringLiteral("aspvita"), QStringLiteral("30"));
        QTest::keyClick(age, Qt::Key_Tab);
        QTRY_COMPARE(app.messenger.shown.size(), 1);
        QCOMPARE(app.messenger.shown[0].text,
                 QStringLiteral("Attenzione: la vita mediana di morte non può essere inferire all'età finale di "
                                "procreazione. Modificare i dati."));
        QCOMPARE(QApplication::focusWidget(), age);
        QCOMPARE(age->selectedText(), QStringLiteral("30"));
        // Left again as it is: no second message.
        QTest::keyClick(age, Qt::Key_Tab);
        QCoreApplication::processEvents();
        QCOMPARE(app.messenger.shown.size(), 1);
        // A refusal of Calcola leads to the field it names.
        typeInto(w, QStringLiteral("aspvita"), QStringLiteral("80"));
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("calcola")), Qt::LeftButton);
        QTRY_COMPARE(app.messenger.shown.size(), 2);
        QCOMPARE(QApplication::focusWidget(), child<QLineEdit>(w, QStringLiteral("anno1")));
    }

    // The share's label and scroll bar agree, 40 at the top.
    void theShareAndItsScrollBarAgree()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        auto *share = child<QScrollBar>(w, QStringLiteral("VScroll2"));
        auto *pdf = child<QLabel>(w, QStringLiteral("pdf"));
        QCOMPARE(share->value(), 25);
        QCOMPARE(pdf->text(), QStringLiteral("25"));
        QTest::mouseClick(share, Qt::LeftButton, {}, QPoint(share->width() / 2, share->height() - 2));
        QCOMPARE(pdf->text(), QStringLiteral("24"));
        QTest::mouseClick(share, Qt::LeftButton, {}, QPoint(share->width() / 2, 1));
        QTest::mouseClick(share, Qt::LeftButton, {}, QPoint(share->width() / 2, 1));
        QCOMPARE(pdf->text(), QStringLiteral("26"));
        QWheelEvent wheel(QPointF(3, 20), share->mapToGlobal(QPointF(3, 20)), {}, QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(share, &wheel);
        QCOMPARE(pdf->text(), QStringLiteral("25"));
        // A screen reader reads the share itself.
        QAccessibleValueInterface *value = QAccessible::queryAccessibleInterface(share)->valueInterface();
        QCOMPARE(value->currentValue().toInt(), 25);
        QCOMPARE(value->minimumValue().toInt(), 10);
        QCOMPARE(value->maximumValue().toInt(), 40);
        // An opened study moves the thumb to its share.
        app.dialogs.choices.push_back(QStringLiteral(VICANIA_EXAMPLE));
        w->model().files().aprifile_Click();
        QCOMPARE(pdf->text(), QStringLiteral("23"));
        QCOMPARE(share->value(), 23);
    }

    void calcolaFillsTheGridAndTheScrollBarPagesThroughIt()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("calcola")), Qt::LeftButton);
        QVERIFY(!child<QLabel>(w, QStringLiteral("popolazione"))->text().isEmpty());
        QCOMPARE(cell(w, QStringLiteral("ann"), 1), QStringLiteral("2000"));
        QCOMPARE(cell(w, QStringLiteral("ann"), 10), QStringLiteral("2009"));
        auto *bar = child<QScrollBar>(w, QStringLiteral("VScroll1"));
        QCOMPARE(bar->maximum(), 12);
        QCOMPARE(bar->pageStep(), 10);
        QCOMPARE(bar->singleStep(), 1);
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        QCOMPARE(cell(w, QStringLiteral("ann"), 1), QStringLiteral("2010"));
        bar->triggerAction(QAbstractSlider::SliderToMaximum);
        QCOMPARE(cell(w, QStringLiteral("ann"), 10), QStringLiteral("2020"));
        QCOMPARE(cell(w, QStringLiteral("abit"), 10), child<QLabel>(w, QStringLiteral("popolazione"))->text());
        QVERIFY(child<QPushButton>(w, QStringLiteral("verifica"))->isEnabled());
        QCOMPARE(child<QLabel>(w, QStringLiteral("numop"))->text(), w->model().numop());
    }

    void accessKeysActOnTheFirstPressAndShortcutsShowInTheMenus()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        // "&File" and "&Frontespizio" share F: the menu bar takes it.
        QCOMPARE(w->commands().accessKeyButton(u'F'), nullptr);
        QCOMPARE(w->commands().accessKeyButton(u'U'), child<QPushButton>(w, QStringLiteral("uscita")));
        // Verifica is disabled until a calculation: no button then holds V.
        QCOMPARE(w->commands().accessKeyButton(u'V'), nullptr);
        typeExample(w);
        w->model().calcola_Click();
        QCOMPARE(w->commands().accessKeyButton(u'V'), child<QPushButton>(w, QStringLiteral("verifica")));
        const QList<QAction *> actions = w->findChildren<QAction *>();
        auto shortcutOf = [&](const QString &name) {
            for (QAction *a : actions)
                if (a->objectName() == name)
                    return a->shortcut().toString();
            return QStringLiteral("none");
        };
        QCOMPARE(shortcutOf(QStringLiteral("aprifile")), QStringLiteral("Ctrl+O"));
        QCOMPARE(shortcutOf(QStringLiteral("salvanome")), QStringLiteral("Ctrl+Shift+S"));
        QCOMPARE(shortcutOf(QStringLiteral("stampa")), QStringLiteral("Ctrl+P"));
        QCOMPARE(shortcutOf(QStringLiteral("esci")), QStringLiteral("Ctrl+Q"));
        QCOMPARE(shortcutOf(QStringLiteral("guida")), QStringLiteral("F1"));
        // Both entries of the Stampa submenu have their letter.
        for (QAction *a : child<QMenu>(w, QStringLiteral("mnuStampa"))->actions())
            QVERIFY2(!QKeySequence::mnemonic(a->text()).isEmpty(), qPrintable(a->text()));
        // No button keeps a shortcut of its own that would make a letter ambiguous.
        for (QPushButton *b : w->findChildren<QPushButton *>())
            QVERIFY2(b->shortcut().isEmpty(), qPrintable(b->objectName()));
        // Every toolbar action is named by its tooltip.
        for (QAction *a : w->findChild<QToolBar *>()->actions())
            QVERIFY(a->isSeparator() || (!a->text().isEmpty() && a->text() == a->toolTip()));
    }

    void theShareScrollBarGoesDownByKeysAndTheGridCopiesRows()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        auto *share = child<QScrollBar>(w, QStringLiteral("VScroll2"));
        QCOMPARE(share->focusPolicy(), Qt::StrongFocus);
        QCOMPARE(child<QScrollBar>(w, QStringLiteral("VScroll1"))->focusPolicy(), Qt::StrongFocus);
        QTest::keyClick(share, Qt::Key_Down);
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("24"));
        QTest::keyClick(share, Qt::Key_Up);
        QTest::keyClick(share, Qt::Key_Up);
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("26"));
        QTest::keyClick(share, Qt::Key_Home);
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("40"));
        // The thumb is drawn inside the short bar, at the top for 40.
        QStyleOptionSlider option;
        option.initFrom(share);
        option.orientation = Qt::Vertical;
        option.minimum = share->minimum();
        option.maximum = share->maximum();
        option.pageStep = share->pageStep();
        option.upsideDown = share->invertedAppearance();
        option.sliderPosition = option.sliderValue = share->maximum();
        const QRect top =
            share->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, share);
        option.sliderPosition = option.sliderValue = share->minimum();
        const QRect bottom =
            share->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, share);
        QVERIFY(top.height() > 0 && top.top() < bottom.top());

        typeExample(w);
        w->model().calcola_Click();
        ResultsGrid *grid = w->grid();
        grid->selectRow(0);
        grid->selectionModel()->select(grid->model()->index(2, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        grid->selectionModel()->select(grid->model()->index(1, 0),
                                       QItemSelectionModel::Select | QItemSelectionModel::Rows);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
        const QStringList lines = QApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0],
                 QStringLiteral("Anno\tAbitanti\tImmigrati\tEmigrati\tDonne\tNascite\tMortalità\tMorti\t+/- abit."));
        for (int r = 1; r <= 3; ++r) {
            const QStringList cells = lines[r].split(u'\t');
            QCOMPARE(cells.size(), 9);
            QCOMPARE(cells[0], cell(w, QStringLiteral("ann"), r));
            QCOMPARE(cells[1], cell(w, QStringLiteral("abit"), r));
        }
        // Moving down past the tenth row scrolls the years, as VScroll1 does.
        grid->setCurrentIndex(grid->model()->index(9, 0));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(w->model().grid().VScroll1(), 2);
        QCOMPARE(child<QScrollBar>(w, QStringLiteral("VScroll1"))->value(), 2);
    }

    // The largest numbers a projection may hold are shown whole, in smaller
    // type; ordinary ones keep the designed equal columns and type.
    void theGridShowsEveryNumberWhole()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        w->model().calcola_Click();
        ResultsGrid *grid = w->grid();
        QCOMPARE(cutCells(grid), QStringList());
        QCOMPARE(grid->font(), w->font());
        for (int c = 1; c < kGridColumnCount; ++c)
            QVERIFY(std::abs(grid->columnWidth(c) - grid->columnWidth(0)) <= 1);
        typeInto(w, QStringLiteral("abitnoti"), QStringLiteral("10000000000"));
        w->model().calcola_Click();
        QCOMPARE(cutCells(grid), QStringList());
        ProjectionTable table;
        for (std::size_t row = 1; row <= ProjectionTable::kLastRow; ++row) {
            table.year[row] = -9999;
            for (auto *column : {&table.inhabitants, &table.immigrants, &table.emigrants, &table.fertileWomen,
                                 &table.births, &table.infantDeaths, &table.oldAgeDeaths, &table.naturalChange})
                (*column)[row] = -1e12;
        }
        GridViewport largest;
        largest.redraw(table, 199);
        ResultsGrid big(largest, grid->parentWidget());
        big.setGeometry(grid->geometry());
        big.show();
        big.refresh();
        QCOMPARE(big.model()->index(0, 1).data().toString(), QStringLiteral("-1000000000000"));
        QCOMPARE(cutCells(&big), QStringList());
        QVERIFY(big.font().pointSizeF() < grid->font().pointSizeF());
    }

    // Tab reaches both scroll bars and the grid, and the grid lets Tab go on.
    void theTabOrderReachesBothScrollBars()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        w->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), w);
        typeExample(w);
        w->model().calcola_Click();
        child<QLineEdit>(w, ProjectionInputs::name(F::anno1))->setFocus();
        QStringList visited;
        for (int i = 0; i < 60; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        for (const char *name : {"VScroll1", "VScroll2", "griglia", "calcola"})
            QVERIFY2(visited.contains(QLatin1String(name)), qPrintable(visited.join(u' ')));
    }

    // The captions beside the fields and the names screen readers give them.
    void captionsNameTheirFields()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        const QStringList captions{"Anno di partenza",
                                   "Tasso di fecondità (%)",
                                   "Età inizio di procreazione",
                                   "Età di fine procreazione",
                                   "Mortalità infantile su 1000",
                                   "Età mediana di morte",
                                   "Immigrazione x 1000",
                                   "Emigrazione x 1000",
                                   "Anno di arrivo",
                                   "Donne in età feconda (% sulla popolazione)"};
        for (int i = 0; i < captions.size(); ++i)
            QCOMPARE(child<QLabel>(w, QStringLiteral("labello_%1").arg(i + 1))->text(), captions[i]);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("abitnoti"))->accessibleName(),
                 QStringLiteral("Numero di abitanti nell'anno di partenza"));
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("emigr"))->accessibleName(), captions[7]);
        QCOMPARE(child<QScrollBar>(w, QStringLiteral("VScroll2"))->accessibleName(), captions.last());
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->toolTip(),
                 QStringLiteral("Scegli il valore con la barra di scorrimento verticale"));
    }

    // Under any scale every window opens wholly inside the free screen area.
    void everyWindowStaysOnScreen()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        app.program.showWindow(WindowId::frontespizio);
        for (WindowId id : {WindowId::sommario, WindowId::frmTip, WindowId::informaz, WindowId::supportoclienti,
                            WindowId::guidadati, WindowId::dimensionamento})
            app.program.showWindow(id);
        const QRect area = w->screen()->availableGeometry();
        QStringList outside;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top->isVisible() && !area.contains(top->frameGeometry()))
                outside << top->objectName();
        }
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(u' ')));
        // A shrunk window keeps every input inside its client area.
        for (QLineEdit *e : w->findChildren<QLineEdit *>())
            QVERIFY(w->rect().contains(QRect(e->mapTo(w, QPoint(0, 0)), e->size())));
    }

    // A message box is wide enough for its whole title.
    void messageBoxesShowTheirWholeTitle()
    {
        QtMessenger messenger;
        int width = 0, needed = 0;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            width = box->width();
            needed = QFontMetrics(QApplication::font("QMdiSubWindowTitleBar")).horizontalAdvance(box->windowTitle());
            box->accept();
        });
        Message m;
        m.title = QStringLiteral("Attenzione: i dati immessi e i risultati ottenuti non archiviati andranno persi !");
        m.text = QStringLiteral("Uscire?");
        m.buttons = Message::Buttons::YesNo;
        messenger.show(m);
        QVERIFY(needed > 0);
        QVERIFY2(width > needed + 100, qPrintable(QStringLiteral("%1 <= %2").arg(width).arg(needed)));
    }

    void underADarkPaletteFixedColoursKeepTheirText()
    {
        App app;
        QApplication::setPalette(darkPalette());
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        w->model().calcola_Click();
        for (QWidget *c : w->findChildren<QWidget *>()) {
            if (!c->autoFillBackground())
                continue;
            const QPalette p = c->palette();
            QVERIFY2(Look::contrast(p.color(QPalette::Window), p.color(QPalette::WindowText)) >= 4.5,
                     qPrintable(c->objectName()));
            QVERIFY2(Look::contrast(p.color(QPalette::Base), p.color(QPalette::Text)) >= 4.5,
                     qPrintable(c->objectName()));
        }
        const QModelIndex first = w->grid()->model()->index(0, 1);
        QVERIFY(Look::contrast(first.data(Qt::BackgroundRole).value<QColor>(),
                               first.data(Qt::ForegroundRole).value<QColor>()) >= 4.5);
        QApplication::setPalette(QPalette());
    }

    // Each toolbar picture stands out from the toolbar: enough of its pixels
    // reach a contrast of 3 to 1 with the background beside it.
    void toolbarPicturesStandOutInBothPalettes_data()
    {
        QTest::addColumn<bool>("dark");
        QTest::addColumn<bool>("titlePage");
        QTest::newRow("projection, light") << false << false;
        QTest::newRow("projection, dark") << true << false;
        QTest::newRow("title page, light") << false << true;
        QTest::newRow("title page, dark") << true << true;
    }

    void toolbarPicturesStandOutInBothPalettes()
    {
        QFETCH(bool, dark);
        QFETCH(bool, titlePage);
        App app;
        QWidget *w = titlePage ? static_cast<QWidget *>(app.program.titlePageWindow()) : openProjection(app);
        // The desktop turns dark while the program runs.
        if (dark)
            QApplication::setPalette(darkPalette());
        auto *bar = w->findChild<QToolBar *>();
        const QImage shot = bar->grab().toImage();
        const qreal scale = shot.devicePixelRatio();
        QStringList faint;
        for (QAction *a : bar->actions()) {
            if (a->isSeparator())
                continue;
            const QRect button = bar->widgetForAction(a)->geometry();
            const QRect picture(QPoint(int(button.left() * scale), int(button.top() * scale)),
                                QSize(int(button.width() * scale), int(button.height() * scale)));
            const QColor background = shot.pixelColor(picture.topLeft() + QPoint(1, 1));
            int strong = 0;
            for (int y = picture.top(); y <= picture.bottom(); ++y)
                for (int x = picture.left(); x <= picture.right(); ++x)
                    strong += Look::contrast(shot.pixelColor(x, y), background) >= 3 ? 1 : 0;
            if (strong < 12 * scale * scale)
                faint << QStringLiteral("%1 (%2)").arg(a->objectName()).arg(strong);
        }
        QApplication::setPalette(QPalette());
        QVERIFY2(faint.isEmpty(), qPrintable(faint.join(u' ')));
    }

    void hoveringAYearHighlightsItsRowUntilTheNextRedraw()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        w->model().calcola_Click();
        const QColor yellow = Look::bgr(Look::kYellow), cyan = Look::bgr(Look::kCyan);
        hoverYear(w, 4);
        hoverYear(w, 7);
        QCOMPARE(background(w, QStringLiteral("aument"), 7), yellow);
        QCOMPARE(background(w, QStringLiteral("aument"), 4), cyan);
        child<QScrollBar>(w, QStringLiteral("VScroll1"))->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(background(w, QStringLiteral("aument"), 7), cyan);
    }

    void verificaAndRiequilibraThroughTheButtons()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        const QStringList texts{"2000", "12000", "1,1", "15", "45", "6", "78", "2", "5", "2030"};
        for (int i = 0; i < texts.size(); ++i)
            typeInto(w, ProjectionInputs::name(static_cast<F>(i)), texts[i]);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("calcola")), Qt::LeftButton);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("verifica")), Qt::LeftButton);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2030"));
        QCOMPARE(cell(w, QStringLiteral("ann"), 1), QStringLiteral("2030"));
        auto *riequilibra = child<QPushButton>(w, QStringLiteral("riequilibra"));
        QVERIFY(riequilibra->isEnabled());
        QTest::mouseClick(riequilibra, Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, QStringLiteral("passo"))->text(), Expected::kAfterRebalance);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("abitnoti"))->text(), w->model().text(F::abitnoti));
        QVERIFY(child<QPushButton>(w, QStringLiteral("verifica"))->isEnabled());
    }

    void theHelpMessageAndToolbarPositionSix()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("aiuto")), Qt::LeftButton);
        QCOMPARE(app.messenger.shown.size(), 1);
        QCOMPARE(app.messenger.shown[0].text.count(u'\r'), 7);
        QVERIFY(app.messenger.shown[0].text.startsWith(
            QStringLiteral("- Aprire un file archiviato per prelevare i dati;\r")));
        QCOMPARE(app.messenger.shown[0].icon, Message::Icon::Information);
        w->findChild<QAction *>(QStringLiteral("Toolbar1_6"))->trigger();
        QCOMPARE(app.messenger.shown[1].text, QStringLiteral("E' questa la finestra per il calcolo!"));
        QCOMPARE(app.messenger.shown[1].icon, Message::Icon::Exclamation);
        QCOMPARE(app.messenger.shown[1].title, QStringLiteral("Vicania: aiuto in linea"));
        QVERIFY(child<QPushButton>(w, QStringLiteral("Command1"))->isEnabled());
    }

    // The toolbar's positions, with gaps where its separators are.
    void everyToolbarPositionHasItsCommand_data()
    {
        QTest::addColumn<int>("position");
        for (int position : {1, 2, 3, 4, 6, 7, 9, 10, 11, 12, 14, 15, 16})
            QTest::addRow("Toolbar1_%d", position) << position;
    }

    void everyToolbarPositionHasItsCommand()
    {
        QFETCH(int, position);
        App app;
        stimaabitanti *w = openProjection(app);
        auto *action = w->findChild<QAction *>(QStringLiteral("Toolbar1_%1").arg(position));
        QVERIFY(action);
        QVERIFY(action->isVisible());
    }

    void theDocumentsOfTheProjectionWindow()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        w->model().calcola_Click();
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("Command1")), Qt::LeftButton);
        QCOMPARE(child<QLabel>(w, QStringLiteral("passo"))->text(),
                 QStringLiteral("Ho visualizzato i dati con WORD. Li puoi modificare, integrare e archiviare."));
        w->findChild<QAction *>(QStringLiteral("acquisizionedati"))->trigger();
        w->findChild<QAction *>(QStringLiteral("Toolbar1_4"))->trigger();
        const QStringList files = QDir(app.folder.path()).entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 3);
        QVERIFY(files[0].startsWith(QStringLiteral("Vicania-modello-acquisizione-dati-")));
        QVERIFY(files[1].startsWith(QStringLiteral("Vicania-risultati-")));
        QVERIFY(files[2].startsWith(QStringLiteral("Vicania-risultati-")));
        QVERIFY(app.messenger.shown.isEmpty());
    }

    void aDocumentThatCannotBeWrittenIsReported()
    {
        App app;
        app.documents.setFolder(QStringLiteral("/proc/vicania-non-scrivibile"));
        stimaabitanti *w = openProjection(app);
        const QString before = child<QLabel>(w, QStringLiteral("passo"))->text();
        w->findChild<QAction *>(QStringLiteral("acquisizionedati"))->trigger();
        QCOMPARE(app.messenger.shown.size(), 1);
        QVERIFY(app.messenger.shown[0].text.contains(QStringLiteral("/proc/vicania-non-scrivibile")));
        QCOMPARE(app.messenger.shown[0].icon, Message::Icon::Critical);
        QCOMPARE(child<QLabel>(w, QStringLiteral("passo"))->text(), before);
    }

    void fileCommandsUseTheScriptedDialogs()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        app.dialogs.choices.push_back(QStringLiteral(VICANIA_EXAMPLE));
        w->findChild<QAction *>(QStringLiteral("Toolbar1_1"))->trigger();
        QCOMPARE(app.dialogs.requests[0].title, QStringLiteral("Apri file"));
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2021"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("23"));
        // Cancelled delete: nothing happens.
        w->findChild<QAction *>(QStringLiteral("eliminare"))->trigger();
        QVERIFY(QFile::exists(QStringLiteral(VICANIA_EXAMPLE)));
    }

    void aStudyFromOutsideOpensAsApriWould()
    {
        // Named on the command line: opened when the projection window opens.
        App app;
        app.program.setStudyToOpen(QStringLiteral(VICANIA_EXAMPLE));
        stimaabitanti *w = openProjection(app);
        QCoreApplication::processEvents();
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2021"));
        QCOMPARE(child<QLabel>(w, QStringLiteral("pdf"))->text(), QStringLiteral("23"));
        QVERIFY(app.messenger.shown.isEmpty());
        QVERIFY(app.dialogs.requests.isEmpty());

        // Dropped on the title page: the same, both windows filled.
        child<QLineEdit>(w, QStringLiteral("anno1"))->setText(QStringLiteral("1900"));
        auto *page = app.program.titlePageWindow();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QStringLiteral(VICANIA_EXAMPLE))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(page, &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2021"));

        // A file that is no study: a message that names it, the window as it was.
        QTemporaryDir dir;
        const QString other = dir.filePath(QStringLiteral("appunti.txt"));
        QFile file(other);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write("\"uno\",\"due\"\r\n") > 0);
        file.close();
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enterAgain(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &enterAgain);
        QDropEvent bad(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(w, &bad);
        QCOMPARE(app.messenger.shown.size(), 1);
        QVERIFY(app.messenger.shown[0].text.contains(QDir::toNativeSeparators(other)));
        QCOMPARE(app.messenger.shown[0].icon, Message::Icon::Critical);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2021"));
        // Missing altogether: the same kind of message.
        app.program.setStudyToOpen(dir.filePath(QStringLiteral("manca")));
        app.program.openPendingStudy();
        QCOMPARE(app.messenger.shown.size(), 2);
        QVERIFY(app.messenger.shown[1].text.contains(QStringLiteral("manca")));
    }

    void confirmedExitAnsweredNoChangesNothing()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        const QStringList music = app.music.calls;
        app.messenger.answers.push_back(Message::Answer::No);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("uscita")), Qt::LeftButton);
        QCOMPARE(app.messenger.shown.size(), 1);
        const Message expected{QStringLiteral("Vuoi uscire da Vicania?"),
                               QStringLiteral("Attenzione: i dati non archiviati andranno persi !"),
                               Message::Icon::Question, Message::Buttons::YesNo, Message::Answer::No};
        QCOMPARE(app.messenger.shown[0], expected);
        QCOMPARE(app.program.loaded(QStringLiteral("stimaabitanti")), w);
        QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno2"))->text(), QStringLiteral("2020"));
        QCOMPARE(app.music.calls, music);
    }

    void confirmedExitAnsweredYesReturnsToTheSplash()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w);
        QPointer<stimaabitanti> old = w;
        app.messenger.answers.push_back(Message::Answer::Yes);
        w->findChild<QAction *>(QStringLiteral("Toolbar1_16"))->trigger();
        QVERIFY(!app.program.loaded(QStringLiteral("stimaabitanti")));
        frmSplash *s = app.program.splash();
        QVERIFY(s->isVisible());
        QCOMPARE(s->label(2)->text(), QString(7, u' ') + QStringLiteral("elaborazione eseguita con"));
        QCOMPARE(app.music.calls.last(), QStringLiteral("play"));
        QTRY_VERIFY(old.isNull());
        // A click opens a fresh window in its opening state.
        QTest::mouseClick(s, Qt::LeftButton);
        stimaabitanti *fresh = app.program.projection();
        QVERIFY(fresh->isVisible());
        QCOMPARE(child<QLineEdit>(fresh, QStringLiteral("anno2"))->text(), QString());
        QCOMPARE(child<QLabel>(fresh, QStringLiteral("passo"))->text(), Expected::kOpening);
        QCOMPARE(s->label(2)->text(), QString(7, u' ') + QStringLiteral("elaborazione eseguita con"));
    }

    void theSpanRefusalLeavesOnYes()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w, QStringLiteral("2300"));
        app.messenger.answers.push_back(Message::Answer::Yes);
        QTest::mouseClick(child<QPushButton>(w, QStringLiteral("calcola")), Qt::LeftButton);
        QVERIFY(!app.program.loaded(QStringLiteral("stimaabitanti")));
        QVERIFY(app.program.splash()->isVisible());
    }

    void anUnarchivedStudySurvivesAKilledProgram()
    {
        QTemporaryDir data;
        RecoveryCopy::setFolder(data.path());
        const auto copies = [&data] {
            return QDir(data.path()).entryList({QStringLiteral("studio-non-archiviato*.json")}, QDir::Files);
        };
        {
            App app;
            app.program.keepRecoveryCopies(true);
            stimaabitanti *w = openProjection(app);
            QCoreApplication::processEvents();
            QVERIFY(app.messenger.shown.isEmpty()); // nothing to offer yet
            app.program.recovery()->flush();
            QVERIFY(copies().isEmpty()); // nothing typed, no copy
            typeInto(w, QStringLiteral("anno1"), QStringLiteral("2030"));
            app.program.titlePage().write({"Ricerca ripresa", "", "", "", "", "", "", "", ""});
            app.program.recovery()->flush();
            QCOMPARE(copies().size(), 1);
            // The program is killed here: no exit question, nothing saved.
        }
        {
            App app;
            app.program.keepRecoveryCopies(true);
            app.messenger.answers.push_back(Message::Answer::Yes);
            stimaabitanti *w = openProjection(app);
            QCoreApplication::processEvents();
            QCOMPARE(app.messenger.shown.size(), 1);
            QVERIFY(app.messenger.shown[0].text.startsWith(
                QStringLiteral("È stato trovato uno studio non archiviato del ")));
            QVERIFY(app.messenger.shown[0].text.endsWith(QStringLiteral("(«Ricerca ripresa»). Vuoi riprenderlo?")));
            QCOMPARE(child<QLineEdit>(w, QStringLiteral("anno1"))->text(), QStringLiteral("2030"));
            QCOMPARE(app.program.titlePage().read().ricerca, QStringLiteral("Ricerca ripresa"));
            app.program.recovery()->flush();
            QCOMPARE(copies().size(), 1); // still not archived
            // Opening a study archives the window's data: the copy goes.
            app.dialogs.choices.push_back(QStringLiteral(VICANIA_EXAMPLE));
            w->model().files().aprifile_Click();
            QVERIFY(copies().isEmpty());
            // Typed again, then leaving with Yes: the loss was accepted.
            typeInto(w, QStringLiteral("anno1"), QStringLiteral("2031"));
            app.program.recovery()->flush();
            QCOMPARE(copies().size(), 1);
            app.messenger.answers.push_back(Message::Answer::Yes);
            app.program.confirmExit();
            QVERIFY(copies().isEmpty());
        }
        {
            // Offered and refused: the copy goes, the window stays empty.
            RecoveryCopy::Slot::create()->write({StudyRecord{}, QString(), QDateTime::currentDateTime()});
            App app;
            app.program.keepRecoveryCopies(true);
            stimaabitanti *w = openProjection(app);
            QCoreApplication::processEvents();
            QCOMPARE(app.messenger.shown.size(), 1);
            QVERIFY(copies().isEmpty());
            QVERIFY(child<QLineEdit>(w, QStringLiteral("anno1"))->text().isEmpty());
        }
        RecoveryCopy::setFolder(QString());
    }

    void theProgramEndsWhenItsLastVisibleWindowIsHidden()
    {
        App app;
        stimaabitanti *w = openProjection(app);
        showWindow(app.program, QStringLiteral("informaz"));
        QWidget *about = app.program.loaded(QStringLiteral("informaz"));
        QVERIFY(about && about->isVisible());
        QSignalSpy gone(&app.program, &Program::nothingVisible);
        // The splash and the projection window go; the about window stays.
        app.program.splash()->hide();
        w->hide();
        QCoreApplication::processEvents();
        QCOMPARE(gone.count(), 0);
        // Its own OK button only hides it: that was the last visible window.
        QTest::mouseClick(child<QPushButton>(about, QStringLiteral("cmdOK")), Qt::LeftButton);
        QTRY_COMPARE(gone.count(), 1);
    }

    void windowsFiltersBecomeQtFilters()
    {
        QCOMPARE(
            QtFileDialogs::nameFilters(QStringLiteral("Tutti i file (*.*) | *.*|File Vicania-dati- | Vicania-dati-*")),
            QStringList({"Tutti i file (*)", "File Vicania-dati- (Vicania-dati-*)"}));
        QCOMPARE(QtFileDialogs::nameFilters(QStringLiteral("File Vicania-dati- | Vicania-dati-*")),
                 QStringList({"File Vicania-dati- (Vicania-dati-*)"}));
        QCOMPARE(QtFileDialogs::nameFilters(QStringLiteral("Tabelle ISTAT (ZIP o CSV)|*.zip;*.csv")),
                 QStringList({"Tabelle ISTAT (*.zip *.csv)"}));
    }

    // Every text fits its control, at the designed size and at twice that.
    void nothingIsClipped_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("designed size") << 1.0;
        QTest::newRow("twice the size") << 2.0;
    }

    void nothingIsClipped()
    {
        QFETCH(double, scale);
        App app;
        stimaabitanti *w = openProjection(app);
        typeExample(w, QStringLiteral("2150"));
        w->model().calcola_Click();
        w->resize(int(Look::px(9700) * scale), int(Look::px(6825) * scale));
        QApplication::processEvents();
        // Every clipped control is named, not only the first.
        QStringList clipped;
        auto *passo = child<QLabel>(w, QStringLiteral("passo"));
        for (const QString &prompt :
             {ProjectionTexts::kReadyToCompute, ProjectionInputs::prompt(ProjectionInputs::at(6)),
              ProjectionInputs::prompt(ProjectionInputs::at(2)), ProjectionTexts::kAfterRebalance}) {
            passo->setText(prompt);
            if (passo->heightForWidth(passo->width()) > passo->height())
                clipped << QStringLiteral("passo: ") + prompt;
        }
        for (QLabel *l : w->findChildren<QLabel *>()) {
            const QRect room = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
            if (l->wordWrap() && l->heightForWidth(l->width()) > l->height())
                clipped << QStringLiteral("%1 %2>%3")
                               .arg(l->objectName())
                               .arg(l->heightForWidth(l->width()))
                               .arg(l->height());
            else if (!l->wordWrap() && l->fontMetrics().horizontalAdvance(l->text()) > room.width())
                clipped << l->objectName();
        }
        for (QPushButton *b : w->findChildren<QPushButton *>()) {
            const QString caption = QString(b->text()).remove(u'&');
            if (b->fontMetrics().horizontalAdvance(caption) + 8 > b->width())
                clipped << b->objectName() + QStringLiteral(" (width)");
            if (b->fontMetrics().height() + 4 > b->height())
                clipped << b->objectName() + QStringLiteral(" (height)");
        }
        clipped << cutCells(w->grid());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral(", "))));
    }
};

QTEST_MAIN(GuiTest)
#include "test_gui.moc"
