// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <limits>

// No window shows more of a line than this; the rest of a longer line is passed over
// without being kept, so a file of one huge line costs no memory.
inline constexpr qsizetype MaxLineLength = 4096;

// A text file read line by line as people write it with any editor: CR LF, a lone LF and a
// lone CR each end a line, and so do CR CR LF and LF CR (a file converted twice, or by an
// odd converter); the last line may lack its terminator. A file that starts with a
// byte-order mark is UTF-8 or UTF-16 (either byte order) as the mark says, so that any
// script can be written; in every other file the bytes are Windows-1252, one character
// each.
class TextFile
{
public:
    // Reads at most `byteBound` bytes of the file: past them it ends, so that a huge or
    // sparse file costs no more than its first bytes.
    bool open(const QString &path, qint64 byteBound = std::numeric_limits<qint64>::max());
    // False at the end of the file or when it is not open. A line longer than
    // MaxLineLength bytes is cut there.
    bool readLine(QString &line);
    void close();

private:
    enum class Encoding { Windows1252, Utf8, Utf16LE, Utf16BE };

    // Reads more of the file behind what is left of the buffer; false at its end.
    bool fill();
    // Whether `units` whole code units are there to read, reading more of the file if needed.
    bool unitAhead(qsizetype units = 1);
    // Passes over what follows the first unit of a line end and belongs to it.
    void skipRestOfLineEnd(char16_t first);
    // The code unit at `pos` in the buffer.
    char16_t unitAt(qsizetype pos) const;
    // Where in the buffer, from the read position on, the next line end or the last whole
    // code unit ends.
    qsizetype lineEnd() const;
    QString decode(const QByteArray &bytes) const;

    QFile m_file;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    Encoding m_encoding = Encoding::Windows1252;
    qsizetype m_unitBytes = 1;
    qint64 m_bytesLeft = 0;
};

// Windows-1252 as Windows decodes it: the five unassigned bytes become the control
// characters of the same number.
QString decodeWindows1252(const QByteArray &bytes);
