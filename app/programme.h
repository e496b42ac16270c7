#pragma once
// Fills the program table: the administration windows and every exercise built.
void programmeEintragen();
