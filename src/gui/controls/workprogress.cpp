// SPDX-FileCopyrightText: 2026 The Zindle developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "workprogress.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <vector>

namespace
{

// The progress window of one wait, and the guard that keeps the player's input from every
// other window while the work runs.
class WorkProgress : public QObject
{
    Q_DECLARE_TR_FUNCTIONS(WorkProgress)

public:
    WorkProgress(QFutureWatcherBase &watcher, QWidget *owner, std::chrono::milliseconds showAfter)
        : m_watcher(watcher), m_owner(owner), m_dialog(owner)
    {
        m_dialog.setObjectName(QStringLiteral("WorkProgress"));
        m_dialog.setWindowTitle(QStringLiteral("Zindle"));
        m_dialog.setLabelText(tr("Dealing the cards…"));
        // Qt's own words for the button are not among the game's translations.
        m_dialog.setCancelButtonText(tr("Cancel"));
        m_dialog.setAccessibleName(m_dialog.labelText());
        m_dialog.setRange(0, 0);
        m_dialog.setModal(false);
        // Shown by the timer alone: the dialog's own guess from its first values comes late.
        m_dialog.setMinimumDuration(std::numeric_limits<int>::max());
        QTimer::singleShot(showAfter, &m_dialog, [this] {
            if (!m_watcher.isCanceled())
                m_dialog.show();
        });
        // The bar closes when the work ends, not when it reaches its last value.
        m_dialog.setAutoClose(false);
        m_dialog.setAutoReset(false);
        QObject::connect(&watcher, &QFutureWatcherBase::progressRangeChanged, &m_dialog,
                         &QProgressDialog::setRange);
        QObject::connect(&watcher, &QFutureWatcherBase::progressValueChanged, &m_dialog,
                         &QProgressDialog::setValue);
        // The cancel button, Escape and the close box.
        QObject::connect(&m_dialog, &QProgressDialog::canceled, this, [this] { cancel(); });
        QObject::connect(&m_dialog, &QDialog::rejected, this, [this] { cancel(); });
        qApp->installEventFilter(this);
        QGuiApplication::setOverrideCursor(Qt::BusyCursor);
    }

    ~WorkProgress() override
    {
        QGuiApplication::restoreOverrideCursor();
        qApp->removeEventFilter(this);
    }

    void wait()
    {
        QEventLoop loop;
        QObject::connect(&m_watcher, &QFutureWatcherBase::finished, &loop, &QEventLoop::quit);
        if (!m_watcher.isFinished())
            loop.exec();
    }

    const std::vector<QPointer<QWidget>> &closed() const { return m_closed; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::Close:
            return holdClose(watched, event);
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            return !inDialog(watched);
        default:
            return false;
        }
    }

private:
    void cancel()
    {
        m_watcher.cancel();
        m_dialog.hide();
    }

    // A window's close request waits until the work has stopped, when its own rule runs;
    // closing the window the progress belongs to stops the work.
    bool holdClose(QObject *watched, QEvent *event)
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (!window || !window->isWindow() || window == &m_dialog)
            return false;
        event->ignore();
        if (std::find(m_closed.begin(), m_closed.end(), window) == m_closed.end())
            m_closed.emplace_back(window);
        if (window == m_owner)
            cancel();
        return true;
    }

    bool inDialog(QObject *object) const
    {
        for (; object; object = object->parent()) {
            if (auto *widget = qobject_cast<QWidget *>(object))
                return widget->window() == &m_dialog;
            if (object == m_dialog.windowHandle())
                return true;
        }
        return false;
    }

    QFutureWatcherBase &m_watcher;
    QPointer<QWidget> m_owner;
    QProgressDialog m_dialog;
    std::vector<QPointer<QWidget>> m_closed;
};

} // namespace

void waitShowingProgress(QFutureWatcherBase &watcher, QWidget *owner,
                         std::chrono::milliseconds showAfter)
{
    if (watcher.isFinished())
        return;
    std::vector<QPointer<QWidget>> closed;
    {
        WorkProgress progress(watcher, owner, showAfter);
        progress.wait();
        closed = progress.closed();
    }
    for (const QPointer<QWidget> &window : closed) {
        if (window)
            window->close();
    }
}
