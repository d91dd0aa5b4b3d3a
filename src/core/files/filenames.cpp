// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filenames.h"

#include "logging.h"

#include <cstdlib>
#include <glib.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr char16_t EscapedByte = 0xDC00;

bool isEscapedByte(QChar c)
{
    return c.unicode() >= EscapedByte + 0x80 && c.unicode() <= EscapedByte + 0xFF;
}

// The length of the valid UTF-8 sequence at `at`, 0 where there is none: no overlong form,
// no surrogate, nothing above U+10FFFF.
int utf8Length(const QByteArray &bytes, qsizetype at)
{
    const auto byte = [&](qsizetype i) { return i < bytes.size() ? uchar(bytes[i]) : 0; };
    const uchar lead = byte(at);
    int length = 0;
    uchar low = 0x80, high = 0xBF;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, low = lead == 0xE0 ? 0xA0 : 0x80, high = lead == 0xED ? 0x9F : 0xBF;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, low = lead == 0xF0 ? 0x90 : 0x80, high = lead == 0xF4 ? 0x8F : 0xBF;
    else
        return 0;
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

bool folderAt(const QString &path, int access)
{
    const QByteArray name = encodeFileName(path);
    struct stat st {
    };
    return !name.isEmpty() && ::stat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           ::access(name.constData(), access) == 0;
}

} // namespace

QString decodeFileName(const QByteArray &bytes)
{
    QString name;
    for (qsizetype at = 0; at < bytes.size();) {
        const int length = utf8Length(bytes, at);
        if (length == 0)
            name += QChar(char16_t(EscapedByte + uchar(bytes[at++])));
        else
            name += QString::fromUtf8(bytes.mid(at, length)), at += length;
    }
    return name;
}

QByteArray encodeFileName(const QString &path)
{
    QByteArray bytes;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= path.size(); ++i) {
        // A low surrogate after a high one is half of a character, not an escaped byte.
        const bool escaped =
            i < path.size() && isEscapedByte(path[i]) && (i == 0 || !path[i - 1].isHighSurrogate());
        if (i == path.size() || escaped) {
            bytes += QStringView(path).mid(start, i - start).toUtf8();
            if (escaped)
                bytes += char(path[i].unicode() - EscapedByte);
            start = i + 1;
        }
    }
    return bytes;
}

QByteArray fileUri(const QString &absolutePath)
{
    GError *error = nullptr;
    const std::unique_ptr<gchar, decltype(&g_free)> uri(
        g_filename_to_uri(encodeFileName(absolutePath).constData(), nullptr, &error), &g_free);
    if (error) {
        qCWarning(filesLog) << shownFileName(absolutePath) << "has no file URI:" << error->message;
        g_error_free(error);
    }
    return uri ? QByteArray(uri.get()) : QByteArray();
}

QString canonicalPath(const QString &path)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(
        ::realpath(encodeFileName(path).constData(), nullptr), &std::free);
    return resolved ? decodeFileName(QByteArray(resolved.get())) : QString();
}

QString shownFileName(const QString &name)
{
    QString shown = name;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (isEscapedByte(shown[i]) && (i == 0 || !shown[i - 1].isHighSurrogate()))
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

bool isFolder(const QString &path)
{
    return folderAt(path, F_OK);
}

bool isReadableFolder(const QString &path)
{
    return folderAt(path, R_OK | X_OK);
}
