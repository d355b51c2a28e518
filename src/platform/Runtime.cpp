#include "platform/Runtime.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace platform {

namespace {

// A living holder keeps its lock file locked at the system's level for as long as it holds the
// lock, so a lock file that can be removed under that system lock is one nobody holds. The guard
// is the one Qt's own lock files take while they remove a stale lock, so that two processes never
// remove each other's fresh lock.
bool RemoveUnheldLock(const QString& path)
{
    QLockFile guard(path + QLatin1String(".rmlock"));
    return guard.tryLock(0) && QLockFile(path).removeStaleLockFile();
}

// Says plainly what keeps the program from its lock, and where, since it starts all the same.
void ReportUnusableLock(const QString& path)
{
    const QString what = QFileInfo(path).isDir() ? QStringLiteral("a folder is in the way at")
                                                 : QStringLiteral("its lock file cannot be made at");
    std::fprintf(stderr,
                 "Zelphine: %s %s, where it keeps the lock that lets only one copy run at a time.\n"
                 "It starts without checking for another copy.\n",
                 qPrintable(what), qPrintable(QDir::toNativeSeparators(path)));
}

} // namespace

bool MakeWayForLock(const QString& path, int patience)
{
    const QDeadlineTimer deadline(patience);
    for (;;) {
        if (!QFileInfo::exists(path))
            return true;
        if (!QFileInfo(path).isFile())
            return false; // a folder: no lock to clear, and none to take
        if (RemoveUnheldLock(path))
            return true;
        if (deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
}

struct InstanceLock::Private
{
    std::unique_ptr<QLockFile> file;
};

InstanceLock::InstanceLock(const QString& exeName)
    : d(new Private)
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    QDir().mkpath(folder);
    const QString path = folder + QLatin1Char('/') + exeName + QLatin1String(".lock");
    d->file = std::make_unique<QLockFile>(path);
    // A living holder keeps the lock however long it runs: no lock is stale for its age alone.
    d->file->setStaleLockTime(0);
    if (d->file->tryLock(0) || (MakeWayForLock(path, 0) && d->file->tryLock(0)))
        return;
    m_heldElsewhere = d->file->error() == QLockFile::LockFailedError && QFileInfo(path).isFile();
    if (!m_heldElsewhere)
        ReportUnusableLock(path);
}

InstanceLock::~InstanceLock()
{
    delete d;
}

namespace {

class ProcessRuntime : public Runtime
{
public:
    QString EXEName() override
    {
        return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    }

    bool PrevInstance() override
    {
        // Taken once and held until the process ends.
        if (!m_lock)
            m_lock = std::make_unique<InstanceLock>(EXEName());
        return m_lock->HeldElsewhere();
    }

    void Randomize() override
    {
        m_generator.seed(std::random_device{}() ^ quint32(QDateTime::currentMSecsSinceEpoch()));
    }

    float Rnd() override
    {
        // 24 random bits give every single-precision step of [0, 1), and never 1.
        return float(m_generator() >> 8) / 16777216.0f;
    }

    QDateTime Now() override { return QDateTime::currentDateTime(); }

    void End() override
    {
        m_lock.reset(); // the process ends without unwinding, so the lock is released here
        std::fflush(nullptr);
        std::_Exit(0);
    }

private:
    std::unique_ptr<InstanceLock> m_lock;
    std::mt19937 m_generator;
};

// Date and time formats are rewritten by hand rather than with regular expressions: those are
// the only ones the program would compile before its window appears.
bool IsWordCharacter(QChar c) { return c.isLetterOrNumber() || c == QLatin1Char('_'); }

// The length of the run of `letter` that starts at `from`.
qsizetype RunLength(const QString& text, qsizetype from, QChar letter)
{
    qsizetype end = from;
    while (end < text.size() && text[end] == letter)
        ++end;
    return end - from;
}

// The format with a two-digit year written in full.
QString FullYear(const QString& format)
{
    QString full;
    for (qsizetype i = 0; i < format.size();) {
        const qsizetype run = format[i] == QLatin1Char('y') ? RunLength(format, i, QLatin1Char('y')) : 1;
        full += run == 2 ? QStringLiteral("yyyy") : format.mid(i, run);
        i += run;
    }
    return full;
}

// The format without its time-zone fields (each a word of its own), nor the blanks around them.
QString WithoutZone(const QString& format)
{
    QString kept;
    for (qsizetype i = 0; i < format.size();) {
        const qsizetype run = format[i] == QLatin1Char('t') ? RunLength(format, i, QLatin1Char('t')) : 0;
        const bool wordBefore = i > 0 && IsWordCharacter(format[i - 1]);
        const bool wordAfter = i + run < format.size() && IsWordCharacter(format[i + run]);
        if (run == 0 || wordBefore || wordAfter) {
            const qsizetype copied = qMax<qsizetype>(run, 1);
            kept += format.mid(i, copied);
            i += copied;
            continue;
        }
        while (!kept.isEmpty() && kept.back().isSpace())
            kept.chop(1);
        kept += QLatin1Char(' ');
        for (i += run; i < format.size() && format[i].isSpace(); ++i) {
        }
    }
    return kept.trimmed();
}

QString shortDateFormat(const QLocale& locale)
{
    return FullYear(locale.dateFormat(QLocale::ShortFormat));
}

QString longTimeFormat(const QLocale& locale)
{
    // Zone names do not read back reliably, and the day is all that is read from the text.
    return WithoutZone(locale.timeFormat(QLocale::LongFormat));
}

} // namespace

Runtime& Runtime::real()
{
    static ProcessRuntime runtime;
    return runtime;
}

QString DateTimeText(const QDateTime& moment)
{
    const QLocale locale;
    return locale.toString(moment.date(), shortDateFormat(locale)) + QLatin1Char(' ')
        + locale.toString(moment.time(), longTimeFormat(locale));
}

std::optional<QDateTime> ReadDateTime(const QString& text)
{
    const QLocale locale;
    QDateTime moment = locale.toDateTime(text, shortDateFormat(locale) + QLatin1Char(' ') + longTimeFormat(locale));
    if (!moment.isValid())
        moment = QDateTime::fromString(text, Qt::ISODate);
    if (!moment.isValid())
        return std::nullopt;
    return moment;
}

qint64 DateDiffDays(const QDateTime& from, const QDateTime& to)
{
    return from.date().daysTo(to.date());
}

} // namespace platform
