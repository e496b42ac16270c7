#include "shell/uinf01.h"

#include "platform/farben.h"
#include "platform/schriften.h"
#include "shell/uform1.h"

namespace {

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, const QFont& f, const QColor& farbe)
{
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(f);
    farbe::setzeTextfarbe(l, farbe);
    l->setAlignment(Qt::AlignCenter);
    l->adjustSize();
    return l;
}

void waagerechtMittig(QWidget* w, int breite) { w->move((breite - w->width()) / 2, w->y()); }

}

Tinf01& Tinf01::instanz()
{
    static Tinf01* form = new Tinf01;
    return *form;
}

Tinf01::Tinf01()
{
    setObjectName(QStringLiteral("inf01"));
    setWindowTitle(QStringLiteral("Version"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    setzeFarbe(farbe::aqua);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->resize(900, 360);
    lbl1inf01 = beschriftung(Panel1, "lbl1inf01", QStringLiteral("VELMORA"),
                             schrift::font(QStringLiteral("Times New Roman"), 96), farbe::blau);
    lbl1inf01->move(0, 20);
    lbl2inf01 = beschriftung(Panel1, "lbl2inf01", QString(), schrift::font(QStringLiteral("Times New Roman"), 37),
                             farbe::schwarz);
    lbl2inf01->setGeometry(0, 150, 600, 50);
    Label1 = beschriftung(Panel1, "Label1", QStringLiteral("30.01.2023"), schrift::font(QStringLiteral("Arial"), 24),
                          farbe::blau);
    Label1->move(0, 220);
    cmd1inf01 = new QPushButton(QStringLiteral("weiter"), Panel1);
    cmd1inf01->setObjectName(QStringLiteral("cmd1inf01"));
    cmd1inf01->setFont(schrift::font(QStringLiteral("Arial"), 16));
    farbe::setzeTextfarbe(cmd1inf01, farbe::blau);
    cmd1inf01->setGeometry(0, 290, 120, 36);
    connect(cmd1inf01, &QPushButton::clicked, this, [this] { close(); });
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setFont(schrift::font(QStringLiteral("Arial"), 19));
    Memo1->setPlainText(QStringLiteral("Sie können die Reihenfolge der zu bearbeitenden Aufgabenblöcke frei \n"
                                       "wählen.\n"
                                       "\n"
                                       "In der Regel erhalten Sie in jedem Block eine bestimmte Aufgabenzahl.\n"
                                       "Zunächst gibt es 100 Punkte. Für jede richtig gelöste Aufgabe gibt\n"
                                       "es weitere 100 Punkte. Pro Sekunde Bearbeitungszeit wird Ihnen ein Punkt\n"
                                       "abgezogen."));
    FormCreate();
}

void Tinf01::FormCreate()
{
    lbl2inf01->setText(titel);
    Panel1->move((width() - Panel1->width()) / 2, Panel1->height() / 5);
    for (QWidget* w : {static_cast<QWidget*>(lbl1inf01), static_cast<QWidget*>(lbl2inf01),
                       static_cast<QWidget*>(Label1), static_cast<QWidget*>(cmd1inf01)})
        waagerechtMittig(w, Panel1->width());
    Memo1->setGeometry((width() - 800) / 2, Panel1->y() + Panel1->height() + 10, 800, height() / 3);
}

