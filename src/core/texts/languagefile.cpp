// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "languagefile.h"

#include "files/textfile.h"
#include "logging.h"
#include "platform/programfolder.h"
#include "texts/cleantext.h"

#include <QFileInfo>
#include <QLocale>
#include <QRegularExpression>
#include <QStandardPaths>
#include <algorithm>

namespace
{

// Thirteen lines of at most 4096 characters, UTF-16 at most: more is never read, so a huge
// or sparse file costs no more than a small one.
constexpr qint64 LanguageFileBound = 2 * MaxLineLength * LanguageLineCount + 4096;

bool hasVisibleCharacter(const QString &line)
{
    return std::any_of(line.cbegin(), line.cend(), [](QChar c) {
        return c.isLetterOrNumber() || c.isPunct() || c.isSymbol() ||
               c.category() == QChar::Mark_SpacingCombining;
    });
}

bool isThere(const QString &file)
{
    const QFileInfo info(file);
    return info.isFile() && info.isReadable();
}

QString shippedFile(const QString &programFolder, const QString &language)
{
    return languageFolder(programFolder, language) + QStringLiteral("/idioma.txt");
}

// The first language of the list with a shipped file, trying "pt-br" then "pt".
QString shippedLanguage(const QString &programFolder, const QStringList &uiLanguages)
{
    static const QRegularExpression tag(QStringLiteral("^[a-z]{2,3}(-[a-z0-9]{1,8})*$"));
    for (const QString &uiLanguage : uiLanguages) {
        const QString full = uiLanguage.toLower().replace(QLatin1Char('_'), QLatin1Char('-'));
        if (!tag.match(full).hasMatch())
            continue;
        for (const QString &language : {full, full.section(QLatin1Char('-'), 0, 0)}) {
            if (isThere(shippedFile(programFolder, language)))
                return language;
        }
    }
    return QString::fromLatin1(DesignLanguage);
}

} // namespace

LanguageChoice chooseLanguage(const QString &programFolder, const QStringList &uiLanguages)
{
    const QString language = shippedLanguage(programFolder, uiLanguages);
    const QString own = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                        QLatin1Char('/') + QLatin1String(AppFolderName) +
                        QStringLiteral("/idioma.txt");
    const QString shipped = shippedFile(programFolder, language);
    for (const QString &file : {own, programFolder + QLatin1String(LanguageFileLiteral)}) {
        // Qt reads the configuration folder and the executable's as text: bytes that do not
        // decode become U+FFFD, and the file named so is never there.
        if (file.contains(QChar::ReplacementCharacter))
            qCWarning(filesLog) << file << "comes from a path that does not decode: not read";
        if (isThere(file))
            return {file, language, file == own ? shipped : QString(), false};
    }
    return {shipped, language, {}, true};
}

LanguageChoice currentLanguage(const QString &programFolder)
{
    return chooseLanguage(programFolder, QLocale::system().uiLanguages());
}

LanguageLines readLanguageLines(const QString &path, LanguageLine first, LanguageLine last)
{
    LanguageLines lines;
    TextFile file;
    if (!file.open(path, LanguageFileBound))
        return lines;
    QString line;
    for (int n = 1; n <= int(last); ++n) {
        if (!file.readLine(line))
            break;
        // A line of blanks or invisible marks would make a blank button: it counts as unread.
        if (n >= int(first) && hasVisibleCharacter(line))
            lines.m_lines[std::size_t(n) - 1] = cleanText(line);
    }
    file.close();
    return lines;
}

LanguageLines readLanguageLines(const LanguageChoice &choice, LanguageLine first, LanguageLine last)
{
    LanguageLines lines = readLanguageLines(choice.file, first, last);
    if (choice.completion.isEmpty())
        return lines;
    bool complete = true;
    for (int n = int(first); n <= int(last); ++n)
        complete = complete && lines.line(LanguageLine(n));
    if (complete)
        return lines;
    const LanguageLines completion = readLanguageLines(choice.completion, first, last);
    for (std::size_t i = 0; i < lines.m_lines.size(); ++i) {
        if (!lines.m_lines[i])
            lines.m_lines[i] = completion.m_lines[i];
    }
    return lines;
}
