#include "shell/uregel.h"

#include "common/zustand.h"
#include "platform/anwendung.h"
#include "platform/schriften.h"
#include "shell/regeltexte.h"

#include <QTextBlockFormat>
#include <QTextCursor>

Tregel& Tregel::instanz()
{
    static Tregel* form = new Tregel;
    return *form;
}

Tregel::Tregel()
{
    setObjectName(QStringLiteral("regel"));
    setWindowTitle(QStringLiteral("Regeln"));
    setzeOhneRahmenknoepfe();
    setzeMaximiert(true);
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setFont(schrift::font(QStringLiteral("Times New Roman"), 64));
    Label1->setAlignment(Qt::AlignCenter);
    Memo1 = new QTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setFont(schrift::font(QStringLiteral("Arial"), 19));
    Memo1->setLineWrapMode(QTextEdit::WidgetWidth);  // centring needs the memo's width
    cmd1 = new QPushButton(QStringLiteral("weiter"), this);
    cmd1->setObjectName(QStringLiteral("cmd1"));
    cmd1->setFont(schrift::font(QStringLiteral("MS Sans Serif"), 19));
    cmd1->resize(160, 40);
    connect(cmd1, &QPushButton::clicked, this, [this] { close(); });
    FormCreate();
}

void Tregel::FormCreate()
{
    const int w = width(), h = height();
    Memo1->setGeometry(w / 10, h / 4, 8 * w / 10, h / 2);
    cmd1->move((w - cmd1->width()) / 2, 17 * h / 20);
}

void Tregel::FormShow()
{
    // at the size of this opening: the window may have been created before the
    // desktop's frame was known
    FormCreate();
    const int w = width(), h = height();
    Label1->setGeometry((w - 9 * w / 10) / 2, h / 20, 9 * w / 10, h * 15 / 100);
    Label1->setText(programmname);
}

void Tregel::FormActivate()
{
    Memo1->clear();
    m_zeilen.clear();
    cmd1->setFocus();
    if (aktprogramm < 13 || aktprogramm > 131)
        return;
    m_zeilen = regelzeilen(aktprogramm);
    QTextCursor c(Memo1->document());
    QTextBlockFormat mitte;
    mitte.setAlignment(Qt::AlignHCenter);
    for (int i = 0; i < m_zeilen.size(); ++i) {
        if (i > 0)
            c.insertBlock();
        c.setBlockFormat(mitte);
        c.insertText(m_zeilen[i]);
    }
}
