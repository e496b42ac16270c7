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
    m_abgelehnt = false;
}

void TForm5::check(int spalte, int zeile)
{
    const int s = (spalte - 1) * 10 + zeile;
    // until the deletion is done, every way out is an error message (a refusal,
    // or a file error such as the lock message, thrown from here)
    m_gewaehlt = QPoint(spalte - 1, zeile - 1);
    m_abgelehnt = true;
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
    const bool geloescht = nutzerLoeschen(s, name);
    m_abgelehnt = !geloescht;
    // the grid shows the register as it is now, with what other programs changed
    nutzerliste = nutzerregister::lies();
    dialog::zeige(geloescht ? name + QStringLiteral(" wurde gelöscht!") : QStringLiteral("unbekannter Nutzer!"));
}

namespace {

constexpr const char* kLevelDateien[] = {"schieber.dat", "springer.dat", "robbier.dat", "rangier.dat"};
constexpr int kLevelSatz = 51;

// Every file a deletion writes must be there at its full size, not only as far
// as the records of this user.
Satzdatei& oeffneVollstaendig(Dateigruppe& gruppe, const QString& name, int satzgroesse, int saetze)
{
    Satzdatei& datei = gruppe.oeffne(name, satzgroesse);
    if (datei.satzzahl() < saetze)
        throw EAFehler(100);
    return datei;
}

}

bool TForm5::nutzerLoeschen(int s, const QString& name)
{
    // all new contents are made in memory first; the group writes them together
    QStringList namen{nutzerregister::kDatei};
    for (int d = 0; d <= 9; ++d)
        namen << ergebnis::dateiname(d);
    for (const char* datei : kLevelDateien)
        namen << QString::fromLatin1(datei);
    Dateigruppe gruppe(namen);
    const QString leer(20, QLatin1Char(' '));
    for (int d = 0; d <= 9; ++d) {
        Satzdatei& datei = oeffneVollstaendig(gruppe, ergebnis::dateiname(d), ergebnis::kSatzgroesse,
                                              ergebnis::kSaetzeProDatei);
        for (int i = 0; i <= 10; ++i) {
            datei.positioniere(ergebnis::satznummer(i + 1, s, 0));
            for (int r = 0; r < 10; ++r)
                datei.schreibeText(leer);
        }
    }
    for (const char* name : kLevelDateien) {
        Satzdatei& datei = oeffneVollstaendig(gruppe, QString::fromLatin1(name), kLevelSatz, nutzerregister::kSlots);
        datei.positioniere(s - 1);
        datei.schreibeText(QString(50, QLatin1Char('0')));
    }
    Satzdatei& register_ = oeffneVollstaendig(gruppe, nutzerregister::kDatei, 21, nutzerregister::kSlots);
    register_.positioniere(s - 1);
    if (register_.liesText() != name)
        return false;  // the group is dropped unwritten
    register_.positioniere(s - 1);
    register_.schreibeText(nutzerregister::kFrei);
    gruppe.schreibe();
    return true;
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
        // after an error message the frame stays on the name chosen; after a
        // deletion it starts again at slot 1
        if (m_abgelehnt) {
            cursorx = m_gewaehlt.x();
            cursory = m_gewaehlt.y();
        }
        rahmen(cursorx, cursory);
        m_rasterGezeigt = true;
        Button1->hide();
    } else {
        close();
    }
}
