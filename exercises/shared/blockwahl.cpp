#include "exercises/shared/blockwahl.h"

#include "exercises/shared/dezimalantwort.h"
#include "platform/dialoge.h"
#include "platform/tasten.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace blockwahl {

std::optional<int> block(const QString& text)
{
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    bool ok = false;
    const int b = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return b;
}

bool durchlassen(int zeichen)
{
    return (zeichen >= '0' && zeichen <= '9') || zeichen == taste::kRueck || zeichen == taste::kEnter;
}

}

Blockwahl::Blockwahl(QWidget* fenster, const QString& text, int von, int bis, int laenge,
                     std::function<void(int)> gewaehlt)
    : QObject(fenster), m_von(von), m_bis(bis), m_gewaehlt(std::move(gewaehlt))
{
    Label1 = new QLabel(text, fenster);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->adjustSize();
    wahl = new QLineEdit(fenster);
    wahl->setObjectName(QStringLiteral("wahl"));
    if (laenge > 0)
        wahl->setMaxLength(laenge);
    wahl->resize(Label1->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12, wahl->sizeHint().height());
    // Esc passes on to the window
    dezimal::verbindeFeld(
        wahl, [](int z) { return z == taste::kEsc || blockwahl::durchlassen(z); },
        [this](int t) { wahlKeyUp(t); });
}

void Blockwahl::anordnen(int breite, int hoehe)
{
    Label1->adjustSize();
    Label1->move((breite - Label1->width()) / 2, hoehe * 2 / 5);
    wahl->move((breite - wahl->width()) / 2, hoehe * 3 / 5);
}

void Blockwahl::zeige()
{
    Label1->show();
    wahl->show();
}

void Blockwahl::verberge()
{
    Label1->hide();
    wahl->hide();
}

bool Blockwahl::sichtbar() const { return wahl->isVisible(); }

void Blockwahl::leere() { wahl->clear(); }

void Blockwahl::wahlKeyUp(int taste)
{
    if (taste != taste::kEnter || !wahl->isVisible())
        return;
    const std::optional<int> b = blockwahl::block(wahl->text());
    if (!b)
        return;
    if (blockwahl::gueltig(*b, m_von, m_bis)) {
        m_gewaehlt(*b);
        return;
    }
    dialog::zeige(QStringLiteral("ungültige Eingabe!"));
    wahl->clear();
    wahl->setFocus();
}
