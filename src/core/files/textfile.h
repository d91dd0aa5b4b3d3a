// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// No window shows more of a line than this; the rest of a longer line is passed over
// without being kept, so a file of one huge line costs no memory.
inline constexpr qsizetype MaxLineLength = 4096;

// A text file read line by line as the language file needs it: CR LF or a lone CR ends a
// line, a lone LF is an ordinary character, the last line may lack its terminator. A file
// that starts with the UTF-8 byte-order mark is UTF-8, so that any script can be written;
// in every other file the bytes are Windows-1252, one character each.
class TextFile
{
public:
    bool open(const QString &path);
    // False at the end of the file or when it is not open. A line longer than
    // MaxLineLength bytes is cut there.
    bool readLine(QString &line);
    void close();

private:
    // Reads more of the file into the buffer; false at its end.
    bool fill();

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_utf8 = false;
};

// Windows-1252 as Windows decodes it: the five unassigned bytes become the control
// characters of the same number.
QString decodeWindows1252(const QByteArray &bytes);
