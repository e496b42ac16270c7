#include "exercises/reaction/urea11.h"

#include "common/zustand.h"
#include "exercises/shared/fensterteile.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/leinwand.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "platform/warten.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>

namespace {
constexpr float kRichtig = 50.0f;
constexpr float kFalsch = 10.0f;
constexpr int kPauseMaus = 500;
constexpr int kPauseTaste = 800;
}

const std::vector<Zahlmatrixart>& Trea11::mitglieder()
{
    static const std::vector<Zahlmatrixart> t{
        {70, QStringLiteral("Trea11"), QStringLiteral("Matrix I"), 4, false, 40},
        {71, QStringLiteral("Trea12"), QStringLiteral("Matrix II"), 5, true, 50},
    };
    return t;
}

Trea11::Trea11(const Zahlmatrixart& art) : m_art(art), m_matrix(art.spalten, art.nurGerade)
{
    setObjectName(art.klasse);
    setWindowTitle(art.titel);
    setzeNurSystemmenue();
    setzeKeyPreview(true);

    start = teile::knopf(this, QStringLiteral("start"), QStringLiteral("Start"));
    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    pb = new Malflaeche(this, farbe::buttonFace());
    pb->setObjectName(QStringLiteral("pb"));
    pb->installEventFilter(this);
    pb->hide();
    weiter = teile::knopf(this, QStringLiteral("weiter"), QStringLiteral("weiter"));
    weiter->hide();
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    rifa = teile::etikett(this, QStringLiteral("rifa"), QStringLiteral("Arial"), 32);
    setzeMaximiert(true);
    anordnen();
}

void Trea11::anordnen()
{
    const int w = width(), h = height();
    const int hoehe = 2 * h / 3;
    const int breite = hoehe * m_art.spalten / 3;
    m_cw = std::max(1, breite / m_art.spalten);
    m_ch = std::max(1, hoehe / Zahlmatrix::kZeilen);
    pb->setGeometry((w - breite) / 2, h / 8, breite, hoehe);
    start->move((w - start->width()) / 2, (h - start->height()) / 2);
    weiter->move((w - weiter->width()) * 5 / 6, 4 * h / 5);
    rifa->resize(w / 3, rifa->height());
    teile::mittig(rifa, 17 * h / 20);
}

void Trea11::FormShow() { anordnen(); }

// Once per show: a message window does not set the run back.
void Trea11::FormActivate()
{
    m_matrixNr = 1;
    m_cx = m_cy = 0;
    altx = alty = 0;
    pb->hide();
}

// Nothing is recorded; a pause still running finds the run ended.
void Trea11::FormClose()
{
    m_lauf.abbrechen();
    m_erlaubt = false;
    m_vorgemerkt.clear();
    start->show();
    weiter->hide();
    rifa->clear();
    pb->hide();
    pb->freigeben();
}

void Trea11::startClick()
{
    if (m_lauf.laeuft())
        return;
    pb->show();
    m_matrixNr = 1;
    m_matrix.neu();
    m_lauf.starte(kMatrizen);
    start->hide();
    rifa->clear();
    aufbau();
    m_erlaubt = true;
    setFocus();
}

void Trea11::weiterClick()
{
    if (!m_lauf.laeuft() || !m_matrix.fertig() || m_matrixNr > kMatrizen)
        return;
    weiter->hide();
    m_matrix.neu();
    aufbau();
    rifa->clear();
    m_erlaubt = true;
    setFocus();
}

QRect Trea11::rahmenfeld(int c, int r) const
{
    const double fx = pb->width() / static_cast<double>(m_art.fxTeiler);
    const double fy = pb->height() / 30.0;
    return QRect(QPoint(static_cast<int>((10 * c + 1) * fx), static_cast<int>((10 * r + 1) * fy)),
                 QPoint(static_cast<int>((10 * c + 9) * fx), static_cast<int>((10 * r + 9) * fy)));
}

// The frame from the rectangle's first corner to its second, as the cursor
// and the verdicts draw it.
void Trea11::rahmen(const QRect& feld, const QColor& farbe, int breite)
{
    Leinwand& c = pb->canvas();
    c.pinselKlar = true;
    c.stiftFarbe = farbe;
    c.stiftBreite = breite;
    c.rechteck(feld.left(), feld.top(), feld.right(), feld.bottom());
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    c.pinselKlar = false;
    pb->update();
}

void Trea11::aufbau()
{
    Leinwand& c = pb->canvas();
    const int breite = pb->width(), hoehe = Zahlmatrix::kZeilen * m_ch;
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(0, 0, breite, pb->height());
    c.stiftFarbe = farbe::schwarz;
    c.stiftBreite = 1;
    for (int k = 1; k <= m_art.spalten; ++k)
        c.linie(k * m_cw, 0, k * m_cw, hoehe);
    for (int k = 1; k <= Zahlmatrix::kZeilen; ++k)
        c.linie(0, k * m_ch, breite, k * m_ch);
    m_cx = m_cy = 0;
    altx = alty = 0;
    for (int x = 0; x < m_art.spalten; ++x)
        for (int y = 0; y < Zahlmatrix::kZeilen; ++y)
            zahl(x, y);
    rahmen(rahmenfeld(0, 0), farbe::schwarz, 1);
    pb->update();
}

void Trea11::zahl(int x, int y)
{
    Leinwand& c = pb->canvas();
    const int fh = 2 * m_ch / 3;
    c.schrift = schrift::font(QStringLiteral("Courier New"), fh);
    c.schriftFarbe = farbe::schwarz;
    // two digits reach past the frame: no background, so the frame stays whole
    c.pinselKlar = true;
    c.text(x * m_cw + m_cw / 6, y * m_ch + (m_ch - fh) / 2, m_matrix.text(x, y));
    c.pinselKlar = false;
}

// Erasing a frame would cut the digits it crosses: the cell is drawn again,
// with the cursor if it stands there.
void Trea11::loesche(int x, int y)
{
    Leinwand& c = pb->canvas();
    c.pinselKlar = false;
    c.pinselFarbe = farbe::buttonFace();
    c.fuellen(x * m_cw + 1, y * m_ch + 1, (x + 1) * m_cw, (y + 1) * m_ch);
    zahl(x, y);
    if (x == m_cx && y == m_cy)
        rahmen(rahmenfeld(x, y), farbe::schwarz, 1);
    pb->update();
}

bool Trea11::pause(int ms, bool richtig)
{
    // After a right pick, picks, cursor keys and clicks are dropped. After a
    // wrong one they count: the cursor moves at once, a pick ends the pause and
    // is handled when this pick is done, never inside its pause. Esc and the
    // close box close either way.
    m_erlaubt = !richtig;
    m_falschePause = !richtig;
    const bool weiter = wartenBewacht(this, ms, richtig ? Pauseneingabe::Gesperrt : Pauseneingabe::Zugelassen,
                                      [this] { return m_lauf.laeuft(); });
    m_falschePause = false;
    if (!weiter)
        return false;
    m_erlaubt = !m_matrix.fertig();
    return true;
}

void Trea11::waehle(int c, int r, bool tastatur)
{
    if (!m_erlaubt || !m_lauf.laeuft())
        return;
    if (m_falschePause) {
        m_vorgemerkt.push_back({c, r, tastatur});
        wartenBeenden();
        return;
    }
    bewerte(c, r, tastatur);
    // each noted pick in turn; one that ends the matrix or the run drops the rest
    while (!m_vorgemerkt.empty() && m_erlaubt && m_lauf.laeuft()) {
        const Wahl w = m_vorgemerkt.front();
        m_vorgemerkt.erase(m_vorgemerkt.begin());
        bewerte(w.c, w.r, w.tastatur);
    }
    m_vorgemerkt.clear();
}

void Trea11::bewerte(int c, int r, bool tastatur)
{
    const int ms = tastatur ? kPauseTaste : kPauseMaus;
    const QRect feld = rahmenfeld(c, r);
    const bool richtig = m_matrix.waehle(c, r);
    if (richtig) {
        m_lauf.punkte += kRichtig;
        const int n = m_matrix.naechste();
        rifa->setText(n <= static_cast<int>(m_matrix.liste().size()) ? QString::number(n) + QStringLiteral(". Zahl")
                                                                       : QString());
    } else {
        m_lauf.punkte -= kFalsch;
    }
    rahmen(feld, richtig ? farbe::gruen : farbe::rot, 5);
    if (!pause(ms, richtig))
        return;
    loesche(c, r);
    if (!m_matrix.fertig())
        return;
    ++m_matrixNr;
    if (m_matrixNr <= kMatrizen) {
        weiter->show();
        weiter->setFocus();
        return;
    }
    m_lauf.beende(this, m_art.programm, m_lauf.abschluss());
}

bool Trea11::FormShortCut(int taste, QKeyEvent*)
{
    if (taste == taste::kEsc) {
        close();  // nothing is recorded
        return true;
    }
    // without picks, Enter reaches "weiter"
    if (!m_erlaubt || !m_lauf.laeuft())
        return false;
    if (taste == taste::kEnter) {
        waehle(m_cx, m_cy, true);
        return true;
    }
    const int letzte = m_art.spalten - 1;
    altx = m_cx;
    alty = m_cy;
    switch (taste) {
    case taste::kLinks: m_cx = m_cx == 0 ? letzte : m_cx - 1; break;
    case taste::kHoch: m_cy = m_cy == 0 ? Zahlmatrix::kZeilen - 1 : m_cy - 1; break;
    case taste::kRechts: m_cx = m_cx == letzte ? 0 : m_cx + 1; break;
    case taste::kRunter: m_cy = m_cy == Zahlmatrix::kZeilen - 1 ? 0 : m_cy + 1; break;
    default: return false;
    }
    loesche(altx, alty);
    rahmen(rahmenfeld(m_cx, m_cy), farbe::schwarz, 1);
    return true;
}

bool Trea11::eventFilter(QObject* o, QEvent* e)
{
    if (o == pb && e->type() == QEvent::MouseButtonPress) {
        const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
        schuetze([&] { pbMouseDown(p); });
        return true;
    }
    return Form::eventFilter(o, e);
}

// Strictly inside a cell: a press on a grid line or the edge picks nothing.
void Trea11::pbMouseDown(QPoint p)
{
    if (!m_erlaubt)
        return;
    auto zelle = [](int v, int groesse, int anzahl) {
        if (v <= 0 || v % groesse == 0)
            return -1;
        const int i = v / groesse;
        return i < anzahl ? i : -1;
    };
    const int c = zelle(p.x(), m_cw, m_art.spalten);
    const int r = zelle(p.y(), m_ch, Zahlmatrix::kZeilen);
    if (c >= 0 && r >= 0)
        waehle(c, r, false);
}
