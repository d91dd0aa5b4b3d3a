// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "realservices.h"

#include "files/filenames.h"
#include "files/regularfile.h"
#include "logging.h"
#include "pictures/thumbnailparts.h"
#include "platform/programfolder.h"
#include "screen/twips.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDateTime>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QScreen>
#include <QSoundEffect>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>

double SystemClock::secondsSinceMidnight()
{
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

namespace
{

// A Qt timer, let go later: its owner may let it go from its own handler.
class QtClockTimer : public ClockTimer
{
public:
    QtClockTimer(std::chrono::milliseconds interval, bool repeating, std::function<void()> handler)
        : m_timer(new QTimer)
    {
        m_timer->setInterval(interval);
        m_timer->setSingleShot(!repeating);
        QObject::connect(m_timer, &QTimer::timeout, m_timer, std::move(handler));
        m_timer->start();
    }
    ~QtClockTimer() override
    {
        m_timer->stop();
        m_timer->deleteLater();
    }
    QtClockTimer(const QtClockTimer &) = delete;
    QtClockTimer &operator=(const QtClockTimer &) = delete;

private:
    QTimer *m_timer;
};

} // namespace

std::unique_ptr<ClockTimer> SystemClock::startTimer(std::chrono::milliseconds interval,
                                                    bool repeating, std::function<void()> handler)
{
    return std::make_unique<QtClockTimer>(interval, repeating, std::move(handler));
}

void SystemRandom::seedFromClock()
{
    m_generator.seed(quint32(QDateTime::currentMSecsSinceEpoch()));
}

double SystemRandom::draw()
{
    return m_generator.generateDouble();
}

EffectOutput::~EffectOutput()
{
    qDeleteAll(m_effects);
}

void EffectOutput::load(const QString &path)
{
    const QUrl source = regularFileUrl(path);
    if (source.isEmpty()) {
        qCWarning(soundsLog) << shownFileName(path)
                             << "cannot be played: not a regular file that can be read";
        return;
    }
    auto *e = new QSoundEffect;
    QObject::connect(e, &QSoundEffect::statusChanged, e, [e, source] {
        if (e->status() == QSoundEffect::Error)
            qCWarning(soundsLog) << source.toString() << "cannot be played: it does not load";
    });
    e->setSource(source);
    m_effects.insert(path, e);
}

void EffectOutput::play(const QString &path)
{
    QSoundEffect *e = m_effects.value(path);
    if (m_playing && m_playing != e)
        m_playing->stop();
    m_playing = e;
    if (!m_haveOutput) {
        m_haveOutput = !QMediaDevices::audioOutputs().isEmpty();
        if (!*m_haveOutput)
            qCWarning(soundsLog) << "no sound is played: there is no audio output";
    }
    if (e && *m_haveOutput && e->status() != QSoundEffect::Error)
        e->play();
}

SystemSound::SystemSound(std::unique_ptr<SoundOutput> output)
    : m_context(std::make_unique<QObject>()), m_output(std::move(output))
{
    m_context->moveToThread(&m_thread);
    m_thread.start();
}

SystemSound::~SystemSound()
{
    // The effects belong to the sound thread and go with it.
    onSoundThread([this] { m_output.reset(); });
    m_thread.quit();
    m_thread.wait();
}

void SystemSound::onSoundThread(std::function<void()> work)
{
    QMetaObject::invokeMethod(m_context.get(), std::move(work), Qt::QueuedConnection);
}

void SystemSound::load(const QString &path)
{
    if (!m_loaded.contains(path)) {
        m_loaded.insert(path);
        m_output->load(path);
    }
}

void SystemSound::preload(const QString &path)
{
    onSoundThread([this, path] { load(path); });
}

void SystemSound::play(const QString &path)
{
    const int number = ++m_lastPlay;
    onSoundThread([this, path, number] {
        if (number != m_lastPlay)
            return;
        load(path);
        m_output->play(path);
    });
}

QScreen *SystemScreen::monitor() const
{
    return m_chosen ? m_chosen.data() : QGuiApplication::primaryScreen();
}

int SystemScreen::widthTwips()
{
    const QScreen *s = monitor();
    return s ? s->size().width() * TwipsPerPixel : 0;
}

int SystemScreen::heightTwips()
{
    const QScreen *s = monitor();
    return s ? s->size().height() * TwipsPerPixel : 0;
}

void SystemScreen::chooseMonitorAt(std::optional<QPoint> desktopPixel)
{
    m_chosen = desktopPixel ? QGuiApplication::screenAt(*desktopPixel) : nullptr;
}

QPoint SystemScreen::originPixels()
{
    const QScreen *s = monitor();
    return s ? s->geometry().topLeft() : QPoint();
}

void SystemProgram::end()
{
    // The thumbnail being written finishes, or its part file goes: the cache is shared.
    ThumbnailParts::finishWriting(std::chrono::seconds(1));
    std::fflush(nullptr);
    std::_Exit(0);
}

SystemServices::SystemServices() : m_sound(std::make_unique<SystemSound>()) {}

SystemServices::~SystemServices() = default;

Services SystemServices::services()
{
    return {&m_clock, &m_random, m_sound.get(), &m_screen, &m_program, executableFolder()};
}
