// Resource ids of the project options sheet and the edit and stage options.
#pragma once

#define IDD_PRJOPTION_INHERIT 146
#define IDD_PRJOPTION_GENERAL 193
#define IDD_EDIT_OPTION 194
#define IDD_STAGE_OPTION 195
