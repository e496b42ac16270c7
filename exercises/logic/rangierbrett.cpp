#include "exercises/logic/rangierbrett.h"

#include <cstring>

namespace rangier {

QPoint schritt(int richtung)
{
    static const QPoint schritte[] = {{0, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    return schritte[richtung];
}

int code(char b)
{
    static const char* const buchstaben = "wbkhzmorulpasiq";
    static const int codes[] = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 26};
    if (b == 'R')
        return -1;
    if (b != 0)
        if (const char* p = std::strchr(buchstaben, b))
            return codes[p - buchstaben];
    return kBoden;
}

}

using namespace rangier;

namespace {
const QString kGestossen = QStringLiteral("Autsch, Robbi hat sich gestoßen !!!!!!!!!");
const QString kNichtDrehen = QStringLiteral("Robbi kann sich hier nicht drehen !!!!!!!");
const QString kNichtNehmen = QStringLiteral("Diesen Gegenstand kann Robbi nicht nehmen !!!!!!");
const QString kNichts = QStringLiteral("Robbi hat nichts zum hinlegen !!!!!");
const QString kKeinPlatz = QStringLiteral("Da ist kein Platz, um etwas hinzulegen !!!!!");
const QString kNichtBohren = QStringLiteral("Hier kann Robbi nicht bohren !!!!!!");

// Where the robot may step, and a carried box go or swing.
bool begehbar(int c)
{
    return c == kBoden || c == kWasser || c == kZiel || c == kAblage || c == kInsel || c == kWackel;
}
// What throws a shot back.
bool prallt(int c)
{
    return c == kKiste || c == kHindernis || c == kBohr || c == kPaket || c == kSperre || c == kRand;
}
int gegenueber(int richtung) { return (richtung + 1) % 4 + 1; }
}

void Rangierbrett::lade(const QByteArray& zellen)
{
    m_feld.fill(kRand);
    m_marken.fill(0);
    m_roboter = QPoint(1, 1);
    m_richtung = 1;
    m_paket = m_kiste = false;
    m_energie = kEnergie;
    m_baelle = 0;
    m_hatSperre = false;
    m_sperre = QPoint();
    m_gelegt = 0;
    m_fehler = KeinFehler;
    m_ziel = false;
    for (int i = 0; i < kZellen; ++i) {
        const QPoint p(i % 10 + 1, i / 10 + 1);
        int c = code(i < zellen.size() ? zellen[i] : 0);
        if (c < 0) {
            m_roboter = p;
            c = kBoden;
        }
        if (c == kSperre) {
            m_sperre = p;
            m_hatSperre = true;
        }
        m_baelle += c == kBall;
        setze(p, c);
    }
}

QByteArray Rangierbrett::schluessel() const
{
    QByteArray s(reinterpret_cast<const char*>(m_feld.data()), int(m_feld.size()));
    s.append(reinterpret_cast<const char*>(m_marken.data()), int(m_marken.size()));
    s += char(m_roboter.x());
    s += char(m_roboter.y());
    s += char(m_richtung);
    s += char(m_paket);
    s += char(m_kiste);
    s += char(m_gelegt);
    return s;
}

void Rangierbrett::setze(QPoint p, int code)
{
    if (inGitter(p.x(), p.y()))
        m_feld[p.y() * kSeite + p.x()] = std::uint8_t(code);
}

void Rangierbrett::notiere(Rangierschritt s)
{
    if (m_antwort && protokoll)
        m_antwort->schritte.push_back(s);
}

void Rangierbrett::zeichne(QPoint p) { notiere({Rangierschritt::Art::Zelle, p.x(), p.y(), feld(p)}); }

void Rangierbrett::absage(const QString& text)
{
    if (m_antwort)
        m_antwort->absage = text;
}

int Rangierbrett::lastkosten() const { return (m_paket ? 2 : 0) + (m_kiste ? 2 : 0); }

Rangierantwort Rangierbrett::befehl(int befehl)
{
    Rangierantwort a;
    m_antwort = &a;
    switch (befehl) {
    case Vorne: vorne(); break;
    case Hinten: hinten(); break;
    case Rechts: drehe(m_richtung % 4 + 1); break;
    case Links: drehe((m_richtung + 2) % 4 + 1); break;
    case Nehmen: nehmen(); break;
    case Legen: legen(); break;
    case Schiessen: schuss(); break;
    case Bohren: bohren(); break;
    default: break;
    }
    if (befehl == Vorne || befehl == Hinten) {
        const int unter = feld(m_roboter);
        if (unter == kWasser || (unter == kInsel && (m_paket || m_kiste)))
            m_fehler = Ertrunken;
        else if (unter == kZiel)
            m_ziel = true;
    }
    m_antwort = nullptr;
    return a;
}

// Robot and box move one cell the way given; a wobbly tile left falls.
void Rangierbrett::gehe(QPoint ziel, int richtung)
{
    const QPoint alt = m_roboter;
    const QPoint kisteAlt = kistenort();
    if (feld(alt) == kWackel)
        setze(alt, kWasser);
    m_roboter = ziel;
    zeichne(alt);
    if (m_kiste) {
        zeichne(kisteAlt);
        zeichne(kisteAlt + schritt(richtung));
    }
    zeichne(ziel);
}

void Rangierbrett::vorne()
{
    m_energie -= 2 + lastkosten();
    const QPoint d = schritt(m_richtung);
    const QPoint ziel = m_kiste ? m_roboter + d + d : m_roboter + d;
    const int c = feld(ziel);
    if (!begehbar(c) && c != kPfeil + m_richtung)
        return absage(kGestossen);
    gehe(m_roboter + d, m_richtung);
}

// An arrow is entered only by a step in its own direction, backward too.
void Rangierbrett::hinten()
{
    const int zurueck = gegenueber(m_richtung);
    const QPoint ziel = m_roboter + schritt(zurueck);
    const int c = feld(ziel);
    if (!begehbar(c) && c != kPfeil + zurueck) {
        m_energie -= 2 + (m_paket ? 2 : 0);
        return absage(kGestossen);
    }
    m_energie -= 2 + lastkosten();
    gehe(ziel, zurueck);
}

void Rangierbrett::drehe(int neu)
{
    m_energie -= 2 + lastkosten();
    if (!m_kiste) {
        const int c = feld(m_roboter);
        if (c != kBoden && c != kAblage && c != kInsel && c != kWackel)
            return absage(kNichtDrehen);
        m_richtung = neu;
        return zeichne(m_roboter);
    }
    const QPoint alt = kistenort();
    const QPoint neuOrt = m_roboter + schritt(neu);
    if (!begehbar(feld(alt + schritt(neu))) || !begehbar(feld(neuOrt)))
        return absage(kNichtDrehen);
    m_richtung = neu;
    zeichne(alt);
    zeichne(neuOrt);
    zeichne(m_roboter);
}

void Rangierbrett::nehmen()
{
    const QPoint vorn = m_roboter + schritt(m_richtung);
    const int c = feld(vorn);
    if (c == kKiste && !m_kiste) {
        m_energie -= 2;
        m_kiste = true;
    } else if (c == kPaket && !m_paket) {
        m_energie -= 1;
        m_paket = true;
    } else {
        return absage(kNichtNehmen);
    }
    setze(vorn, kBoden);
    zeichne(vorn);
    zeichne(m_roboter);
    // the platform does not carry the weight
    if (feld(m_roboter) == kInsel)
        m_fehler = Ertrunken;
}

void Rangierbrett::legen()
{
    const QPoint vorn = m_roboter + schritt(m_richtung);
    const int c = feld(vorn);
    if (m_kiste) {
        if (c != kBoden && c != kWasser)
            return absage(kKeinPlatz);
        m_energie -= 2;
        m_kiste = false;
        setze(vorn, c == kBoden ? kKiste : kBoden);
    } else if (m_paket) {
        if (c == kBoden)
            setze(vorn, kPaket);
        else if (c == kAblage)
            zielpack(vorn);
        else if (c != kWasser && c != kZiel)  // there the parcel is lost
            return absage(kKeinPlatz);
        m_energie -= 1;
        m_paket = false;
    } else {
        return absage(kNichts);
    }
    zeichne(vorn);
    zeichne(m_roboter);
}

void Rangierbrett::zielpack(QPoint p)
{
    setze(p, kAbgelegt);
    ++m_gelegt;
    // a level without a barrier has nothing to wipe; later parcels leave the cell alone
    if (!m_hatSperre || m_gelegt > 4)
        return;
    if (m_gelegt == 4)
        setze(m_sperre, kBoden);
    zeichne(m_sperre);
}

void Rangierbrett::schuss()
{
    notiere({Rangierschritt::Art::Pause, 0, 0, 0, kPauseSchuss});
    if (m_kiste) {
        m_fehler = Querschlaeger;
        return;
    }
    QPoint p = m_roboter;
    int r = m_richtung;
    // The path is reversible, so the shot comes back unless it meets a ball;
    // the bound only guards that argument.
    for (int n = 0; n < 4 * kSeite * kSeite; ++n) {
        if (prallt(feld(p + schritt(r)))) {
            r = gegenueber(r);
        } else {
            p += schritt(r);
            if (feld(p) == kBall) {
                setze(p, kBoden);
                zeichne(p);
                if (--m_baelle == 0)
                    m_ziel = true;
                return;
            }
        }
        notiere({Rangierschritt::Art::Schuss, p.x(), p.y()});
        notiere({Rangierschritt::Art::Pause, 0, 0, 0, kPauseSchuss});
        zeichne(p);
        if (p == m_roboter) {
            m_fehler = Querschlaeger;
            return;
        }
    }
}

void Rangierbrett::bohren()
{
    const QPoint vorn = m_roboter + schritt(m_richtung);
    const int bit = 1 << (m_richtung - 1);
    if (feld(vorn) != kBohr || (marken(vorn.x(), vorn.y()) & bit))
        return absage(kNichtBohren);
    std::uint8_t& m = m_marken[vorn.y() * kSeite + vorn.x()];
    m |= std::uint8_t(bit);
    if (__builtin_popcount(m) == 2) {
        m = 0;
        setze(vorn, kBoden);
    }
    zeichne(vorn);
}
