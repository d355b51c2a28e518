#include "refer_friend/modTellAFriend.h"

#include "app/mod_Help.h"
#include "platform/MsgBox.h"
#include "platform/Text.h"

#include <QUrl>

using namespace platform;

namespace modTellAFriend {

QString YourName;
QString YourEmail;
QString YourMessage;
QString FriendName;
QString FriendEmail;
QString TellAFriendUrl;

namespace {

// The fields in their order of checking and in the query.
struct Field
{
    const QString* value;
    const QString* placeholder;
    const char* message;
    const char* key;
};
const Field Fields[] = {
    {&YourName, &Placeholder::YourName, "Please Enter Your Name", "taf1"},
    {&YourEmail, &Placeholder::YourEmail, "Please Enter Your Email", "taf2"},
    {&YourMessage, &Placeholder::YourMessage, "Please Enter Your Message", "taf3"},
    {&FriendName, &Placeholder::FriendName, "Please Enter Your Friend's Name", "taf4"},
    {&FriendEmail, &Placeholder::FriendEmail, "Please Enter Your Friend's Email", "taf5"},
};

// A value as it travels in the query: UTF-8, percent-encoded, so that an "&", "=", "#", "+",
// blank or line break in it arrives as typed instead of cutting or adding keys.
QString Encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

void TellAFriend_Submit()
{
    for (const Field& field : Fields) {
        const QString value = Trim(*field.value);
        if (value.isEmpty() || value == *field.placeholder) {
            MsgBox::Show(QString::fromLatin1(field.message), MsgBox::vbCritical);
            return;
        }
    }
    QString address = mod_Help::WebAddress(QStringLiteral("/qzrt-refer-a-friend.php")) + QLatin1Char('?');
    for (const Field& field : Fields)
        address += QLatin1String(field.key) + QLatin1Char('=') + Encoded(*field.value) + QLatin1Char('&');
    address += QStringLiteral("taf6=") + Encoded(mod_Help::WebAddress(QStringLiteral("/zelphine/")));
    TellAFriendUrl = address;
    TellAFriend_Open();
}

void TellAFriend_Open()
{
    mod_Help::OpenLink(TellAFriendUrl);
}

} // namespace modTellAFriend
