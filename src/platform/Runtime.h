#pragma once

#include "platform/Replaceable.h"

#include <QDateTime>
#include <QString>
#include <optional>

namespace platform {

// The program's run-time services: its name and title, whether another instance runs, the
// random generator, the clock and the end of the process.
class Runtime : public Replaceable<Runtime>
{
public:
    virtual ~Runtime() = default;

    // The running executable's file name without its extension.
    virtual QString EXEName() = 0;
    // Whether another instance of this executable already runs for this user.
    virtual bool PrevInstance() = 0;
    // Seeds the random generator from the clock.
    virtual void Randomize() = 0;
    // The next random value, single precision, 0 <= r < 1.
    virtual float Rnd() = 0;
    virtual QDateTime Now() = 0;
    // Ends the process at once. A stand-in that cannot end the process returns; HasEnded() then
    // tells callers that nothing more is to run.
    virtual void End() = 0;
    virtual bool HasEnded() { return false; }

    // The application's title, the caption of every message box.
    static QString Title() { return QStringLiteral("Zelphine"); }

    static Runtime& real();
};

// Makes way for a lock file at `path` without taking it: a lock file that no living process
// holds (left empty or garbled by a crash, written on another machine, or its holder gone) is
// removed. A living holder is waited for, at most `patience` milliseconds. True when the path is
// then free; false while a living holder keeps its lock, or when a folder is in the lock's place.
bool MakeWayForLock(const QString& path, int patience);

// Holds the per-user lock of one executable name for as long as it lives. Only a living process
// on this machine keeps the lock: one left behind by a crash or by another machine does not count.
// A lock that cannot be taken for another reason (a folder in its place) is reported on standard
// error and does not count either: the program starts without the check.
class InstanceLock
{
public:
    explicit InstanceLock(const QString& exeName);
    ~InstanceLock();
    // True when another living process holds the lock.
    bool HeldElsewhere() const { return m_heldElsewhere; }

private:
    struct Private;
    Private* d;
    bool m_heldElsewhere = false;
};

// Date and time as text, in the user's regional format: the short date, a blank and the long
// time. Years are written with four digits so that the text reads back to the same day.
QString DateTimeText(const QDateTime& moment);
// The moment a date-time text gives, read in the same regional format or as an ISO 8601 date
// and time; none when it cannot be read.
std::optional<QDateTime> ReadDateTime(const QString& text);
// Calendar days from the first moment's day to the second's; the times of day play no part.
qint64 DateDiffDays(const QDateTime& from, const QDateTime& to);

} // namespace platform
