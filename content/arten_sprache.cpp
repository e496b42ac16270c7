// Content files read by the exercises in exercises/language/.
#include "content/fragedateien.h"
#include "content/inhalte.h"
#include "content/paardatei.h"
#include "content/satzdateien.h"
#include "content/textaufgaben.h"

#include <QRegularExpression>

namespace {

bool nurBuchstabenAZ(const QString& s)
{
    for (QChar c : s)
        if (!((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z'))))
            return false;
    return true;
}

// "begriffe.dat": one word per record. Short words are drawn for games that can
// only complete and type the letters A to Z.
QString begriffRegel(const QStringList& f)
{
    const QString& wort = f[0];
    if (wort.isEmpty())
        return QStringLiteral("leeres Wort");
    if (wort.contains(QLatin1Char(' ')))
        return QStringLiteral("Wort mit Leerzeichen");
    if (wort.size() <= 7 && !nurBuchstabenAZ(wort))
        return QStringLiteral("Wort bis 7 Zeichen nur aus den Buchstaben A bis Z");
    return {};
}

// "satzwin.dat": the sentence is split at its blanks into at most 8 words.
QString satzRegel(const QStringList& f)
{
    const QString& satz = f[0];
    if (satz.isEmpty())
        return QStringLiteral("leerer Satz");
    if (satz.startsWith(QLatin1Char(' ')) || satz.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Leerzeichen am Anfang oder Ende");
    if (satz.contains(QStringLiteral("  ")))
        return QStringLiteral("doppeltes Leerzeichen");
    if (satz.count(QLatin1Char(' ')) + 1 > 8)
        return QStringLiteral("mehr als 8 Wörter");
    return {};
}

// "bucherg.dat": masked word, word, hint. Every answer must be typable (A to Z),
// a scrambled word must differ from the word, and a word without its vowels
// must still show something.
QString ergaenzungRegel(const QStringList& f)
{
    const QString &maske = f[0], &wort = f[1], &hinweis = f[2];
    if (maske.isEmpty() || wort.isEmpty() || hinweis.isEmpty())
        return QStringLiteral("leeres Feld");
    if (!nurBuchstabenAZ(wort))
        return QStringLiteral("Wort nur aus den Buchstaben A bis Z");
    if (maske.size() != wort.size())
        return QStringLiteral("Maske und Wort verschieden lang");
    if (!maske.contains(QLatin1Char('-')))
        return QStringLiteral("Maske ohne Lücke \"-\"");
    for (int i = 0; i < maske.size(); ++i)
        if (maske[i] != QLatin1Char('-') && maske[i] != wort[i])
            return QStringLiteral("Maske weicht an Stelle %1 vom Wort ab").arg(i + 1);
    if (wort.count(wort[0]) == wort.size())
        return QStringLiteral("Wort aus nur einem Zeichen");
    bool mitMitlaut = false;
    for (QChar c : wort)
        mitMitlaut = mitMitlaut || !QStringLiteral("AEIOUaeiou").contains(c);
    if (!mitMitlaut)
        return QStringLiteral("Wort nur aus Vokalen");
    if (hinweis.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Hinweis mit Leerzeichen am Ende");
    return {};
}

// "wahlwin.dat": a sentence with one gap "..." and two different choices.
QString wahlRegel(const QStringList& f)
{
    const QString &satz = f[0], &wahl1 = f[1], &wahl2 = f[2], &richtig = f[3];
    if (satz.count(QStringLiteral("...")) != 1)
        return QStringLiteral("Satz ohne genau eine Lücke \"...\"");
    if (wahl1.trimmed().isEmpty() || wahl2.trimmed().isEmpty() || wahl1 == wahl2)
        return QStringLiteral("zwei verschiedene Wahlen nötig");
    if (wahl1.endsWith(QLatin1Char(' ')) || wahl2.endsWith(QLatin1Char(' ')))
        return QStringLiteral("Wahl mit Leerzeichen am Ende");
    if (richtig != QLatin1String("1") && richtig != QLatin1String("2"))
        return QStringLiteral("richtig muss 1 oder 2 sein");
    return {};
}

// "zahlen.dat": the solution in four characters, shown as stored after a miss;
// the answer field takes only digits and commas, so no sign.
QString zahlenfrageRegel(const QStringList& f)
{
    static const QRegularExpression form(QStringLiteral("^(0|[1-9][0-9]*)(,[0-9]+)?$"));
    if (!form.match(f[0]).hasMatch())
        return QStringLiteral("Lösung \"%1\" ist keine Zahl aus Ziffern und höchstens einem Komma").arg(f[0]);
    return fragefehler(f[1]);
}

}

std::vector<Inhaltsart> artenSprache()
{
    return {
        {QStringLiteral("begriffe.dat"), 20, 577, {{QStringLiteral("wort"), 0}}, begriffRegel},
        {QStringLiteral("satzwin.dat"), 60, 180, {{QStringLiteral("satz"), 0}}, satzRegel},
        {QStringLiteral("bucherg.dat"), 60, 240,
         {{QStringLiteral("maske"), 20}, {QStringLiteral("wort"), 20}, {QStringLiteral("hinweis"), 20}},
         ergaenzungRegel},
        {QStringLiteral("wahlwin.dat"), 92, 120,
         {{QStringLiteral("satz"), 60}, {QStringLiteral("wahl1"), 15}, {QStringLiteral("wahl2"), 15},
          {QStringLiteral("richtig"), 0}},
         wahlRegel},
        // matching grids: 3 blocks x 5 rounds x 8 pairs; colours 6 groups x 8 in narrower cells
        paardatei("zuteil1.dat", 120, 16),
        paardatei("zuteil2.dat", 120, 16),
        paardatei("zugegen.dat", 120, 16),
        paardatei("zusyno.dat", 120, 16),
        paardatei("zufremd.dat", 120, 16),
        paardatei("zuerd.dat", 120, 16),
        paardatei("zusach.dat", 120, 16),
        paardatei("jfarben.dat", 48, 12),
        // sentence grids: gap sentences 9 and 8 blocks x 3 rounds x 10, halves 4 blocks x 5 rounds x 7
        lueckendatei("satzergw.dat", 270),
        lueckendatei("wortfamw.dat", 240),
        haelftendatei("vmsatzha.dat", 140),
        // knowledge questions with a number for an answer
        {QStringLiteral("zahlen.dat"), 80, 55, {{QStringLiteral("loesung"), 4}, {QStringLiteral("frage"), 0}},
         zahlenfrageRegel, keineDoppelteFrage(1)},
        textaufgaben("vmdenksp.dat", 160, 45),
        // clues answered by one typed word
        definitionsdatei("wortscha.dat", 580, false),
        definitionsdatei("satzende.dat", 112, true),
        definitionsdatei("vmpuquiz.dat", 127, false),
        // questions with five and with four options
        praxisdatei("prakall.dat", 150),
        quizdatei("vmquiz.dat", 315),
        // the pond's clues and five-letter answers
        angeldatei("angelwin.dat", 160),
    };
}
