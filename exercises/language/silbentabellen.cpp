// The word tables of the three syllable grids, one block per line.
#include "exercises/language/silben.h"

namespace silben {

namespace {

const Tabelle kTwis08{{
    {"weibliche Vornamen", {"Ju#dith", "Wal#traud", "Mar#got", "Lie#sel", "Hed#wig", "Car#men", "In#grid", "Bär#bel", "Dag#mar", "Hei#ke", "Mecht#hild", "Gu#drun"}},
    {"männliche Vornamen", {"Tho#mas", "Die#ter", "Hel#mut", "Man#fred", "Ger#hard", "Hu#bert", "An#ton", "Hein#rich", "Vol#ker", "Ger#not", "Bo#do", "Ja#kob"}},
    {"Sportarten", {"Rei#ten", "Ru#dern", "Sur#fen", "Ju#do", "Hand#ball", "Ten#nis", "Se#geln", "Schwim#men", "Box#en", "Bil#lard", "Po#lo", "Tur#nen"}},
    {"Musik", {"Kla#vier", "Trom#mel", "Ban#jo", "Gei#ge", "Har#fe", "Brat#sche", "Zit#ter", "Tu#ba", "Cel#lo", "Schlag#zeug", "Pau#ke", "Or#gel"}},
    {"Mathematik", {"Wur#zel", "Ke#gel", "Tra#pez", "Qua#der", "Man#tel", "Win#kel", "Qua#drat", "Zin#sen", "Zif#fer", "For#mel", "Po#tenz", "Ku#gel"}},
    {"Elemente", {"Sil#ber", "Ei#sen", "Kup#fer", "Ti#tan", "Man#gan", "Pla#tin", "Wis#mut", "U#ran", "Ar#gon", "Wolf#ram", "Ko#balt", "Nick#el"}},
    {"Automarken", {"Au#di", "Fi#at", "Al#fa", "O#pel", "La#da", "Wart#burg", "Maz#da", "Re#nault", "Hon#da", "Sa#ab", "Vol#vo", "Por#sche"}},
    {"Sportbegriffe", {"Start#block", "Kamm#griff", "Trai#ner", "Box#ring", "Fahr#rad", "Zehn#kampf", "Speer#wurf", "Ski#sprung", "Wen#de", "De#gen", "Keu#le", "Dis#kus"}},
    {"Maßeinheiten", {"Me#ter", "Hek#tar", "Ton#ne", "Mo#nat", "Wo#che", "El#le", "Ki#lo", "Li#ter", "Klaf#ter", "Dut#zend", "Ka#rat", "Stun#de"}},
    {"Berufe", {"Tisch#ler", "Leh#rer", "See#mann", "Mau#rer", "No#tar", "Kauf#mann", "Rich#ter", "Pi#lot", "Pfle#ger", "Fri#seur", "Ger#ber", "Ma#ler"}},
}};

const Tabelle kTwis09{{
    {"Städte Deutschland", {"Ham#burg", "Ber#lin", "Ha#gen", "Dres#den", "Ha#meln", "Bre#men", "Augs#burg", "Kre#feld", "Kob#lenz", "Pots#dam", "Braun#schweig", "Dort#mund"}},
    {"Städte Europa", {"Dub#lin", "Lon#don", "Pa#ris", "Glas#gow", "Pi#sa", "Bel#fast", "Stock#holm", "Os#lo", "Flo#renz", "Inns#bruck", "Ba#sel", "Mai#land"}},
    {"Städte Amerika", {"Mem#phis", "Dal#las", "Bos#ton", "Que#bec", "Port#land", "Den#ver", "Nas#sau", "Hous#ton", "Phoe#nix", "Li#ma", "Qui#to", "Aus#tin"}},
    {"Städte Asien", {"Mek#ka", "Mad#ras", "Bag#dad", "Bei#rut", "Hong#kong", "Pe#king", "Bom#bay", "Ka#bul", "Tif#lis", "Tasch#kent", "Ran#gun", "Tai#peh"}},
    {"Städte Afrika", {"La#gos", "Kai#ro", "Al#gier", "Ra#bat", "Ac#cra", "Da#kar", "Tu#nis", "Dur#ban", "Kap#stadt", "Wind#huk", "Tan#ger", "Gi#se"}},
    {"Länder", {"Schwe#den", "Po#len", "Un#garn", "Est#land", "Chi#le", "Chi#na", "Kon#go", "Ja#pan", "I#rak", "I#ran", "Su#dan", "Ka#tar"}},
    {"Flüsse", {"Wol#ga", "We#ser", "El#be", "Ha#vel", "Do#nau", "Wer#ra", "Mo#sel", "Ful#da", "Lei#ne", "Mol#dau", "Kon#go", "O#ker"}},
    {"Inseln", {"Grön#land", "Rü#gen", "Ba#li", "Pal#ma", "Cey#lon", "Zy#pern", "Rho#dos", "Ca#pri", "Kor#fu", "Kre#ta", "Mal#ta", "El#ba"}},
    {"Weltall", {"Sa#turn", "Mer#kur", "Licht#jahr", "Son#ne", "Ven#us", "Nep#tun", "Plu#to", "Ce#res", "We#ga", "Him#mel", "Ko#met", "Pla#net"}},
    {"Währungen", {"Dol#lar", "Eu#ro", "Kro#ne", "Pe#so", "Li#re", "Drach#me", "Di#nar", "Fran#ken", "Schil#ling", "Hel#ler", "Ru#bel", "Fo#rint"}},
}};

const Tabelle kTwis10{{
    {"Tiere I", {"Nas#horn", "Ti#ger", "Lö#we", "Nil#pferd", "Ge#pard", "La#ma", "Pu#ma", "Stink#tier", "Pan#ter", "Wi#sent", "Kat#ze", "Ka#mel"}},
    {"Bäume", {"Tan#ne", "Fich#te", "Kie#fer", "Pal#me", "Wei#de", "Ei#che", "Bir#ke", "Er#le", "Pap#pel", "Es#pe", "Bu#che", "Lin#de"}},
    {"Vögel", {"Ad#ler", "Fal#ke", "Bus#sard", "Krä#he", "Ha#bicht", "Sper#ber", "Mei#se", "Tau#be", "Schwal#be", "Wach#tel", "Kie#bitz", "Kuck#uck"}},
    {"Obst", {"Bir#ne", "Ap#fel", "Kir#sche", "Pfir#sich", "Pflau#me", "Man#del", "Fei#ge", "Dat#tel", "Trau#be", "Ki#wi", "Quit#te", "Zwetsch#ge"}},
    {"Blumen", {"Nel#ke", "Ro#se", "Dah#lie", "Tul#pe", "Enz#ian", "Veil#chen", "Kro#kus", "Pri#mel", "Lo#tus", "Al#ge", "Jas#min", "Kres#se"}},
    {"Tiere II", {"Zo#bel", "Rat#te", "Hams#ter", "Mar#der", "Wie#sel", "Bi#ber", "Scha#kal", "Il#tis", "Del#phin", "Ha#se", "Bi#son", "Gem#se"}},
    {"Getreide und Gemüse", {"Ha#fer", "Wei#zen", "Rog#gen", "Ger#ste", "Hir#se", "Erb#se", "Boh#ne", "Gur#ke", "Spar#gel", "Wir#sing", "Spi#nat", "Zwie#bel"}},
    {"Nahrungsmittel", {"Bon#bon", "Tor#te", "But#ter", "Kä#se", "Si#rup", "Zwie#back", "Pud#ding", "Krap#fen", "Waf#fel", "Sah#ne", "Ho#nig", "Nu#del"}},
    {"Getränke", {"Kaf#fee", "Li#mo", "Spru#del", "Was#ser", "Ke#fir", "Cock#tail", "Wein#brand", "Rad#ler", "Als#ter", "Wod#ka", "Bow#le", "So#da"}},
    {"Gewürze", {"Ing#wer", "Mus#kat", "Fen#chel", "A#nis", "Min#ze", "Nel#ke", "Pfef#fer", "Küm#mel", "Lor#beer", "Es#sig", "Zwie#bel", "Ka#pern"}},
}};

}

const std::vector<Art>& arten()
{
    static const std::vector<Art> t{
        {128, "Twis08", "Silben-Sachkunde", kTwis08},
        {129, "Twis09", "Silben-Erdkunde", kTwis09},
        {130, "Twis10", "Silben-Biologie", kTwis10},
    };
    return t;
}

}
