#include "ui/year/yearwork.h"

#include <QThread>

YearWork::YearWork(QObject *parent)
    : QObject(parent)
{
}

YearWork::~YearWork()
{
    if (m_stopped)
        *m_stopped = true;
    for (QThread *thread : std::as_const(m_threads)) {
        thread->wait();
        delete thread;
    }
}

// Whatever a thread sends back goes through the event loop, and only while its piece is still
// wanted; what is sent back after this object is gone is never delivered.
void YearWork::start(Work work)
{
    if (m_stopped)
        *m_stopped = true;
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    m_stopped = stopped;
    m_running = true;
    const Progress progress = [this, stopped](std::size_t done, std::size_t total) {
        QMetaObject::invokeMethod(this, [this, stopped, done, total] {
            if (!*stopped)
                emit progressed(int(done), int(total));
        }, Qt::QueuedConnection);
        return !*stopped;
    };
    QThread *thread = QThread::create([this, stopped, work = std::move(work), progress] {
        Delivery delivery = work(progress);
        QMetaObject::invokeMethod(this, [this, stopped, delivery = std::move(delivery)] {
            if (*stopped || !delivery)
                return;
            m_running = false;
            delivery();
            emit finished();
        }, Qt::QueuedConnection);
    });
    m_threads << thread;
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.removeOne(thread);
        thread->deleteLater();
    });
    thread->start();
}

void YearWork::stop()
{
    if (!m_stopped || !m_running)
        return;
    *m_stopped = true;
    m_running = false;
    emit finished();
}
