#pragma once

#include <QString>

// "idioma.txt" in Spanish and "english.txt" beside it: 13 lines, Windows-1252, CR LF.
bool writeLanguageFiles(const QString &folder);
