#pragma once
// Pieces the typed-answer windows share: controls in their
// fonts, horizontal centring, the system colours of their backgrounds, and the
// key hooks of the answer field.
#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QWidget;

namespace teile {

QPushButton* knopf(QWidget* eltern, const QString& name, const QString& text);
QLabel* etikett(QWidget* eltern, const QString& name, const QString& schrift, int hoehe);
// An answer field of at most laenge characters.
QLineEdit* eingabefeld(QWidget* eltern, int laenge, int hoehe);
// A read-only memo with centred text.
QTextEdit* memo(QWidget* eltern, const QString& name, const QString& schrift, int hoehe, const QColor& grund);
// Puts w centred horizontally in its parent, its top at oben.
void mittig(QWidget* w, int oben);
// The memo's text, centred line by line.
void setzeMemo(QTextEdit* memo, const QString& text);

}
