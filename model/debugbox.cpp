#include "model/debugbox.h"

#include <cstdarg>

#include "base/log.h"
#include "base/str.h"

namespace {

void LogDebugBox(const char* text) {
    ReportLog("%s", text);
}

tDebugBoxHandler s_Handler = LogDebugBox;

}  // namespace

void SetDebugBoxHandler(tDebugBoxHandler handler) {
    s_Handler = handler ? handler : LogDebugBox;
}

void DebugBoxF(const char* fmt, ...) {
    char buf[1024];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    s_Handler(buf);
}
