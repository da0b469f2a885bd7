#pragma once

#include <QList>
#include <QObject>

#include <atomic>
#include <functional>
#include <memory>

class QThread;

// Work on a year that runs beside the window, a thread of its own for each piece, one piece
// wanted at a time: a new piece stops the one before, whose result never arrives.
class YearWork : public QObject {
    Q_OBJECT

public:
    // What to do with a result, on the window's thread.
    using Delivery = std::function<void()>;
    // Told how much is done; false once the work is no longer wanted.
    using Progress = std::function<bool(std::size_t done, std::size_t total)>;
    // Runs on its own thread; an empty delivery when it stopped.
    using Work = std::function<Delivery(const Progress &progress)>;

    explicit YearWork(QObject *parent = nullptr);
    // Stops the work and waits for its threads.
    ~YearWork() override;

    void start(Work work);
    void stop();
    bool running() const { return m_running; }

signals:
    void progressed(int done, int total);
    // The result was delivered, or the work stopped.
    void finished();

private:
    std::shared_ptr<std::atomic<bool>> m_stopped;  // the current piece's
    QList<QThread *> m_threads;
    bool m_running = false;
};
