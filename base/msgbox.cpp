#include "base/msgbox.h"

#include <cstdarg>

#include "base/log.h"
#include "base/platform.h"
#include "base/str.h"

namespace {

const char kErrorCaption[] = "エラー";

}  // namespace

int MsgBoxOwner(HWND owner, const char* text, const char* caption, UINT type) {
    return MessageBoxA(owner, text ? text : "", caption ? caption : "", type);
}

int MsgBox(const char* text, const char* caption, UINT type) {
    return MsgBoxOwner(GetActiveWindow(), text, caption, type);
}

int ErrorBox(const char* text) {
    return MsgBox(text, kErrorCaption, MB_OK);
}

int ErrorBoxF(const char* fmt, ...) {
    char buf[kMsgBoxBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return ErrorBox(buf);
}

int ErrorBoxOwnerF(HWND owner, const char* fmt, ...) {
    char buf[kMsgBoxBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return MsgBoxOwner(owner, buf, kErrorCaption, MB_OK);
}

int DebugErrorBoxF(const char* fmt, ...) {
    if (!IsErrorLogOn()) return 0;
    char buf[kMsgBoxBufSize];
    va_list ap;
    va_start(ap, fmt);
    FormatBounded(buf, sizeof buf, fmt, ap);
    va_end(ap);
    return ErrorBox(buf);
}

int OutOfMemory() {
    int result = ErrorBox("メモリが不足しています！");
    CloseAppWindow(kClosePost);
    return result;
}

int ResourceError() {
    int result = DebugErrorBoxF("システムリソース不足です！");
    MessageBeep(0);
    CloseAppWindow(kClosePost);
    return result;
}
