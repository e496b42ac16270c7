#pragma once
// "Symbolrechnen": ten signs stand for the digits 0 to 9, a legend of ten
// buttons tells which; 15 products and sums written in signs, answered in digits.
#include "exercises/shared/antwortfenster.h"
#include "exercises/numbers/symbolaufgaben.h"

#include <array>

class QFrame;

class Tson13 : public Antwortfenster {
    Q_OBJECT
public:
    Tson13();

    static constexpr int kProgramm = 18;
    static constexpr int kAufgaben = 15;

    QFrame* panel1;
    QFrame* panel2;
    std::array<QPushButton*, 10> legende{};  // Button1 .. Button10
    QLabel* aufgabe;

private:
    void anordnen() override;
    void vorbereiten() override;
    void naechsteAufgabe() override;
    void leereAnzeige() override;
    void pruefe() override;
    void FormClose() override;
    void aufbau();

    Zifferncode m_code{};
    Symbolaufgabe m_aufgabe;
};
