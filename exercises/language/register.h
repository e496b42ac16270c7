#pragma once
class Programmtabelle;

// Enters the exercises of "Wörter I", "Wörter II" (but for "Reihenfolge") and "Wissen" into the program table.
void registriereSprache(Programmtabelle& tabelle);
