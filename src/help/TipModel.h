// The tip of the day: the tips file read once, one tip per line, shown one at
// a time; next wraps around, previous stops at the first.
#pragma once

#include <QString>
#include <QStringList>

class TipModel {
public:
    static inline const QString kFileName = QStringLiteral("SuggerimentiVicania.TXT");
    static const QString &missingFileText();

    // Load: reads the file at path and shows the first tip, or the missing-file text.
    explicit TipModel(const QString &path);

    bool LoadTips(const QString &path);
    void DisplayCurrentTip();
    void ShowNextTip();
    void ShowPreviousTip();

    QString lblTipText() const { return m_text; }
    int CurrentTip() const { return m_current; }
    const QStringList &Tips() const { return m_tips; }

private:
    QStringList m_tips;
    int m_current = 0;
    QString m_text;
};
