// The help contents: eight topics that turn bold under the pointer and open
// on pressing; print all pages, close, leave the program.
#pragma once

#include "core/WindowNames.h"

#include <QWidget>
#include <array>

class WindowHost;
class QLabel;
class clsResize;

class sommario : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTopicCount = 8;
    explicit sommario(WindowHost &host);

    QLabel *lbl(int index) const { return m_labels[static_cast<std::size_t>(index - 1)]; }
    // The window a topic opens (any other index opens the manual).
    static WindowId topicWindow(int index);

    void puls_Click(int index);
    void lbl_MouseMove(int index);
    void lbl_MouseDown(int index);
    void lbl_MouseUp(int index);
    void Form_MouseMove();
    void cmdstampa_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A topic's label and arrow: both open its window.
    void wireTopic(int index);
    void clearBold();

    WindowHost &m_host;
    QWidget *m_client = nullptr;
    std::array<QLabel *, kTopicCount> m_labels{};
    clsResize *m_resize = nullptr;
};
