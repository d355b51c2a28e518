#include "app/mod_Help.h"

#include "app/site.h"
#include "platform/Form.h"
#include "platform/MsgBox.h"
#include "platform/Runtime.h"
#include "platform/SettingsStore.h"
#include "platform/Shell.h"
#include "platform/Text.h"

#include <QPointer>

using namespace platform;

namespace mod_Help {

namespace {

// One byte, the same both ways: small enough that the name "Duration" and date-time texts stay
// within the code page, and it never turns a character of the name into "/" or "\", which the
// store would read as a group.
const int Shift = 3;

const QString Section = QStringLiteral("Settings");

QString HelpPage(const QString& path) { return QStringLiteral("http://") + site::HelpHost + path; }

QString Shifted(const QString& text, int by)
{
    QString result;
    for (const QChar character : text) {
        const int code = AnsiCode(character) + by;
        if (code >= 0 && code <= 255)
            result.append(AnsiChar(code));
    }
    return result;
}

// The moment as the stored text: the regional date and time, unless that text would not read
// back as the same moment after its trip through the store (a script the code page lacks, a
// regional format whose own reader rejects it); then ISO 8601, which always does.
QString StoredText(const QDateTime& moment)
{
    const QString regional = DateTimeText(moment);
    const std::optional<QDateTime> readBack = ReadDateTime(DecodeSetting(EncodeSetting(regional)));
    const QDateTime wholeSeconds = moment.addMSecs(-moment.time().msec());
    return readBack && *readBack == wholeSeconds ? regional : wholeSeconds.toString(Qt::ISODate);
}

bool StoreNow(const QString& key)
{
    Runtime& runtime = Runtime::instance();
    return SettingsStore::instance().SaveSetting(runtime.EXEName(), Section, key,
                                                 EncodeSetting(StoredText(runtime.Now())));
}

} // namespace

void OpenLink(const QString& address)
{
    Shell::instance().ShellExecute(nullptr, QStringLiteral("Open"), address, std::nullopt,
                                   QStringLiteral("C:\\"), Shell::SW_SHOWNORMAL);
}

QString WebAddress(const QString& path)
{
    return QStringLiteral("http://") + site::WebHost + path;
}

void GoToSoftwaresPage() { OpenLink(WebAddress(QStringLiteral("/tessalysoftwares"))); }
void GoToDonatePage() { OpenLink(HelpPage(QStringLiteral("/donate.html"))); }
void GoToHelpPage() { OpenLink(WebAddress(QStringLiteral("/zelphine/zelphine-help.html"))); }
void GoToFullBrandPage() { OpenLink(HelpPage(QStringLiteral("/fully-branded.html"))); }
void GoToCoBrandPage() { OpenLink(HelpPage(QStringLiteral("/co-brand.html"))); }
void GoToHomePage() { OpenLink(WebAddress(QString())); }
void GoToDownloadPage() { OpenLink(WebAddress(QStringLiteral("/zelphine/download-zelphine.html"))); }

QString EncodeSetting(const QString& text)
{
    return Shifted(text, Shift);
}

QString DecodeSetting(const QString& text)
{
    return Shifted(text, -Shift);
}

void UpdateReminder()
{
    Runtime& runtime = Runtime::instance();
    const QString key = EncodeSetting(QStringLiteral("Duration"));
    const QString stored = DecodeSetting(SettingsStore::instance().GetSetting(runtime.EXEName(), Section, key));
    // A value that no longer reads as a date (the regional settings changed, the file was
    // edited) counts as a first start, so the reminder heals itself instead of going silent.
    const std::optional<QDateTime> storedAt = ReadDateTime(stored);
    if (!storedAt) {
        StoreNow(key);
        return;
    }
    const qint64 days = DateDiffDays(runtime.Now(), *storedAt);
    if (days >= -14 && days <= 14)
        return;

    const int answer = MsgBox::Show(QStringLiteral("There maybe an update to this software available\r"
                                                   "Do you want to check for an update?"),
                                    MsgBox::vbYesNo + MsgBox::vbInformation);
    // Stored before the page opens; the page opens even when the store cannot be written, since
    // the user asked for it (the question then comes again at the next start).
    StoreNow(key);
    if (answer == MsgBox::vbYes)
        GoToDownloadPage();
}

void CloseAllAndEnd()
{
    Runtime& runtime = Runtime::instance();
    QList<QPointer<Form>> forms;
    for (Form* form : Forms::Loaded())
        forms.append(form);
    for (const QPointer<Form>& form : forms) {
        if (runtime.HasEnded())
            return; // a nested call has ended the program: nothing more runs
        // A window whose unload has begun, in this call or an enclosing one, is passed over;
        // one that refuses to unload is passed over too.
        if (form && !form->IsUnloading())
            form->Unload();
    }
    if (!runtime.HasEnded())
        runtime.End();
}

} // namespace mod_Help
