#include "exercises/shared/fensterteile.h"

#include "exercises/shared/dezimalantwort.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "platform/tasten.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextEdit>
#include <algorithm>

namespace teile {

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text)
{
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(name);
    b->setFont(schrift::font(QStringLiteral("Arial"), 19));
    const QSize s = b->sizeHint();
    b->resize(std::max(113, s.width() + 16), std::max(41, s.height() + 8));
    return b;
}

QLabel* etikett(QWidget* eltern, const QString& name, const QString& familie, int hoehe)
{
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFont(schrift::font(familie, hoehe));
    l->setAlignment(Qt::AlignCenter);
    l->resize(l->width(), hoehe * 3 / 2);
    return l;
}

QLineEdit* eingabefeld(QWidget* eltern, int laenge, int hoehe)
{
    auto* e = new QLineEdit(eltern);
    e->setObjectName(QStringLiteral("eingabe"));
    e->setFont(schrift::font(QStringLiteral("Arial"), hoehe));
    e->setMaxLength(laenge);
    // no context menu of our own: pasting stays possible, as in any edit field
    const QFontMetrics fm(e->font());
    e->resize(fm.horizontalAdvance(QStringLiteral("0")) * (laenge + 2) + 16, fm.height() + 12);
    return e;
}

QTextEdit* memo(QWidget* eltern, const QString& name, const QString& familie, int hoehe, const QColor& grund)
{
    auto* m = new QTextEdit(eltern);
    m->setObjectName(name);
    m->setReadOnly(true);
    m->setFont(schrift::font(familie, hoehe));
    m->setFocusPolicy(Qt::NoFocus);
    m->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette p = m->palette();
    p.setColor(QPalette::Base, grund);
    m->setPalette(p);
    return m;
}

void mittig(QWidget* w, int oben)
{
    const int breite = w->parentWidget() ? w->parentWidget()->width() : w->width();
    w->move((breite - w->width()) / 2, oben);
}

void setzeMemo(QTextEdit* memo, const QString& text)
{
    memo->setPlainText(text);
    QTextCursor c(memo->document());
    c.select(QTextCursor::Document);
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignHCenter);
    c.mergeBlockFormat(f);
}

}

