#include "shell/unitm.h"

#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/farben.h"
#include "platform/menueleiste.h"
#include "platform/schriften.h"
#include "platform/taskleiste.h"
#include "shell/aufruf.h"
#include "shell/uform1.h"

#include <QMenu>
#include <QSet>

namespace {

struct Punkt {
    const char* name;
    int nummer;  // 0: "Ende"
};

struct Menue {
    const char* titel;
    std::vector<Punkt> punkte;
};

// The long names of the menu bar; result lines and lists use the short names.
const std::vector<Menue> kMenues = {
    {"Verwaltung", {{"N. anzeigen", 1}, {"N. eintragen", 2}, {"N. wählen", 3}, {"akt. Ergebnis", 4}, {"Daten", 5},
                    {"Highscore", 6}, {"Infos", 7}, {"Plan aufrufen", 8}, {"Plan-Editor", 9}, {"Nutzer löschen", 10},
                    {"Überblick", 11}, {"Ende", 0}}},
    {"Zahlen", {{"Tippen", 13}, {"Zählen", 14}, {"Zahlwort", 15}, {"Grundrechenarten I", 16},
                {"Grundrechenarten II", 17}, {"Symbolrechnen", 18}, {"Mathespiel", 19}, {"M-Zuordnungen I", 20},
                {"M-Zuordnungen II", 21}, {"Sterne", 22}, {"Summen", 23}}},
    {"Mathematik", {{"Ketten", 25}, {"Rechenmix", 26}, {"Textaufgaben I", 27}, {"Textaufgaben II", 28},
                    {"Zahlenrätsel", 29}, {"Zweisatz", 30}, {"Dreisatz", 31}, {"Brüche", 32}, {"Geometrie", 33},
                    {"Matrix+", 34}, {"Matrix*", 35}}},
    {"Wörter I", {{"Tippen", 37}, {"Lesen", 38}, {"Ergänzen", 39}, {"Worthöhle", 40}, {"Sortieren", 41},
                  {"Vokale fehlen", 42}, {"Anagramme", 43}, {"D-Zuordnungen I", 44}, {"D-Zuordnungen II", 45},
                  {"Zuord. Gegenteile", 46}, {"Zuord. Synonyme", 47}}},
    {"Wörter II", {{"Auswahl", 49}, {"Satzbau", 50}, {"Reihenfolge", 51}, {"Farben", 52}, {"Wörter angeln", 53},
                   {"Galgenmann", 54}, {"Satzende", 55}, {"Wortschatz", 56}, {"Sätze ergänzen", 57},
                   {"Wortfamilien", 58}, {"Satzhäften", 59}}},
    {"Reaktion", {{"Tetris", 61}, {"Tatris", 62}, {"Tastaturspiel", 63}, {"Mausspiel", 64}, {"Ziffernsumme", 65},
                  {"Schlange I", 66}, {"Schlange II", 67}, {"Reaktion I", 68}, {"Reaktion II", 69}, {"Matrix I", 70},
                  {"Matrix II", 71}}},
    {"Konzentration", {{"Doppelbuch", 73}, {"Ziff in Buch", 74}, {"Unterschiede", 75}, {"Ketten I", 76},
                       {"Ketten II", 77}, {"Ketten III", 78}, {"Ziffer fehlt", 79}, {"Schlüssel", 80},
                       {"Buchsort", 81}, {"Ziffsort", 82}, {"Wortschlüssel", 83}}},
    {"Gedächtnis", {{"MiniMemo I", 85}, {"MiniMemo II", 86}, {"Zahlmerk", 87}, {"Wortmerk", 88}, {"Städte", 89},
                    {"Alter", 90}, {"Zahlentest", 91}, {"Repro", 92}, {"Memory I", 93}, {"Memory II", 94},
                    {"Wortmuster", 95}}},
    {"Logik", {{"Log. Reihen", 97}, {"A zu B", 98}, {"4 zu 1", 99}, {"Sprachlogik", 100}, {"Planen", 101},
               {"Zahlen raten", 102}, {"Wochentage", 103}, {"Rennen", 104}, {"Schieben", 105}, {"Springen", 106},
               {"Robbi", 107}}},
    {"Wahrnehmung", {{"Farfo I", 109}, {"Figuren legen", 110}, {"Alphamix", 111}, {"Sammeln I", 112},
                     {"Sammeln II", 113}, {"Sammeln III", 114}, {"Vergleiche", 115}, {"Farfo II", 116},
                     {"Alphakett", 117}, {"Musterband", 118}, {"Rangieren", 119}}},
    {"Wissen", {{"Prakt. Allgemeinwissen", 121}, {"Fremdwörter", 122}, {"Zuord. Erdkunde", 123}, {"Sachkunde", 124},
                {"Zahlenfragen", 125}, {"Punktequiz", 126}, {"Denksport", 127}, {"Silben-S", 128}, {"Silben-E", 129},
                {"Silben-B", 130}, {"Quiz", 131}}},
};

// The component name of an item: its letters and digits and a running number
// ("N. anzeigen" -> "Nanzeigen1", a second "Tippen" -> "Tippen2").
QString komponentenname(const QString& name, QSet<QString>& vergeben)
{
    QString basis;
    for (QChar c : name)
        if (c.isLetterOrNumber() || c == QLatin1Char('+') || c == QLatin1Char('*'))
            basis += c;
    basis.replace(QLatin1Char('+'), QStringLiteral("Plus")).replace(QLatin1Char('*'), QStringLiteral("Mal"));
    int k = 1;
    while (vergeben.contains(basis + QString::number(k)))
        ++k;
    vergeben.insert(basis + QString::number(k));
    return basis + QString::number(k);
}

}

Tformm& Tformm::instanz()
{
    static Tformm* form = new Tformm;
    return *form;
}

Tformm::Tformm()
{
    setObjectName(QStringLiteral("formm"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    setzeKeyPreview(true);
    setFont(schrift::font(QStringLiteral("Arial"), 13));
    // worked by mouse and, as a Windows menu bar is, by F10 or Alt and the arrow keys
    MainMenu1 = new Menueleiste(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    QSet<QString> vergeben;
    for (const Menue& m : kMenues) {
        QMenu* menue = MainMenu1->addMenu(QString::fromUtf8(m.titel));
        for (const Punkt& p : m.punkte) {
            const QString name = QString::fromUtf8(p.name);
            QAction* a = menue->addAction(name);
            a->setObjectName(komponentenname(name, vergeben));
            a->setData(p.nummer);
            if (p.nummer == 0) {
                Ende1 = a;
                connect(a, &QAction::triggered, this, [this] { close(); });
            } else {
                connect(a, &QAction::triggered, this, [this, n = p.nummer] { schuetze([this, n] { aufruf(n); }); });
            }
        }
    }
    FormCreate();
}

void Tformm::FormCreate()
{
    taskleiste::verstecken();
    nutzer = 0;
    setWindowTitle(TForm1::fenstertitel());
    setzeFarbe(farbe::blau);
    MainMenu1->setGeometry(0, 0, width(), MainMenu1->sizeHint().height());
}

void Tformm::resizeEvent(QResizeEvent* e)
{
    Form::resizeEvent(e);
    MainMenu1->setGeometry(0, 0, width(), MainMenu1->sizeHint().height());
}

void Tformm::FormClose() { taskleiste::zeigen(); }

void Tformm::schliessanfrage() { TForm1::ende(*this); }

void Tformm::aufruf(int n) { ::aufruf(n, Menueart::Windowsmenue); }

QAction* Tformm::eintrag(int n) const
{
    for (QAction* menue : MainMenu1->actions())
        for (QAction* a : menue->menu()->actions())
            if (a->data().toInt() == n && n != 0)
                return a;
    return nullptr;
}
