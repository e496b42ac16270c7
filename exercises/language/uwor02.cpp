#include "exercises/language/uwor02.h"

#include "common/fehler.h"
#include "common/zufall.h"
#include "platform/farben.h"
#include "platform/tastenhaken.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QKeyEvent>
#include <QValidator>

namespace {

constexpr int kAufgaben = 20;
constexpr int kKnopfBreite = 160;
constexpr int kKnopfHoehe = 48;

QTextEdit* kasten(QWidget* eltern, const QString& name, const Kasten& k)
{
    auto* t = new QTextEdit(eltern);
    t->setObjectName(name);
    t->setReadOnly(true);
    t->setFocusPolicy(Qt::NoFocus);
    t->setFont(schrift::font(QStringLiteral("Arial"), k.schrift));
    t->document()->setDefaultTextOption(QTextOption(Qt::AlignHCenter));
    QPalette p = t->palette();
    p.setColor(QPalette::Base, k.farbe);
    p.setColor(QPalette::Text, Qt::black);
    t->setPalette(p);
    return t;
}

// Keys are filtered as they are typed; this catches what arrives otherwise
// (Ctrl+V, the context menu, the middle button, a drop) by the same rule.
class Zeichenpruefer : public QValidator {
public:
    Zeichenpruefer(wortaufgaben::Zeichenfilter filter, QObject* eltern) : QValidator(eltern), m_filter(filter) {}
    State validate(QString& text, int& pos) const override
    {
        pos = static_cast<int>(wortaufgaben::filtere(m_filter, text.left(pos)).size());
        text = wortaufgaben::filtere(m_filter, text);
        return Acceptable;
    }

private:
    wortaufgaben::Zeichenfilter m_filter;
};

void setzeText(QTextEdit* t, const QString& text)
{
    if (t)
        t->setPlainText(text);
}

}

Twor02::Twor02(const Wortmitglied& mitglied, QWidget* parent) : Form(parent), m_mitglied(mitglied)
{
    setObjectName(m_mitglied.klasse);
    setWindowTitle(m_mitglied.titel);
    setzeNurSystemmenue();
    setzeFarbe(farbe::aktiverRahmen());
    setzeMaximiert(true);

    start = new QPushButton(QStringLiteral("Start"), this);
    start->setObjectName(QStringLiteral("start"));
    ausgabe = kasten(this, QStringLiteral("ausgabe"), m_mitglied.ausgabe);
    if (m_mitglied.mitMemo)
        Memo = kasten(this, QStringLiteral("Memo"), m_mitglied.memo);
    if (!m_mitglied.lueckenweise) {
        eingabe = new QLineEdit(this);
        eingabe->setObjectName(QStringLiteral("eingabe"));
        eingabe->setFont(schrift::font(QStringLiteral("Arial"), 48));
        eingabe->setAlignment(Qt::AlignCenter);
        eingabe->setMaxLength(m_mitglied.feldlaenge);
        eingabe->setValidator(new Zeichenpruefer(m_mitglied.filter, eingabe));
        eingabe->hide();
        new Tastenhaken(
            eingabe, [this](QKeyEvent* e) { return eingabeKeyPress(e); }, [this](QKeyEvent* e) { eingabeKeyUp(e); });
    }
    rifa = new QLabel(this);
    rifa->setObjectName(QStringLiteral("rifa"));
    rifa->setAlignment(Qt::AlignCenter);
    rifa->setFont(schrift::font(QStringLiteral("Arial"), 48, true));
    weiter = new QPushButton(m_mitglied.weiterText, this);
    weiter->setObjectName(QStringLiteral("weiter"));
    weiter->hide();
    aufzahl = new QLabel(this);
    aufzahl->setObjectName(QStringLiteral("aufzahl"));
    aufzahl->setFont(schrift::font(QStringLiteral("Arial"), 24));
    aufzahl->hide();
    for (QPushButton* b : {start, weiter}) {
        b->setFont(schrift::font(QStringLiteral("Arial"), 19));
        b->resize(kKnopfBreite, kKnopfHoehe);
    }
    if (m_mitglied.buchstabenweise) {
        Timer1 = new QTimer(this);
        Timer1->setObjectName(QStringLiteral("Timer1"));
        Timer1->setInterval(2000);
        connect(Timer1, &QTimer::timeout, this, [this] { schuetze([this] { Timer1Timer(); }); });
    }
    // "Ergänzen" takes its letters before any control sees them
    setzeKeyPreview(m_mitglied.lueckenweise);

    connect(start, &QPushButton::clicked, this, [this] { schuetze([this] { startClick(); }); });
    connect(weiter, &QPushButton::clicked, this, [this] { schuetze([this] { weiterClick(); }); });
    FormCreate();
}

void Twor02::FormCreate()
{
    const int b = width();
    const int h = height();
    start->move((b - start->width()) / 2, h / 40);

    // both boxes are as high as the room between their tops allows
    const int hoehe = std::max(m_mitglied.memo.oben.von(h) - m_mitglied.ausgabe.oben.von(h) - h / 100, 20);
    auto lege = [&](QTextEdit* t, const Kasten& k) {
        if (!t)
            return;
        const int breite = k.pixel > 0 ? k.pixel : k.breite.von(b);
        t->setGeometry((b - breite) / 2, k.oben.von(h), breite, hoehe);
    };
    lege(ausgabe, m_mitglied.ausgabe);
    lege(Memo, m_mitglied.memo);
    if (eingabe) {
        const int breite = m_mitglied.eingabeBreite.von(b);
        eingabe->setGeometry((b - breite) / 2, m_mitglied.eingabeOben.von(h), breite, 64);
    }
    rifa->setGeometry(b / 4, h * 4 / 5, b / 2, 64);
    weiter->move((b - weiter->width()) * 5 / 6, h * 4 / 5);
    aufzahl->resize(kKnopfBreite, 32);
    aufzahl->move((b - aufzahl->width()) * 11 / 12, h / 20);
}

void Twor02::FormShow() { FormCreate(); }

void Twor02::startClick()
{
    // the content first: a missing or short file ends here with nothing changed
    m_tabelle = m_mitglied.lade();
    m_benutzt.assign(m_tabelle.size(), false);
    zufall::randomize();
    m_zaehler = 1;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));
    m_hilfe = false;
    setzeAusgabeRot(false);
    setzeText(Memo, {});
    rifa->clear();
    aufgabe();
    m_lauf.starte(kAufgaben);
    zeigeAufgabe();
    if (eingabe) {
        eingabe->show();
        eingabe->setReadOnly(false);
        eingabe->clear();
        eingabe->setFocus();
    } else {
        setFocus();  // "Ergänzen": the window takes the letters
    }
    start->hide();
    aufzahl->show();
    m_offen = true;
    if (Timer1)
        Timer1->start();
    if (m_mitglied.silberrahmen) {
        Leinwand& c = canvas();
        c.pinselFarbe = farbe::silber;
        c.pinselKlar = false;
        c.rechteck(width() / 6, height() / 6, width() * 5 / 6, height() * 3 / 4);
        update();
    }
}

void Twor02::aufgabe()
{
    // drawn among the entries not used in this run, so the draw always ends
    std::vector<int> frei;
    for (int i = 0; i < m_tabelle.size(); ++i)
        if (!m_benutzt[i] && (!m_mitglied.ziehbar || m_mitglied.ziehbar(m_tabelle[i])))
            frei.push_back(i);
    if (frei.empty())
        throw VelmoraFehler(QStringLiteral("Es gibt keine weiteren Aufgaben."));
    const int i = frei[zufall::R(static_cast<int>(frei.size())) - 1];
    m_benutzt[i] = true;
    m_aufgabe = m_mitglied.mache(m_tabelle, i);
    m_buchstabe = 0;
    if (m_mitglied.lueckenweise) {
        m_luecken.emplace(m_aufgabe.memo, m_aufgabe.wort);
        m_hilfe = false;
    }
}

void Twor02::zeigeAufgabe()
{
    setzeText(ausgabe, m_mitglied.buchstabenweise ? QString() : m_aufgabe.ausgabe);
    setzeText(Memo, m_mitglied.buchstabenweise ? QString() : m_aufgabe.memo);
}

void Twor02::Timer1Timer()
{
    ++m_buchstabe;
    const QString& wort = m_aufgabe.wort;
    setzeText(ausgabe, m_buchstabe <= wort.size() ? wort.mid(m_buchstabe - 1, 1) : QString());
}

bool Twor02::eingabeKeyPress(QKeyEvent* e)
{
    const QString t = e->text();
    if (t.size() != 1 || t[0].unicode() < 32 || t[0].unicode() == 127)
        return false;  // Backspace, Enter, Esc and keys without a character pass
    const std::optional<QChar> c = wortaufgaben::filtere(m_mitglied.filter, t[0]);
    if (!c)
        return true;
    if (*c == t[0])
        return false;
    if (!eingabe->isReadOnly())
        eingabe->insert(QString(*c));
    return true;
}

void Twor02::eingabeKeyUp(QKeyEvent* e)
{
    const int k = taste::code(e);
    if (k == taste::kEsc) {
        close();
        return;
    }
    // judged only while the task is open: Enter after a judgement does nothing
    if (k != taste::kEnter || e->isAutoRepeat() || !m_offen || !m_lauf.laeuft())
        return;
    const int n = static_cast<int>(eingabe->text().size());
    if (n < 1 || n > m_mitglied.hoechstens)
        return;
    urteile(wortaufgaben::gleich(eingabe->text(), m_aufgabe.loesung));
}

void Twor02::urteile(bool richtig)
{
    m_offen = false;
    if (richtig) {
        rifa->setText(QStringLiteral("RICHTIG!"));
        m_lauf.punkte += 100.0f;
        if (m_mitglied.lueckenweise && m_hilfe)
            m_lauf.punkte -= 20.0f;
    } else {
        rifa->setText(QStringLiteral("FEHLER!"));
        if (m_mitglied.fehler == Fehleranzeige::MemoWort)
            setzeText(Memo, m_aufgabe.wort);
        if (m_mitglied.fehler == Fehleranzeige::AusgabeRot) {
            setzeAusgabeRot(true);
            setzeText(ausgabe, m_aufgabe.wort);
        }
    }
    if (m_mitglied.fehler == Fehleranzeige::MemoImmer)
        setzeText(Memo, m_aufgabe.wort);
    weiter->show();
    weiter->setFocus();
    if (eingabe)
        eingabe->setReadOnly(true);
}

bool Twor02::FormShortCut(int taste, QKeyEvent* e)
{
    // Only "Ergänzen" looks at keys before its controls.
    if (!m_mitglied.lueckenweise)
        return false;
    if (taste == taste::kEsc) {
        close();
        return true;
    }
    const QString t = e->text();
    if (!m_offen || !m_luecken || !m_lauf.laeuft())
        return false;  // Enter and Space still press the focused button
    if (taste == taste::kRueck) {
        if (m_luecken->gefuellt() >= 1) {
            m_luecken->zuruecknehmen();
            setzeText(Memo, m_luecken->text());
        }
        return true;
    }
    if (t.size() != 1)
        return false;
    if (t[0] == QLatin1Char('+')) {
        setzeText(ausgabe, m_aufgabe.hinweis);
        m_hilfe = true;
        return true;
    }
    const std::optional<QChar> c = wortaufgaben::filtere(wortaufgaben::Zeichenfilter::Grossbuchstaben, t[0]);
    if (!c)
        return true;  // every other character is dropped
    m_luecken->tippe(*c);
    setzeText(Memo, m_luecken->text());
    if (m_luecken->fertig())
        urteile(m_luecken->richtig());
    return true;
}

void Twor02::weiterClick()
{
    if (!m_lauf.laeuft())
        return;
    if (eingabe)
        eingabe->setReadOnly(false);
    setzeAusgabeRot(false);
    ++m_zaehler;
    aufzahl->setText(QStringLiteral("%1/ %2").arg(m_zaehler).arg(kAufgaben));
    setzeText(ausgabe, {});
    setzeText(Memo, {});
    rifa->clear();
    if (m_zaehler != kAufgaben + 1) {
        aufgabe();
        zeigeAufgabe();
        if (Timer1)
            Timer1->start();
        if (eingabe) {
            eingabe->setFocus();
            eingabe->clear();
        } else {
            setFocus();
        }
        weiter->hide();
        m_offen = true;
        return;
    }
    if (Timer1)
        Timer1->stop();
    start->show();
    weiter->hide();
    m_zaehler = 0;
    if (eingabe)
        eingabe->hide();
    aufzahl->hide();
    m_lauf.beende(this, m_mitglied.programm, m_lauf.abschluss());
}

void Twor02::FormClose()
{
    if (Timer1)
        Timer1->stop();
    m_lauf.abbrechen();
    m_offen = false;
    m_luecken.reset();
    start->show();
    weiter->hide();
    m_zaehler = 0;
    setzeText(Memo, {});
    setzeText(ausgabe, {});
    rifa->clear();
    setzeAusgabeRot(false);
    if (eingabe) {
        eingabe->hide();
        eingabe->setReadOnly(false);
        eingabe->clear();
    }
    aufzahl->hide();
}

void Twor02::setzeAusgabeRot(bool rot)
{
    QPalette p = ausgabe->palette();
    p.setColor(QPalette::Text, rot ? farbe::rot : farbe::schwarz);
    ausgabe->setPalette(p);
}
