// Fits a window to the screen and keeps its controls in proportion when it
// is resized: each control is scaled from the layout recorded at load, never
// from the previous pass. A control's "Tag" property ("@L,T,W,H", any case)
// limits which of left, top, width and height are scaled; a tag that does
// not start with "@" scales all four. Lines scale through their end points.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

class clsResize : public QObject {
    Q_OBJECT

public:
    explicit clsResize(QObject *parent = nullptr);
    ~clsResize() override;

    // A scaled window's load: the layout recorded at the designed size (in
    // twips), the window centred at three quarters of the screen, then given
    // its designed size again. The object belongs to the window.
    static clsResize *load(QWidget *window, QWidget *client, int widthTwips, int heightTwips);

    // The window's client area: the widget whose children are its controls.
    QWidget *SourceForm() const { return m_form; }
    void setSourceForm(QWidget *form);

    void ReInitialise() { RecordLayout(); }
    // Centres the window at percent of the screen in each direction.
    void SizeFormToScreen(quint8 percent);
    void ResizeControls();

    int RecordedWidth() const { return m_recordedWidth; }
    int RecordedHeight() const { return m_recordedHeight; }
    bool NeedsInit() const { return m_needsInit; }

    // Which values a tag scales: "L", "T", "W", "H" in that order.
    struct Directive {
        bool left = true, top = true, width = true, height = true;
    };
    static Directive directiveFor(const QString &tag);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct ControlRecord {
        QPointer<QWidget> control;
        int first = 0, second = 0, third = 0, fourth = 0;
    };

    void RecordLayout();
    // A control moved and sized from its record, as far as its tag allows.
    static void ScaleControl(const ControlRecord &r, double horizontal, double vertical);
    QList<QWidget *> controls() const;

    QPointer<QWidget> m_form;
    QList<ControlRecord> m_records;
    int m_recordedWidth = 0;
    int m_recordedHeight = 0;
    bool m_needsInit = true;
};
