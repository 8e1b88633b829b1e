#include "tests/e2e/cupssandbox.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace vantreel::testing {

namespace {

const QString sandboxScript = QStringLiteral(VANTREEL_CUPS_SANDBOX_SCRIPT);

struct Run {
    bool ok = false;
    QString output;
};

Run runProgram(const QString& program, const QStringList& arguments, int timeoutMs = 30000)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output = program + QStringLiteral(" did not finish: ") + process.errorString();
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAll());
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return run;
}

} // namespace

CupsSandbox::CupsSandbox()
    : dir_(QDir::tempPath() + QStringLiteral("/vantreel-cups-XXXXXX"))
{
    // VANTREEL_E2E_KEEP=1 keeps the folder (configuration, logs, the last run's PDFs) to look at.
    dir_.setAutoRemove(qEnvironmentVariableIsEmpty("VANTREEL_E2E_KEEP"));
    const QString root = dir_.path();
    qputenv("CUPS_SERVER", (root + QStringLiteral("/cups.sock")).toLocal8Bit());
    // A client running as root would otherwise read the system's configuration and PPDs.
    qputenv("CUPS_SERVERROOT", (root + QStringLiteral("/conf")).toLocal8Bit());
    qputenv("TMPDIR", (root + QStringLiteral("/tmp")).toLocal8Bit());
    // The user's own lpoptions could name a default printer of their own.
    qputenv("HOME", root.toLocal8Bit());
    qunsetenv("PRINTER");
    qunsetenv("LPDEST");
    QDir().mkpath(root + QStringLiteral("/tmp"));
}

CupsSandbox::~CupsSandbox()
{
    stopPlayingDeaf();
    stop();
}

bool CupsSandbox::script(const QStringList& arguments)
{
    const Run run = runProgram(QStringLiteral("bash"), QStringList{sandboxScript} + arguments);
    lastOutput_ = run.output;
    return run.ok;
}

bool CupsSandbox::start()
{
    return script({QStringLiteral("start"), dir_.path(), QString::number(QCoreApplication::applicationPid())});
}

bool CupsSandbox::stop()
{
    return script({QStringLiteral("stop"), dir_.path()});
}

bool CupsSandbox::addQueue(const QString& name)
{
    return script({QStringLiteral("queue"), dir_.path(), name});
}

bool CupsSandbox::admin(const QString& program, const QStringList& arguments)
{
    const Run run = runProgram(program, arguments);
    lastOutput_ = run.output;
    return run.ok;
}

bool CupsSandbox::waitUntilIdle(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < timeoutMs) {
        const Run run = runProgram(QStringLiteral("lpstat"), {QStringLiteral("-o")});
        lastOutput_ = run.output;
        if (run.ok && run.output.trimmed().isEmpty())
            return true;
        QThread::msleep(50);
    }
    return false;
}

int CupsSandbox::pendingJobs()
{
    const Run run = runProgram(QStringLiteral("lpstat"), {QStringLiteral("-o")});
    lastOutput_ = run.output;
    if (!run.ok)
        return -1;
    return static_cast<int>(run.output.split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

QStringList CupsSandbox::pdfs() const
{
    // The backend names each PDF after its job number, zero-padded: name order is job order.
    QStringList paths;
    const QDir out(outputFolder());
    for (const QString& name : out.entryList({QStringLiteral("job-*.pdf")}, QDir::Files, QDir::Name))
        paths.append(out.filePath(name));
    return paths;
}

void CupsSandbox::clearOutput()
{
    QDir out(outputFolder());
    for (const QString& name : out.entryList(QDir::Files | QDir::Hidden))
        out.remove(name);
}

bool CupsSandbox::playDeaf()
{
    const QByteArray path = qgetenv("CUPS_SERVER");
    deafSocket_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (deafSocket_ < 0)
        return false;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof(address.sun_path) - 1);
    ::unlink(path.constData());
    // Connections wait in the backlog: they are accepted by the kernel and never answered.
    if (::bind(deafSocket_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0
        || ::listen(deafSocket_, 64) != 0) {
        stopPlayingDeaf();
        return false;
    }
    return true;
}

void CupsSandbox::stopPlayingDeaf()
{
    if (deafSocket_ < 0)
        return;
    ::close(deafSocket_);
    deafSocket_ = -1;
    ::unlink(qgetenv("CUPS_SERVER").constData());
}

QString CupsSandbox::diagnostics() const
{
    QFile log(dir_.path() + QStringLiteral("/log/error_log"));
    QString text = QStringLiteral("last command: ") + lastOutput_;
    if (log.open(QIODevice::ReadOnly))
        text += QStringLiteral("\nscheduler's error log:\n") + QString::fromLocal8Bit(log.readAll());
    return text;
}

PdfDocument readPdf(const QString& path)
{
    PdfDocument document;
    document.path = path;
    const Run text = runProgram(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
    const Run fonts = runProgram(QStringLiteral("pdffonts"), {path});
    if (!text.ok || !fonts.ok) {
        document.error = text.output + fonts.output;
        return document;
    }
    // pdftotext ends every page with a form feed.
    document.pageTexts = text.output.normalized(QString::NormalizationForm_KC).split(QLatin1Char('\f'));
    document.pageTexts.removeLast();
    document.pages = static_cast<int>(document.pageTexts.size());

    // pdffonts prints one font a line after a header of dashes: the name first, then its
    // type (one or more words), encoding, and the columns emb, sub, uni, object and generation.
    const QStringList lines = fonts.output.split(QLatin1Char('\n'));
    qsizetype row = 0;
    while (row < lines.size() && !lines[row].startsWith(QLatin1Char('-')))
        ++row;
    if (row == lines.size()) {
        document.error = QStringLiteral("unreadable font table: ") + fonts.output;
        return document;
    }
    static const QRegularExpression subsetPrefix(QStringLiteral("^[A-Z]{6}\\+"));
    for (++row; row < lines.size(); ++row) {
        const QStringList columns = lines[row].simplified().split(QLatin1Char(' '));
        if (columns.size() < 7)
            continue;
        if (columns[columns.size() - 5] != QLatin1String("yes"))
            continue;
        QString name = columns.first();
        name.remove(subsetPrefix);
        document.embeddedFonts.append(name);
    }
    return document;
}

} // namespace vantreel::testing
