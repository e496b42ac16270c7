#include "shell/uinf02.h"

#include "platform/farben.h"
#include "platform/schriften.h"

Tinf02& Tinf02::instanz()
{
    static Tinf02* form = new Tinf02;
    return *form;
}

Tinf02::Tinf02()
{
    setObjectName(QStringLiteral("inf02"));
    setWindowTitle(QStringLiteral("Produkte"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    setzeFarbe(farbe::aqua);
    mem1inf02 = new QPlainTextEdit(this);
    mem1inf02->setObjectName(QStringLiteral("mem1inf02"));
    mem1inf02->setReadOnly(true);
    mem1inf02->setFont(schrift::font(QStringLiteral("Arial"), 19));
    QPalette p = mem1inf02->palette();
    p.setColor(QPalette::Base, farbe::weiss);
    mem1inf02->setPalette(p);
    mem1inf02->resize(800, 340);
    mem1inf02->setPlainText(QStringLiteral("VELMORA, ein Programmpaket zum Hirnleistungstraining, wurde in\n"
                                           "erster Linie zur Therapie von Defiziten in den Bereichen\n"
                                           "Gedächtnis, Wahrnehmung, Konzentration und \n"
                                           "logisch-analytisches Denken konzipiert.\n"
                                           "\n"
                                           "Hinweise zur Einrichtung und Bedienung stehen in der Datei\n"
                                           "README.md im Programmordner. Nutzer, Ergebnisse, Highscores\n"
                                           "und Pläne liegen im Arbeitsordner des Programms; sichern Sie\n"
                                           "diesen Ordner, um Ihre Daten zu bewahren."));
    cmd1inf02 = new QPushButton(QStringLiteral("zurück"), this);
    cmd1inf02->setObjectName(QStringLiteral("cmd1inf02"));
    cmd1inf02->setFont(schrift::font(QStringLiteral("Arial"), 16));
    farbe::setzeTextfarbe(cmd1inf02, farbe::blau);
    cmd1inf02->resize(120, 36);
    connect(cmd1inf02, &QPushButton::clicked, this, [this] { close(); });
    FormCreate();
}

void Tinf02::FormCreate()
{
    mem1inf02->move((width() - mem1inf02->width()) / 2, 50);
    cmd1inf02->move((width() - cmd1inf02->width()) / 2, mem1inf02->height() + 100);
}

void Tinf02::FormShow() { cmd1inf02->setFocus(); }
