// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Where picture sets live. A set is a folder, named as the setup window lists it, that
// holds the pair folders "1" and "2"; it lies in one of the places below.
//
// A name held by two places is the set of the first of them, in this order: the program
// folder's "graficos" (as the game has always read it, where an administrator adds sets
// for everybody); the user's own: "zindle/graficos" in the user's data folder
// ($XDG_DATA_HOME, ~/.local/share) and the folder "Zindle" in the user's Pictures folder
// (none when user-dirs.dirs names the home folder itself as Pictures); "zindle/graficos" in
// each shared data folder ($XDG_DATA_DIRS); last the sets shipped in the language of the
// texts. So the user's own set wins over a shipped one of its name. A place that does not
// exist holds no set.

// The folder of sets in the program folder, and in every other place that holds sets.
inline constexpr auto SetsFolderName = "graficos";

// The pair folders of a set: pair p is file p of each, in name order.
inline constexpr auto FirstPairFolder = "1";
inline constexpr auto SecondPairFolder = "2";

struct SetEntry {
    QString name;
    QString folder;
    // The place it lies in, one of places().
    QString place;
};

// The places of one program folder and one shipped language, as the game, the set checker
// and the tests ask them.
class SetLibrary
{
public:
    // `programFolder` without a trailing separator; `language` a shipped language's code.
    SetLibrary(QString programFolder, QString language);

    // The places, in the order a name is looked up, each once.
    QStringList places() const;

    // Every set of every place, ascending by name in the collation of the system's locale
    // (of the shipped language under the C locale), ignoring case, numbers by their value;
    // a name held by several places is listed once, as the set of the first of them.
    std::vector<SetEntry> list() const;

    // The folder of the set a name names: the first place that holds a folder of that name,
    // else the first listed set whose name, clean, is that name, else where the program
    // folder would hold it. Empty when the name names no set (empty, ".", "..", or holding
    // a "/"), so that nothing outside the places is read.
    QString folderOf(const QString &setName) const;

private:
    QString m_programFolder;
    QString m_language;
};
