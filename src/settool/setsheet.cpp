// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setsheet.h"

#include "cards/cardgeometry.h"
#include "rules/paircounts.h"
#include "screen/twips.h"
#include "sets/dealing.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QSaveFile>
#include <algorithm>

namespace
{

constexpr int Margin = 16;
constexpr int NumberWidth = 40;
constexpr int Spacing = 8;
constexpr int NameHeight = 18;
constexpr int TitleHeight = 44;
constexpr int SheetWidth = 1500;

struct Cell {
    QSize box;
    int width = 0;
    int height = 0;
};

void drawCard(QPainter &p, QRect box, const CardPicture *card, const QImage &background)
{
    p.fillRect(box, Qt::white);
    const QRect inner = cardInnerRect(box);
    p.save();
    p.setClipRect(inner);
    if (!background.isNull())
        p.drawImage(inner.topLeft(), background);
    if (card && card->loaded)
        p.drawImage(shownPictureRect(*card).translated(inner.topLeft()), card->image);
    p.restore();
    p.setPen(QPen(Qt::black, CardBoxFrame));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (!card || !card->loaded) {
        p.setPen(QPen(QColor(0xC0, 0x10, 0x10), 3));
        p.drawLine(inner.topLeft(), inner.bottomRight());
        p.drawLine(inner.topRight(), inner.bottomLeft());
        p.fillRect(QRect(inner.center() - QPoint(44, 11), QSize(88, 22)), Qt::white);
        p.drawText(inner, Qt::AlignCenter, QStringLiteral("not dealt"));
    }
}

} // namespace

QImage drawSheet(const std::vector<SetReport> &reports, const SheetBoard &board,
                 const QImage &background)
{
    const QRect boxPixels =
        firstCardBoxPixels(board.pairChoice, board.screen.width() * TwipsPerPixel,
                           board.screen.height() * TwipsPerPixel);
    const QSize box = boxPixels.size();
    const int cellWidth = NumberWidth + 2 * box.width() + Spacing + 2 * Margin;
    const int cellHeight = box.height() + NameHeight + Spacing;
    const int columns = std::max(1, SheetWidth / cellWidth);
    const int width = std::max(columns * cellWidth, 640);

    const auto shownPairs = [](const SetReport &r) {
        return std::min(int(r.pictures.size() / 2), SheetPairsPerSet);
    };
    int height = TitleHeight;
    for (const SetReport &r : reports)
        height += TitleHeight + (shownPairs(r) + columns - 1) / columns * cellHeight + Margin;

    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(0xEE, 0xEE, 0xEE));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    QFont bold = font;
    bold.setBold(true);
    bold.setPixelSize(18);
    p.setPen(Qt::black);
    p.setFont(bold);
    p.drawText(QRect(Margin, 0, width - 2 * Margin, TitleHeight), Qt::AlignVCenter,
               QStringLiteral("As a %1-pair board shows them on %2x%3")
                   .arg(PairCounts::pairsFor(board.pairChoice))
                   .arg(board.screen.width())
                   .arg(board.screen.height()));

    int top = TitleHeight;
    for (const SetReport &report : reports) {
        p.setFont(bold);
        p.setPen(Qt::black);
        const QString more = int(report.pictures.size() / 2) > shownPairs(report)
                                 ? QStringLiteral(" (the first %1 pairs)").arg(shownPairs(report))
                                 : QString();
        p.drawText(QRect(Margin, top, width - 2 * Margin, TitleHeight), Qt::AlignVCenter,
                   report.name + more);
        top += TitleHeight;

        std::vector<CardPictureRequest> requests;
        for (int i = 0; i < 2 * shownPairs(report); ++i)
            requests.push_back(cardPictureRequest(report.pictures[std::size_t(i)].failure.isEmpty()
                                                      ? report.pictures[std::size_t(i)].path
                                                      : QString(),
                                                  cardBoxSize(boxPixels)));
        const std::vector<CardPicture> cards = loadCardPictures(requests);

        p.setFont(font);
        const QFontMetrics metrics(font);
        for (int pair = 0; pair < shownPairs(report); ++pair) {
            const QPoint cell(Margin + pair % columns * cellWidth,
                              top + pair / columns * cellHeight);
            p.setPen(Qt::black);
            p.drawText(QRect(cell, QSize(NumberWidth - 6, box.height())),
                       Qt::AlignRight | Qt::AlignVCenter, QString::number(pair + 1));
            for (int half = 0; half < 2; ++half) {
                const std::size_t i = std::size_t(2 * pair + half);
                const QRect card(cell + QPoint(NumberWidth + half * (box.width() + Spacing), 0),
                                 box);
                const PictureCheck &picture = report.pictures[i];
                drawCard(p, card, picture.path.isEmpty() ? nullptr : &cards[i], background);
                p.setPen(Qt::black);
                // Escaped as in the report, so that a line break in a name shows.
                const QString name = picture.name.isEmpty()
                                         ? QStringLiteral("(none)")
                                         : quoted(picture.name).mid(1).chopped(1);
                p.drawText(QRect(card.bottomLeft() + QPoint(0, 1), QSize(box.width(), NameHeight)),
                           Qt::AlignLeft | Qt::AlignVCenter,
                           metrics.elidedText(name, Qt::ElideMiddle, box.width()));
            }
        }
        top += (shownPairs(report) + columns - 1) / columns * cellHeight + Margin;
    }
    p.end();
    return sheet;
}

bool saveSheet(const QImage &sheet, const QString &file)
{
    // Encoded whole first: the PNG writer gives up on a failing file without freeing all.
    QByteArray png;
    QBuffer buffer(&png);
    QSaveFile out(file);
    return buffer.open(QIODevice::WriteOnly) && sheet.save(&buffer, "PNG") &&
           out.open(QIODevice::WriteOnly) && out.write(png) == png.size() && out.commit();
}
