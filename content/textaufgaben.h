#pragma once
// Kinds shared by the numbers and language content: the text-task record and
// the rule that a file asks no question twice.
#include "content/inhalte.h"

// Question padded to kapazitaet - 5 characters, the solution as decimal text after it.
Inhaltsart textaufgaben(const char* datei, int kapazitaet, int saetze);

// Checks that no two records hold the same text in field spalte.
std::function<std::optional<Satzverstoss>(const std::vector<QStringList>&)> keineDoppelteFrage(int spalte);

// Empty, or what is wrong with a question's blanks.
QString fragefehler(const QString& frage);
