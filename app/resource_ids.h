/* Resource ids shared by tallix.rc and the Win32 program. */
#pragma once

#define TALLIX_ICON_GROUP 1
