// Resource ids of the editor.
#pragma once

#define IDS_APP_TITLE 100
#define IDI_APP 103
