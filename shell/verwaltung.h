#pragma once
class Programmtabelle;

// Enters the administration windows (programs 1 to 11) into the program table.
void registriereVerwaltung(Programmtabelle& tabelle);
