#pragma once
// The level of one opening of a level board: record levelnr - 1 of the board's
// level file (the first for levelnr 0), the cells after its length byte.
#include <QByteArray>
#include <QString>
#include <functional>

class QWidget;

// Hands the cells to lade; true when loaded. A file error shows its German
// message and closes the board once its opening is over: false then, and the
// chooser counts no attempt.
bool ladeLevel(QWidget* brett, const QString& datei, int satzgroesse, int zellen,
               const std::function<void(const QByteArray&)>& lade);
