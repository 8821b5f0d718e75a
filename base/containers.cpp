#include "base/containers.h"

#include "base/log.h"
#include "base/str.h"

void ReportBadIndex(char kind, int index, int size, int elemSize, eCloseMode mode) {
    cString text;
    text.Format("err %c[%d] ( %d , %d )", kind, index, size, elemSize);
    ErrorLog(text.CStr());
    ReportLog("%s", text.CStr());
    CloseAppWindow(mode);
}
