#pragma once

#include "ui/platform/browser.h"
#include "ui/platform/clock.h"
#include "ui/platform/filechooser.h"
#include "ui/platform/messages.h"
#include "ui/platform/platform.h"
#include "ui/platform/printing.h"
#include <QTimeZone>

#include <QList>
#include <QPageSize>
#include <QPrinter>
#include <QQueue>
#include <QStringList>

// Stand-ins for the dialogs, browser, clock and time zone, so that the real window can be
// driven in tests without any dialog waiting for a person.

struct Message {
    QString title, text;
    bool warning = false;
};

struct RecordingMessages : Messages {
    QList<Message> shown;
    void showMessage(const QString &title, const QString &text) override { shown.append({title, text}); }
    void showWarning(const QString &title, const QString &text) override { shown.append({title, text, true}); }

    // Questions asked, as "question [preset]"; answered from a queue, and with the preset once it is
    // empty (none cancels).
    QStringList asked;
    QQueue<std::optional<QString>> answers;
    std::optional<QString> askText(const QString &, const QString &question, const QString &preset) override
    {
        asked << QStringLiteral("%1 [%2]").arg(question, preset);
        return answers.isEmpty() ? std::optional(preset) : answers.dequeue();
    }

    // Questions answered yes or no, as "title: question"; answered from a queue, and no once it is
    // empty.
    QStringList confirmations;
    QQueue<bool> confirmAnswers;
    bool confirm(const QString &title, const QString &question) override
    {
        confirmations << title + QStringLiteral(": ") + question;
        return !confirmAnswers.isEmpty() && confirmAnswers.dequeue();
    }

    // Every message as "title: text", or "title (warning): text", one a line.
    QString log() const
    {
        QStringList lines;
        for (const Message &message : shown)
            lines << message.title + (message.warning ? QStringLiteral(" (warning): ") : QStringLiteral(": ")) + message.text;
        return lines.join(u'\n');
    }
};

// Answers from a queue; an empty one answers "cancelled".
struct ScriptedFileChooser : FileChooser {
    QQueue<FileChoice> answers;
    QList<FileRequest> requests;

    FileChoice chooseFile(const FileRequest &request) override
    {
        requests.append(request);
        return answers.isEmpty() ? FileChoice{} : answers.dequeue();
    }

    void answer(const QStringList &paths, const QString &nameFilter = {})
    {
        answers.enqueue(FileChoice{false, paths, nameFilter});
    }
};

struct RecordingBrowser : Browser {
    QList<QUrl> opened;
    bool browserStarts = true;
    bool openAddress(const QUrl &address) override { opened.append(address); return browserStarts; }
};

struct FixedClock : Clock {
    QDateTime now = QDateTime(QDate(2006, 3, 15), QTime(21, 5, 7), QTimeZone(-5 * 3600));
    QDateTime localNow() const override { return now; }
};

// The print dialog: the paper and night vision it was opened with, one entry a print; answered
// by printing into pdfPath with the night vision offered, or, while pdfPath is empty, by
// cancelling.
struct ScriptedPrinting : Printing {
    QString pdfPath;
    QList<QPageSize> offeredPaper;
    QList<bool> offeredNightVision;

    PrintChoice choosePrinter(QPrinter &printer, bool nightVision) override
    {
        offeredPaper << printer.pageLayout().pageSize();
        offeredNightVision << nightVision;
        if (pdfPath.isEmpty())
            return {};
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        return {false, nightVision};
    }
};

struct FakePlatform {
    ScriptedFileChooser files;
    RecordingMessages messages;
    RecordingBrowser browser;
    FixedClock clock;
    ScriptedPrinting printing;

    Platform platform() { return Platform{files, messages, browser, clock, printing}; }
};
