#include "shell/uform5.h"

#include "common/fehler.h"
#include "common/satzdatei.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/schriften.h"
#include "shell/ergebnisse.h"
#include "shell/nutzerregister.h"
#include "shell/unut01.h"

TForm5& TForm5::instanz()
{
    static TForm5* form = new TForm5;
    return *form;
}

TForm5::TForm5()
{
    setObjectName(QStringLiteral("Form5"));
    setWindowTitle(QStringLiteral("Nutzer löschen"));
    Button1 = new QPushButton(QStringLiteral("Löschen"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(schrift::font(QStringLiteral("Arial"), 21));
    Button1->resize(200, 50);
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
}

void TForm5::FormActivate()
{
    m_rasterGezeigt = false;
    repaintWindow();
    Button1->show();
    Button1->setFocus();
    Button1->move((width() - Button1->width()) / 2, (height() - Button1->height()) / 3);
    nutzerliste = nutzerregister::lies();
    nutzerzahl = nutzerregister::belegt(nutzerliste);
}

void TForm5::Button1Click()
{
    Button1->hide();
    aufbau(nutzerliste);
    rahmen(0, 0);
    m_rasterGezeigt = true;
}

void TForm5::check(int spalte, int zeile)
{
    const int s = (spalte - 1) * 10 + zeile;
    // a register that could not be read holds no one to delete
    const QString name = nutzerliste.value(s - 1, nutzerregister::kFrei);
    bool abgelehnt = false;
    if (s == 1) {
        dialog::zeige(QStringLiteral("Dieser Nutzer kann nicht gelöscht werden!"));
        abgelehnt = true;
    }
    if (s == nutzer) {
        dialog::zeige(QStringLiteral("Dies ist der aktuelle Nutzer!"));
        abgelehnt = true;
    }
    if (name == nutzerregister::kFrei) {
        dialog::zeige(QStringLiteral("unbekannter Nutzer!"));
        abgelehnt = true;
    }
    if (abgelehnt)
        return;
    nutzerLoeschen(s);
    nutzerliste[s - 1] = nutzerregister::kFrei;
    nutzerregister::schreibe(nutzerliste);
    dialog::zeige(name + QStringLiteral(" wurde gelöscht!"));
}

namespace {

constexpr const char* kLevelDateien[] = {"schieber.dat", "springer.dat", "robbier.dat", "rangier.dat"};
constexpr int kLevelSatz = 51;

// A file that a deletion writes must be there at its full size before anything
// is written: otherwise a deletion would stop half-way with some files changed.
void pruefeVollstaendig(const QString& name, int satzgroesse, int saetze)
{
    Satzdatei datei(name, satzgroesse);
    if (datei.satzzahl() < saetze)
        throw EAFehler(100);
}

}

void TForm5::nutzerLoeschen(int s)
{
    for (int d = 0; d <= 9; ++d)
        pruefeVollstaendig(ergebnis::dateiname(d), ergebnis::kSatzgroesse, ergebnis::kSaetzeProDatei);
    for (const char* name : kLevelDateien)
        pruefeVollstaendig(QString::fromLatin1(name), kLevelSatz, nutzerregister::kSlots);
    pruefeVollstaendig(nutzerregister::kDatei, 21, nutzerregister::kSlots);

    const QString leer(20, QLatin1Char(' '));
    for (int d = 0; d <= 9; ++d) {
        Satzdatei datei(ergebnis::dateiname(d), ergebnis::kSatzgroesse);
        for (int i = 0; i <= 10; ++i) {
            datei.positioniere(ergebnis::satznummer(i + 1, s, 0));
            for (int r = 0; r < 10; ++r)
                datei.schreibeText(leer);
        }
        datei.schliesse();
    }
    for (const char* name : kLevelDateien) {
        Satzdatei datei(QString::fromLatin1(name), kLevelSatz);
        datei.positioniere(s - 1);
        datei.schreibeText(QString(50, QLatin1Char('0')));
        datei.schliesse();
    }
}

void TForm5::mousePressEvent(QMouseEvent* e)
{
    // a press chooses a name only once the grid is shown, but always asks
    Namensraster::mousePressEvent(e);
    schuetze([this] { nochEiner(); });
}

void TForm5::nochEiner()
{
    if (dialog::frage(QStringLiteral("Noch einen Nutzer löschen?"), QStringLiteral("VELMORA"), dialog::Knoepfe::JaNein,
                      dialog::Symbol::Frage)
        == dialog::Knopf::Ja) {
        aufbau(nutzerliste);
        rahmen(0, 0);
        m_rasterGezeigt = true;
        Button1->hide();
    } else {
        close();
    }
}
