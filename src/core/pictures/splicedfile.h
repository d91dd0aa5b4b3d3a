// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIODevice>
#include <QList>
#include <utility>

// Parts of a file read one after the other as if they were the whole file: a picture as its
// decoder is given it, without the metadata it has no use for.
class SplicedFile : public QIODevice
{
public:
    // The parts, each (start, length), of `file`, which stays open and the caller's; opens
    // for reading.
    bool open(QIODevice *file, const QList<std::pair<qint64, qint64>> &parts);

    bool isSequential() const override { return false; }
    qint64 size() const override { return m_ends.isEmpty() ? 0 : m_ends.back(); }

protected:
    qint64 readData(char *data, qint64 most) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QIODevice *m_file = nullptr;
    QList<std::pair<qint64, qint64>> m_parts;
    QList<qint64> m_ends; // where each part ends in the spliced file
};
