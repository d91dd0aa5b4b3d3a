// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "textfile.h"

#include "regularfile.h"

#include <QStringDecoder>
#include <cstring>

namespace
{

constexpr qsizetype ChunkSize = 64 * 1024;

} // namespace

bool TextFile::open(const QString &path)
{
    close();
    if (!openRegularFile(m_file, path))
        return false;
    m_utf8 = fill() && m_buffer.startsWith("\xEF\xBB\xBF");
    if (m_utf8)
        m_pos = 3;
    return true;
}

bool TextFile::fill()
{
    m_buffer.resize(ChunkSize);
    const qint64 got = m_file.isOpen() ? m_file.read(m_buffer.data(), ChunkSize) : -1;
    m_buffer.resize(got > 0 ? got : 0);
    m_pos = 0;
    return got > 0;
}

bool TextFile::readLine(QString &line)
{
    if (m_pos == m_buffer.size() && !fill())
        return false;
    QByteArray bytes;
    for (;;) {
        const char *begin = m_buffer.constData() + m_pos;
        const qsizetype left = m_buffer.size() - m_pos;
        const auto *cr = static_cast<const char *>(std::memchr(begin, '\r', std::size_t(left)));
        const qsizetype length = cr ? cr - begin : left;
        bytes.append(begin, std::min(length, MaxLineLength - bytes.size()));
        m_pos += length;
        if (cr) {
            ++m_pos;
            if ((m_pos < m_buffer.size() || fill()) && m_buffer[m_pos] == '\n')
                ++m_pos;
            break;
        }
        if (!fill())
            break;
    }
    line = m_utf8 ? QString::fromUtf8(bytes) : decodeWindows1252(bytes);
    return true;
}

void TextFile::close()
{
    if (m_file.isOpen())
        m_file.close();
    m_buffer.clear();
    m_pos = 0;
    m_utf8 = false;
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
