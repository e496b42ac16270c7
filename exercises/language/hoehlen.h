#pragma once
// The table of "Worthöhle": 12 categories of 15 entries, each a longer word in
// which a word of the category hides.
#include <QString>
#include <array>

namespace hoehlen {
constexpr int kKategorien = 12;
constexpr int kEintraege = 15;

struct Kategorie {
    QString name;
    std::array<QString, kEintraege> eintraege;
};

const std::array<Kategorie, kKategorien>& tabelle();
}
