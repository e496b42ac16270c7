#include "shell/uform4.h"

#include "common/textformat.h"
#include "common/uhr.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/drucker.h"
#include "platform/schriften.h"

const QString TForm4::kKopfzeile =
    QStringLiteral("  Programm             Punkte    davor  Tendenz  Highscore  Proz.");

TForm4& TForm4::instanz()
{
    static TForm4* form = new TForm4;
    return *form;
}

TForm4::TForm4()
{
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("aktuelle Ergebnisse"));
    setzeMaximiert(true);

    gesamt = new QPlainTextEdit(this);
    gesamt->setObjectName(QStringLiteral("gesamt"));
    gesamt->setReadOnly(true);
    gesamt->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    gesamt->setLineWrapMode(QPlainTextEdit::NoWrap);
    gesamt->setFont(schrift::font(QStringLiteral("Courier New"), 16));
    Button1 = new QPushButton(QStringLiteral("zurück"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setFont(schrift::font(QStringLiteral("Arial"), 32));
    Button1->resize(200, 60);
    Button2 = new QPushButton(QStringLiteral("drucken"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button2->setFont(schrift::font(QStringLiteral("Arial"), 19));
    Button2->resize(200, 40);
    connect(Button1, &QPushButton::clicked, this, [this] { close(); });
    // drucken clears ungedruckt once the job has gone through
    connect(Button2, &QPushButton::clicked, this, [this] { schuetze([this] { drucken(); }); });
    // FormCreate
    gesamt->appendPlainText(kKopfzeile);
}

void TForm4::FormShow()
{
    const int w = width();
    const int h = height();
    gesamt->setGeometry((w - 6 * w / 10) / 10, h / 10, 6 * w / 10, 4 * h / 5);
    Button1->move((w - Button1->width()) * 4 / 5, 3 * h / 9);
    Button2->move((w - Button2->width()) * 4 / 5, 6 * h / 9);
    Button1->setFocus();
}

void TForm4::zeileHinzufuegen(const QString& zeile) { gesamt->appendPlainText(zeile); }

void TForm4::leeren()
{
    gesamt->clear();
    gesamt->appendPlainText(kKopfzeile);
}

QStringList TForm4::zeilen() const { return gesamt->toPlainText().split(QLatin1Char('\n')); }

void TForm4::drucken()
{
    Druckauftrag druck;
    druck.schrift(schrift::font(QStringLiteral("Courier New"), 40, true));
    const QString kopf = (QStringLiteral("VELMORA  ") + nutzername).left(29) + QStringLiteral("   ");
    druck.text(200, 0, kopf.left(32) + textformat::datum(uhr::heute()));
    druck.schrift(schrift::font(QStringLiteral("Courier New"), 40));
    // Line i stands at (i + 1) x 43; what does not fit goes on to further pages.
    const QStringList z = zeilen();
    const int hoehe = druck.seitenhoehe();
    int y = 43;
    for (const QString& zeile : z) {
        if (y + 40 > hoehe) {
            druck.neueSeite();
            y = 0;
        }
        druck.text(200, y, zeile);
        y += 43;
    }
    druck.beenden();
    // only a job that went through counts as printed; a failed one keeps "Ende" asking
    ungedruckt = 0;
}
