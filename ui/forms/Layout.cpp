#include "Layout.h"

namespace tallix {

std::string shortcutText(const MenuRow& row)
{
    if (row.ctrlKey == 0)
        return {};
    return std::string("Ctrl+") + row.ctrlKey;
}

} // namespace tallix
