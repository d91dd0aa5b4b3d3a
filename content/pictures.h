#pragma once

#include <QString>

// Four picture sets of 36 pairs under `folder`: file p of "1" and of "2" share a name.
bool writePictureSets(const QString &folder);

// The back of the cards: a lattice that covers the largest card box.
bool writeCardBack(const QString &path);
