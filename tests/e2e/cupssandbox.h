#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace vantreel::testing {

// A private CUPS scheduler for the length of a test program (tests/e2e/cups-sandbox.sh):
// its own configuration, socket, spool and temporary folders, and PDF queues whose jobs
// land as one PDF each in outputFolder(). Constructing it points this process at it
// through the print system's own environment (CUPS_SERVER, CUPS_SERVERROOT), so it must
// exist before anything in the process asks the print system a question.
class CupsSandbox {
public:
    CupsSandbox();
    ~CupsSandbox();
    CupsSandbox(const CupsSandbox&) = delete;
    CupsSandbox& operator=(const CupsSandbox&) = delete;

    bool start();
    /// Stops the scheduler with SIGTERM and waits for it to end.
    bool stop();

    /// Adds an enabled, accepting PDF queue with the page of the sandbox's PPD.
    bool addQueue(const QString& name);
    bool setDefault(const QString& name) { return admin("lpadmin", {"-d", name}); }
    bool removeQueue(const QString& name) { return admin("lpadmin", {"-x", name}); }
    /// Runs one of the print system's commands against the sandbox; false when it fails.
    bool admin(const QString& program, const QStringList& arguments);

    /// Waits until the scheduler holds no job that is still to be printed.
    bool waitUntilIdle(int timeoutMs = 30000);
    /// @return the number of jobs still to be printed, -1 when the scheduler cannot tell
    int pendingJobs();
    /// @return the PDFs of the finished jobs, in the order the jobs were submitted
    QStringList pdfs() const;
    void clearOutput();

    /// Binds a socket at the scheduler's place that accepts connections and never answers.
    bool playDeaf();
    void stopPlayingDeaf();

    QString folder() const { return dir_.path(); }
    QString outputFolder() const { return dir_.path() + QStringLiteral("/out"); }
    /// The scheduler's error log and the output of the last command, for failure messages.
    QString diagnostics() const;

private:
    bool script(const QStringList& arguments);

    QTemporaryDir dir_;
    QString lastOutput_;
    int deafSocket_ = -1;
};

// What the tests read back from one printed PDF.
struct PdfDocument {
    QString path;
    int pages = 0;
    /// Text of each page (pdftotext -layout), normalised with NFKC so that ligatures compare
    /// as their letters.
    QStringList pageTexts;
    /// Names of the fonts embedded in the document, without the subset prefix.
    QStringList embeddedFonts;
    QString error;
};

PdfDocument readPdf(const QString& path);

} // namespace vantreel::testing
