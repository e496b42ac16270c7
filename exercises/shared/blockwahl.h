#pragma once
// The block choice of the grid exercises: a prompt (Label1) and a field (wahl)
// that takes digits only; Enter with 1 to 9 characters takes the number, a
// block out of range shows "ungültige Eingabe!" and empties the field.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QWidget;

namespace blockwahl {
// The block of the field's text on Enter: none while the field is empty or
// longer than 9 characters (Enter does nothing then); a number outside von..bis
// is returned too, the caller tells it apart with gueltig.
std::optional<int> block(const QString& text);
inline bool gueltig(int block, int von, int bis) { return block >= von && block <= bis; }
// The characters the field lets in: digits, Backspace and Enter.
bool durchlassen(int zeichen);
}

class Blockwahl : public QObject {
public:
    // laenge: the field's maximum length, 0 for none. gewaehlt runs with a valid block.
    Blockwahl(QWidget* fenster, const QString& text, int von, int bis, int laenge,
              std::function<void(int)> gewaehlt);

    // Centred on the window, the prompt at 2/5 and the field at 3/5 of its height.
    void anordnen(int breite, int hoehe);
    void zeige();
    void verberge();
    bool sichtbar() const;
    void leere();

    QLabel* Label1;
    QLineEdit* wahl;

private:
    void wahlKeyUp(int taste);

    int m_von;
    int m_bis;
    std::function<void(int)> m_gewaehlt;
};
