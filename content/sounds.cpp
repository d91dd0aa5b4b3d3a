// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "sounds.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

namespace
{

constexpr int Rate = 44100;

void put16(QByteArray &out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray &out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

// A sound of `seconds` whose sample at time t is wave(t), in -1 .. 1.
bool writeWave(const QString &path, double seconds, const std::function<double(double)> &wave)
{
    const int samples = int(seconds * Rate);
    QByteArray data;
    for (int i = 0; i < samples; ++i) {
        const double v = std::clamp(wave(double(i) / Rate), -1.0, 1.0);
        put16(data, quint16(qint16(std::lround(v * 32000))));
    }
    QByteArray out("RIFF");
    put32(out, quint32(36 + data.size()));
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1); // PCM
    put16(out, 1); // mono
    put32(out, Rate);
    put32(out, Rate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, quint32(data.size()));
    out += data;
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(out) == out.size();
}

double sine(double frequency, double t)
{
    return std::sin(2 * std::numbers::pi * frequency * t);
}

} // namespace

bool writeSounds(const QString &folder)
{
    if (!QDir().mkpath(folder))
        return false;
    const bool click = writeWave(folder + QStringLiteral("/abrir.wav"), 0.04, [](double t) {
        return 0.8 * std::exp(-t * 150) * (sine(1800, t) + 0.4 * sine(3100, t));
    });
    // Three rising partials, each starting a little after the last.
    const bool chime = writeWave(folder + QStringLiteral("/cerrar.wav"), 0.45, [](double t) {
        double v = 0;
        const double notes[] = {1046.5, 1318.5, 1568.0};
        for (int i = 0; i < 3; ++i) {
            const double start = i * 0.06;
            if (t >= start)
                v += 0.3 * std::exp(-(t - start) * 9) * sine(notes[i], t - start);
        }
        return v;
    });
    const bool buzz = writeWave(folder + QStringLiteral("/fallo.wav"), 0.3, [](double t) {
        const double square = sine(110, t) > 0 ? 1.0 : -1.0;
        const double envelope = std::min(1.0, t * 80) * std::exp(-t * 4);
        return 0.35 * envelope * (0.6 * square + 0.4 * sine(55, t));
    });
    return click && chime && buzz;
}
