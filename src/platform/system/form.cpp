#include "form.h"

#include "platform/twips.h"

#include <QCloseEvent>
#include <QIcon>

namespace
{

const QIcon &fishIcon()
{
    static const QIcon icon(QStringLiteral(":/images/fish.svg"));
    return icon;
}

} // namespace

FormWindow::FormWindow(Form *form) : m_form(form)
{
    setWindowIcon(fishIcon());
}

void FormWindow::closeEvent(QCloseEvent *event)
{
    event->ignore();
    Form *form = m_form;
    form->runHandler([form] { form->closeRequested(); });
}

FormTimer::FormTimer(Form *form, QWidget *window, int interval, bool enabled,
                     std::function<void()> handler)
    : QObject(window), m_form(form), m_handler(std::move(handler))
{
    m_timer.setInterval(interval);
    QObject::connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
    setEnabled(enabled);
}

void FormTimer::setEnabled(bool enabled)
{
    if (enabled && !m_retired)
        m_timer.start();
    else
        m_timer.stop();
}

void FormTimer::tick()
{
    if (m_inTick || m_retired)
        return;
    m_inTick = true;
    m_form->runHandler(m_handler);
    m_inTick = false;
}

Form::~Form()
{
    delete m_window;
    for (auto &w : m_dying)
        delete w;
}

QWidget *Form::window()
{
    load();
    return m_window;
}

void Form::load()
{
    if (m_window)
        return;
    m_window = new FormWindow(this);
    buildControls(m_window);
    runHandler([this] { Form_Load(); });
}

void Form::show()
{
    load();
    if (!m_window)
        return;
    // A window that shows anew comes up in front; one already showing is brought there.
    if (m_window->isVisible())
        m_window->raise();
    else
        m_window->show();
    m_window->activateWindow();
}

void Form::showModal()
{
    load();
    if (!m_window)
        return;
    m_window->setWindowModality(Qt::ApplicationModal);
    m_window->show();
    m_window->activateWindow();
    QEventLoop loop;
    m_modalLoops.push_back(&loop);
    loop.exec();
    std::erase(m_modalLoops, &loop);
}

void Form::unload()
{
    if (!m_window)
        return;
    runHandler([this] { Form_Unload(); });
    discard();
}

void Form::discard()
{
    if (!m_window)
        return;
    FormWindow *window = m_window;
    m_window = nullptr;
    for (auto &timer : m_timers) {
        if (timer) {
            timer->m_retired = true;
            timer->m_timer.stop();
        }
    }
    m_timers.clear();
    window->hide();
    for (QEventLoop *loop : m_modalLoops)
        loop->quit();
    m_dying.emplace_back(window);
    if (m_handlerDepth == 0)
        destroyDying();
}

void Form::closeRequested() {}

void Form::runHandler(const std::function<void()> &handler)
{
    ++m_handlerDepth;
    handler();
    --m_handlerDepth;
    if (m_handlerDepth == 0 && !m_dying.empty())
        destroyDying();
}

void Form::destroyDying()
{
    for (auto &w : m_dying) {
        if (w)
            w->deleteLater();
    }
    m_dying.clear();
    if (!m_window)
        controlsDestroyed();
}

void Form::moveTwips(int left, int top)
{
    if (m_window)
        m_window->move(twipsToPixels(left), twipsToPixels(top));
}

QSize Form::outerSizeTwips() const
{
    if (!m_window)
        return {};
    return m_window->frameGeometry().size() * TwipsPerPixel;
}

FormTimer *Form::addTimer(int interval, bool enabled, std::function<void()> handler)
{
    auto *timer = new FormTimer(this, m_window, interval, enabled, std::move(handler));
    m_timers.emplace_back(timer);
    return timer;
}
