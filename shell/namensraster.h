#pragma once
// The grid of the 40 user names, four columns of ten, worked by mouse and arrow
// keys; shared by the choice and the deletion of users.
#include "platform/form.h"

#include <QStringList>

class Namensraster : public Form {
    Q_OBJECT
public:
    explicit Namensraster(QWidget* parent = nullptr);

    void aufbau(const QStringList& namen);
    void rahmen(int spalte, int zeile);
    void loeschen(int spalte, int zeile);
    // Column 1-4 and row 1-10 of a point, or {0, 0} between the bands.
    static QPoint treffer(QPoint punkt);

protected:
    // A name chosen: column 1 to 4, row 1 to 10.
    virtual void check(int spalte, int zeile) = 0;
    // The arrows move the frame and Enter chooses only while this is true.
    virtual bool rasterAktiv() const { return true; }
    // After Enter has chosen.
    virtual void nachEnter() {}
    bool FormShortCut(int taste, QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    void rahmenZeichnen(int spalte, int zeile, const QColor& farbe);
};
