#include "app/mod_All.h"

namespace mod_All {

QString SelectedSign;

const QString ProgramCaption = QStringLiteral("Zelphine v1.75");

const QString FullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");

} // namespace mod_All
