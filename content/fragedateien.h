#pragma once
// Kinds of the knowledge and clue files: a clue with one typed word, a question
// with five or four options, a short clue with a five-letter answer.
#include "content/inhalte.h"

// A clue of at most 70 characters and one word of 2 to 20 letters typed back;
// satzanfang: the clue is a sentence the program continues with "...".
Inhaltsart definitionsdatei(const char* datei, int saetze, bool satzanfang);

// "prakall.dat": question and five answers, each closed by "#", then the digit.
Inhaltsart praxisdatei(const char* datei, int saetze);

// "vmquiz.dat": one source line, two records: the question with the number of
// the right option, then the four options.
Inhaltsart quizdatei(const char* datei, int paare);

// "angelwin.dat": a clue of at most 35 characters, an answer of five letters.
Inhaltsart angeldatei(const char* datei, int saetze);

namespace fragedateien {
// Empty, or what keeps word from being typed and hinted: 2 to 20 letters of
// the answer field with two different ones at least once in capitals.
QString wortfehler(const QString& wort);
}
