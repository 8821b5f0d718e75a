// Resource ids of the editor.
#pragma once

#define IDS_APP_TITLE 100
