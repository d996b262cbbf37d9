// One of the seven help pages (the quick manual and six guide pages): a title,
// a long text, and the buttons Sommario, Stampa, Chiudi.
#pragma once

#include <QWidget>

class WindowHost;
class QLabel;
class clsResize;

class GuidePage : public QWidget {
    Q_OBJECT

public:
    // Window names in the order of the help contents.
    static const QStringList &windowNames();

    GuidePage(WindowHost &host, int page);

    int page() const { return m_page; }
    QLabel *titleLabel() const { return m_title; }
    QLabel *textLabel() const { return m_text; }
    // guidafunzionamento and guidadati are only hidden by Chiudi.
    bool hidesOnClose() const;

    void cmdSommario_Click();
    void cmdStampa_Click();
    void cmdChiudi_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();

    WindowHost &m_host;
    int m_page;
    QWidget *m_client = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_text = nullptr;
    clsResize *m_resize = nullptr;
};
