// The tip of the day, one tip at a time; Chiudi only hides the window, so it
// reopens on the same tip.
#pragma once

#include "TipModel.h"

#include <QWidget>

class WindowHost;
class QLabel;

class frmTip : public QWidget {
    Q_OBJECT

public:
    explicit frmTip(WindowHost &host);
    TipModel &model() { return m_model; }
    QLabel *lblTipText() const { return m_text; }

    void cmdNextTip_Click();
    void cmdprecedente_Click();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void update_display();

    WindowHost &m_host;
    TipModel m_model;
    QLabel *m_text = nullptr;
};
