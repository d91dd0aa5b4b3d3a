#pragma once

#include "platform/services.h"

#include <QString>
#include <QStringList>
#include <vector>

// The folder of a picture set under "graficos", or the empty text when the name names no
// set: empty, ".", "..", or holding a "/", so that nothing outside "graficos" is read.
QString pictureSetFolder(const QString &setName);

// The files of a set's two pair folders; pair p is file p of each.
struct SetFiles {
    QStringList first;
    QStringList second;
    QString firstFolder;
    QString secondFolder;
    // Pairs that both folders can serve.
    int pairs() const { return int(std::min(first.size(), second.size())); }
};
SetFiles listSetFiles(const QString &setFolder);

// The draws of one deal: `pairCount` different pair numbers out of `pictures`, in the
// order drawn, then a random order of all 2 × `boardPairs` card positions. Every picture
// draw comes before every position draw, and a value drawn before is drawn again.
struct DealDraws {
    std::vector<int> chosen;
    std::vector<int> order;
};
DealDraws drawDeal(int pairCount, int pictures, int boardPairs, Random &random);

// Whether a board of this set would show at least one pair: a pair whose two files both
// read as pictures.
bool canDealAPair(const QString &setName);
