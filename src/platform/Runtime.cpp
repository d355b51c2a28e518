#include "platform/Runtime.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>

namespace platform {

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
    d->file = std::make_unique<QLockFile>(folder + QLatin1Char('/') + exeName + QLatin1String(".lock"));
    // A lock whose holder has died is taken over; a live holder is never considered stale.
    d->file->setStaleLockTime(0);
    m_held = d->file->tryLock(0);
    qint64 pid = 0;
    QString host, application;
    if (!m_held && d->file->error() == QLockFile::LockFailedError
        && !d->file->getLockInfo(&pid, &host, &application)) {
        // A lock file that names no holder (a crash or a full disk left it empty or garbled)
        // would otherwise keep every later start out for good.
        d->file->removeStaleLockFile();
        m_held = d->file->tryLock(0);
    }
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

QString shortDateFormat(const QLocale& locale)
{
    static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
    return locale.dateFormat(QLocale::ShortFormat).replace(twoDigitYear, QStringLiteral("yyyy"));
}

QString longTimeFormat(const QLocale& locale)
{
    // Zone names do not read back reliably, and the day is all that is read from the text.
    static const QRegularExpression zone(QStringLiteral("\\s*\\bt+\\b\\s*"));
    return locale.timeFormat(QLocale::LongFormat).replace(zone, QStringLiteral(" ")).trimmed();
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
