// The splash picture: a small hill town at dusk, drawn by the program.
#pragma once

#include <QWidget>

class TownPicture : public QWidget {
    Q_OBJECT

public:
    explicit TownPicture(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
};
