#include "shell/udatlist.h"

#include "common/namen.h"
#include "common/satzdatei.h"
#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/drucker.h"
#include "platform/schriften.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"

namespace datlist {

namespace {

QString punkte(QString text)
{
    text.remove(QLatin1Char(' '));
    if (text.isEmpty())
        return QStringLiteral("   0.00");
    // stored with a comma, read with a point: "234,559" shows as 234.56
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return textformat::punktFormat72(textformat::valPunkt(text));
}

}

QString zeile(const QString& name, const QString& best, const QString& letzter)
{
    QString z(40, QLatin1Char(' '));
    textformat::einfuegen(z, name, 1);
    textformat::einfuegen(z, punkte(best), 20);
    textformat::einfuegen(z, punkte(letzter), 40);
    while (z.endsWith(QLatin1Char(' ')))
        z.chop(1);
    return z;
}

void drucken(const QStringList& zeilen)
{
    Druckauftrag druck;
    druck.schrift(schrift::font(QStringLiteral("Courier New"), 40, true));
    const QString kopf = (QStringLiteral("Velmora   ") + nutzername).left(30) + QStringLiteral("   ");
    druck.text(200, 0, kopf.left(33) + textformat::datum(uhr::heute()));
    druck.schrift(schrift::font(QStringLiteral("Courier New"), 40));
    // 60 lines on the first page; each further page starts below where the
    // header stood and holds 59. A page is begun only for a line that needs it.
    int r = 0;
    for (const QString& z : zeilen) {
        if (r == 60) {
            druck.neueSeite();
            r = 1;
        }
        druck.text(200, (r + 1) * 43, z);
        ++r;
    }
    druck.beenden();
}

}

Tdatlist& Tdatlist::instanz()
{
    static Tdatlist* form = new Tdatlist;
    return *form;
}

Tdatlist::Tdatlist()
{
    setObjectName(QStringLiteral("datlist"));
    setWindowTitle(QStringLiteral("Überblick"));
    setzeMaximiert(true);
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(schrift::font(QStringLiteral("Courier New"), 16));
    Button1 = new QPushButton(QStringLiteral("drucken"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("zurück"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    for (QPushButton* b : {Button1, Button2}) {
        b->setFont(schrift::font(QStringLiteral("Arial"), 19));
        b->resize(200, 40);
    }
    // top to bottom, as they stand: zurück above drucken
    setTabOrder(Memo1, Button2);
    setTabOrder(Button2, Button1);
    connect(Button1, &QPushButton::clicked, this, [this] { schuetze([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { close(); });
}

void Tdatlist::FormShow()
{
    const int w = width();
    const int h = height();
    const int breite = 2 * w / 5;
    Memo1->setGeometry((w - breite) / 5, h / 20, breite, 4 * h / 5);
    Button1->move((w - Button1->width()) * 4 / 5, 6 * h / 9);
    Button2->move((w - Button2->width()) * 4 / 5, 3 * h / 9);
    Memo1->clear();

    // the results first, then the highscores: the order of their names, in
    // which every path takes its locks (xbaserg0..9 before xbashigh)
    QStringList letzte;
    for (int d = 0; d <= 9; ++d) {
        Satzdatei erg(ergebnis::dateiname(d), ergebnis::kSatzgroesse);
        for (int i = 1; i <= 11; ++i) {
            erg.positioniere(ergebnis::satznummer(i, nutzer, 9));
            letzte << erg.liesText().mid(10, 10);
        }
        erg.schliesse();
    }
    QStringList zeilen;
    Satzdatei hoch(highscore::kDatei, highscore::kSatzgroesse);
    for (int b = 0; b < letzte.size(); ++b) {
        hoch.positioniere(b * highscore::kPlaetze);
        const QString best = highscore::ausSatz(hoch.lies()).punkte;
        zeilen << datlist::zeile(kurznamen(b / 11 + 2, b % 11), best, letzte[b]);
    }
    hoch.schliesse();
    // shown only while the register, read after the results, still holds the
    // current user: else they may be those of the next user in his slot
    if (nutzerregister::aktuellerNochDa())
        Memo1->setPlainText(zeilen.join(QLatin1Char('\n')));
    Memo1->moveCursor(QTextCursor::Start);
    Button2->setFocus();
}

QStringList Tdatlist::zeilen() const
{
    const QString text = Memo1->toPlainText();
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The sheet of current results is not printed here, so it stays as marked.
void Tdatlist::Button1Click() { datlist::drucken(zeilen()); }
