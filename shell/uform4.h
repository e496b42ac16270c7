#pragma once
// The sheet of current results ("akt. Ergebn."): one line per finished run.
#include "platform/form.h"

#include <QPlainTextEdit>
#include <QPushButton>

class TForm4 : public Form {
    Q_OBJECT
public:
    static TForm4& instanz();
    static const QString kKopfzeile;

    QPlainTextEdit* gesamt;
    QPushButton* Button1;
    QPushButton* Button2;

    void zeileHinzufuegen(const QString& zeile);
    // Back to the header line alone (a user chosen or entered).
    void leeren();
    QStringList zeilen() const;
    // Prints the sheet on the default printer; lines beyond a page go on the next.
    // Clears ungedruckt only when the job went through.
    void drucken();

protected:
    void FormShow() override;

private:
    TForm4();
};
