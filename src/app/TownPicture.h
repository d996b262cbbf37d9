// The splash picture: a small hill town at dusk, drawn by the program.
#pragma once

#include <QWidget>

class QPainter;

class TownPicture : public QWidget {
    Q_OBJECT

public:
    explicit TownPicture(QWidget *parent = nullptr);
    // The picture on a 100 x 140 canvas; the program's icon draws it too.
    static void draw(QPainter &painter);

protected:
    void paintEvent(QPaintEvent *event) override;
};
