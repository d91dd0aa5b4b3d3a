// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realservices.h"

#include "core/platform/regularfile.h"
#include "core/screen/twips.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QScreen>
#include <QSoundEffect>
#include <cstdio>
#include <cstdlib>

double SystemClock::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

void SystemClock::processEvents()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
}

void SystemRandom::seedFromClock()
{
    m_generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

double SystemRandom::draw()
{
    return m_generator.generateDouble();
}

SystemSound::SystemSound() : m_haveOutput(!QMediaDevices::audioOutputs().isEmpty()) {}

SystemSound::~SystemSound()
{
    qDeleteAll(m_effects);
}

QSoundEffect *SystemSound::effect(const QString &path)
{
    auto it = m_effects.find(path);
    if (it != m_effects.end())
        return *it;
    const QUrl source = regularFileUrl(path);
    if (source.isEmpty())
        return nullptr;
    auto *e = new QSoundEffect;
    e->setSource(source);
    m_effects.insert(path, e);
    return e;
}

void SystemSound::preload(const QString &path)
{
    effect(path);
}

void SystemSound::play(const QString &path)
{
    QSoundEffect *e = effect(path);
    if (m_playing && m_playing != e)
        m_playing->stop();
    m_playing = e;
    if (e && m_haveOutput && e->status() != QSoundEffect::Error)
        e->play();
}

int SystemScreen::widthTwips()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size().width() * TwipsPerPixel : 0;
}

int SystemScreen::heightTwips()
{
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->size().height() * TwipsPerPixel : 0;
}

void SystemProgram::end()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

void installSystemServices()
{
    static SystemClock clock;
    static SystemRandom random;
    static SystemSound *sound = new SystemSound;
    static SystemScreen screen;
    static SystemProgram program;
    Services &s = services();
    s.clock = &clock;
    s.random = &random;
    s.sound = sound;
    s.screen = &screen;
    s.program = &program;
    QString folder = QCoreApplication::applicationDirPath();
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    s.programFolder = folder;
}
