#pragma once

#include <QString>

// The refer-a-friend request: the five values that the refer-a-friend window stores, their
// checks, and the address that carries them to the maker's site.
namespace modTellAFriend {

// What each box of the refer-a-friend window shows until the user types; it counts as no input.
namespace Placeholder {
inline const QString YourName = QStringLiteral("Your Name");
inline const QString YourEmail = QStringLiteral("Your Email Address");
inline const QString YourMessage = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
} // namespace Placeholder

// Written by the window's submit button, trimmed of blanks, before any check.
extern QString YourName;
extern QString YourEmail;
extern QString YourMessage;
extern QString FriendName;
extern QString FriendEmail;
// The address of the last request that passed every check.
extern QString TellAFriendUrl;

// Checks the five values in order and reports the first that is empty or still its
// placeholder; when all pass, builds the request address and opens it in the browser.
void TellAFriend_Submit();
void TellAFriend_Open();

} // namespace modTellAFriend
