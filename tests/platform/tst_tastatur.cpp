// Every window works by keyboard on every opening as on the first, on a real
// desktop: an Xvfb of its own with a window manager (the first argument: openbox,
// icewm or metacity), since where the focus goes differs offscreen. Keys are
// typed into the window the desktop has focused, as a person types them; the close
// box is the desktop's close request.
// - Every exercise window: opened through the dispatcher (the rules window left
//   by Enter). One with a Start button: started by Space, then Esc; Esc before
//   Start; opened again, Space starts a run, and once more, Enter does. Where Esc
//   does not leave the window (as the table below says), the close box does. On
//   every opening its controls stand where they stood on the first, idle and just
//   after the start (a board among them, and with it its cells). One without: Esc
//   as it opens, and the close box. Leaving records nothing in the result and
//   highscore files, except where the table says the window records its run.
// - Every administration window, three openings each: its task by keyboard alone
//   (a user shown, entered, chosen and deleted; results viewed, in "Daten" only
//   the current user's; a plan run, made, changed and deleted), beginning with the
//   focus where the window puts it.
// Message boxes are scripted; the windows of the program are real.
#include "app/programme.h"
#include "common/zustand.h"
#include "platform/dialoge.h"
#include "platform/form.h"
#include "platform/leinwand.h"
#include "shell/aufruf.h"
#include "shell/ergebnisse.h"
#include "shell/highscore.h"
#include "shell/nutzerregister.h"
#include "shell/planlauf.h"
#include "shell/programmtabelle.h"
#include "shell/udat01.h"
#include "shell/udat02.h"
#include "shell/udatlist.h"
#include "shell/uform1.h"
#include "tests/support/anzeige.h"
#include "tests/support/testumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

namespace {

xcb_connection_t* verbindung()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

// ---- what a person does ----

// A key pressed and released in the window the desktop has focused, through the
// window system's own entry point (qt_handleKeyEvent, declared by QTest); the release
// goes where the press went while that window is still open.
void taste(Qt::Key k, const QString& text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QPointer<QWindow> w = QGuiApplication::focusWindow();
    if (!w)
        return;
    qt_handleKeyEvent(w, QEvent::KeyPress, k, mods, text);
    if (w && w->isVisible())
        qt_handleKeyEvent(w, QEvent::KeyRelease, k, mods, text);
}

void tippeText(const QString& text)
{
    for (QChar c : text) {
        const QChar klein = c.toLower();
        const Qt::Key k = klein >= QLatin1Char('a') && klein <= QLatin1Char('z')
                              ? Qt::Key(Qt::Key_A + (klein.unicode() - 'a'))
                              : Qt::Key_unknown;
        taste(k, QString(c), c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
}

// The close box: the desktop is asked to close the window, as its button does.
void schliessfeld(QWidget* fenster)
{
    xcb_connection_t* c = verbindung();
    xcb_client_message_event_t e{};
    e.response_type = XCB_CLIENT_MESSAGE;
    e.format = 32;
    e.window = static_cast<xcb_window_t>(fenster->winId());
    e.type = xAtom(c, "_NET_CLOSE_WINDOW");
    e.data.data32[0] = XCB_CURRENT_TIME;
    e.data.data32[1] = 2;  // a request as from the desktop's own tools
    const xcb_window_t wurzel = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_send_event(c, 0, wurzel, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&e));
    xcb_flush(c);
}

QString fokusName()
{
    QWidget* f = QApplication::focusWidget();
    return f ? f->objectName() : QStringLiteral("(none)");
}

// ---- a script of steps, run by a timer while the modal windows run ----

class Fahrplan {
public:
    // Waits until the condition holds (the desktop activating a window).
    void warte(const QString& was, std::function<bool()> bedingung)
    {
        m_schritte.push_back({Art::Warte, was, std::move(bedingung), {}});
    }
    // Must hold now; while an action is still running (it opened a loop of its
    // own) it may come to hold before the action returns.
    void pruefe(const QString& was, std::function<bool()> bedingung)
    {
        m_schritte.push_back({Art::Pruefe, was, std::move(bedingung), {}});
    }
    void tue(const QString& was, std::function<void()> aktion)
    {
        m_schritte.push_back({Art::Tue, was, {}, std::move(aktion)});
    }

    // The window named so is the modal one on top, and the desktop has given it the focus.
    void aktiv(const QString& name)
    {
        warte(name + QStringLiteral(" active"), [this, name] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || m->objectName() != name || !m->isActiveWindow() || !m->windowHandle()
                || QGuiApplication::focusWindow() != m->windowHandle())
                return false;
            m_fenster = m;
            return true;
        });
    }
    void fokus(const QString& name)
    {
        pruefe(QStringLiteral("focus on %1").arg(name), [name] { return fokusName() == name; });
    }
    void taste(const QString& was, Qt::Key k, const QString& text = {})
    {
        tue(was, [k, text] { ::taste(k, text); });
    }
    void tippe(const QString& text)
    {
        tue(QStringLiteral("type ") + text, [text] { tippeText(text); });
    }
    // Tab until the control has the focus, as a person watches the focus move.
    void tabBis(const QString& name)
    {
        tue(QStringLiteral("Tab to ") + name, [name] {
            for (int i = 0; i < 16 && fokusName() != name && QGuiApplication::focusWindow(); ++i)
                ::taste(Qt::Key_Tab, QStringLiteral("\t"));
        });
        fokus(name);
    }
    void zu()
    {
        pruefe(QStringLiteral("window closed"), [this] { return m_fenster && !m_fenster->isVisible(); });
    }

    // Runs oeffnen (which returns when its windows have closed) while the steps
    // are taken; false with the step that failed in fehler. A step waits at most
    // kFrist for the desktop.
    bool laufe(const std::function<void()>& oeffnen)
    {
        m_uhr.start();
        // A timer does not fire again while its last firing runs: each tick sets the
        // next before its steps, so that the script goes on inside a window that a
        // step opened (a message shown as the exercise closes).
        std::function<void()> tick;
        QObject takt;
        tick = [&] {
            QTimer::singleShot(2, &takt, tick);
            weiter();
        };
        QTimer::singleShot(2, &takt, tick);
        oeffnen();
        m_oeffnenZurueck = true;
        while (m_i < m_schritte.size() && m_fehler.isEmpty())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        return m_fehler.isEmpty();
    }
    QString fehler() const { return m_fehler; }

private:
    enum class Art { Warte, Pruefe, Tue };
    struct Schritt {
        Art art;
        QString was;
        std::function<bool()> bedingung;
        std::function<void()> aktion;
    };

    void weiter()
    {
        while (m_i < m_schritte.size() && m_fehler.isEmpty()) {
            const Schritt& s = m_schritte[m_i];
            if (s.art == Art::Tue) {
                ++m_i;
                m_uhr.start();
                ++m_laufend;
                s.aktion();
                --m_laufend;
                continue;
            }
            if (s.bedingung()) {
                ++m_i;
                m_uhr.start();
                continue;
            }
            // a check fails at once when nothing is running that could still make it hold
            const bool aus = s.art == Art::Pruefe ? m_laufend == 0 : m_oeffnenZurueck;
            if (aus || m_uhr.elapsed() > kFrist)
                scheitere(s.was);
            return;
        }
    }

    // The step that failed is named; every window still open closes, so that the
    // call that opened them returns.
    void scheitere(const QString& was)
    {
        m_fehler = QStringLiteral("step %1 (%2) failed; focus on %3").arg(m_i + 1).arg(was, fokusName());
        while (QWidget* m = QApplication::activeModalWidget()) {
            if (auto* d = qobject_cast<QDialog*>(m))
                d->reject();
            else
                m->close();
            if (QApplication::activeModalWidget() == m)
                m->hide();
        }
    }

    QList<Schritt> m_schritte;
    qsizetype m_i = 0;
    int m_laufend = 0;
    bool m_oeffnenZurueck = false;
    static constexpr int kFrist = 15000;
    QElapsedTimer m_uhr;
    QString m_fehler;
    QPointer<QWidget> m_fenster;
};

// ---- the windows with a Start button ----

QPushButton* startknopf(QWidget* fenster)
{
    for (QPushButton* b : fenster->findChildren<QPushButton*>())
        if (b->objectName().compare(QLatin1String("start"), Qt::CaseInsensitive) == 0)
            return b;
    return nullptr;
}

// Every registered exercise window, found by opening each through the program
// table without showing it.
QList<std::pair<int, Form*>> alleUebungsfenster()
{
    QList<std::pair<int, Form*>> liste;
    Form* erstes = nullptr;
    Form::setzeModalErsatz([&](Form* f) {
        if (!erstes)
            erstes = f;
        return 0;
    });
    for (int n = 13; n <= 131; ++n) {
        if (!Programmtabelle::global().hat(n))
            continue;
        erstes = nullptr;
        aktprogramm = n;
        Programmtabelle::global().oeffne(n);
        if (erstes)
            liste.push_back({n, erstes});
    }
    Form::setzeModalErsatz(nullptr);
    return liste;
}

// The result files and the highscore file as they are now, by name.
QMap<QString, QByteArray> aufzeichnungen(const Arbeitsordner& ordner)
{
    QMap<QString, QByteArray> dateien;
    for (int k = 0; k <= 9; ++k)
        dateien.insert(ergebnis::dateiname(k), ordner.lies(ergebnis::dateiname(k)));
    dateien.insert(highscore::kDatei, ordner.lies(highscore::kDatei));
    return dateien;
}

QStringList geaendert(const QMap<QString, QByteArray>& jetzt, const QMap<QString, QByteArray>& vorher)
{
    QStringList namen;
    for (auto it = jetzt.cbegin(); it != jetzt.cend(); ++it)
        if (vorher.value(it.key()) != it.value())
            namen << it.key();
    return namen;
}

// Where Esc leaves an exercise window. In the others it does neither before nor
// just after Start: never in Tastaturspiel, Mausspiel, Reaktion, Sterne,
// Pferderennen, "QUIZ" and the level choices; not while what is to be remembered
// is shown in Ketten, Schlüssel, Zahlmerk, Städte, Alter, Zahlentest, Wortmuster
// and the like. At any time, in a window without Start as soon as it opens:
const QSet<int> kEscImmer{
    20, 21, 23, 39, 54,                     // Zuordnungen Mathematik, Summenquadrat, Ergänzen, Galgenmann
    61, 62, 66, 67, 70, 71,                 // Tetris, Tatris, SCHLANGE, SCHLANGE II, Matrix I and II
    85, 86, 93, 94, 102,                    // MiniMemo I and II, Memory I and II, Zahlen raten
    109, 110, 111, 112, 113, 114, 115, 116, // FARFO I, Figuren legen, Alphamix, Sammeln I-III, Vergleiche, FARFO II
    128, 129, 130,                          // the Silben quizzes
};
// Once the run has started, with its first task open (or once a block is chosen),
// but not before:
const QSet<int> kEscNachStart{
    13, 14, 15, 16, 17, 18, 19,                     // Zahlen tippen to Mathespiel
    25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35,     // Rechenketten to Matrix*
    37, 38, 40, 41, 42, 43, 49, 50, 51, 53, 55, 56, // the word and sentence exercises
    44, 45, 46, 47, 52, 57, 58, 59, 122, 123, 124, // after the block choice
    65, 73, 74, 75, 79, 81, 82,                     // Ziffernsumme to Ziffern sortieren
    92, 97, 98, 99, 100, 101, 103, 117, 118,        // Repro, the logic rows, Alphaketten, Musterband
    121, 125, 126, 127,                             // the quizzes but "QUIZ"
};
// These record their run however the window closes; the others record nothing
// when left by Esc or the close box. The level choices have no close box:
// "0" leaves them, and records.
const QSet<int> kZaehltBeimSchliessen{66, 67, 105, 106, 107, 119};

// Where every control that the window shows stands, by its path of names.
using Lage = QMap<QString, QRect>;
Lage lage(QWidget* fenster)
{
    Lage l;
    for (QWidget* w : fenster->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(fenster))
            continue;
        QString pfad = w->objectName();
        for (QWidget* p = w->parentWidget(); p && p != fenster; p = p->parentWidget())
            pfad = p->objectName() + QLatin1Char('/') + pfad;
        QString schluessel = pfad;
        for (int i = 2; l.contains(schluessel); ++i)
            schluessel = pfad + QLatin1Char('#') + QString::number(i);
        l.insert(schluessel, w->geometry());
    }
    return l;
}

// The controls shown both times that stand elsewhere than on the first opening.
QString verschoben(const Lage& jetzt, const Lage& erste)
{
    const auto text = [](const QRect& r) {
        return QStringLiteral("(%1, %2) %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    };
    QStringList anders;
    for (auto it = jetzt.cbegin(); it != jetzt.cend(); ++it)
        if (erste.contains(it.key()) && erste.value(it.key()) != it.value())
            anders << it.key() + QLatin1Char(' ') + text(it.value()) + QStringLiteral(", first ")
                          + text(erste.value(it.key()));
    return anders.join(QStringLiteral("; "));
}

const QStringList kNutzer{QStringLiteral("Anna"), QStringLiteral("Bernd"), QStringLiteral("Clara"),
                          QStringLiteral("Dieter"), QStringLiteral("Erika")};

// Plan 1 holds the one exercise "Tippen" (letter A), the others are free.
void setzePlaene()
{
    QStringList saetze(plan::kPlaene, plan::frei());
    saetze[0] = QStringLiteral("Eins").leftJustified(plan::kNamenlaenge) + QLatin1Char('A');
    plan::schreibe(saetze);
}

bool bildLeer(const Malflaeche* pb)
{
    const QImage& b = pb->bild();
    if (b.isNull())
        return true;
    for (int y = 1; y < b.height() - 1; ++y)
        for (int x = 1; x < b.width() - 1; ++x)
            if (b.pixel(x, y) != b.pixel(1, 1))
                return false;
    return true;
}

}

using Skriptbau = std::function<void(Fahrplan&, int oeffnung, dialog::Skript&)>;
Q_DECLARE_METATYPE(Skriptbau)
Q_DECLARE_METATYPE(Menueart)

class TestTastatur : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void uebungsfenster_data();
    void uebungsfenster();
    void verwaltung_data();
    void verwaltung();
    void cleanupTestCase();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<TForm1> m_start;
    QList<std::pair<int, Form*>> m_uebungsfenster;
};

void TestTastatur::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_ordner = std::make_unique<Arbeitsordner>();
    programmeEintragen();
    // the program's first window, framed by the desktop before any other
    m_start = std::make_unique<TForm1>();
    m_start->zeige();
    QTRY_VERIFY_WITH_TIMEOUT(m_start->isActiveWindow() && m_start->frameGeometry() != m_start->geometry(), 15000);
    m_uebungsfenster = alleUebungsfenster();
}

void TestTastatur::init()
{
    setzeRegister(kNutzer);
    setzePlaene();
    nutzer = 1;
    nutzername = kNutzer.first();
}

void TestTastatur::cleanupTestCase()
{
    m_start.reset();
    m_ordner.reset();
}

void TestTastatur::uebungsfenster_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<Form*>("fenster");
    QTest::addColumn<bool>("escVorStart");
    QTest::addColumn<bool>("escGestartet");
    QTest::addColumn<bool>("zaehlt");
    for (const auto& [n, f] : std::as_const(m_uebungsfenster))
        QTest::addRow("%d %s", n, qPrintable(f->windowTitle()))
            << n << f << kEscImmer.contains(n) << (kEscImmer.contains(n) || kEscNachStart.contains(n))
            << kZaehltBeimSchliessen.contains(n);
}

void TestTastatur::uebungsfenster()
{
    QFETCH(int, programm);
    QFETCH(Form*, fenster);
    QFETCH(bool, escVorStart);
    QFETCH(bool, escGestartet);
    QFETCH(bool, zaehlt);
    dialog::Skript skript;
    QPushButton* start = startknopf(fenster);
    auto* wahl = fenster->findChild<QLineEdit*>(QStringLiteral("wahl"));
    Lage erste[2];
    // With Start: 1: Space starts, then Esc; 2: Esc before Start, then Space; 3
    // and 4: Space, then Enter, start the reopened window. Without: 1: Esc as it
    // opens; 2: block 1 chosen where the window asks for a block, then Esc. Where
    // Esc left nothing, the close box leaves (or "0" the level choice).
    struct Oeffnung {
        Qt::Key start;
        bool escVorher;
        bool escNachher;
    };
    const QList<Oeffnung> oeffnungen =
        start ? QList<Oeffnung>{{Qt::Key_Space, false, true},
                                {Qt::Key_Space, true, false},
                                {Qt::Key_Space, false, false},
                                {Qt::Key_Return, false, false}}
        : fenster->hatSchliessfeld() ? QList<Oeffnung>{{Qt::Key_unknown, true, false}, {Qt::Key_unknown, false, wahl != nullptr}}
                                     : QList<Oeffnung>{{Qt::Key_unknown, true, false}};
    int oeffnung = 0;
    for (const Oeffnung& o : oeffnungen) {
        ++oeffnung;
        const auto vorher = aufzeichnungen(*m_ordner);
        Fahrplan f;
        f.aktiv(QStringLiteral("regel"));
        f.taste(QStringLiteral("Enter on the rules"), Qt::Key_Return, QStringLiteral("\r"));
        f.aktiv(fenster->objectName());
        Lage jetzt[2];  // idle, and just after the start
        f.tue(QStringLiteral("layout"), [&] { jetzt[0] = lage(fenster); });
        // Esc, and whether it left the window as it should
        const auto esc = [&](const QString& wann, bool verlaesst) {
            f.taste(QStringLiteral("Esc ") + wann, Qt::Key_Escape, QStringLiteral("\x1b"));
            f.pruefe(QStringLiteral("Esc ") + wann + (verlaesst ? QStringLiteral(" left") : QStringLiteral(" stayed")),
                     [&fenster, verlaesst] { return fenster->isVisible() != verlaesst; });
            return verlaesst;
        };
        bool zu = o.escVorher && esc(start ? QStringLiteral("before Start") : QStringLiteral("on opening"), escVorStart);
        if (start && !zu) {
            f.pruefe(QStringLiteral("idle, Start shown"), [&] { return start->isVisible(); });
            const QString text = o.start == Qt::Key_Space ? QStringLiteral(" ") : QStringLiteral("\r");
            f.taste(o.start == Qt::Key_Space ? QStringLiteral("Space") : QStringLiteral("Enter"), o.start, text);
            f.pruefe(QStringLiteral("a run started (Start hidden)"), [&] {
                jetzt[1] = lage(fenster);
                return !start->isVisible();
            });
            zu = o.escNachher && esc(QStringLiteral("after Start"), escGestartet);
        }
        if (wahl && o.escNachher) {
            f.pruefe(QStringLiteral("the block choice shown"), [&] { return wahl->isVisible(); });
            f.taste(QStringLiteral("1"), Qt::Key_1, QStringLiteral("1"));
            f.taste(QStringLiteral("Enter on the block"), Qt::Key_Return, QStringLiteral("\r"));
            f.pruefe(QStringLiteral("a run started (the choice hidden)"), [&] { return !wahl->isVisible(); });
            zu = esc(QStringLiteral("after the block choice"), escGestartet);
        }
        if (!zu && fenster->hatSchliessfeld()) {
            f.tue(QStringLiteral("the close box"), [&] { schliessfeld(fenster); });
        } else if (!zu) {
            f.taste(QStringLiteral("0"), Qt::Key_0, QStringLiteral("0"));
            f.taste(QStringLiteral("Enter after 0"), Qt::Key_Return, QStringLiteral("\r"));
        }
        if (zaehlt) {
            f.aktiv(QStringLiteral("Form3"));
            f.taste(QStringLiteral("Enter on O.K."), Qt::Key_Return, QStringLiteral("\r"));
        }
        f.warte(QStringLiteral("window closed"), [&] { return !fenster->isVisible(); });
        const bool gut = f.laufe([&] { aufruf(programm, Menueart::Windowsmenue); });
        QVERIFY2(gut, qPrintable(QStringLiteral("opening %1: %2").arg(oeffnung).arg(f.fehler())));
        // a run left early records nothing, unless the window records whenever it closes
        const QStringList anders = geaendert(aufzeichnungen(*m_ordner), vorher);
        QVERIFY2(zaehlt != anders.isEmpty(),
                 qPrintable(QStringLiteral("opening %1: changed: ").arg(oeffnung) + anders.join(QLatin1Char(' '))));
        // the controls stand where they stood on the first opening, before and after the start
        for (int i = 0; i < 2; ++i) {
            if (oeffnung == 1)
                erste[i] = jetzt[i];
            const QString anders = verschoben(jetzt[i], erste[i]);
            QVERIFY2(anders.isEmpty(), qPrintable(QStringLiteral("opening %1, %2: ")
                                                      .arg(oeffnung)
                                                      .arg(i == 0 ? QStringLiteral("idle") : QStringLiteral("started"))
                                                  + anders));
        }
    }
    QVERIFY2(skript.texte.isEmpty(), qPrintable(skript.texte.join(QLatin1Char('|'))));
}

// ---- the administration windows ----

void TestTastatur::verwaltung_data()
{
    QTest::addColumn<int>("programm");
    QTest::addColumn<Menueart>("art");
    QTest::addColumn<Skriptbau>("skript");
    const auto W = Menueart::Windowsmenue;

    QTest::newRow("1 N. anzeigen: sort, leave") << 1 << W << Skriptbau([](Fahrplan& f, int, dialog::Skript& s) {
        f.aktiv(QStringLiteral("nut01"));
        f.fokus(QStringLiteral("lst1nut01"));
        f.tabBis(QStringLiteral("Button1"));
        f.taste(QStringLiteral("Space on sortieren"), Qt::Key_Space, QStringLiteral(" "));
        f.pruefe(QStringLiteral("sorted"), [&s] {
            return s.texte.value(0) == QStringLiteral("Bei weniger als 40 Nutzern stehen die Einträge am Ende der Liste!");
        });
        f.tabBis(QStringLiteral("cmd2nut01"));
        f.taste(QStringLiteral("Enter on zurück"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
    });
    QTest::newRow("2 N. eintragen: enter a user") << 2 << W << Skriptbau([](Fahrplan& f, int k, dialog::Skript&) {
        const QString name = QStringLiteral("Neu") + QChar(u'a' + k);
        f.aktiv(QStringLiteral("nut02"));
        f.fokus(QStringLiteral("edi1nut02"));
        f.tippe(name);
        f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
        f.pruefe(QStringLiteral("entered and chosen"), [name] {
            return nutzername == name && nutzerregister::lies().value(nutzer - 1) == name;
        });
    });
    QTest::newRow("3 N. wählen: choose a user") << 3 << W << Skriptbau([](Fahrplan& f, int k, dialog::Skript&) {
        f.aktiv(QStringLiteral("wah01"));
        for (int i = 0; i < k; ++i)
            f.taste(QStringLiteral("Down"), Qt::Key_Down);
        f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
        f.pruefe(QStringLiteral("user chosen"), [k] { return nutzer == k + 1 && nutzername == kNutzer.at(k); });
    });
    QTest::newRow("4 akt. Ergebnis: leave") << 4 << W << Skriptbau([](Fahrplan& f, int, dialog::Skript&) {
        f.aktiv(QStringLiteral("Form4"));
        f.fokus(QStringLiteral("Button1"));
        f.taste(QStringLiteral("Enter on zurück"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
    });
    QTest::newRow("5 Daten: view results") << 5 << W << Skriptbau([](Fahrplan& f, int k, dialog::Skript&) {
        Tdat01& d = Tdat01::instanz();
        if (k == 3) {
            // another user is chosen first: the lines and the chart of user 1 go
            f.aktiv(QStringLiteral("wah01"));
            f.taste(QStringLiteral("Down"), Qt::Key_Down);
            f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
        }
        f.aktiv(QStringLiteral("dat01"));
        f.pruefe(QStringLiteral("the lines and the chart of this user only"), [&d, k] {
            const bool leer = d.mem1dat01->toPlainText().isEmpty() && bildLeer(d.pb);
            return k == 2 ? !leer : leer;
        });
        f.fokus(QStringLiteral("lbox"));
        f.taste(QStringLiteral("Down"), Qt::Key_Down);
        f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
        f.pruefe(QStringLiteral("ten results of Tippen"), [&d] {
            return d.mem1dat01->blockCount() == 10 && ansicht::gewaehlteZeile(d.lbox) == 0;
        });
        f.taste(QStringLiteral("Space"), Qt::Key_Space, QStringLiteral(" "));
        f.zu();
    });
    QTest::newRow("6 Highscore: view") << 6 << W << Skriptbau([](Fahrplan& f, int, dialog::Skript&) {
        Tdat02& d = Tdat02::instanz();
        f.aktiv(QStringLiteral("dat02"));
        f.fokus(QStringLiteral("lbox"));
        f.taste(QStringLiteral("Down"), Qt::Key_Down);
        f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
        f.pruefe(QStringLiteral("fifteen places"), [&d] { return d.lbox1->count() == 15; });
        f.taste(QStringLiteral("Space"), Qt::Key_Space, QStringLiteral(" "));
        f.zu();
    });
    QTest::newRow("7 Infos: both windows") << 7 << W << Skriptbau([](Fahrplan& f, int, dialog::Skript&) {
        f.aktiv(QStringLiteral("inf01"));
        f.fokus(QStringLiteral("cmd1inf01"));
        f.taste(QStringLiteral("Enter on weiter"), Qt::Key_Return, QStringLiteral("\r"));
        f.aktiv(QStringLiteral("inf02"));
        f.fokus(QStringLiteral("cmd1inf02"));
        f.taste(QStringLiteral("Enter on zurück"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
    });
    QTest::newRow("8 Plan aufrufen: run a plan") << 8 << Menueart::Knopfmenue
                                                 << Skriptbau([](Fahrplan& f, int, dialog::Skript& s) {
        f.aktiv(QStringLiteral("plan01"));
        f.fokus(QStringLiteral("ListBox1"));
        f.taste(QStringLiteral("Down to plan 1"), Qt::Key_Down);
        f.tabBis(QStringLiteral("Button1"));
        f.taste(QStringLiteral("Enter on aufrufen"), Qt::Key_Return, QStringLiteral("\r"));
        // the entry to start at, in a list of one line
        f.aktiv(QStringLiteral("plan03"));
        f.fokus(QStringLiteral("ListBox1"));
        f.taste(QStringLiteral("Down to the one entry"), Qt::Key_Down);
        f.tabBis(QStringLiteral("Button1"));
        f.taste(QStringLiteral("Enter on weiter"), Qt::Key_Return, QStringLiteral("\r"));
        f.aktiv(QStringLiteral("regel"));
        f.taste(QStringLiteral("Enter on the rules"), Qt::Key_Return, QStringLiteral("\r"));
        f.aktiv(QStringLiteral("Tzah01"));
        f.taste(QStringLiteral("Space on Start"), Qt::Key_Space, QStringLiteral(" "));
        f.taste(QStringLiteral("Esc in the answer field"), Qt::Key_Escape, QStringLiteral("\x1b"));
        f.aktiv(QStringLiteral("Form3"));
        f.pruefe(QStringLiteral("the plan ended"), [&s] {
            return s.texte.isEmpty() && meldung == QStringLiteral("Der Ablaufplan ist beendet!");
        });
        f.taste(QStringLiteral("Enter on O.K."), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
    });
    QTest::newRow("9 Plan-Editor: create, change, delete")
        << 9 << W << Skriptbau([](Fahrplan& f, int k, dialog::Skript& s) {
               f.aktiv(QStringLiteral("plan02"));
               f.fokus(QStringLiteral("ListBox1"));
               if (k == 1) {
                   s.eingaben.push_back(QStringLiteral("Neu"));
                   f.tabBis(QStringLiteral("Button2"));
                   f.taste(QStringLiteral("Space on anlegen"), Qt::Key_Space, QStringLiteral(" "));
               } else {
                   // k = 2 changes plan 1, k = 3 deletes plan 2, the one made at first
                   for (int i = 1; i < k; ++i)
                       f.taste(QStringLiteral("Down"), Qt::Key_Down);
                   f.tabBis(k == 2 ? QStringLiteral("Button3") : QStringLiteral("Button1"));
                   f.taste(QStringLiteral("Space"), Qt::Key_Space, QStringLiteral(" "));
               }
               if (k != 3) {
                   // the second exercise, "Zählen", added
                   f.tabBis(QStringLiteral("ListBox2"));
                   f.taste(QStringLiteral("Down"), Qt::Key_Down);
                   f.taste(QStringLiteral("Down"), Qt::Key_Down);
                   f.tabBis(QStringLiteral("Button5"));
                   f.taste(QStringLiteral("Space on >>>>>>"), Qt::Key_Space, QStringLiteral(" "));
                   f.tabBis(QStringLiteral("Button6"));
                   f.taste(QStringLiteral("Space on FERTIG"), Qt::Key_Space, QStringLiteral(" "));
               }
               f.tabBis(QStringLiteral("Button4"));
               f.taste(QStringLiteral("Space on zurück"), Qt::Key_Space, QStringLiteral(" "));
               f.zu();
               f.pruefe(QStringLiteral("the plan file"), [k, &s] {
                   const QStringList p = plan::lies();
                   const QString name = k == 2 ? QStringLiteral("Eins") : QStringLiteral("Neu");
                   const QString soll = k == 2   ? name.leftJustified(plan::kNamenlaenge) + QStringLiteral("AB")
                                        : k == 1 ? name.leftJustified(plan::kNamenlaenge) + QStringLiteral("B")
                                                 : plan::frei();
                   // no message besides the input box's prompt
                   return s.texte.size() == (k == 1 ? 1 : 0) && p.value(k == 2 ? 0 : 1) == soll;
               });
           });
    QTest::newRow("10 Nutzer löschen: delete a user")
        << 10 << W << Skriptbau([](Fahrplan& f, int k, dialog::Skript& s) {
               s.antworten.push_back(dialog::Knopf::Nein);
               f.aktiv(QStringLiteral("PasswordDlg"));
               f.tippe(QStringLiteral("tarsk"));
               f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
               f.aktiv(QStringLiteral("Form5"));
               f.fokus(QStringLiteral("Button1"));
               f.taste(QStringLiteral("Space on Löschen"), Qt::Key_Space, QStringLiteral(" "));
               for (int i = 0; i < k; ++i)
                   f.taste(QStringLiteral("Down"), Qt::Key_Down);
               f.taste(QStringLiteral("Enter"), Qt::Key_Return, QStringLiteral("\r"));
               f.zu();
               f.pruefe(QStringLiteral("deleted"), [k, &s] {
                   return s.texte.value(0) == kNutzer.at(k) + QStringLiteral(" wurde gelöscht!")
                          && nutzerregister::lies().value(k) == nutzerregister::kFrei;
               });
           });
    QTest::newRow("11 Überblick: view") << 11 << W << Skriptbau([](Fahrplan& f, int, dialog::Skript&) {
        f.aktiv(QStringLiteral("datlist"));
        f.fokus(QStringLiteral("Button2"));
        f.pruefe(QStringLiteral("110 lines"), [] { return Tdatlist::instanz().Memo1->blockCount() >= 110; });
        f.taste(QStringLiteral("Enter on zurück"), Qt::Key_Return, QStringLiteral("\r"));
        f.zu();
    });
}

void TestTastatur::verwaltung()
{
    QFETCH(int, programm);
    QFETCH(Menueart, art);
    QFETCH(Skriptbau, skript);
    // user 1 has ten results of "Tippen", so "Daten" has lines and a chart to show
    if (programm == 5)
        for (int i = 1; i <= 10; ++i)
            ergein(1, 13, 100.0f * float(i));
    for (int oeffnung = 1; oeffnung <= 3; ++oeffnung) {
        dialog::Skript s;
        Fahrplan f;
        skript(f, oeffnung, s);
        const bool gut = f.laufe([&] {
            if (programm == 5 && oeffnung == 3)
                aufruf(3, art);
            if (art == Menueart::Knopfmenue)
                m_start->aufruf((programm - 1) / 12 + 1, (programm - 1) % 12 + 1);
            else
                aufruf(programm, art);
        });
        QVERIFY2(gut, qPrintable(QStringLiteral("opening %1: %2").arg(oeffnung).arg(f.fehler())));
    }
}

int main(int argc, char** argv)
{
    return laufeAufAnzeige(argc, argv, QStringLiteral("1280x1024"), [](const QString&, int n, char** a) {
        TestTastatur test;
        return QTest::qExec(&test, n, a);
    });
}

#include "tst_tastatur.moc"
