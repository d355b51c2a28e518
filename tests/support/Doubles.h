#pragma once

// Test doubles of the platform layer: they record what the program asks of the outside world
// and give scripted answers.

#include "platform/CommonDialog.h"
#include "platform/Form.h"
#include "platform/ImageList.h"
#include "platform/MsgBox.h"
#include "platform/Printer.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"

#include <QColor>
#include <QImage>
#include <QList>
#include <QMap>
#include <QPointer>
#include <QQueue>
#include <QWidget>
#include <functional>
#include <optional>

namespace doubles {

// The program's own pictures, of which some can be made unavailable.
class ImageList : public platform::ImageList
{
public:
    int Count() const override { return real().Count(); }
    QSize ImageSize() const override { return real().ImageSize(); }
    QPixmap ListImage(int index) const override { return unavailable.contains(index) ? QPixmap() : real().ListImage(index); }

    QList<int> unavailable;
};

// Records every shell call.
class Shell : public platform::Shell
{
public:
    struct Call
    {
        QPointer<QWidget> owner;
        QString verb;
        QString file;
        std::optional<QString> parameters;
        std::optional<QString> directory;
        int showCommand;
    };

    void ShellExecute(QWidget* owner, const QString& verb, const QString& file,
                      const std::optional<QString>& parameters,
                      const std::optional<QString>& directory, int showCommand) override
    {
        calls.append({owner, verb, file, parameters, directory, showCommand});
        if (whenCalled)
            whenCalled();
    }
    QStringList files() const;

    QList<Call> calls;
    std::function<void()> whenCalled;
};

// Records every box and answers from a script; with the script used up it answers OK (or Yes).
class MsgBox : public platform::MsgBox
{
public:
    struct Box
    {
        QString prompt;
        int style;
    };

    int Ask(const QString& prompt, int style) override;

    QList<Box> shown;
    QQueue<int> answers;
    std::function<void()> whileShown; // runs while a box is open, as a user could act then
};

// Settings kept in memory; writes can be made to fail.
class SettingsStore : public platform::SettingsStore
{
public:
    QString GetSetting(const QString& appName, const QString& section, const QString& key) override
    {
        return values.value(appName + "/" + section + "/" + key);
    }
    bool SaveSetting(const QString& appName, const QString& section, const QString& key,
                     const QString& value) override
    {
        if (failWrites)
            return false;
        values.insert(appName + "/" + section + "/" + key, value);
        return true;
    }

    QMap<QString, QString> values;
    bool failWrites = false;
};

// A clock set by hand, random values from a script, and an end that is recorded.
class Runtime : public platform::Runtime
{
public:
    QString EXEName() override { return exeName; }
    bool PrevInstance() override { return otherInstance; }
    void Randomize() override { ++seeded; }
    float Rnd() override { return randoms.isEmpty() ? 0.0f : randoms.dequeue(); }
    QDateTime Now() override { return now; }
    void End() override { ++ends; }
    bool HasEnded() override { return ends > 0; }

    QString exeName = "zelphine";
    bool otherInstance = false;
    int seeded = 0;
    QQueue<float> randoms;
    QDateTime now = QDateTime(QDate(2026, 12, 6), QTime(10, 30, 0));
    int ends = 0;
};

// A printer that prints into a PDF file, at once.
class Printer : public platform::Printer
{
public:
    void Print(const QTextDocument& document) override;

    QString pdfPath;
    int printed = 0;
};

// A Save As dialog that the user cancels: no test saves by chance where it did not mean to.
class CommonDialog : public platform::CommonDialog
{
public:
    bool ShowSave(QWidget*, Properties&) override { return false; }
};

// Every service of the outside world replaced by its double, for the life of the object; the
// windows a test leaves loaded are gone with it.
struct Surroundings
{
    Surroundings();
    ~Surroundings();
    Surroundings(const Surroundings&) = delete;
    Surroundings& operator=(const Surroundings&) = delete;

    Shell shell;
    MsgBox boxes;
    SettingsStore store;
    Runtime runtime;
    ImageList pictures;
    Printer printer;
    CommonDialog dialogs;
};

// Brings a window to the front and waits until it takes keys and clicks; false when it never does.
bool ShownInFront(QWidget* window);

// How a control shows its text: "Verdana 8.25 bold underlined #0000ff", then " on " and the
// background's colour where the control paints its own.
QString Look(const QWidget* control);

// The controls the focus visits, from the one that has it, as the user presses Tab `presses` times.
QStringList TabOrder(int presses);

// The one window of class T, loaded, shown and in front; nullptr when it never came to the front.
template <class T>
T* Shown()
{
    T& window = platform::form<T>();
    return ShownInFront(&window) ? &window : nullptr;
}

} // namespace doubles
