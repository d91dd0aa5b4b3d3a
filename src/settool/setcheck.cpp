// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "setcheck.h"

#include "files/filenames.h"
#include "files/listing.h"
#include "files/regularfile.h"
#include "pictures/svgimages.h"
#include "rules/paircounts.h"
#include "screen/twips.h"
#include "sets/dealing.h"
#include "sets/pairbuttons.h"
#include "sets/setlibrary.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <tuple>

namespace
{

// Pictures are measured decoded this wide, whole: enough rows to place a drawing's edge
// within a third of a percent of a 4:3 picture's height.
constexpr int MeasureWidth = 480;
// The tallest picture measured whole: 40 times as high as wide.
constexpr int MeasureHeight = 40 * MeasureWidth;
// Decoded at most this many at once, so that thousands of files never sit in memory.
constexpr std::size_t Batch = 64;
// A channel that differs from the border by more than this is drawing, not paper, noise
// of a JPEG or the soft edge of a line.
constexpr int Trace = 48;
// A drawing may reach this far past the rows shown, as a fraction of the picture's height,
// before it counts as cut: half a row of a card on the smallest board.
constexpr double Tolerance = 0.005;

// A file named relative to its set: "1/07.png".
QString inPairFolder(const char *pairFolder, const QString &file)
{
    return QLatin1String(pairFolder) + QLatin1Char('/') + file;
}

// A pair folder's name in double quotes, as the report names it.
QString pairFolderText(const char *pairFolder)
{
    return QLatin1Char('"') + QLatin1String(pairFolder) + QLatin1Char('"');
}

QString percent(double fraction)
{
    return QString::number(qRound(fraction * 100)) + QLatin1Char('%');
}

QString rowsText(const ShownRows &rows)
{
    return QStringLiteral("rows %1-%2").arg(percent(rows.top), percent(rows.bottom));
}

QString screenText(QSize screen)
{
    return QStringLiteral("%1x%2").arg(screen.width()).arg(screen.height());
}

QString turnText(QImageIOHandler::Transformations t)
{
    if (t == QImageIOHandler::TransformationNone)
        return {};
    switch (t) {
    case QImageIOHandler::TransformationMirror:
        return QStringLiteral("mirrored");
    case QImageIOHandler::TransformationFlip:
        return QStringLiteral("flipped upside down");
    case QImageIOHandler::TransformationRotate180:
        return QStringLiteral("turned 180 degrees");
    case QImageIOHandler::TransformationRotate90:
        return QStringLiteral("turned 90 degrees clockwise");
    case QImageIOHandler::TransformationMirrorAndRotate90:
        return QStringLiteral("mirrored and turned 90 degrees clockwise");
    case QImageIOHandler::TransformationFlipAndRotate90:
        return QStringLiteral("flipped and turned 90 degrees clockwise");
    case QImageIOHandler::TransformationRotate270:
        return QStringLiteral("turned 90 degrees counter-clockwise");
    default:
        return QStringLiteral("turned");
    }
}

// What can be learnt of a file without decoding it: whether the game's rule for opening
// files lets it be read at all (a FIFO or a device would block or never end) and what its
// header says.
void inspect(PictureCheck &picture)
{
    QFile file;
    if (!openRegularFile(file, picture.path)) {
        const QFileInfo info(picture.path);
        picture.failure = !info.exists()   ? QStringLiteral("is missing")
                          : !info.isFile() ? QStringLiteral("is not a regular file")
                                           : QStringLiteral("cannot be read");
        return;
    }
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    if (!reader.canRead()) {
        picture.failure =
            QStringLiteral("is not a picture the game reads (%1)").arg(reader.errorString());
        return;
    }
    picture.turn = turnText(reader.transformation());
}

// Why the board's loader gave up on a file whose header reads.
QString decodeFailure(const CardPictureRequest &request)
{
    QFile file;
    if (!openRegularFile(file, request.path))
        return QStringLiteral("cannot be read");
    if (file.size() > DecodeBudgetBytes)
        return QStringLiteral("is too big to decode (a file of %1 MB; the game decodes at most "
                              "%2 MB at a time)")
            .arg(file.size() / (1024 * 1024))
            .arg(DecodeBudgetBytes / (1024 * 1024));
    QImageReader reader(&file);
    reader.setDecideFormatFromContent(true);
    // The SVG reader would open the files the picture names, which the loader refused.
    if (isSvgFormat(reader.format()))
        return QStringLiteral("cannot be decoded (an SVG picture that is not well formed)");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return QStringLiteral("has no size in its header (%1)").arg(reader.errorString());
    const qint64 bytes = decodeBytesFor(request);
    if (bytes > DecodeBudgetBytes)
        return QStringLiteral("is too big to decode (%1x%2 pixels need %3 MB; the game "
                              "decodes at most %4 MB at a time)")
            .arg(size.width())
            .arg(size.height())
            .arg(bytes / (1024 * 1024))
            .arg(DecodeBudgetBytes / (1024 * 1024));
    if (reader.read().isNull())
        return QStringLiteral("cannot be decoded (%1)").arg(reader.errorString());
    return QStringLiteral("is too narrow or too low to show on a card");
}

QByteArray likenessOf(const QImage &image)
{
    // Small and coarse, so that the same picture saved twice, or in two formats, looks
    // alike while two different drawings do not.
    const QImage thumb = image.convertToFormat(QImage::Format_RGB32)
                             .scaled(12, 12, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QByteArray key = QByteArray::number(qRound(10.0 * image.height() / image.width()));
    for (int y = 0; y < thumb.height(); ++y) {
        for (int x = 0; x < thumb.width(); ++x) {
            const QRgb c = thumb.pixel(x, y);
            key += char(qRed(c) >> 4);
            key += char(qGreen(c) >> 4);
            key += char(qBlue(c) >> 4);
        }
    }
    return key;
}

// Decodes the pictures that passed inspection with the board's own loader, whole, on all
// cores, a batch at a time.
void decode(std::vector<PictureCheck> &pictures)
{
    std::vector<PictureCheck *> pending;
    for (PictureCheck &p : pictures) {
        if (!p.path.isEmpty() && p.failure.isEmpty())
            pending.push_back(&p);
    }
    for (std::size_t start = 0; start < pending.size(); start += Batch) {
        const std::size_t end = std::min(pending.size(), start + Batch);
        std::vector<CardPictureRequest> requests;
        for (std::size_t i = start; i < end; ++i) {
            // A box whose inner area holds the whole picture, so nothing is clipped.
            CardPictureRequest r;
            r.path = pending[i]->path;
            r.boxWidth = MeasureWidth * TwipsPerPixel;
            r.boxHeight = MeasureHeight * TwipsPerPixel;
            r.clientSize = QSize(MeasureWidth, MeasureHeight);
            requests.push_back(r);
        }
        const std::vector<CardPicture> cards = loadCardPictures(requests);
        for (std::size_t i = start; i < end; ++i) {
            PictureCheck &p = *pending[i];
            const CardPicture &card = cards[i - start];
            p.upright = QSize(card.naturalWidth, card.naturalHeight) / TwipsPerPixel;
            if (!card.loaded) {
                p.failure = decodeFailure(requests[i - start]);
                continue;
            }
            p.loads = true;
            p.caption = card.caption;
            p.drawing = drawingRows(card.image);
            p.likeness = likenessOf(card.image);
        }
    }
}

struct Reporter {
    SetReport &report;
    QString prefix(const char *kind) const
    {
        return QLatin1String(kind) + QLatin1Char(' ') + quoted(report.name);
    }
    void add(Severity severity, const char *kind, const QString &text)
    {
        report.findings.push_back({severity, prefix(kind) + text});
    }
    void info(const char *kind, const QString &text) { add(Severity::Info, kind, text); }
    void note(const QString &text) { add(Severity::Note, "note", text); }
    void warning(const QString &text) { add(Severity::Warning, "warning", text); }
    void error(const QString &text) { add(Severity::Error, "error", text); }
};

QString pairText(int p)
{
    return QStringLiteral(" pair %1: ").arg(p + 1);
}

void reportCuts(Reporter &out, const SetReport &report, const std::vector<int> &choices)
{
    ShownRowsMemo memo;
    for (std::size_t i = 0; i < report.pictures.size(); ++i) {
        const PictureCheck &picture = report.pictures[i];
        if (!picture.loads || !picture.drawing)
            continue;
        const auto cut = drawingCut(picture.upright, *picture.drawing, choices, memo);
        if (!cut)
            continue;
        out.warning(pairText(int(i / 2)) +
                    QStringLiteral("cut: %1 has its drawing in %2; a card shows %3 (%4 of its "
                                   "height) at %5; cut on %6")
                        .arg(quoted(picture.name), rowsText(*picture.drawing), rowsText(cut->least),
                             percent(cut->least.height()), cut->leastOn,
                             cut->cutOn.join(QStringLiteral(", "))));
    }
}

void reportLikeness(Reporter &out, const SetReport &report)
{
    std::map<QByteArray, std::size_t> firstSeen;
    std::set<std::pair<int, int>> told;
    for (std::size_t i = 0; i < report.pictures.size(); ++i) {
        const PictureCheck &picture = report.pictures[i];
        if (!picture.loads)
            continue;
        const auto [it, fresh] = firstSeen.emplace(picture.likeness, i);
        const int a = int(it->second / 2), b = int(i / 2);
        if (fresh || a == b || !told.insert({a, b}).second)
            continue;
        out.warning(QStringLiteral(" pairs %1 and %2: same picture: %3 and %4")
                        .arg(a + 1)
                        .arg(b + 1)
                        .arg(quoted(report.pictures[it->second].name), quoted(picture.name)));
    }
}

// A picture captioned by nothing but a number (its file name, mostly) tells a screen reader
// user nothing of what it shows.
void reportBareNumbers(Reporter &out, const SetReport &report)
{
    static const QRegularExpression number(QStringLiteral("^[0-9]+$"));
    QStringList bare;
    for (const PictureCheck &picture : report.pictures) {
        if (picture.loads && number.match(picture.caption).hasMatch())
            bare << quoted(picture.name);
    }
    if (bare.isEmpty())
        return;
    out.note(QStringLiteral(": %1 pictures have no caption but their file number, all a screen "
                            "reader says of them: %2%3")
                 .arg(bare.size())
                 .arg(bare.front(), bare.size() > 1
                                        ? QStringLiteral(" and %1 more").arg(bare.size() - 1)
                                        : QString()));
}

// Captions that a screen reader spells out in part ("clock colon 10 colon 15").
void reportSpokenPunctuation(Reporter &out, const SetReport &report)
{
    QStringList spoken;
    QString characters;
    for (const PictureCheck &picture : report.pictures) {
        const QString found = spokenPunctuation(picture.caption);
        if (!picture.loads || found.isEmpty())
            continue;
        spoken << quoted(picture.name) + QLatin1Char(' ') + quoted(picture.caption);
        for (const QChar c : found) {
            if (!characters.contains(c))
                characters += c;
        }
    }
    if (spoken.isEmpty())
        return;
    out.note(QStringLiteral(": %1 captions hold characters a screen reader reads out as words "
                            "(%2): %3%4")
                 .arg(spoken.size())
                 .arg(quoted(characters), spoken.front(),
                      spoken.size() > 1 ? QStringLiteral(" and %1 more").arg(spoken.size() - 1)
                                        : QString()));
}

void reportNames(Reporter &out, const SetReport &report)
{
    const int both = std::min(
        {int(report.first.size()), int(report.second.size()), int(report.pictures.size() / 2)});
    const auto matches = [&](int p) {
        return QFileInfo(report.first[p])
                   .completeBaseName()
                   .compare(QFileInfo(report.second[p]).completeBaseName(), Qt::CaseInsensitive) ==
               0;
    };
    int matching = 0;
    for (int p = 0; p < both; ++p)
        matching += matches(p);
    if (2 * matching <= both)
        return;
    for (int p = 0; p < both; ++p) {
        if (!matches(p))
            out.warning(pairText(p) +
                        QStringLiteral("names differ: %1 and %2, while %3 of %4 "
                                       "pairs match")
                            .arg(quoted(inPairFolder(FirstPairFolder, report.first[p])),
                                 quoted(inPairFolder(SecondPairFolder, report.second[p])))
                            .arg(matching)
                            .arg(both));
    }
}

} // namespace

std::optional<DrawingCut> drawingCut(QSize upright, ShownRows drawing,
                                     const std::vector<int> &choices, ShownRowsMemo &memo)
{
    std::map<QString, QStringList> cutOn;
    std::optional<DrawingCut> cut;
    for (const QSize &screen : CommonScreens) {
        for (int choice : choices) {
            // The pictures of a set mostly share a few sizes.
            const auto key = std::tuple(upright.width(), upright.height(), choice, screen.width(),
                                        screen.height());
            auto known = memo.find(key);
            if (known == memo.end())
                known = memo.emplace(key, shownRows(upright, choice, screen)).first;
            const ShownRows rows = known->second;
            if (drawing.top >= rows.top - Tolerance && drawing.bottom <= rows.bottom + Tolerance)
                continue;
            const int pairs = PairCounts::pairsFor(choice);
            cutOn[screenText(screen)] << QString::number(pairs);
            if (!cut || rows.height() < cut->least.height())
                cut =
                    DrawingCut{rows,
                               QStringLiteral("%1 pairs on %2").arg(pairs).arg(screenText(screen)),
                               pairs,
                               screen,
                               {}};
        }
    }
    if (cut) {
        for (const auto &[screen, counts] : cutOn)
            cut->cutOn << screen + QLatin1Char(' ') + counts.join(QLatin1Char(' '));
    }
    return cut;
}

QString spokenPunctuation(const QString &text)
{
    static const QString spoken = QStringLiteral(":;/|\u2014\u2013*#@&_<>[]{}~=");
    QString found;
    for (const QChar c : text) {
        if (spoken.contains(c) && !found.contains(c))
            found += c;
    }
    return found;
}

bool SetReport::dealt(int pair) const
{
    const std::size_t i = std::size_t(2 * pair);
    return i + 1 < pictures.size() && pictures[i].loads && pictures[i + 1].loads;
}

bool SetReport::playable() const
{
    return std::none_of(findings.begin(), findings.end(),
                        [](const Finding &f) { return f.severity == Severity::Error; });
}

int SetReport::warnings() const
{
    return int(std::count_if(findings.begin(), findings.end(),
                             [](const Finding &f) { return f.severity == Severity::Warning; }));
}

QString quoted(const QString &text)
{
    QString out = QStringLiteral("\"");
    // A byte of a name that is not UTF-8 shows as \xHH, so the teacher can find the file.
    const QString shown = shownFileName(text);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out += QLatin1Char('\\') + c;
        else if (shown[i] != c)
            out += QStringLiteral("\\x%1").arg(encodeFileName(c).toHex().toUpper());
        else if (c.unicode() < 0x20 || c.unicode() == 0x7F || c.category() == QChar::Other_Format ||
                 c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

std::vector<std::pair<QString, QString>> setsIn(const QString &folder)
{
    std::vector<std::pair<QString, QString>> sets;
    if (!isFolder(folder))
        return sets;
    if (isFolder(folder + QLatin1Char('/') + QLatin1String(FirstPairFolder)) ||
        isFolder(folder + QLatin1Char('/') + QLatin1String(SecondPairFolder))) {
        sets.emplace_back(QFileInfo(folder).fileName(), folder);
        return sets;
    }
    for (const QString &name : listSubfolders(folder))
        sets.emplace_back(name, folder + QLatin1Char('/') + name);
    return sets;
}

std::optional<ShownRows> drawingRows(const QImage &picture)
{
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const int w = image.width(), h = image.height();
    if (w < 1 || h < 1)
        return std::nullopt;
    std::map<QRgb, int> edge;
    const auto count = [&](int x, int y) { ++edge[image.pixel(x, y) & 0xF0F0F0]; };
    for (int x = 0; x < w; ++x) {
        count(x, 0);
        count(x, h - 1);
    }
    for (int y = 0; y < h; ++y) {
        count(0, y);
        count(w - 1, y);
    }
    const QRgb border =
        std::max_element(edge.begin(), edge.end(), [](const auto &a, const auto &b) {
            return a.second < b.second;
        })->first;
    const auto differs = [&](QRgb c) {
        // The border's bucket stands for its middle.
        const auto channel = [](int value, int bucket) { return std::abs(value - bucket - 8); };
        return channel(qRed(c), qRed(border)) > Trace ||
               channel(qGreen(c), qGreen(border)) > Trace ||
               channel(qBlue(c), qBlue(border)) > Trace;
    };
    int top = -1, bottom = -1;
    for (int y = 0; y < h; ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (std::any_of(line, line + w, differs)) {
            if (top < 0)
                top = y;
            bottom = y;
        }
    }
    if (top < 0)
        return std::nullopt;
    return ShownRows{double(top) / h, double(bottom + 1) / h};
}

SetReport checkSet(const QString &name, const QString &folder)
{
    SetReport report;
    report.name = name;
    Reporter out{report};
    out.info("set", QLatin1Char(' ') + quoted(folder));
    for (const char *half : {FirstPairFolder, SecondPairFolder}) {
        const QString path = folder + QLatin1Char('/') + QLatin1String(half);
        if (!isFolder(path))
            out.error(QStringLiteral(": no folder %1").arg(pairFolderText(half)));
        else if (!isReadableFolder(path))
            out.error(QStringLiteral(": folder %1 cannot be read").arg(pairFolderText(half)));
    }
    const SetFiles files = listSetFiles(folder);
    report.first = files.first;
    report.second = files.second;
    out.info("files", QStringLiteral(": %1 in %2, %3 in %4")
                          .arg(files.first.size())
                          .arg(pairFolderText(FirstPairFolder))
                          .arg(files.second.size())
                          .arg(pairFolderText(SecondPairFolder)));

    // A set of tens of thousands of pairs would take minutes and print megabytes: past
    // MaxCheckedPairs its pairs are counted, not checked.
    const int pairs = int(files.first.size());
    const int checked = std::min(pairs, MaxCheckedPairs);
    for (int p = 0; p < checked; ++p) {
        PictureCheck first;
        first.name = inPairFolder(FirstPairFolder, files.first[p]);
        first.path = files.firstFolder + files.first[p];
        PictureCheck second;
        if (p < int(files.second.size())) {
            second.name = inPairFolder(SecondPairFolder, files.second[p]);
            second.path = files.secondFolder + files.second[p];
        }
        inspect(first);
        if (!second.path.isEmpty())
            inspect(second);
        report.pictures.push_back(first);
        report.pictures.push_back(second);
    }
    decode(report.pictures);

    std::vector<int> choices;
    QStringList offered;
    const auto enabled = pairButtonsEnabled(int(files.first.size()));
    for (int choice = 0; choice < PairCounts::ChoiceCount; ++choice) {
        if (enabled[std::size_t(choice)]) {
            choices.push_back(choice);
            offered << QString::number(PairCounts::pairsFor(choice));
        }
    }
    out.info("offers", QStringLiteral(": ") + (offered.isEmpty() ? QStringLiteral("none")
                                                                 : offered.join(QLatin1Char(' '))));
    int dealable = 0;
    for (int p = 0; p < checked; ++p) {
        out.info("pair", QStringLiteral(" %1: %2 %3")
                             .arg(p + 1)
                             .arg(quoted(files.first[p]), p < int(files.second.size())
                                                              ? quoted(files.second[p])
                                                              : QStringLiteral("-")));
        if (report.dealt(p)) {
            ++dealable;
            continue;
        }
        QStringList why;
        for (const PictureCheck &picture : {report.pictures[2 * p], report.pictures[2 * p + 1]}) {
            if (picture.name.isEmpty())
                why << QStringLiteral("%1 has no file %2")
                           .arg(pairFolderText(SecondPairFolder))
                           .arg(p + 1);
            else if (!picture.loads)
                why << quoted(picture.name) + QLatin1Char(' ') + picture.failure;
        }
        out.warning(pairText(p) + QStringLiteral("never dealt: ") + why.join(QStringLiteral("; ")));
    }
    if (checked < pairs)
        out.note(QStringLiteral(": pairs %1 to %2 not checked: a check stops at %3 pairs")
                     .arg(checked + 1)
                     .arg(pairs)
                     .arg(MaxCheckedPairs));
    const qsizetype extras = files.second.size() - files.first.size();
    if (extras > MaxCheckedPairs)
        out.note(QStringLiteral(": %1 files of %2 have no partner in %3 and are never dealt")
                     .arg(extras)
                     .arg(pairFolderText(SecondPairFolder), pairFolderText(FirstPairFolder)));
    for (qsizetype extra = files.first.size();
         extras <= MaxCheckedPairs && extra < files.second.size(); ++extra)
        out.note(QStringLiteral(": %1 has no partner in %2 and is never dealt")
                     .arg(quoted(inPairFolder(SecondPairFolder, files.second[extra])),
                          pairFolderText(FirstPairFolder)));
    for (const PictureCheck &picture : report.pictures) {
        if (!picture.turn.isEmpty())
            out.note(QStringLiteral(": %1 is %2 by its EXIF orientation; the board shows it so")
                         .arg(quoted(picture.name), picture.turn));
    }
    reportBareNumbers(out, report);
    reportSpokenPunctuation(out, report);

    if (dealable == 0) {
        out.error(QStringLiteral(": no pair can be dealt"));
    } else if (choices.empty()) {
        out.warning(QStringLiteral(": offers no pair count: %1 holds %2 pictures, the "
                                   "smallest board needs %3")
                        .arg(pairFolderText(FirstPairFolder))
                        .arg(files.first.size())
                        .arg(PairCounts::pairsFor(0)));
    } else if (const int most = PairCounts::pairsFor(choices.back()); dealable < most) {
        out.warning(
            QStringLiteral(": offers %1 pairs but can deal only %2").arg(most).arg(dealable));
    }
    reportCuts(out, report, choices);
    reportLikeness(out, report);
    reportNames(out, report);

    const QString verdict = !report.playable() ? QStringLiteral("cannot be played")
                            : report.warnings() > 0
                                ? QStringLiteral("playable, %1 warnings").arg(report.warnings())
                                : QStringLiteral("playable, nothing to warn about");
    out.info("verdict", QStringLiteral(": ") + verdict);
    return report;
}

QStringList reportLines(const std::vector<SetReport> &reports)
{
    QStringList lines;
    int unplayable = 0, warned = 0;
    for (const SetReport &report : reports) {
        for (const Finding &f : report.findings)
            lines << f.line;
        unplayable += !report.playable();
        warned += report.playable() && report.warnings() > 0;
    }
    lines << QStringLiteral("summary: %1 sets, %2 cannot be played, %3 with warnings")
                 .arg(reports.size())
                 .arg(unplayable)
                 .arg(warned);
    return lines;
}

bool reportWritten()
{
    errno = 0;
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return true;
    const QString why = QString::fromLocal8Bit(std::strerror(errno ? errno : EIO));
    const QByteArray line =
        QCoreApplication::translate("SetsCommand", "cannot write to standard output: %1")
            .arg(why)
            .toUtf8();
    std::fprintf(stderr, "zindle-sets: %s\n", line.constData());
    return false;
}

int exitStatus(const std::vector<SetReport> &reports)
{
    if (reports.empty())
        return 2;
    int status = 0;
    for (const SetReport &report : reports) {
        if (!report.playable())
            return 2;
        if (report.warnings() > 0)
            status = 1;
    }
    return status;
}
