#pragma once
// The training state: what the shell and the exercises share for the whole run.
// Only nutzer, aktprogramm, programmname, meldung and levelnr carry a value from
// one window to the next; every window writes its scratch variables before use.
#include <QString>
#include <cstdint>

inline std::int32_t nutzer = 0;         // current user 1..40, 0 = none chosen
inline QString nutzername;              // name of the current user (capacity 20)
inline std::int32_t aktprogramm = 0;    // program number of the exercise being opened
inline QString programmname;            // its short name
inline std::int32_t aufgabenzahl = 0;   // tasks or rounds of the running exercise
inline QString meldung;                 // text of the message window
inline std::int32_t meldemodus = 0;     // in: 1 O.K. only, 2 plan question; out: 1 O.K., 2 NEIN
inline std::int32_t levelnr = 0;        // level handed from a chooser to its board
inline std::int32_t einheitx = 0;       // a hundredth of the laid-out width, in pixels
inline std::int32_t einheity = 0;       // a hundredth of the laid-out height
inline std::int32_t cursorx = 0;        // keyboard cursor on a grid
inline std::int32_t cursory = 0;
inline std::int32_t altx = 0;           // the cursor's previous place
inline std::int32_t alty = 0;
inline std::int32_t feldnr = 0;         // selected cell or button
inline QString ergebniszeile;           // result line of the run just recorded
inline std::uint8_t ungedruckt = 0;     // 1 while the results sheet holds unprinted lines

constexpr int kNamenKapazitaet = 20;
