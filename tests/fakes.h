#pragma once

#include "platform/services.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <deque>
#include <random>

// A language file of the 13 lines, whose result line reads "Con 6 parejas quedaban 58
// segundos" and whose list title ends in "- resultados".
inline const QStringList SpanishTexts = {
    QStringLiteral("CONTINUAR"),   QStringLiteral("Nombre"),   QStringLiteral("ACEPTAR"),
    QStringLiteral("Selecciona"),  QStringLiteral("JUGAR"),    QStringLiteral("SEGUIR JUGANDO"),
    QStringLiteral("FIN JUEGO"),   QStringLiteral("Fin"),      QStringLiteral("Con"),
    QStringLiteral("parejas"),     QStringLiteral("quedaban"), QStringLiteral("segundos"),
    QStringLiteral("- resultados")};

// A clock that tests move by hand; processing events advances it by `step` seconds.
class FakeClock : public Clock
{
public:
    double now = 36000.0;
    double step = 0.1;
    int processed = 0;
    double secondsSinceMidnight() override { return now; }
    void processEvents() override;
};

// Replays the draws a test gives; once they run out, draws from a fixed-seed generator,
// so a deal that redraws still ends.
class FakeRandom : public Random
{
public:
    std::deque<double> draws;
    int seeded = 0;
    void seedFromClock() override { ++seeded; }
    double draw() override;

private:
    std::mt19937 m_fallback{12345};
};

// Records what the game asked to play, as the path's file name ("abrir.wav").
class RecordingSound : public Sound
{
public:
    QStringList played;
    QStringList preloaded;
    void preload(const QString &path) override;
    void play(const QString &path) override;
};

class FakeScreen : public Screen
{
public:
    int width = 1280 * 15;
    int height = 1024 * 15;
    int widthTwips() override { return width; }
    int heightTwips() override { return height; }
};

// Counts the ends of the run; the windows stay as they were, so a test can look at the
// state in which the run would have ended.
class FakeProgram : public Program
{
public:
    int ended = 0;
    void end() override { ++ended; }
};

// A program folder of a test's own, with the fakes wired in its place. Destroying it ends
// the run: every window object is destroyed.
class TestProgram
{
public:
    TestProgram();
    ~TestProgram();

    QString folder() const { return m_dir.path(); }
    QString path(const QString &relative) const;
    // Writes a file below the program folder, creating its folders.
    void writeFile(const QString &relative, const QByteArray &bytes) const;
    // Writes a picture in the format its suffix names ("png", "jpg", "bmp", "gif").
    void writePicture(const QString &relative, int width, int height,
                      QColor colour = Qt::darkCyan) const;
    // Writes a set of `pairs` pictures into "graficos/<set>/1" and "graficos/<set>/2".
    void writeSet(const QString &set, int pairs, int width = 40, int height = 30) const;
    // Writes the language file from lines joined by CR LF, in Windows-1252.
    void writeLanguage(const QStringList &lines) const;

    FakeClock clock;
    FakeRandom random;
    RecordingSound sound;
    FakeScreen screen;
    FakeProgram program;

private:
    QTemporaryDir m_dir;
};
