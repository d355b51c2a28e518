#include "app/mod_All.h"

namespace mod_All {

QString SelectedSign;

} // namespace mod_All
