// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

// zindle-sets: what the game's board will make of its picture sets, for the people who make
// them, and a maker of sets from their own pictures.
#include "files/xdgfolders.h"
#include "makerwindow.h"
#include "pictures/caption.h"
#include "pictures/pictureloader.h"
#include "platform/programfolder.h"
#include "rules/paircounts.h"
#include "setarchive.h"
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
#include <QLoggingCategory>
#include <QRegularExpression>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>
#include <mutex>
#include <unistd.h>

namespace
{

// The command's own texts, for translation.
class SetsCommand
{
    Q_DECLARE_TR_FUNCTIONS(SetsCommand)

public:
    static QString usage();
    static QString report();
    static QString spokenPunctuationNote();
};

QString SetsCommand::spokenPunctuationNote()
{
    return tr(R"(One more note, on captions:
  note "S": N captions hold characters a screen reader reads out as words (":/"):
          "F" "CAPTION" and N more
                             at its usual punctuation level a screen reader says
                             : ; / | — – * # @ & _ < > [ ] { } ~ = as words, so
                             "clock: 10:15" is heard "clock colon 10 colon 15";
                             a comma only makes it pause
)");
}

QString SetsCommand::usage()
{
    return tr(R"(Usage: zindle-sets [FOLDER] [--sheet FILE.png [--pairs N] [--screen WxH]]
       zindle-sets --new [NAME FIRST1 SECOND1 FIRST2 SECOND2 ... [--replace]]
       zindle-sets --edit NAME
       zindle-sets --export NAME FILE.zip
       zindle-sets --import FILE.zip [--replace]

Checks Zindle's picture sets the way the game's board deals and shows them: the same
listing, the same picture decoding (in parallel, as the board does) and the same card
layout. Without FOLDER it checks every set the game's setup window lists, from every
place the game reads sets from, each under the folder it lies in (where a name lies in
two places, the game plays the first: see the manual page). FOLDER may be a folder of
sets, or one set: a folder that holds the folders "1" and "2".

A set is two folders. File p of "1" and file p of "2", both counted in name order
ignoring case, form pair p; hidden files (a leading ".") do not count. The number of
files in "1" decides which pair counts (6 10 12 15 21 28 36) the setup window offers.
)");
}

QString SetsCommand::report()
{
    return tr(
        R"(Every line of the report is one finding. Its first word says what it is; the set's name
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
set or no such folder, when a set cannot be made, edited, exported or imported, or on a
usage error.
)");
}

// The options, each with its description wrapped beside it.
QString optionsHelp(const QList<QCommandLineOption> &options)
{
    QString text = SetsCommand::tr("Options:") + QLatin1Char('\n');
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString head = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            head += QLatin1Char(' ') + option.valueName();
        constexpr int Indent = 21, Width = 88;
        QString line = head.leftJustified(Indent - 1) + QLatin1Char(' ');
        if (head.size() >= Indent - 1) {
            text += head + QLatin1Char('\n');
            line = QString(Indent, QLatin1Char(' '));
        }
        for (const QString &word : option.description().split(QLatin1Char(' '))) {
            if (line.size() + word.size() > Width && line.size() > Indent) {
                text += line.trimmed().isEmpty() ? QString() : line.chopped(1) + QLatin1Char('\n');
                line = QString(Indent, QLatin1Char(' '));
            }
            line += word + QLatin1Char(' ');
        }
        text += line.chopped(1) + QLatin1Char('\n');
    }
    return text;
}

// A message fit for a terminal: control characters written as \uXXXX, never sent raw.
QString printable(const QString &text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\n'))
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return shown;
}

void complain(const QString &message)
{
    const QByteArray bytes = (QStringLiteral("zindle-sets: ") + printable(message)).toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stderr);
}

int usageError(const QString &message)
{
    complain(SetsCommand::tr("%1 (try 'zindle-sets --help')").arg(message));
    return 2;
}

void print(const QString &line)
{
    const QByteArray bytes = line.toUtf8() + '\n';
    std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stdout);
}

// Whatever was printed reached standard output: 0, else 2 with a word why.
int printed()
{
    return reportWritten() ? 0 : 2;
}

// Progress on a terminal only: a file or pipe gets the result alone. A line left unfinished
// is ended once the work is.
struct TerminalProgress {
    explicit TerminalProgress(QString doing) : m_doing(std::move(doing)) {}
    ~TerminalProgress()
    {
        if (*m_open)
            std::fputc('\n', stderr);
    }
    std::function<void(int, int)> callback() const
    {
        if (!::isatty(STDERR_FILENO))
            return {};
        return [doing = m_doing, open = m_open](int done, int total) {
            static std::mutex writing;
            const std::lock_guard lock(writing);
            const QByteArray line =
                '\r' + doing.arg(done).arg(total).toUtf8() + (done == total ? "\n" : "");
            std::fwrite(line.constData(), 1, std::size_t(line.size()), stderr);
            *open = done != total;
        };
    }

private:
    QString m_doing;
    std::shared_ptr<bool> m_open = std::make_shared<bool>(false);
};

// What a made set deals, and the captions a teacher will want to rename.
void adviseOn(const std::vector<MadePicture> &pictures)
{
    complain(SetMaker::boardsAdvice(int(pictures.size() / 2)));
    for (const MadePicture &picture : pictures) {
        if (SetMaker::looksLikeCameraName(picture.caption))
            complain(SetsCommand::tr("%1 has the caption %2, a camera's name that tells a "
                                     "player nothing: give it another with --edit")
                         .arg(quoted(picture.source), quoted(picture.caption)));
    }
}

int reportMade(const MadeSet &made)
{
    for (const QString &problem : made.problems)
        complain(problem);
    if (!made.saved())
        return 2;
    print(made.folder);
    return printed();
}

// Opens the set in the maker's window, where the window can open one.
template <typename Window> bool openIn(Window &window, const LoadedSet &set)
{
    if constexpr (requires { window.openSet(set); }) {
        window.openSet(set);
        return true;
    } else {
        return false;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    ignoreRelativeXdgFolders();
    // Only a window or the sheet's texts need the GUI: the rest runs without any screen.
    std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
    // A picture the decoder finds damaged is named in the program's own words, once.
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("qt.gui.imageio*.warning=false"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZINDLE_VERSION));
    const QString programFolder = executableFolder();
    const LanguageChoice languageChoice = currentLanguage(programFolder);
    const QString &language = languageChoice.language;
    installTranslations(languageChoice);

    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  SetsCommand::tr("shows this text"));
    const QCommandLineOption version(QStringLiteral("version"),
                                     SetsCommand::tr("shows the program's version"));
    const QCommandLineOption sheet(
        QStringLiteral("sheet"),
        SetsCommand::tr("also draws the pairs of every set side by side: the pair number, each "
                        "picture in a card box exactly as the board shows it, clipped, over the "
                        "card background \"fondo.jpg\" beside zindle-sets when there is one, and "
                        "the two file names below; a red cross marks a picture that is never "
                        "dealt. At most 120 pairs a set. zindle-sets writes nothing but this "
                        "file."),
        QStringLiteral("FILE.png"));
    const QCommandLineOption pairs(QStringLiteral("pairs"),
                                   SetsCommand::tr("the board the sheet shows: 6, 10, 12, 15, 21, "
                                                   "28 or 36 pairs (default 36)"),
                                   QStringLiteral("N"));
    const QCommandLineOption screen(
        QStringLiteral("screen"),
        SetsCommand::tr("its screen in logical pixels (default 1920x1080)"), QStringLiteral("WxH"));
    const QCommandLineOption newSet(
        QStringLiteral("new"),
        SetsCommand::tr(
            "alone: opens the set maker's window. With NAME FIRST1 SECOND1 ...: makes the set "
            "NAME of the pictures given, a pair each two in order, without a window, and prints "
            "its folder: \"Zindle/NAME\" in the Pictures folder "
            "(~/.local/share/zindle/graficos/NAME without one). The copies in its folders \"1\" "
            "and \"2\" are named 01, 02 ... in both, turned upright, at most 2048 pixels long, "
            "and carry each picture's caption (its own title, else its file name). The "
            "originals are only read. On a terminal it shows its progress. A set that cannot be "
            "made (a name that cannot be a folder's or that looks like another set's, an odd "
            "number of pictures, a file missing, not a picture, cut short or given twice, a set "
            "of the name already there, a full disk) is named on standard error, nothing is "
            "written and the exit status is 2"));
    const QCommandLineOption replace(
        QStringLiteral("replace"),
        SetsCommand::tr("with --new NAME or --import: replaces the set of the name, once the "
                        "new one is complete (a set that is a link: the link alone)"));
    const QCommandLineOption edit(
        QStringLiteral("edit"),
        SetsCommand::tr("NAME: opens the set NAME in the set maker's window, its pairs and "
                        "captions; saving it writes only what changed"));
    const QCommandLineOption exportSet(
        QStringLiteral("export"),
        SetsCommand::tr("NAME FILE.zip: writes the set NAME into a zip file that any computer "
                        "opens, holding NAME/1/... and NAME/2/..., the captions inside the "
                        "pictures"));
    const QCommandLineOption importSet(
        QStringLiteral("import"),
        SetsCommand::tr("FILE.zip: makes the set that the zip file holds, after checking all of "
                        "it (one set, its folders \"1\" and \"2\" of pictures, nothing else, "
                        "within sizes a set has); each refusal names the entry and says why"));
    const QList<QCommandLineOption> options = {newSet, replace, edit,   exportSet, importSet,
                                               sheet,  pairs,   screen, help,      version};
    parser.addOptions(options);
    parser.addPositionalArgument(QStringLiteral("folder"), QString());
    if (!parser.parse(app->arguments()))
        return usageError(parser.errorText());
    if (parser.isSet(help)) {
        print(SetsCommand::usage() + QLatin1Char('\n') + SetsCommand::report() + QLatin1Char('\n') +
              SetsCommand::spokenPunctuationNote() + QLatin1Char('\n') + optionsHelp(options));
        return printed();
    }
    if (parser.isSet(version)) {
        print(QStringLiteral("zindle-sets ") + QCoreApplication::applicationVersion());
        return printed();
    }
    const QStringList arguments = parser.positionalArguments();
    const int modes = int(parser.isSet(newSet)) + int(parser.isSet(edit)) +
                      int(parser.isSet(exportSet)) + int(parser.isSet(importSet));
    if (modes > 1)
        return usageError(SetsCommand::tr("--new, --edit, --export and --import go one at a time"));
    if (modes == 1 && (parser.isSet(sheet) || parser.isSet(pairs) || parser.isSet(screen)))
        return usageError(SetsCommand::tr("--sheet, --pairs and --screen go with a check alone"));
    if (parser.isSet(replace) && !parser.isSet(importSet) &&
        !(parser.isSet(newSet) && !arguments.isEmpty()))
        return usageError(SetsCommand::tr("--replace goes with --new NAME or --import"));
    const SetLibrary setLibrary(programFolder, language);
    const SetMaker maker = SetMaker::forPlayer(setLibrary, language);
    SaveOptions saveOptions;
    saveOptions.replace = parser.isSet(replace);

    if (parser.isSet(exportSet)) {
        if (arguments.size() != 2)
            return usageError(SetsCommand::tr("--export takes a set's NAME and FILE.zip"));
        QString folder = maker.folderOf(arguments[0].trimmed());
        if (!QFileInfo::exists(folder) && !setLibrary.folderOf(arguments[0].trimmed()).isEmpty())
            folder = setLibrary.folderOf(arguments[0].trimmed());
        const QStringList problems = SetArchive::exportSet(folder, arguments[1]);
        for (const QString &problem : problems)
            complain(problem);
        if (!problems.isEmpty())
            return 2;
        print(arguments[1]);
        return printed();
    }
    if (parser.isSet(importSet)) {
        if (arguments.size() != 1)
            return usageError(SetsCommand::tr("--import takes one FILE.zip"));
        MadeSet made;
        {
            const TerminalProgress progress(SetsCommand::tr("importing: %1 of %2 pictures"));
            saveOptions.progress = progress.callback();
            made = SetArchive::importSet(arguments[0], maker, saveOptions);
        }
        return reportMade(made);
    }
    if (parser.isSet(newSet) && !arguments.isEmpty()) {
        std::vector<MadePicture> pictures;
        for (const QString &path : arguments.mid(1))
            pictures.push_back({path, pictureCaption(path, language)});
        MadeSet made;
        {
            const TerminalProgress progress(SetsCommand::tr("saving: %1 of %2 pictures"));
            saveOptions.progress = progress.callback();
            made = maker.save(arguments.front(), pictures, saveOptions);
        }
        if (made.saved())
            adviseOn(pictures);
        return reportMade(made);
    }
    if (parser.isSet(newSet) || parser.isSet(edit)) {
        LoadedSet loaded;
        if (parser.isSet(edit)) {
            if (arguments.size() != 1)
                return usageError(SetsCommand::tr("--edit takes a set's NAME"));
            loaded = maker.load(arguments.front());
            for (const QString &problem : loaded.problems)
                complain(problem);
            if (loaded.pictures.empty())
                return 2;
        } else if (!arguments.isEmpty()) {
            return usageError(SetsCommand::tr("--new takes a NAME and its pictures, or nothing"));
        }
        // Qt aborts with a page of advice where no window system answers; one line does.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
            qEnvironmentVariableIsEmpty("DISPLAY") &&
            qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            complain(SetsCommand::tr("the set maker's window needs a display, and there is none"));
            return 1;
        }
        app.reset();
        app = std::make_unique<QApplication>(argc, argv);
        installTranslations(languageChoice);
        MakerWindow window(maker.setsFolder(), language);
        if (parser.isSet(edit) && !openIn(window, loaded)) {
            complain(SetsCommand::tr("this maker's window cannot open a set"));
            return 2;
        }
        window.show();
        return QApplication::exec();
    }
    if (parser.isSet(sheet)) {
        // The sheet's texts need fonts, and so the GUI; it never shows a window.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app.reset();
        app = std::make_unique<QGuiApplication>(argc, argv);
        installTranslations(languageChoice);
    }
    if (arguments.size() > 1)
        return usageError(SetsCommand::tr("one folder at most"));

    SheetBoard board;
    if (parser.isSet(pairs)) {
        const auto &table = PairCounts::PairsForChoice;
        const auto it = std::find(table.begin(), table.end(), parser.value(pairs).toInt());
        if (it == table.end())
            return usageError(SetsCommand::tr("--pairs takes 6, 10, 12, 15, 21, 28 or 36"));
        board.pairChoice = int(it - table.begin());
    }
    if (parser.isSet(screen)) {
        const auto m = QRegularExpression(QStringLiteral("^(\\d{3,5})x(\\d{3,5})$"))
                           .match(parser.value(screen));
        if (!m.hasMatch())
            return usageError(SetsCommand::tr("--screen takes a size such as 1920x1080"));
        board.screen = QSize(m.captured(1).toInt(), m.captured(2).toInt());
    }
    if ((parser.isSet(pairs) || parser.isSet(screen)) && !parser.isSet(sheet))
        return usageError(SetsCommand::tr("--pairs and --screen choose the board of --sheet"));

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
    if (const int status = printed())
        return status;

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
