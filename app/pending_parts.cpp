// Stand-ins until project loading lands; removed then.
#include "app/project_load.h"
bool LoadProject() { return true; }
bool LoadLastStage(const char*) { return false; }
