// Windows on a real desktop: every maximised window, on every opening, lies within
// the work area the window manager leaves free and is maximised by it (on the
// second opening as on the first) or fills that area exactly; the controls stand
// where the window's final size puts them. Run once per window manager (the first
// argument: openbox, icewm or metacity), each in an Xvfb of its own; what counts is
// read back from the X server: the frame window, _NET_FRAME_EXTENTS, _NET_WM_STATE
// and _NET_WORKAREA.
#include "app/programme.h"
#include "common/zustand.h"
#include "platform/form.h"
#include "shell/aufruf.h"
#include "shell/uform1.h"
#include "shell/unitm.h"
#include "shell/uregel.h"
#include "tests/support/anzeige.h"
#include "tests/support/testumgebung.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <xcb/xcb.h>

namespace {

// ---- what the X server says ----

xcb_connection_t* verbindung()
{
    return qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
}

xcb_window_t wurzel()
{
    return xcb_setup_roots_iterator(xcb_get_setup(verbindung())).data->root;
}

xcb_atom_t atom(const char* name) { return xAtom(verbindung(), name); }

QList<quint32> werte(xcb_window_t fenster, const char* name) { return xWerte(verbindung(), fenster, name); }

// The window's place in root coordinates.
QRect lage(xcb_window_t fenster)
{
    xcb_connection_t* c = verbindung();
    xcb_get_geometry_reply_t* g = xcb_get_geometry_reply(c, xcb_get_geometry(c, fenster), nullptr);
    xcb_translate_coordinates_reply_t* t =
        xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, fenster, wurzel(), 0, 0), nullptr);
    QRect r;
    if (g && t)
        r = QRect(t->dst_x, t->dst_y, g->width, g->height);
    free(g);
    free(t);
    return r;
}

// The frame: the window manager's window that holds the client, just below the root.
xcb_window_t rahmenfenster(xcb_window_t fenster)
{
    xcb_connection_t* c = verbindung();
    for (;;) {
        xcb_query_tree_reply_t* r = xcb_query_tree_reply(c, xcb_query_tree(c, fenster), nullptr);
        if (!r)
            return fenster;
        const xcb_window_t eltern = r->parent;
        const xcb_window_t w = r->root;
        free(r);
        if (eltern == w || eltern == XCB_WINDOW_NONE)
            return fenster;
        fenster = eltern;
    }
}

struct Sicht {
    QRect client;
    QRect rahmen;
    QMargins ausdehnung;  // _NET_FRAME_EXTENTS
    bool hatAusdehnung = false;
    bool maximiert = false;  // both maximised states in _NET_WM_STATE
    QRect arbeitsbereich;    // _NET_WORKAREA of the first desktop

    bool operator==(const Sicht& s) const
    {
        return client == s.client && rahmen == s.rahmen && ausdehnung == s.ausdehnung && maximiert == s.maximiert
               && arbeitsbereich == s.arbeitsbereich;
    }

    QString text() const
    {
        auto r = [](const QRect& q) {
            return QStringLiteral("(%1, %2) %3 x %4").arg(q.x()).arg(q.y()).arg(q.width()).arg(q.height());
        };
        return QStringLiteral("client %1, frame %2, extents %3 %4 %5 %6, %7, work area %8")
            .arg(r(client), r(rahmen))
            .arg(ausdehnung.left())
            .arg(ausdehnung.right())
            .arg(ausdehnung.top())
            .arg(ausdehnung.bottom())
            .arg(maximiert ? QStringLiteral("maximised") : QStringLiteral("not maximised"), r(arbeitsbereich));
    }
};

Sicht sicht(QWidget& w)
{
    Sicht s;
    const xcb_window_t id = static_cast<xcb_window_t>(w.winId());
    s.client = lage(id);
    s.rahmen = lage(rahmenfenster(id));
    const QList<quint32> aus = werte(id, "_NET_FRAME_EXTENTS");
    if (aus.size() == 4) {
        s.hatAusdehnung = true;
        s.ausdehnung = QMargins(int(aus[0]), int(aus[2]), int(aus[1]), int(aus[3]));
    }
    const QList<quint32> zustand = werte(id, "_NET_WM_STATE");
    s.maximiert = zustand.contains(atom("_NET_WM_STATE_MAXIMIZED_VERT"))
                  && zustand.contains(atom("_NET_WM_STATE_MAXIMIZED_HORZ"));
    const QList<quint32> bereich = werte(wurzel(), "_NET_WORKAREA");
    if (bereich.size() >= 4)
        s.arbeitsbereich = QRect(int(bereich[0]), int(bereich[1]), int(bereich[2]), int(bereich[3]));
    return s;
}

// Where the window stands wrong, or an empty text. The frame is the client with
// the extents the window manager reports (its frame window may hold invisible
// borders besides). A desktop may push the outer border of a maximised window past
// the work area's edge (icewm does, by the border's width); its caption bar and
// the client may not.
QString fehlstand(const Sicht& s)
{
    QStringList fehler;
    if (!s.hatAusdehnung)
        fehler << QStringLiteral("no frame extents");
    if (!s.arbeitsbereich.contains(s.client))
        fehler << QStringLiteral("client area outside the work area");
    QRect erlaubt = s.arbeitsbereich;
    if (s.maximiert) {
        const int rand = std::min({s.ausdehnung.left(), s.ausdehnung.right(), s.ausdehnung.bottom()});
        erlaubt = erlaubt.marginsAdded(QMargins(rand, rand, rand, rand));
    }
    if (!erlaubt.contains(s.client.marginsAdded(s.ausdehnung)))
        fehler << QStringLiteral("frame outside the work area");
    if (!s.maximiert && s.client != s.arbeitsbereich.marginsRemoved(s.ausdehnung))
        fehler << QStringLiteral("neither maximised nor filling the work area");
    return fehler.join(QStringLiteral(", "));
}

// ---- opening windows and measuring them ----

struct Messung {
    QString fenster;
    Sicht sicht;
    QString layout;  // a control that stands where another size put it, or empty
};

// The layout the window computes from its size, checked where the test knows it.
QString layoutFehler(QWidget& w)
{
    const int b = w.width(), h = w.height();
    const auto steht = [](const QWidget* k, QPoint soll) {
        return k->pos() == soll ? QString()
                                : QStringLiteral("%1 at (%2, %3), not (%4, %5)")
                                      .arg(k->objectName()).arg(k->x()).arg(k->y()).arg(soll.x()).arg(soll.y());
    };
    if (auto* regel = qobject_cast<Tregel*>(&w))
        return steht(regel->cmd1, {(b - regel->cmd1->width()) / 2, 17 * h / 20});
    if (auto* start = qobject_cast<TForm1*>(&w))
        return steht(start->Button1, {(b - start->Button1->width()) / 2, (h - start->Button1->height()) / 6});
    return {};
}

QString g_fenstermanager;

// Measures every window shown while oeffnen runs (the topmost modal one, or the
// start screen when none is modal) once the desktop has settled it, then closes it.
QList<Messung> messe(const std::function<void()>& oeffnen, QWidget* ohneModal = nullptr, int fenster = 1)
{
    QList<Messung> messungen;
    QPointer<QDialog> aktuell;
    Sicht letzte;
    int ruhig = 0;
    QElapsedTimer uhr;
    QTimer takt;
    takt.setInterval(50);
    QObject::connect(&takt, &QTimer::timeout, &takt, [&] {
        QWidget* oben = QApplication::activeModalWidget();
        auto* d = qobject_cast<QDialog*>(oben ? oben : ohneModal);
        if (!d || !d->isVisible() || !d->windowHandle())
            return;
        if (d != aktuell) {
            aktuell = d;
            ruhig = 0;
            letzte = Sicht();
            uhr.start();
        }
        const Sicht s = sicht(*d);
        ruhig = s == letzte ? ruhig + 1 : 0;
        letzte = s;
        // settled: the same for 400 ms; a desktop that never frames it gets 6 s
        if ((ruhig < 8 || !s.hatAusdehnung) && uhr.elapsed() < 6000)
            return;
        // a message box in between is a fault of its own; it is named by its text
        const QString name = qobject_cast<Form*>(d) ? d->objectName() : QStringLiteral("box ") + d->windowTitle();
        messungen << Messung{name, s, layoutFehler(*d)};
        aktuell = nullptr;
        d->done(0);
    });
    takt.start();
    oeffnen();
    QElapsedTimer warte;
    warte.start();
    while (messungen.size() < fenster && warte.elapsed() < 15000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    takt.stop();
    // the closed windows give their native windows back
    QCoreApplication::processEvents();
    QTest::qWait(100);
    return messungen;
}

}

class TestRahmen : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void jedesOeffnenImArbeitsbereich_data();
    void jedesOeffnenImArbeitsbereich();
    void cleanupTestCase();

private:
    std::unique_ptr<Arbeitsordner> m_ordner;
    std::unique_ptr<TForm1> m_start;
};

void TestRahmen::initTestCase()
{
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    m_ordner = std::make_unique<Arbeitsordner>();
    programmeEintragen();
    m_start = std::make_unique<TForm1>();
    nutzer = 1;
    nutzername = QStringLiteral("Rahmen");
}

void TestRahmen::cleanupTestCase()
{
    m_start.reset();
    m_ordner.reset();
}

void TestRahmen::jedesOeffnenImArbeitsbereich_data()
{
    QTest::addColumn<int>("art");
    QTest::addColumn<QStringList>("fenster");  // the windows one opening shows
    // the start screen first: it is the program's first window, framed before any other
    QTest::newRow("start screen (title only)") << 0 << QStringList{QStringLiteral("Form1")};
    QTest::newRow("menu window (title only)") << 1 << QStringList{QStringLiteral("formm")};
    QTest::newRow("rules window and exercise (close box)")
        << 2 << QStringList{QStringLiteral("regel"), QStringLiteral("Tzah01")};
}

void TestRahmen::jedesOeffnenImArbeitsbereich()
{
    QFETCH(int, art);
    QFETCH(QStringList, fenster);
    QHash<QString, bool> maximiertBeimErsten;
    for (int oeffnung = 1; oeffnung <= 2; ++oeffnung) {
        QList<Messung> m;
        if (art == 0)
            m = messe([&] { m_start->zeige(); }, m_start.get());
        else if (art == 1)
            m = messe([] { Tformm::instanz().zeigeModal(); });
        else
            m = messe(
                [] {
                    nutzer = 1;  // the start screen and the menu window begin with none
                    aufruf(13, Menueart::Windowsmenue);
                },
                nullptr, 2);
        for (const Messung& x : m) {
            std::printf("%s, %s, opening %d: %s\n", qPrintable(g_fenstermanager), qPrintable(x.fenster), oeffnung,
                        qPrintable(x.sicht.text()));
            const QString wo = QStringLiteral("%1, opening %2: ").arg(x.fenster).arg(oeffnung);
            const QString fehler = fehlstand(x.sicht);
            QVERIFY2(fehler.isEmpty(), qPrintable(wo + fehler + QStringLiteral("; ") + x.sicht.text()));
            QVERIFY2(x.layout.isEmpty(), qPrintable(wo + x.layout));
            // every opening as the first: a window the desktop maximised once it maximises again
            if (oeffnung == 1)
                maximiertBeimErsten.insert(x.fenster, x.sicht.maximiert);
            else
                QVERIFY2(x.sicht.maximiert == maximiertBeimErsten.value(x.fenster),
                         qPrintable(wo + QStringLiteral("maximised on the first opening only")));
        }
        QStringList namen;
        for (const Messung& x : m)
            namen << x.fenster;
        QCOMPARE(namen, fenster);
    }
}

int main(int argc, char** argv)
{
    return laufeAufAnzeige(argc, argv, QStringLiteral("1280x1024"), [](const QString& wm, int n, char** a) {
        g_fenstermanager = wm;
        TestRahmen test;
        return QTest::qExec(&test, n, a);
    });
}

#include "tst_rahmen.moc"
