// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfile.h"

#include "regularfile.h"

#include <QStringDecoder>
#include <algorithm>
#include <cstring>
#include <utility>

namespace
{

constexpr qsizetype ChunkSize = 64 * 1024;

bool isLineEnd(char16_t unit)
{
    return unit == u'\n' || unit == u'\r';
}

} // namespace

bool TextFile::open(const QString &path, qint64 byteBound)
{
    close();
    m_bytesLeft = byteBound;
    if (!openRegularFile(m_file, path))
        return false;
    fill();
    static const std::pair<QByteArrayView, Encoding> marks[] = {{"\xEF\xBB\xBF", Encoding::Utf8},
                                                                {"\xFF\xFE", Encoding::Utf16LE},
                                                                {"\xFE\xFF", Encoding::Utf16BE}};
    for (const auto &[mark, encoding] : marks) {
        if (m_buffer.startsWith(mark)) {
            m_encoding = encoding;
            m_pos = mark.size();
            break;
        }
    }
    m_unitBytes = m_encoding == Encoding::Utf16LE || m_encoding == Encoding::Utf16BE ? 2 : 1;
    return true;
}

bool TextFile::fill()
{
    // A code unit cut by the end of a piece is kept for the next.
    m_buffer.remove(0, m_pos);
    m_pos = 0;
    const qsizetype kept = m_buffer.size();
    const qint64 wanted = std::min<qint64>(ChunkSize, m_bytesLeft);
    m_buffer.resize(kept + wanted);
    const qint64 got =
        m_file.isOpen() && wanted > 0 ? m_file.read(m_buffer.data() + kept, wanted) : -1;
    m_buffer.resize(kept + std::max<qint64>(got, 0));
    m_bytesLeft -= std::max<qint64>(got, 0);
    return got > 0;
}

bool TextFile::unitAhead(qsizetype units)
{
    while (m_buffer.size() - m_pos < units * m_unitBytes) {
        if (!fill())
            return false;
    }
    return true;
}

char16_t TextFile::unitAt(qsizetype pos) const
{
    const auto *p = reinterpret_cast<const uchar *>(m_buffer.constData()) + pos;
    switch (m_encoding) {
    case Encoding::Utf16LE:
        return char16_t(p[0] | p[1] << 8);
    case Encoding::Utf16BE:
        return char16_t(p[0] << 8 | p[1]);
    default:
        return p[0];
    }
}

qsizetype TextFile::lineEnd() const
{
    if (m_unitBytes == 1) {
        // memchr passes over a huge one-line file many times faster than a loop would.
        const char *data = m_buffer.constData();
        const char *begin = data + m_pos, *end = data + m_buffer.size();
        const auto *lf =
            static_cast<const char *>(std::memchr(begin, '\n', std::size_t(end - begin)));
        const char *stop = lf ? lf : end;
        const auto *cr =
            static_cast<const char *>(std::memchr(begin, '\r', std::size_t(stop - begin)));
        return (cr ? cr : stop) - data;
    }
    const qsizetype whole = m_buffer.size() - (m_buffer.size() - m_pos) % m_unitBytes;
    qsizetype pos = m_pos;
    while (pos < whole && !isLineEnd(unitAt(pos)))
        pos += m_unitBytes;
    return pos;
}

bool TextFile::readLine(QString &line)
{
    if (!unitAhead())
        return false;
    QByteArray bytes;
    for (;;) {
        const qsizetype end = lineEnd();
        bytes.append(m_buffer.constData() + m_pos,
                     std::min(end - m_pos, MaxLineLength - bytes.size()));
        m_pos = end;
        if (!unitAhead())
            break;
        const char16_t terminator = unitAt(m_pos);
        if (isLineEnd(terminator)) {
            m_pos += m_unitBytes;
            skipRestOfLineEnd(terminator);
            break;
        }
    }
    line = decode(bytes);
    return true;
}

void TextFile::skipRestOfLineEnd(char16_t first)
{
    // CR CR LF is what a CR LF file becomes when converted twice, and LF CR what some
    // converters write: both end one line, never two.
    if (first == u'\n') {
        if (unitAhead() && unitAt(m_pos) == u'\r')
            m_pos += m_unitBytes;
        return;
    }
    if (unitAhead() && unitAt(m_pos) == u'\n') {
        m_pos += m_unitBytes;
    } else if (unitAhead(2) && unitAt(m_pos) == u'\r' && unitAt(m_pos + m_unitBytes) == u'\n') {
        m_pos += 2 * m_unitBytes;
    }
}

QString TextFile::decode(const QByteArray &bytes) const
{
    switch (m_encoding) {
    case Encoding::Utf8:
        return QString::fromUtf8(bytes);
    case Encoding::Utf16LE:
        return QStringDecoder(QStringConverter::Utf16LE).decode(bytes);
    case Encoding::Utf16BE:
        return QStringDecoder(QStringConverter::Utf16BE).decode(bytes);
    default:
        return decodeWindows1252(bytes);
    }
}

void TextFile::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_buffer.clear();
    m_pos = 0;
    m_encoding = Encoding::Windows1252;
    m_unitBytes = 1;
}

QString decodeWindows1252(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    QStringDecoder decoder("windows-1252");
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        const bool end = i == bytes.size();
        const uchar b = end ? 0 : uchar(bytes[i]);
        if (end || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D) {
            text += decoder.decode(QByteArrayView(bytes).sliced(start, i - start));
            if (!end)
                text += QChar(b);
            start = i + 1;
        }
    }
    return text;
}
