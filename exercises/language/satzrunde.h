#pragma once
// The rounds of the sentence grids apart from the window.
// Gap sentences: records of 78 characters, the sentence in 1-74, the gap word's
// first and last position in 75-76 and 77-78. A round is 10 such records,
// shuffled, and their gap words in random cells of 2 columns x 5 rows.
// Sentence halves: records of 80 characters, two halves of 40; a round is 7
// sentences and their second halves shuffled into one column.
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace satzrunde {

constexpr int kSatzLaenge = 74;
constexpr int kHaelfte = 40;

struct Luecke {
    int von;
    int bis;
};
// Positions 75-78, each trimmed of blanks; a text that is no number throws
// Konvertierungsfehler. Clamped to 1-74 with von <= bis, so a damaged record
// still names characters of its sentence.
Luecke luecke(const QString& satz);
// Characters von to bis.
QString lueckenwort(const QString& satz, Luecke l);
// Characters 1-74 without trailing blanks, the gap replaced by "---".
QString mitStrichen(const QString& satz, Luecke l);
// Characters 1-74 without trailing blanks.
QString loesung(const QString& satz);

class Lueckenrunde {
public:
    static constexpr int kSaetze = 10;
    static constexpr int kSpalten = 2;
    static constexpr int kZeilen = 5;

    // Ten exchanges of two drawn records, then each gap word into a drawn empty cell.
    void baue(const QStringList& saetze);
    // Sentence i (1-10) of the shuffled order.
    const QString& satz(int i) const { return m_saetze.at(i - 1); }
    QString frage(int i) const { return mitStrichen(satz(i), m_luecken.at(i - 1)); }
    const QString& wort(int i) const { return m_woerter.at(i - 1); }
    // Column 1-2, row 1-5; empty outside.
    QString zelle(int spalte, int zeile) const;
    // The cell holds exactly the gap word of sentence i.
    bool richtig(int i, int spalte, int zeile) const;

private:
    QStringList m_saetze;
    std::vector<Luecke> m_luecken;
    QStringList m_woerter;
    std::array<std::array<QString, kZeilen>, kSpalten> m_zellen{};
};

class Haelftenrunde {
public:
    static constexpr int kSaetze = 7;

    // The halves in file order; the column a copy of the second halves after
    // ten exchanges of two drawn rows.
    void baue(const QStringList& saetze);
    const QString& erste(int i) const { return m_erste.at(i - 1); }
    const QString& zweite(int i) const { return m_zweite.at(i - 1); }
    // Both halves without trailing blanks, joined by a blank.
    QString ganz(int i) const;
    // Row 1-7; empty outside.
    QString zeile(int z) const;
    bool richtig(int i, int zeile) const;

private:
    QStringList m_erste;
    QStringList m_zweite;
    QStringList m_spalte;
};

}
