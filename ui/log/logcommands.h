#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

class LogWindow;
class Messages;
class ObservationForm;
class ObservationLog;
class Planner;
class QWidget;
struct ListedObject;
struct Observation;

// The Log menu: the observing log in the working folder, the form that adds to it and the window
// that shows it, and the dates the list's "Observed" column and "Hide observed" read from it.
// The log file is made by the first observation kept, so that an observer who never logs finds
// no file of it. A log that cannot be used is said in a warning and left as it is; the list
// works on without it.
class LogCommands : public QObject {
    Q_OBJECT

public:
    LogCommands(Planner &planner, Messages &messages, QWidget *window);
    ~LogCommands() override;

    // At the start: the log there is, if any.
    void readExisting();
    // Log › Mark Observed for one listed object of the planner's current list.
    void markObserved(const ListedObject &row);
    // Log › Show Log.
    void showLog();

private:
    bool openLog();
    void keep(const Observation &observation);
    void showObservedDates();
    void warn(const QString &text);

    Planner &m_planner;
    Messages &m_messages;
    QWidget *m_window;
    std::unique_ptr<ObservationLog> m_log;
    QPointer<ObservationForm> m_form;
    QPointer<LogWindow> m_logWindow;
};
