// The start-up and closing splash: black, captionless, yellow frame, the
// program's name and edition, the picture and the music. A click opens the
// projection window; a key press ends the program.
#pragma once

#include <QWidget>
#include <array>

class WindowHost;
class QLabel;

class frmSplash : public QWidget {
    Q_OBJECT

public:
    explicit frmSplash(WindowHost &host);

    static inline const QString kMusicFile = QStringLiteral("Internet.mid");
    QLabel *label(int index) const { return m_labels[static_cast<std::size_t>(index)]; }
    // label 2 after a confirmed exit
    void setClosingText();

    void Form_Load();
    void Form_Click();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void build();

    WindowHost &m_host;
    std::array<QLabel *, 12> m_labels{};
    bool m_unloading = false;
};
