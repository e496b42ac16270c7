#include "shell/uplan02.h"

#include "common/namen.h"
#include "common/programme.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "shell/planlauf.h"

#include <algorithm>

namespace {
constexpr int kRand = 10;
constexpr int kKnopfBreite = 170;
constexpr int kKnopfHoehe = 36;
constexpr int kPanel1Breite = 620;
constexpr int kPanel2Breite = 1000;

const QString kKeinEintrag = QStringLiteral("Es wurde kein Eintrag gewählt!");
const QString kSatzLeer = QStringLiteral("Der gewählte Satz ist leer!");
const QString kKeinProgramm = QStringLiteral("Es wurde kein Programm ausgewählt!");

// Blanks and control characters at the ends go, as the input box's text was always trimmed.
bool leerzeichen(QChar c) { return c.unicode() <= ' '; }

QString ohneEndleerzeichen(QString s)
{
    while (!s.isEmpty() && leerzeichen(s.back()))
        s.chop(1);
    return s;
}

QString beidseitigGetrimmt(const QString& s)
{
    int anfang = 0;
    while (anfang < s.size() && leerzeichen(s.at(anfang)))
        ++anfang;
    return ohneEndleerzeichen(s.mid(anfang));
}

QPushButton* knopf(const QString& text, const QString& name, QWidget* eltern)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setFont(schrift::font(QStringLiteral("Arial"), 16));
    return b;
}

QListWidget* liste(const QString& name, QWidget* eltern, const QFont& font)
{
    auto* l = new Listenfeld(eltern);
    l->setObjectName(name);
    l->setFont(font);
    return l;
}

QFrame* panel(const QString& name, QWidget* eltern)
{
    auto* p = new QFrame(eltern);
    p->setObjectName(name);
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    return p;
}

}

Tplan02& Tplan02::instanz()
{
    static Tplan02* form = new Tplan02;
    return *form;
}

Tplan02::Tplan02()
{
    setObjectName(QStringLiteral("plan02"));
    setWindowTitle(QStringLiteral("Plan-Editor"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);

    Panel1 = panel(QStringLiteral("Panel1"), this);
    ListBox1 = liste(QStringLiteral("ListBox1"), Panel1, schrift::font(QStringLiteral("Courier New"), 11));
    Button1 = knopf(QStringLiteral("löschen"), QStringLiteral("Button1"), Panel1);
    Button2 = knopf(QStringLiteral("anlegen"), QStringLiteral("Button2"), Panel1);
    Button3 = knopf(QStringLiteral("ändern"), QStringLiteral("Button3"), Panel1);
    Button4 = knopf(QStringLiteral("zurück"), QStringLiteral("Button4"), Panel1);

    Panel2 = panel(QStringLiteral("Panel2"), this);
    const QFont listenschrift = schrift::font(QStringLiteral("Arial"), 16);
    ListBox2 = liste(QStringLiteral("ListBox2"), Panel2, listenschrift);
    ListBox3 = liste(QStringLiteral("ListBox3"), Panel2, listenschrift);
    Button5 = knopf(QStringLiteral(">>>>>>"), QStringLiteral("Button5"), Panel2);
    Button6 = knopf(QStringLiteral("FERTIG"), QStringLiteral("Button6"), Panel2);
    Button7 = knopf(QStringLiteral("<<<<<<"), QStringLiteral("Button7"), Panel2);
    Button8 = knopf(QStringLiteral("nach oben"), QStringLiteral("Button8"), Panel2);
    Button9 = knopf(QStringLiteral("nach unten"), QStringLiteral("Button9"), Panel2);
    Panel2->hide();
    // as a plan is made: an exercise chosen and added, a line of the plan chosen,
    // removed or moved, then FERTIG
    QWidget* const reihe[] = {ListBox2, Button5, ListBox3, Button7, Button8, Button9, Button6};
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);

    const std::pair<QPushButton*, void (Tplan02::*)()> handler[] = {
        {Button1, &Tplan02::Button1Click}, {Button2, &Tplan02::Button2Click}, {Button3, &Tplan02::Button3Click},
        {Button4, &Tplan02::Button4Click}, {Button5, &Tplan02::Button5Click}, {Button6, &Tplan02::Button6Click},
        {Button7, &Tplan02::Button7Click}, {Button8, &Tplan02::Button8Click}, {Button9, &Tplan02::Button9Click},
    };
    for (const auto& [b, h] : handler)
        connect(b, &QPushButton::clicked, this, [this, h] { schuetze([this, h] { (this->*h)(); }); });
    FormCreate();
}

void Tplan02::FormCreate()
{
    const int w = width(), h = height();
    // Panel1 from a twentieth of the height down to just above the middle
    const int b1 = std::min(kPanel1Breite, w);
    const int h1 = std::max(h / 2 - h / 20 - kRand, 5 * kKnopfHoehe);
    Panel1->setGeometry((w - b1) / 2, h / 20, b1, h1);
    const int knopfX = b1 - kRand - kKnopfBreite;
    ListBox1->setGeometry(kRand, kRand, knopfX - 2 * kRand, h1 - 2 * kRand);
    Button1->setGeometry(knopfX, kRand, kKnopfBreite, kKnopfHoehe);
    Button2->setGeometry(knopfX, 2 * kRand + kKnopfHoehe, kKnopfBreite, kKnopfHoehe);
    Button3->setGeometry(knopfX, 3 * kRand + 2 * kKnopfHoehe, kKnopfBreite, kKnopfHoehe);
    Button4->setGeometry(knopfX, h1 - kRand - kKnopfHoehe, kKnopfBreite, kKnopfHoehe);

    // Panel2 from the middle down: exercises | add, remove, FERTIG | plan | up, down
    const int b2 = std::min(kPanel2Breite, w);
    const int h2 = std::max(h - h / 2 - h / 20, 5 * kKnopfHoehe);
    Panel2->setGeometry((w - b2) / 2, h / 2, b2, h2);
    const int lb = std::max((b2 - 5 * kRand - 2 * kKnopfBreite) / 2, kKnopfBreite);
    const int spalte1 = 2 * kRand + lb;
    const int spalte2 = 4 * kRand + 2 * lb + kKnopfBreite;
    ListBox2->setGeometry(kRand, kRand, lb, h2 - 2 * kRand);
    ListBox3->setGeometry(3 * kRand + lb + kKnopfBreite, kRand, lb, h2 - 2 * kRand);
    Button5->setGeometry(spalte1, kRand, kKnopfBreite, kKnopfHoehe);
    Button7->setGeometry(spalte1, 2 * kRand + kKnopfHoehe, kKnopfBreite, kKnopfHoehe);
    Button6->setGeometry(spalte1, h2 - kRand - kKnopfHoehe, kKnopfBreite, kKnopfHoehe);
    Button8->setGeometry(spalte2, kRand, kKnopfBreite, kKnopfHoehe);
    Button9->setGeometry(spalte2, 2 * kRand + kKnopfHoehe, kKnopfBreite, kKnopfHoehe);
}

void Tplan02::FormShow()
{
    Panel2->hide();
    Panel1->show();
    ListBox1->clear();
    m_tabelle.clear();
    m_gelesen = false;
    m_tabelle = plan::lies();
    m_gelesenerStand = m_tabelle;
    m_gelesen = true;
    ListBox1->addItems(m_tabelle);
}

// löschen
void Tplan02::Button1Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox1);
    if (zeile < 0) {
        dialog::zeige(kKeinEintrag);
        return;
    }
    if (plan::istFrei(m_tabelle.at(zeile))) {
        dialog::zeige(kSatzLeer);
        return;
    }
    m_tabelle[zeile] = plan::frei();
    ListBox1->item(zeile)->setText(plan::frei());
}

// anlegen: every check runs and shows its own message, so several can follow one another
void Tplan02::Button2Click()
{
    m_buchstaben.clear();
    const QString name = beidseitigGetrimmt(dialog::eingabe(QStringLiteral("Plan anlegen"),
                                                            QStringLiteral("Geben Sie einen Plannamen ein:"), {}))
                             .left(plan::kNamenlaenge);
    bool abgelehnt = false;
    // a name starting with "offen" would be taken for a free record and overwritten
    if (plan::istFrei(name)) {
        dialog::zeige(QStringLiteral("ungültiger Planname!"));
        abgelehnt = true;
    }
    // once refused, the check looks at the first record only, as it always did
    if (plan::nameVergeben(abgelehnt ? m_tabelle.mid(0, 1) : m_tabelle, name)) {
        dialog::zeige(QStringLiteral("Der Planname existiert bereits!"));
        abgelehnt = true;
    }
    const auto frei = std::find_if(m_tabelle.cbegin(), m_tabelle.cend(), plan::istFrei);
    if (frei == m_tabelle.cend()) {
        dialog::zeige(QStringLiteral("Es ist kein Platz mehr frei!!"));
        abgelehnt = true;
    } else {
        m_satz = int(frei - m_tabelle.cbegin()) + 1;
    }
    if (abgelehnt)
        return;
    m_name = name;
    bearbeiten();
}

// ändern
void Tplan02::Button3Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox1);
    if (zeile < 0) {
        dialog::zeige(kKeinEintrag);
        return;
    }
    m_satz = zeile + 1;
    const QString satz = m_tabelle.at(zeile);
    if (plan::istFrei(satz)) {
        dialog::zeige(kSatzLeer);
        return;
    }
    bearbeiten();
    m_name = ohneEndleerzeichen(satz.left(plan::kNamenlaenge));
    // a letter that names no exercise (a damaged record) is dropped
    m_buchstaben = plan::gueltige(ohneEndleerzeichen(satz.mid(plan::kNamenlaenge)));
    for (QChar b : std::as_const(m_buchstaben))
        ListBox3->addItem(ListBox2->item(programm::ausBuchstabe(b) - 1)->text());
}

void Tplan02::bearbeiten()
{
    Panel2->show();
    Panel1->hide();
    ListBox2->clear();
    for (int k = 1; k <= programm::kAnzahlUebungen; ++k)
        ListBox2->addItem(programmnamen(k));
    ListBox3->clear();
}

// zurück: the only moment the plan file is written
void Tplan02::Button4Click()
{
    try {
        // another program may have saved plans since the editor read them
        if (m_gelesen)
            for (const QString& meldung : plan::speichereAenderungen(m_gelesenerStand, m_tabelle))
                dialog::zeige(meldung);
    } catch (const std::exception& e) {
        // the window has no other way out; the error is shown and it closes anyway
        zeigeFehler(e);
    }
    close();
}

// >>>>>> add
void Tplan02::Button5Click()
{
    if (m_buchstaben.size() >= plan::kEintraege) {
        dialog::zeige(QStringLiteral("Die Liste ist voll!"));
        return;
    }
    const int zeile = plan::gewaehlteZeile(ListBox2);
    if (zeile < 0) {
        dialog::zeige(kKeinProgramm);
        return;
    }
    ListBox3->addItem(ListBox2->item(zeile)->text());
    m_buchstaben += programm::buchstabe(zeile + 1);
}

// FERTIG
void Tplan02::Button6Click()
{
    Panel1->show();
    Panel2->hide();
    const QString satz = (m_name.leftJustified(plan::kNamenlaenge, QLatin1Char(' ')) + m_buchstaben)
                             .left(plan::kKapazitaet);
    if (m_satz < 1 || m_satz > m_tabelle.size())
        return;
    m_tabelle[m_satz - 1] = satz;
    ListBox1->item(m_satz - 1)->setText(satz);
}

// <<<<<< remove
void Tplan02::Button7Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox3);
    if (zeile < 0) {
        dialog::zeige(kKeinProgramm);
        return;
    }
    delete ListBox3->takeItem(zeile);
    m_buchstaben.remove(zeile, 1);
    // as after any deletion, no line is selected
    ListBox3->setCurrentRow(-1);
    ListBox3->clearSelection();
}

// nach oben
void Tplan02::Button8Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox3);
    if (zeile < 0) {
        dialog::zeige(kKeinProgramm);
        return;
    }
    if (zeile > 0)
        tausche(zeile, zeile - 1);
}

// nach unten
void Tplan02::Button9Click()
{
    const int zeile = plan::gewaehlteZeile(ListBox3);
    if (zeile < 0) {
        dialog::zeige(kKeinProgramm);
        return;
    }
    if (zeile < ListBox3->count() - 1)
        tausche(zeile, zeile + 1);
}

// Swaps a line and its letter with another and selects the moved line at its new place.
void Tplan02::tausche(int zeile, int andere)
{
    const QString text = ListBox3->item(zeile)->text();
    ListBox3->item(zeile)->setText(ListBox3->item(andere)->text());
    ListBox3->item(andere)->setText(text);
    const QChar b = m_buchstaben.at(zeile);
    m_buchstaben[zeile] = m_buchstaben.at(andere);
    m_buchstaben[andere] = b;
    ListBox3->setCurrentRow(andere);
}
