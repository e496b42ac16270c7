#pragma once
class Programmtabelle;

// Enters the exercises of "Logik", "Reihenfolge" and the four level puzzles into the program table.
void registriereLogik(Programmtabelle& tabelle);
