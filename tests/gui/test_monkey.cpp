// A deterministic monkey: thousands of random clicks, keys, texts and menu
// commands on every window of the program, with message boxes and file
// dialogs scripted. After each burst: nothing absurd is shown anywhere.
#include "GuiSupport.h"
#include "core/AppGlobals.h"
#include "projection/stimaabitanti.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTest>

class MonkeyTest : public QObject {
    Q_OBJECT

private:
    static QList<QWidget *> visibleWindows()
    {
        QList<QWidget *> out;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !qobject_cast<QMenu *>(w))
                out << w;
        }
        return out;
    }

    // The commands a user can reach, but not the office dialog and the ISTAT
    // import, which wait for their own answers.
    static QList<QAction *> commands(QWidget *window)
    {
        QList<QAction *> out;
        for (QAction *a : window->findChildren<QAction *>()) {
            if (a->isEnabled() && !a->menu() && !a->isSeparator() && a->objectName() != QLatin1String("studio") &&
                a->objectName() != QLatin1String("importaistat"))
                out << a;
        }
        return out;
    }

    static QString absurdText()
    {
        static const QRegularExpression word(QStringLiteral("\\b(nan|inf)\\b"),
                                             QRegularExpression::CaseInsensitiveOption);
        for (QWidget *w : visibleWindows()) {
            for (QLabel *l : w->findChildren<QLabel *>())
                if (word.match(l->text()).hasMatch())
                    return l->objectName() + QStringLiteral(": ") + l->text();
            for (QLineEdit *e : w->findChildren<QLineEdit *>())
                if (word.match(e->text()).hasMatch())
                    return e->objectName() + QStringLiteral(": ") + e->text();
        }
        return {};
    }

    static void act(QRandomGenerator &random, QWidget *window)
    {
        static const QStringList texts = {QString(),
                                          QStringLiteral("2000"),
                                          QStringLiteral("2199"),
                                          QStringLiteral("1e308"),
                                          QStringLiteral("-5"),
                                          QStringLiteral("10.000"),
                                          QStringLiteral("1,5"),
                                          QStringLiteral("99999999999"),
                                          QStringLiteral("abc"),
                                          QStringLiteral("\""),
                                          QStringLiteral("😀"),
                                          QString(300, u'x'),
                                          QStringLiteral("80"),
                                          QStringLiteral("14"),
                                          QStringLiteral("49"),
                                          QStringLiteral("0")};
        const int kind = int(random.bounded(4));
        if (kind == 0) {
            const QList<QAction *> list = commands(window);
            if (!list.isEmpty())
                list[int(random.bounded(qsizetype(list.size())))]->trigger();
            return;
        }
        if (kind == 1) {
            QList<QLineEdit *> edits;
            for (QLineEdit *e : window->findChildren<QLineEdit *>())
                if (e->isVisible() && e->isEnabled() && !e->isReadOnly())
                    edits << e;
            if (!edits.isEmpty()) {
                QLineEdit *e = edits[int(random.bounded(qsizetype(edits.size())))];
                e->setFocus();
                e->selectAll();
                // Typed as keys, also where they are not on the keyboard.
                for (QChar c : texts[int(random.bounded(qsizetype(texts.size())))]) {
                    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
                    QApplication::sendEvent(e, &press);
                }
            }
            return;
        }
        if (kind == 2) {
            QList<QAbstractButton *> buttons;
            // Nor the dialogs of the office's figures, which wait for their answers too.
            for (QAbstractButton *b : window->findChildren<QAbstractButton *>())
                if (b->isVisible() && b->isEnabled() && b->objectName() != QLatin1String("salvafigure") &&
                    b->objectName() != QLatin1String("eliminafigure"))
                    buttons << b;
            if (!buttons.isEmpty())
                buttons[int(random.bounded(qsizetype(buttons.size())))]->click();
            return;
        }
        for (QScrollBar *s : window->findChildren<QScrollBar *>()) {
            if (s->isVisible() && s->isEnabled() && random.bounded(2) == 0)
                s->setValue(s->minimum() + int(random.bounded(s->maximum() - s->minimum() + 1)));
        }
    }

private slots:
    void randomUseNeverShowsAnythingAbsurd_data()
    {
        QTest::addColumn<quint32>("seed");
        for (const quint32 seed : {1u, 2u, 3u})
            QTest::addRow("seed %u", seed) << seed;
    }

    void randomUseNeverShowsAnythingAbsurd()
    {
        QFETCH(quint32, seed);
        App app;
        // An office signs the reports, so none stops to ask for one.
        appGlobals().StudioName = QStringLiteral("Studio Rossi");
        QRandomGenerator random(seed);
        app.program.showWindow(WindowId::stimaabitanti);
        for (int burst = 0; burst < 40; ++burst) {
            for (int i = 0; i < 25; ++i) {
                QList<QWidget *> windows = visibleWindows();
                if (windows.isEmpty()) {
                    app.program.showWindow(WindowId::stimaabitanti);
                    windows = visibleWindows();
                }
                act(random, windows[int(random.bounded(qsizetype(windows.size())))]);
            }
            QCoreApplication::processEvents();
            const QString shown = absurdText();
            QVERIFY2(shown.isEmpty(), qPrintable(QStringLiteral("burst %1: %2").arg(burst).arg(shown)));
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "test_monkey.moc"
