#include "platform/fokusstil.h"

#include "platform/form.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyleOptionButton>

void Fokusstil::drawControl(ControlElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const
{
    const auto* knopf = qstyleoption_cast<const QStyleOptionButton*>(o);
    if (e == CE_PushButton && knopf && (knopf->features & QStyleOptionButton::DefaultButton)
        && !(knopf->state & State_HasFocus) && w && qobject_cast<const Form*>(w->window())) {
        QStyleOptionButton ohne(*knopf);
        ohne.features &= ~QStyleOptionButton::DefaultButton;
        QProxyStyle::drawControl(e, &ohne, p, w);
        return;
    }
    QProxyStyle::drawControl(e, o, p, w);
}

void Fokusstil::drawPrimitive(PrimitiveElement e, const QStyleOption* o, QPainter* p, const QWidget* w) const
{
    QProxyStyle::drawPrimitive(e, o, p, w);
    if (e != PE_Frame || !qobject_cast<const QAbstractScrollArea*>(w) || !(o->state & State_HasFocus))
        return;
    p->save();
    p->setPen(o->palette.color(QPalette::Highlight));
    p->setBrush(Qt::NoBrush);
    p->drawRect(o->rect.adjusted(0, 0, -1, -1));
    p->drawRect(o->rect.adjusted(1, 1, -2, -2));
    p->restore();
}
