#pragma once

#include <QString>

// The program's services: its web pages, its one stored setting with the update reminder, and
// its end.
namespace mod_Help {

// Opens a web address in the user's browser; nothing is reported, whatever happens.
void OpenLink(const QString& address);
// The address of a page on the maker's web site: the host, then `path` as it stands.
QString WebAddress(const QString& path);

void GoToSoftwaresPage();
void GoToDonatePage();
void GoToHelpPage();
void GoToFullBrandPage();
void GoToCoBrandPage();
void GoToHomePage();
void GoToDownloadPage();

// The reversible shift that setting names and values pass through on their way into the store
// and out of it. A character whose shifted code leaves 0 to 255 is dropped.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

// Records the first start; when the recorded day lies more than 14 days away, asks whether to
// look for an update and records the day again.
void UpdateReminder();

// Unloads every loaded window, then ends the program. Entered again from an unload handler, it
// passes over the windows whose unload has begun.
void CloseAllAndEnd();

} // namespace mod_Help
