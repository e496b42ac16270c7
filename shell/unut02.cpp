#include "shell/unut02.h"

#include "common/cp1252.h"
#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/dialoge.h"
#include "platform/schriften.h"
#include "platform/tasten.h"
#include "shell/nutzerregister.h"
#include "shell/uform4.h"

#include <QKeyEvent>

Tnut02& Tnut02::instanz()
{
    static Tnut02* form = new Tnut02;
    return *form;
}

Tnut02::Tnut02()
{
    setObjectName(QStringLiteral("nut02"));
    setWindowTitle(QStringLiteral("Nutzer eintragen"));
    setzeMaximiert(true);
    setzeKeyPreview(true);
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setGeometry(0, height() / 3, 520, 120);
    lbl1nut02 = new QLabel(QStringLiteral("neuer Name:"), Panel1);
    lbl1nut02->setObjectName(QStringLiteral("lbl1nut02"));
    lbl1nut02->setFont(schrift::font(QStringLiteral("Arial"), 24));
    lbl1nut02->setGeometry(20, 16, 480, 34);
    edi1nut02 = new QLineEdit(Panel1);
    edi1nut02->setObjectName(QStringLiteral("edi1nut02"));
    edi1nut02->setFont(schrift::font(QStringLiteral("Arial"), 24));
    edi1nut02->setMaxLength(18);
    edi1nut02->setGeometry(20, 60, 480, 40);
    edi1nut02->installEventFilter(this);
}

void Tnut02::FormActivate()
{
    Panel1->move((width() - Panel1->width()) / 2, Panel1->y());
    edi1nut02->setFocus();
}

bool Tnut02::FormShortCut(int taste, QKeyEvent*)
{
    // Esc stands in for the caption bar's close box, which the full-screen
    // window lacks: without it the window could only be left by entering a user.
    if (taste != taste::kEsc)
        return false;
    edi1nut02->clear();
    close();
    return true;
}

bool Tnut02::eventFilter(QObject* ziel, QEvent* e)
{
    // The field judges on the release of Enter. The release of an Enter pressed
    // in another window (the one that opened this) never gets here.
    if (ziel == edi1nut02 && e->type() == QEvent::KeyRelease) {
        auto* k = static_cast<QKeyEvent*>(e);
        if (taste::code(k) == taste::kEnter && !k->isAutoRepeat()) {
            schuetze([this] { eintragen(); });
            return true;
        }
    }
    return Form::eventFilter(ziel, e);
}

void Tnut02::eintragen()
{
    const QString name = edi1nut02->text().trimmed();
    edi1nut02->setText(name);
    if (name.isEmpty())
        return;
    // a name beginning with "--" would count as a free slot and be overwritten;
    // a character the register cannot hold would be stored as "?"
    if (nutzerregister::frei(name) || cp1252::dekodiere(cp1252::kodiere(name)) != name) {
        dialog::zeige(QStringLiteral("ungültige Eingabe!"));
        edi1nut02->clear();
        close();
        return;
    }
    // the checks and the entry are made on the register as it is now, in one
    // locked step; the messages follow once the file is closed
    const nutzerregister::Eintrag e = nutzerregister::trageEin(name);
    for (int i = 0; i < e.doppelt; ++i)
        dialog::zeige(QStringLiteral("Der Benutzer ist bereits eingetragen!"));
    if (e.doppelt == 0 && e.slot == 0)
        dialog::zeige(QStringLiteral("Es sind bereits 40 Nutzer eingetragen!"));
    if (e.slot > 0) {
        dialog::zeige(QStringLiteral("Der Nutzer wurde eingetragen!"));
        nutzername = name.left(kNamenKapazitaet);
        nutzer = e.slot;
        hauptfenstertitelSetzen();
        TForm4::instanz().leeren();
    }
    edi1nut02->clear();
    close();
}
