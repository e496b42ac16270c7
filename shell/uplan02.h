#pragma once
// The plan editor: creates, changes and deletes training plans. Changes are
// kept in a table and reach the plan file only when the editor is left, and
// then only the plans this editor created, changed or deleted.
#include "platform/form.h"

#include <QFrame>
#include <QListWidget>
#include <QPushButton>

class Tplan02 : public Form {
    Q_OBJECT
public:
    static Tplan02& instanz();

    QFrame* Panel1;
    QListWidget* ListBox1;  // the 50 plans
    QPushButton* Button1;   // löschen
    QPushButton* Button2;   // anlegen
    QPushButton* Button3;   // ändern
    QPushButton* Button4;   // zurück
    QFrame* Panel2;
    QListWidget* ListBox2;  // every exercise
    QListWidget* ListBox3;  // the plan being edited
    QPushButton* Button5;   // add
    QPushButton* Button6;   // FERTIG
    QPushButton* Button7;   // remove
    QPushButton* Button8;   // nach oben
    QPushButton* Button9;   // nach unten

protected:
    void FormShow() override;

private:
    Tplan02();
    void FormCreate();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();
    void Button6Click();
    void Button7Click();
    void Button8Click();
    void Button9Click();
    void bearbeiten();
    void tausche(int zeile, int andere);

    QStringList m_tabelle;  // the 50 records as they will be saved
    QStringList m_gelesenerStand;  // as read: saving writes only what differs
    bool m_gelesen = false; // the table holds the whole file
    QString m_name;
    QString m_buchstaben;
    int m_satz = 0;         // the record being edited, from 1
};
