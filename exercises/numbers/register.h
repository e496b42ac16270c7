#pragma once
class Programmtabelle;

// Enters the exercises of "Zahlen" and "Mathematik" into the program table.
void registriereZahlen(Programmtabelle& tabelle);
