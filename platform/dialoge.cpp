#include "platform/dialoge.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace dialog {

namespace {
Skript* g_skript = nullptr;

QString anwendungstitel() { return QApplication::applicationDisplayName(); }
}

Skript::Skript() : m_vorher(g_skript) { g_skript = this; }

Skript::~Skript() { g_skript = m_vorher; }

void zeige(const QString& text)
{
    if (g_skript) {
        g_skript->texte << text;
        g_skript->titel << anwendungstitel();
        if (g_skript->beimZeigen)
            g_skript->beimZeigen(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, anwendungstitel(), text, QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    box.exec();
}

Knopf frage(const QString& text, const QString& titel, Knoepfe knoepfe, Symbol symbol)
{
    if (g_skript) {
        g_skript->texte << text;
        g_skript->titel << titel;
        if (g_skript->antworten.empty())
            return knoepfe == Knoepfe::JaNeinAbbrechen ? Knopf::Abbrechen : Knopf::Nein;
        const Knopf k = g_skript->antworten.front();
        g_skript->antworten.pop_front();
        return k;
    }
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (symbol) {
    case Symbol::Warnung: icon = QMessageBox::Warning; break;
    case Symbol::Frage: icon = QMessageBox::Question; break;
    case Symbol::Information: icon = QMessageBox::Information; break;
    case Symbol::Fehler: icon = QMessageBox::Critical; break;
    case Symbol::Keins: break;
    }
    QMessageBox box(icon, titel, text);
    QPushButton* ja = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* nein = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* abbrechen = nullptr;
    if (knoepfe == Knoepfe::JaNeinAbbrechen) {
        abbrechen = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
        box.setEscapeButton(abbrechen);
    } else {
        box.setEscapeButton(nein);
    }
    box.setDefaultButton(ja);
    box.exec();
    if (box.clickedButton() == ja)
        return Knopf::Ja;
    if (box.clickedButton() == nein)
        return Knopf::Nein;
    return abbrechen ? Knopf::Abbrechen : Knopf::Nein;
}

QString eingabe(const QString& titel, const QString& aufforderung, const QString& vorgabe)
{
    if (g_skript) {
        g_skript->texte << aufforderung;
        g_skript->titel << titel;
        if (g_skript->eingaben.empty())
            return vorgabe;
        const std::optional<QString> e = g_skript->eingaben.front();
        g_skript->eingaben.pop_front();
        return e ? *e : vorgabe;
    }
    QInputDialog d;
    d.setWindowTitle(titel);
    d.setLabelText(aufforderung);
    d.setTextValue(vorgabe);
    d.setOkButtonText(QStringLiteral("OK"));
    d.setCancelButtonText(QStringLiteral("Abbrechen"));
    return d.exec() == QDialog::Accepted ? d.textValue() : vorgabe;
}

}
