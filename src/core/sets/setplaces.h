// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// Where picture sets live. A set is a folder, named as the setup window lists it, that
// holds the pair folders "1" and "2"; it lies in one of the places below. The game, the set
// checker and the tests all ask here.

// The folder of sets in the program folder, and in every other place that holds sets.
inline constexpr auto SetsFolderName = "graficos";

// The folders that hold sets, in the order a name is looked up.
QStringList setPlaces();

struct SetEntry {
    QString name;
    QString folder;
    // The place it lies in, one of setPlaces().
    QString place;
};

// Every set of every place, ascending by name ignoring case as the listing sorts; a name
// held by several places is listed once, as the set of the first of them.
std::vector<SetEntry> listSets();

// The folder of the set a name names: the first place that holds a folder of that name,
// else where the program folder would hold it. Empty when the name names no set (empty,
// ".", "..", or holding a "/"), so that nothing outside the places is read.
QString pictureSetFolder(const QString &setName);
