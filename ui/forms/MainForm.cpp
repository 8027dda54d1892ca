#include "MainForm.h"

namespace tallix {

std::string objectName(const ControlRow& row)
{
    std::string name(row.name);
    if (row.index != noIndex)
        name += std::to_string(row.index);
    return name;
}

} // namespace tallix
