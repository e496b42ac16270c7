#pragma once
// The choice of the user who trains.
#include "shell/namensraster.h"

class Twah01 : public Namensraster {
    Q_OBJECT
public:
    static Twah01& instanz();
    const QStringList& namen() const { return m_namen; }

protected:
    void FormActivate() override;
    void check(int spalte, int zeile) override;

private:
    Twah01();
    QStringList m_namen;
};
