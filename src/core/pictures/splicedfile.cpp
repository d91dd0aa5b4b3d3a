// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "splicedfile.h"

#include <algorithm>

bool SplicedFile::open(QIODevice *file, const QList<std::pair<qint64, qint64>> &parts)
{
    m_file = file;
    m_parts = parts;
    m_ends.clear();
    qint64 end = 0;
    for (const auto &[start, length] : parts)
        m_ends.append(end += length);
    // Unbuffered: pos() is where the next read starts in the spliced file.
    return QIODevice::open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 SplicedFile::readData(char *data, qint64 most)
{
    qint64 done = 0;
    qint64 at = pos();
    for (auto part = std::upper_bound(m_ends.begin(), m_ends.end(), at);
         done < most && part != m_ends.end(); ++part) {
        const qsizetype i = part - m_ends.begin();
        const qint64 within = at - (*part - m_parts[i].second);
        const qint64 wanted = std::min(most - done, m_parts[i].second - within);
        if (!m_file->seek(m_parts[i].first + within))
            return done > 0 ? done : -1;
        const qint64 read = m_file->read(data + done, wanted);
        if (read <= 0)
            return done > 0 ? done : read;
        done += read;
        at += read;
        if (read < wanted)
            break;
    }
    return done;
}
