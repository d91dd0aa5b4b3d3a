#include "fakes.h"

#include "windows/flow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>

void FakeClock::processEvents()
{
    ++processed;
    QCoreApplication::processEvents();
    now += step;
    if (now >= 86400.0)
        now -= 86400.0;
}

double FakeRandom::draw()
{
    if (draws.empty())
        return std::uniform_real_distribution<double>(0.0, 1.0)(m_fallback);
    const double d = draws.front();
    draws.pop_front();
    return d;
}

void RecordingSound::preload(const QString &path)
{
    preloaded << QFileInfo(path).fileName();
}

void RecordingSound::play(const QString &path)
{
    played << QFileInfo(path).fileName();
}

TestProgram::TestProgram()
{
    Services &s = services();
    s.clock = &clock;
    s.random = &random;
    s.sound = &sound;
    s.screen = &screen;
    s.program = &program;
    s.programFolder = m_dir.path();
}

TestProgram::~TestProgram()
{
    WindowFlow::resetRun();
    services() = Services{};
}

QString TestProgram::path(const QString &relative) const
{
    return m_dir.path() + QLatin1Char('/') + relative;
}

void TestProgram::writeFile(const QString &relative, const QByteArray &bytes) const
{
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).path());
    QFile f(p);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

void TestProgram::writePicture(const QString &relative, int width, int height, QColor colour) const
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    const QString p = path(relative);
    QDir().mkpath(QFileInfo(p).path());
    image.save(p, QFileInfo(p).suffix().toLatin1().constData());
}

void TestProgram::writeSet(const QString &set, int pairs, int width, int height) const
{
    for (int p = 0; p < pairs; ++p) {
        const QString name = QStringLiteral("%1.png").arg(p, 2, 10, QLatin1Char('0'));
        writePicture(QStringLiteral("graficos/%1/1/%2").arg(set, name), width, height);
        writePicture(QStringLiteral("graficos/%1/2/%2").arg(set, name), width, height,
                     Qt::darkMagenta);
    }
}

void TestProgram::writeLanguage(const QStringList &lines) const
{
    QStringEncoder encoder("windows-1252");
    writeFile(QStringLiteral("idioma/idioma.txt"),
              encoder.encode(lines.join(QStringLiteral("\r\n"))));
}
