// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes.h"

namespace
{

struct FakeTimer : ClockTimer {
    std::weak_ptr<FakeClock::Due> due;
    std::vector<std::shared_ptr<FakeClock::Due>> *timers;
    ~FakeTimer() override
    {
        if (const auto d = due.lock())
            std::erase(*timers, d);
    }
};

} // namespace

std::unique_ptr<ClockTimer> FakeClock::startTimer(std::chrono::milliseconds interval,
                                                  bool repeating, std::function<void()> handler)
{
    const double seconds = double(interval.count()) / 1000;
    timers.push_back(std::make_shared<Due>(now + seconds, seconds, repeating, std::move(handler)));
    auto timer = std::make_unique<FakeTimer>();
    timer->due = timers.back();
    timer->timers = &timers;
    return timer;
}

void FakeClock::advance(std::chrono::milliseconds by)
{
    const double until = now + double(by.count()) / 1000 + 1e-9;
    for (;;) {
        const auto next =
            std::min_element(timers.begin(), timers.end(),
                             [](const auto &a, const auto &b) { return a->at < b->at; });
        if (next == timers.end() || (*next)->at > until)
            break;
        const std::shared_ptr<Due> due = *next;
        now = due->at;
        if (due->repeating)
            due->at += due->interval;
        else
            timers.erase(next);
        // Kept while it runs: the handler may let its own timer go.
        const std::function<void()> handler = due->handler;
        handler();
    }
    now = std::max(now, until - 1e-9);
}

int FakeClock::running() const
{
    return int(timers.size());
}

void TestRun::writeSet(const QString &set, int pairs, bool onlyFirst,
                       const QByteArray &picture) const
{
    QImage image(40, 30, QImage::Format_RGB32);
    for (int p = 0; p < pairs; ++p) {
        for (int half = 1; half <= (onlyFirst ? 1 : 2); ++half) {
            image.fill(half == 1 ? Qt::darkCyan : Qt::darkMagenta);
            const QString name =
                QStringLiteral("%1/%2/%3.png").arg(set).arg(half).arg(p, 2, 10, QChar('0'));
            writeFile(inSets(name), picture.isEmpty() ? encoded(image) : picture);
        }
    }
}
