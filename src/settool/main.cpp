// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle-sets: what the game's board will make of its picture sets, for the people who make
// them, and a maker of sets from their own pictures.
#include "makerwindow.h"
#include "pictures/caption.h"
#include "pictures/pictureloader.h"
#include "platform/programfolder.h"
#include "rules/paircounts.h"
#include "setcheck.h"
#include "setmaker.h"
#include "sets/setlibrary.h"
#include "setsheet.h"
#include "texts/languagefile.h"
#include "translations.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace
{

const char *const Help =
    R"(Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
       zindle-sets --new [NAME FIRST1 SECOND1 FIRST2 SECOND2 ... [--replace]]

Checks Zindle's picture sets the way the game's board deals and shows them: the same
listing, the same picture decoding (in parallel, as the board does) and the same card
layout. Without FOLDER it checks every set the game's setup window lists, from every
place the game reads sets from, each under the folder it lies in (where a name lies in
two places, the game plays the first: see the manual page). FOLDER may be a folder of
sets, or one set: a folder that holds the folders "1" and "2".

A set is two folders. File p of "1" and file p of "2", both counted in name order
ignoring case, form pair p; hidden files (a leading ".") do not count. The number of
files in "1" decides which pair counts (6 10 12 15 21 28 36) the setup window offers.

Every line of the report is one finding. Its first word says what it is; the set's name
follows in double quotes (a quote, backslash or control character in a name or file name
is written \", \\ or \uXXXX). Pairs are numbered from 1, in name order.
  set "S" "FOLDER"           where the set lies
  files "S": N in "1", M in "2"
  offers "S": 6 10 12        the pair counts the setup window offers, or "none"
  pair "S" P: "A" "B"        the two files of pair P ("-" when "2" has none)
  error "S": ...             the set cannot be played: a folder "1" or "2" that is
                             missing or unreadable, or no pair that can be dealt
  warning "S" pair P: never dealt: ...
                             the board leaves the pair out of every game: "2" has no
                             file for it, or one of its files is not a regular file,
                             cannot be read, is not a picture the game reads, is too
                             big to decode or cannot be decoded (the reason follows)
  warning "S": offers N pairs but can deal only M
  warning "S" pair P: cut: "F" has its drawing in rows A-B; a card shows rows C-D
          (E of its height) at N pairs on WxH; cut on WxH N N, WxH N
                             the board shows a picture as wide as its card and clips
                             its top and bottom when the card is lower than the picture;
                             the picture's drawing does not lie wholly in the rows shown
                             on some offered pair counts and screens (the least shown
                             is named first, then every screen with its pair counts).
                             The drawing is every row holding a pixel that differs by
                             more than 48 of 255 in a colour channel from the colour
                             most of the picture's outermost pixels have: the paper.
                             A photo is drawing to its edges. Rows are percent of the
                             picture's height from its top. The screens: 1280x1024,
                             1366x768, 1920x1080, 1920x1200, 2560x1080, 3840x2160.
  warning "S" pairs P and Q: same picture: "F" and "G"
                             two pairs hold pictures that look the same, so a player
                             cannot tell which two cards belong together
  warning "S" pair P: names differ: "1/A" and "2/B", while N of M pairs match
                             most pairs have the same file name (extension aside) in
                             "1" and "2" but this one does not: often a file missing
                             or misnamed, so that the names sort apart
  note "S": "F" is turned 90 degrees clockwise by its EXIF orientation; the board
          shows it so        (the photo shows turned as its camera meant it)
  note "S": "2/F" has no partner in "1" and is never dealt
  note "S": N pictures have no caption but their file number, all a screen reader says
          of them: "F" and N more
                             the caption is the title the picture file carries (a PNG
                             "Title" or "Description" text, XMP dc:title or
                             dc:description, EXIF ImageDescription), else its file name
  verdict "S": playable, nothing to warn about | playable, N warnings | cannot be played
  summary: N sets, N cannot be played, N with warnings

Exit status: 0 when every set is playable at the pair counts it offers with nothing to
warn about; 1 when there are warnings; 2 when a set cannot be played, when there is no
set or no such folder, or on a usage error.

Options:
  --sheet FILE.png   also draws the pairs of every set side by side: the pair number, each
                     picture in a card box exactly as the board shows it, clipped, over
                     the card background "fondo.jpg" beside zindle-sets when there is
                     one, and the two file names below; a red cross marks a picture that
                     is never dealt. At most 120 pairs a set. zindle-sets writes nothing
                     but this file.
  --new              opens the set maker's window: a set name, pairs of pictures chosen or
                     dropped there, a caption each, how a board shows each card; Save
  --new NAME FIRST1 SECOND1 ...
                     makes the set NAME of the pictures given, a pair each two in order,
                     without a window, and prints its folder: "Zindle/NAME" in the Pictures
                     folder (~/.local/share/zindle/graficos/NAME without one). The copies
                     in its folders "1" and "2" are named 01, 02 ... in both, turned upright,
                     at most 2048 pixels long, and carry each picture's caption (its own
                     title, else its file name). The originals are only read. A set that
                     cannot be made (a name that cannot be a folder's, an odd number of
                     pictures, a file missing or not a picture, a set of the name already
                     there, a folder that cannot be written) is named on standard error,
                     nothing is written and the exit status is 2
  --replace          with --new NAME: replaces the set NAME, once the new one is complete
  --pairs N          the board the sheet shows: 6, 10, 12, 15, 21, 28 or 36 pairs
                     (default 36)
  --screen WxH       its screen in logical pixels (default 1920x1080)
  -h, --help         shows this text
)";

int usageError(const QString &message)
{
    std::fprintf(stderr, "zindle-sets: %s\nTry 'zindle-sets --help'.\n", qPrintable(message));
    return 2;
}

void print(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

// The maker's window without `arguments`, else the set they name made at once.
int makeSet(const QStringList &arguments, bool replace, const QString &programFolder)
{
    const QString language = currentLanguage(programFolder).language;
    installTranslations(language);
    const SetMaker maker(SetMaker::ownSetsFolder(SetLibrary(programFolder, language)));
    if (arguments.isEmpty()) {
        MakerWindow window(maker.setsFolder(), language);
        window.show();
        return QApplication::exec();
    }
    std::vector<MadePicture> pictures;
    for (const QString &path : arguments.mid(1))
        pictures.push_back({path, pictureCaption(path, language)});
    const MadeSet made = maker.save(arguments.front(), pictures, replace);
    for (const QString &problem : made.problems)
        std::fprintf(stderr, "zindle-sets: %s\n", qPrintable(problem));
    if (!made.saved())
        return 2;
    if (const int pairs = int(pictures.size() / 2); pairs < PairCounts::pairsFor(0))
        std::fprintf(stderr, "zindle-sets: %s\n",
                     qPrintable(SetMaker::tr("the game deals boards of %1 pairs and more: "
                                             "this set of %2 offers none yet")
                                    .arg(PairCounts::pairsFor(0))
                                    .arg(pairs)));
    print(made.folder);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // Only the sheet's texts need fonts, and so the GUI; it never shows a window. A check
    // alone runs without any screen.
    const bool sheetWanted = std::any_of(argv + 1, argv + argc, [](const char *arg) {
        return std::strncmp(arg, "--sheet", 7) == 0;
    });
    if (sheetWanted && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // "--new" alone opens the maker's window.
    const bool windowWanted =
        std::any_of(argv + 1, argv + argc,
                    [](const char *arg) { return std::strcmp(arg, "--new") == 0; }) &&
        std::all_of(argv + 1, argv + argc, [](const char *arg) { return arg[0] == '-'; });
    const std::unique_ptr<QCoreApplication> app =
        windowWanted  ? std::make_unique<QApplication>(argc, argv)
        : sheetWanted ? std::make_unique<QGuiApplication>(argc, argv)
                      : std::make_unique<QCoreApplication>(argc, argv);
    const QString programFolder = executableFolder();

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, QString());
    const QCommandLineOption sheet(QStringLiteral("sheet"), QString(), QStringLiteral("file"));
    const QCommandLineOption pairs(QStringLiteral("pairs"), QString(), QStringLiteral("n"));
    const QCommandLineOption screen(QStringLiteral("screen"), QString(), QStringLiteral("size"));
    const QCommandLineOption newSet(QStringLiteral("new"), QString());
    const QCommandLineOption replace(QStringLiteral("replace"), QString());
    parser.addOptions({help, sheet, pairs, screen, newSet, replace});
    parser.addPositionalArgument(QStringLiteral("folder"), QString());
    if (!parser.parse(app->arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        std::fputs(Help, stdout);
        return 0;
    }
    if (parser.isSet(newSet)) {
        if (parser.isSet(sheet) || parser.isSet(pairs) || parser.isSet(screen))
            return usageError(QStringLiteral("--new makes a set; --sheet checks them"));
        return makeSet(parser.positionalArguments(), parser.isSet(replace), programFolder);
    }
    if (parser.isSet(replace))
        return usageError(QStringLiteral("--replace goes with --new NAME"));
    if (parser.positionalArguments().size() > 1)
        return usageError(QStringLiteral("one folder at most"));

    SheetBoard board;
    if (parser.isSet(pairs)) {
        const auto &table = PairCounts::PairsForChoice;
        const auto it = std::find(table.begin(), table.end(), parser.value(pairs).toInt());
        if (it == table.end())
            return usageError(QStringLiteral("--pairs takes 6, 10, 12, 15, 21, 28 or 36"));
        board.pairChoice = int(it - table.begin());
    }
    if (parser.isSet(screen)) {
        const auto m = QRegularExpression(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"))
                           .match(parser.value(screen));
        if (!m.hasMatch())
            return usageError(QStringLiteral("--screen takes a size such as 1920x1080"));
        board.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    if ((parser.isSet(pairs) || parser.isSet(screen)) && !parser.isSet(sheet))
        return usageError(QStringLiteral("--pairs and --screen choose the board of --sheet"));

    std::vector<std::pair<QString, QString>> sets;
    QString where;
    if (parser.positionalArguments().isEmpty()) {
        const SetLibrary library(programFolder, currentLanguage(programFolder).language);
        for (const SetEntry &set : library.list())
            sets.emplace_back(set.name, set.folder);
        QStringList places;
        for (const QString &place : library.places())
            places << quoted(place);
        where = places.join(QStringLiteral(", "));
    } else {
        const QString root = QDir::cleanPath(parser.positionalArguments().front());
        if (!QFileInfo(root).isDir()) {
            print(QStringLiteral("error: no folder %1").arg(quoted(root)));
            return 2;
        }
        sets = setsIn(root);
        where = quoted(root);
    }
    std::vector<SetReport> reports;
    for (const auto &[name, setFolder] : sets) {
        reports.push_back(checkSet(name, setFolder));
        for (const Finding &finding : reports.back().findings)
            print(finding.line);
    }
    if (reports.empty())
        print(QStringLiteral("error: no set in %1").arg(where));
    print(reportLines(reports).back());
    std::fflush(stdout);

    if (parser.isSet(sheet)) {
        // As much of it as a box on the sheet's screen can show.
        const QImage background =
            loadBackground(programFolder + QStringLiteral("/fondo.jpg"), board.screen);
        const QString file = parser.value(sheet);
        if (!saveSheet(drawSheet(reports, board, background), file)) {
            std::fprintf(stderr, "zindle-sets: cannot write the sheet %s\n", qPrintable(file));
            return 2;
        }
    }
    return exitStatus(reports);
}
