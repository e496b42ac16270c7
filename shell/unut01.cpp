#include "shell/unut01.h"

#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/listenfeld.h"
#include "platform/schriften.h"
#include "shell/nutzerregister.h"

#include <QCollator>
#include <algorithm>

Tnut01& Tnut01::instanz()
{
    static Tnut01* form = new Tnut01;
    return *form;
}

Tnut01::Tnut01()
{
    setObjectName(QStringLiteral("nut01"));
    setWindowTitle(QStringLiteral("Nutzer anzeigen"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    lst1nut01 = new Listenfeld(this);
    lst1nut01->setObjectName(QStringLiteral("lst1nut01"));
    lst1nut01->setFont(schrift::font(QStringLiteral("Courier New"), 19));
    Button1 = new QPushButton(QStringLiteral("sortieren"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    cmd2nut01 = new QPushButton(QStringLiteral("zurück"), this);
    cmd2nut01->setObjectName(QStringLiteral("cmd2nut01"));
    for (QPushButton* b : {Button1, cmd2nut01})
        b->setFont(schrift::font(QStringLiteral("Arial"), 24));
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
    connect(cmd2nut01, &QPushButton::clicked, this, [this] { close(); });
}

void Tnut01::FormShow()
{
    const int w = width(), h = height();
    lst1nut01->setGeometry(w / 2, h / 10, w / 3, 8 * h / 10);
    Button1->setGeometry(w / 6, 6 * h / 10, w / 6, h / 10);
    cmd2nut01->setGeometry(w / 6, 8 * h / 10, w / 6, h / 10);
    lst1nut01->clear();
    nutzerliste = nutzerregister::lies();
    nutzerzahl = nutzerregister::belegt(nutzerliste);
    fuellen(nutzerliste);
}

void Tnut01::fuellen(QStringList zeilen)
{
    if (m_sortiert) {
        // the free slots first, whatever the names hold; then alphabetical as a
        // German reader expects it: case does not count, "Ä" goes with "A"
        QCollator ordnung{QLocale(QLocale::German, QLocale::Germany)};
        ordnung.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(zeilen.begin(), zeilen.end(), [&](const QString& a, const QString& b) {
            const bool freiA = nutzerregister::frei(a), freiB = nutzerregister::frei(b);
            if (freiA != freiB)
                return freiA;
            return ordnung.compare(a, b) < 0;
        });
    }
    lst1nut01->clear();
    lst1nut01->addItems(zeilen);
    lst1nut01->setCurrentRow(0);
}

// Sorts what the list shows: after a failed reading it is empty and stays so.
void Tnut01::Button1Click()
{
    if (nutzerzahl < 40)
        dialog::zeige(QStringLiteral("Bei weniger als 40 Nutzern stehen die Einträge am Ende der Liste!"));
    m_sortiert = true;
    QStringList zeilen;
    for (int i = 0; i < lst1nut01->count(); ++i)
        zeilen << lst1nut01->item(i)->text();
    fuellen(zeilen);
}
