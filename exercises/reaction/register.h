#pragma once
class Programmtabelle;

// Enters the exercises of "Reaktion" and "Konzentration" into the program table.
void registriereReaktion(Programmtabelle& tabelle);
