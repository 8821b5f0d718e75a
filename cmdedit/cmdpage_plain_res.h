// Resource ids of the plain command page.
#pragma once

#define IDD_CMD_PLAIN 9205
