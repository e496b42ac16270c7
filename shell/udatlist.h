#pragma once
// "Überblick": for every exercise the best score and the current user's last score,
// printable.
#include "platform/form.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>

namespace datlist {
// The line of one exercise: name from column 1, best from column 20, last from
// column 40, trailing blanks removed. The scores as stored, with comma or point.
QString zeile(const QString& name, const QString& best, const QString& letzter);
// Prints the lines under the header: 60 lines on the first page, 59 on each further one.
void drucken(const QStringList& zeilen);
}

class Tdatlist : public Form {
    Q_OBJECT
public:
    static Tdatlist& instanz();

    QPlainTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;

    void Button1Click();
    QStringList zeilen() const;

protected:
    void FormShow() override;

private:
    Tdatlist();
};
