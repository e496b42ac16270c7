#include "exercises/numbers/zahlworttabelle.h"

#include <QStringList>

const QString& Zahlworttabelle(int i)
{
    // kept exactly as delivered, spelling slips included
    static const QStringList tabelle = [] {
        QStringList t;
        for (const char* e : {
                 // block 0
                 "null,0", "eins,1", "zwei,2", "drei,3", "vier,4", "fünf,5", "sechs,6", "sieben,7", "acht,8",
                 "neun,9", "zehn,10", "elf,11", "zwölf,12", "dreizehn,13", "vierzehn,14", "fünfzehn,15",
                 "sechzehn,16", "siebzehn,17", "achtzehn,18", "neunzehn,19",
                 // block 1
                 "einundzwanzig,21", "zweiundzwanzig,22", "dreiundzwanzig,23", "siebenundzwanzig,27",
                 "neunundzwanzig,29", "vierzig,40", "einundvierzig,41", "fünfundvierzig,45",
                 "siebenundvierzig,47", "neunundvierzig,49", "einundfünfzig,51", "dreiundsechzig,63",
                 "achtundsechzig,68", "sechsundsiebzig,76", "vierundachtzig,84", "siebenundachtzig,87",
                 "neunzig,90", "einundneunzig,91", "fünfundneunzig,95", "einhundertzwei,102",
                 // block 2
                 "einhundertneun,109", "einhundertsiebzehn,117", "einhundertdreiundzwanzig,123",
                 "einhundertsiebenundvierzig,147", "zweihundertzwölf,212", "zweihunderteinundzwanzig,221",
                 "dreihundertneunzehn,319", "dreihundertvierundsiebzig,374", "dreihundertsiebenundneunzig,397",
                 "vierhundertvierundsiebzig,474", "vierhundertsiebenundvierzig,447",
                 "fünfhundertdreiundneunzig,593", "sechshundertsechzehn,616", "sechshunderteinundsechzig,661",
                 "siebenhundertvier,704", "siebenhundertdreiundzwanzig,723", "achthundertfünfundvierzig,845",
                 "achthundertsiebzig,870", "neunhundertdreiundfünfzig,953", "eintausendvierundsiebzig,1074",
                 // block 3
                 "zweitausendeinhundertunddrei,2103", "zehntausendfünf,10005", "viertausenddreihundertzwölf,4312",
                 "neuntausendneunundneunzig,9099", "dreitausendvierhundertsieben,3407",
                 "dreitausendvierhundertneun,3409", "fünftausendsechzig,5060", "zwölftausenddreizehn,12013",
                 "dreitausendeinhundertsech,3106", "neunzehn,19", "vierundsiebzig,74", "siebenundachtzig,87",
                 "dreihundertvierzehn,314", "sechshundertzweiundvierzig,642", "neunhunderteinundsiebzig,971",
                 "zweitausendvierundfünfzig,2054", "sechstausendzweihundertvier,6204",
                 "dreitausendeinhundertneun,3109", "zehntausendelf,10011", "zehntausendzweiundzanzig,10022"})
            t << QString::fromUtf8(e);
        return t;
    }();
    return tabelle.at(i - 1);
}
