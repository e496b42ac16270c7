#pragma once
class Programmtabelle;

// Enters the exercises of "Gedächtnis" and "Wahrnehmung" (but for "Rangieren") into the program table.
void registriereGedaechtnis(Programmtabelle& tabelle);
