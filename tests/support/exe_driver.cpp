#include "tests/support/exe_driver.h"

#include <cstdio>
#include <cstring>

namespace {

const int kPollMs = 10;

// The static control that holds a message box's text.
const int kBoxTextId = 0xFFFF;

// Calls visit for every entry of a folder but "." and "..".
template <class F>
bool ForEachEntry(const std::string& dir, F visit) {
    WIN32_FIND_DATAA fd;
    HANDLE find = FindFirstFileA((dir + "\\*").c_str(), &fd);
    if (find == INVALID_HANDLE_VALUE) return false;
    bool ok = true;
    do {
        if (strcmp(fd.cFileName, ".") == 0 || strcmp(fd.cFileName, "..") == 0) continue;
        if (!visit(fd)) ok = false;
    } while (ok && FindNextFileA(find, &fd));
    FindClose(find);
    return ok;
}

bool IsDir(const WIN32_FIND_DATAA& fd) {
    return (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool StartsWith(const std::string& s, const char* prefix) {
    return s.compare(0, strlen(prefix), prefix) == 0;
}

}  // namespace

bool DirExists(const std::string& path) {
    const DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool CopyTree(const std::string& from, const std::string& to) {
    if (!DirExists(to) && !CreateDirectoryA(to.c_str(), nullptr)) return false;
    return ForEachEntry(from, [&](const WIN32_FIND_DATAA& fd) {
        const std::string src = from + "\\" + fd.cFileName;
        const std::string dst = to + "\\" + fd.cFileName;
        return IsDir(fd) ? CopyTree(src, dst) : CopyFileA(src.c_str(), dst.c_str(), FALSE) != 0;
    });
}

bool RemoveTree(const std::string& path) {
    if (!DirExists(path)) return true;
    ForEachEntry(path, [&](const WIN32_FIND_DATAA& fd) {
        const std::string item = path + "\\" + fd.cFileName;
        if (IsDir(fd)) return RemoveTree(item);
        SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
        return DeleteFileA(item.c_str()) != 0;
    });
    return RemoveDirectoryA(path.c_str()) != 0;
}

std::string FullPathOf(const std::string& name) {
    char dir[MAX_PATH] = {};
    GetCurrentDirectoryA(sizeof dir, dir);
    std::string full = dir;
    if (!full.empty() && full.back() != '\\') full += '\\';
    return full + name;
}

bool UseOwnDesktop(const char* name, int w, int h) {
    HKEY desktops = nullptr;
    const bool underWine = GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
    if (underWine && RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\Explorer\\Desktops", 0, nullptr, 0,
                                     KEY_SET_VALUE, nullptr, &desktops, nullptr) == ERROR_SUCCESS) {
        char size[32];
        snprintf(size, sizeof size, "%dx%d", w, h);
        RegSetValueExA(desktops, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(size),
                       static_cast<DWORD>(strlen(size) + 1));
    }
    HDESK desk = CreateDesktopA(name, nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    const bool ok = desk && SetThreadDesktop(desk);
    if (ok) GetDesktopWindow();  // starts the desktop, which reads its size now
    if (desktops) {
        RegDeleteValueA(desktops, name);
        RegCloseKey(desktops);
    }
    return ok;
}

std::string ThreadDesktopName() {
    char station[256] = {};
    char desk[256] = {};
    GetUserObjectInformationA(GetProcessWindowStation(), UOI_NAME, station, sizeof station, nullptr);
    GetUserObjectInformationA(GetThreadDesktop(GetCurrentThreadId()), UOI_NAME, desk, sizeof desk, nullptr);
    return std::string(station) + "\\" + desk;
}

std::string WindowText(HWND wnd) {
    // For a window of another process this reads the stored text and sends
    // nothing, so a busy program cannot stall the caller.
    char buf[4096] = {};
    GetWindowTextA(wnd, buf, sizeof buf);
    return buf;
}

std::string ClassOf(HWND wnd) {
    char buf[256] = {};
    GetClassNameA(wnd, buf, sizeof buf);
    return buf;
}

bool IsMessageBox(HWND wnd) {
    if (ClassOf(wnd) != "#32770") return false;
    HWND text = GetDlgItem(wnd, kBoxTextId);
    if (!text || _stricmp(ClassOf(text).c_str(), "Static") != 0) return false;
    int buttons = 0;
    bool others = false;
    for (HWND c = GetWindow(wnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        const std::string cls = ClassOf(c);
        const int id = GetDlgCtrlID(c);
        if (_stricmp(cls.c_str(), "Button") == 0 && id >= IDOK && id <= 11)
            ++buttons;
        else if (_stricmp(cls.c_str(), "Static") != 0)
            others = true;
    }
    return buttons > 0 && !others;
}

// The debugger behind watchFaults: a thread of its own starts the process
// (a debugger must wait for the events on the thread that started it) and
// lets every exception go on to the process's own handlers after noting it.
struct ExeProcess::FaultWatch {
    std::string exe, dir, desktop;
    HANDLE started = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE thread = nullptr;
    bool ok = false;
    DWORD error = 0;
    PROCESS_INFORMATION info = {};
    uintptr_t imageBase = 0, imageEnd = 0;
    CRITICAL_SECTION lock;
    std::vector<std::string> faults;

    FaultWatch() { InitializeCriticalSection(&lock); }
    ~FaultWatch() {
        if (thread) {
            WaitForSingleObject(thread, INFINITE);
            CloseHandle(thread);
        }
        if (info.hProcess) CloseHandle(info.hProcess);
        if (info.hThread) CloseHandle(info.hThread);
        CloseHandle(started);
        DeleteCriticalSection(&lock);
    }

    static DWORD WINAPI Run(void* p) {
        static_cast<FaultWatch*>(p)->Loop();
        return 0;
    }

    void Loop() {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.lpDesktop = &desktop[0];
        std::string cmd = "\"" + exe + "\"";
        ok = CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, DEBUG_ONLY_THIS_PROCESS, nullptr,
                            dir.c_str(), &si, &info) != 0;
        error = GetLastError();
        SetEvent(started);
        if (!ok) return;
        for (;;) {
            DEBUG_EVENT ev;
            if (!WaitForDebugEvent(&ev, INFINITE)) return;
            DWORD how = DBG_CONTINUE;
            switch (ev.dwDebugEventCode) {
                case CREATE_PROCESS_DEBUG_EVENT:
                    NoteImage(ev.u.CreateProcessInfo.lpBaseOfImage);
                    if (ev.u.CreateProcessInfo.hFile) CloseHandle(ev.u.CreateProcessInfo.hFile);
                    break;
                case LOAD_DLL_DEBUG_EVENT:
                    if (ev.u.LoadDll.hFile) CloseHandle(ev.u.LoadDll.hFile);
                    break;
                case EXCEPTION_DEBUG_EVENT:
                    if (ev.u.Exception.ExceptionRecord.ExceptionCode != EXCEPTION_BREAKPOINT) {
                        how = DBG_EXCEPTION_NOT_HANDLED;
                        NoteException(ev.u.Exception.ExceptionRecord);
                    }
                    break;
            }
            ContinueDebugEvent(ev.dwProcessId, ev.dwThreadId, how);
            if (ev.dwDebugEventCode == EXIT_PROCESS_DEBUG_EVENT) return;
        }
    }

    void NoteImage(void* base) {
        IMAGE_DOS_HEADER dos = {};
        IMAGE_NT_HEADERS nt = {};
        SIZE_T got = 0;
        const uintptr_t at = reinterpret_cast<uintptr_t>(base);
        if (ReadProcessMemory(info.hProcess, base, &dos, sizeof dos, &got) &&
            ReadProcessMemory(info.hProcess, reinterpret_cast<void*>(at + dos.e_lfanew), &nt, sizeof nt, &got)) {
            imageBase = at;
            imageEnd = at + nt.OptionalHeader.SizeOfImage;
        }
    }

    void NoteException(const EXCEPTION_RECORD& rec) {
        const char* what = nullptr;
        switch (rec.ExceptionCode) {
            case EXCEPTION_ACCESS_VIOLATION: what = "access violation"; break;
            case EXCEPTION_ARRAY_BOUNDS_EXCEEDED: what = "array bounds exceeded"; break;
            case EXCEPTION_INT_DIVIDE_BY_ZERO: what = "integer division by zero"; break;
            case EXCEPTION_ILLEGAL_INSTRUCTION: what = "illegal instruction"; break;
            case EXCEPTION_PRIV_INSTRUCTION: what = "privileged instruction"; break;
            case EXCEPTION_STACK_OVERFLOW: what = "stack overflow"; break;
            default: return;
        }
        const uintptr_t at = reinterpret_cast<uintptr_t>(rec.ExceptionAddress);
        if (at < imageBase || at >= imageEnd) return;  // the system's own, handled where raised
        char line[128];
        snprintf(line, sizeof line, "%s at the program's image + 0x%llx", what,
                 static_cast<unsigned long long>(at - imageBase));
        EnterCriticalSection(&lock);
        faults.push_back(line);
        LeaveCriticalSection(&lock);
    }
};

ExeProcess::~ExeProcess() {
    Kill();
}

bool ExeProcess::Start(const std::string& exe, const std::string& dir, std::string* why, bool watchFaults) {
    Kill();
    std::string desktop = ThreadDesktopName();
    bool ok;
    DWORD error;
    if (watchFaults) {
        m_Watch = new FaultWatch;
        m_Watch->exe = exe;
        m_Watch->dir = dir;
        m_Watch->desktop = desktop;
        m_Watch->thread = CreateThread(nullptr, 0, FaultWatch::Run, m_Watch, 0, nullptr);
        if (m_Watch->thread) WaitForSingleObject(m_Watch->started, INFINITE);
        ok = m_Watch->ok;
        error = m_Watch->thread ? m_Watch->error : GetLastError();
        m_Info = m_Watch->info;
    } else {
        STARTUPINFOA si = {};
        si.cb = sizeof si;
        si.lpDesktop = &desktop[0];
        std::string cmd = "\"" + exe + "\"";
        ok = CreateProcessA(exe.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &m_Info);
        error = GetLastError();
    }
    if (!ok) {
        if (why) {
            char msg[128];
            snprintf(msg, sizeof msg, "CreateProcess failed (%lu)", error);
            *why = msg;
        }
        m_Info = {};
        delete m_Watch;
        m_Watch = nullptr;
        return false;
    }
    // the process handle serves every thread; the debugger keeps the rest
    if (!m_Watch) CloseHandle(m_Info.hThread);
    m_Info.hThread = nullptr;
    return true;
}

std::vector<std::string> ExeProcess::Faults() const {
    std::vector<std::string> out;
    if (!m_Watch) return out;
    EnterCriticalSection(&m_Watch->lock);
    out = m_Watch->faults;
    LeaveCriticalSection(&m_Watch->lock);
    return out;
}

bool ExeProcess::Running() const {
    return m_Info.hProcess && WaitForSingleObject(m_Info.hProcess, 0) == WAIT_TIMEOUT;
}

bool ExeProcess::WaitExit(int timeoutMs) const {
    return m_Info.hProcess && WaitForSingleObject(m_Info.hProcess, timeoutMs) == WAIT_OBJECT_0;
}

DWORD ExeProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (m_Info.hProcess) GetExitCodeProcess(m_Info.hProcess, &code);
    return code;
}

void ExeProcess::Kill() {
    if (m_Info.hProcess) {
        if (Running()) {
            TerminateProcess(m_Info.hProcess, 999);
            WaitForSingleObject(m_Info.hProcess, 5000);
        }
        if (!m_Watch) CloseHandle(m_Info.hProcess);
        m_Info = {};
    }
    delete m_Watch;  // waits for the debugger to see the end
    m_Watch = nullptr;
}

namespace {

struct WindowSearch {
    DWORD pid;
    const char* cls;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND wnd, LPARAM lp) {
    WindowSearch* s = reinterpret_cast<WindowSearch*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == s->pid && (!s->cls || ClassOf(wnd) == s->cls)) s->found.push_back(wnd);
    return TRUE;
}

}  // namespace

std::vector<HWND> ExeProcess::Windows(const char* cls) const {
    WindowSearch search = {Pid(), cls, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND ExeProcess::WaitWindow(const std::function<bool(HWND)>& match, int timeoutMs) const {
    const DWORD start = GetTickCount();
    for (;;) {
        for (HWND wnd : Windows())
            if (match(wnd)) return wnd;
        if (!Running() || static_cast<int>(GetTickCount() - start) >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

bool ExeProcess::FindBox(ShownBox* box) const {
    for (HWND wnd : Windows("#32770")) {
        if (!IsWindowVisible(wnd) || !IsMessageBox(wnd)) continue;
        box->wnd = wnd;
        box->caption = WindowText(wnd);
        box->text = WindowText(GetDlgItem(wnd, kBoxTextId));
        return true;
    }
    return false;
}

bool ExeProcess::WaitBox(ShownBox* box, int timeoutMs) const {
    HWND found = WaitWindow([](HWND wnd) { return IsWindowVisible(wnd) && IsMessageBox(wnd); }, timeoutMs);
    return found && FindBox(box);
}

bool ExeProcess::AnswerUntilExit(const std::function<int(const ShownBox&)>& answer, int timeoutMs,
                                 std::vector<ShownBox>* seen, const std::function<bool()>& giveUp) const {
    const DWORD start = GetTickCount();
    while (Running()) {
        ShownBox box;
        if (FindBox(&box)) {
            if (seen) seen->push_back(box);
            AnswerBox(box, answer(box));
        } else if (giveUp && giveUp()) {
            return !Running();
        } else {
            Sleep(kPollMs);
        }
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return !Running();
    }
    return true;
}

bool ExeProcess::Responds(HWND wnd, int timeoutMs) {
    DWORD_PTR result = 0;
    return IsWindow(wnd) && SendMessageTimeoutA(wnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &result) != 0;
}

bool AnswerBox(const ShownBox& box, int button, int timeoutMs) {
    // what a click on the button sends: the box ends with that answer
    PostMessageA(box.wnd, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(box.wnd, button)));
    const DWORD start = GetTickCount();
    while (IsWindow(box.wnd) && IsWindowVisible(box.wnd)) {
        if (static_cast<int>(GetTickCount() - start) >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

const char kEditorClass[] = "Vantor4";
const char kEditorTitle[] = "ヴァントール4";

HWND EditorProcess::AppWindow() const {
    for (HWND wnd : Windows(kEditorClass))
        if (WindowText(wnd) == kEditorTitle) return wnd;
    return nullptr;
}

HWND EditorProcess::StageEditor() const {
    HWND app = AppWindow();
    if (!app) return nullptr;
    for (HWND wnd : Windows("#32770")) {
        if (GetWindow(wnd, GW_OWNER) == app && IsWindowVisible(wnd) && StartsWith(WindowText(wnd), kEditorTitle) &&
            !IsMessageBox(wnd))
            return wnd;
    }
    return nullptr;
}

HWND EditorProcess::WaitStageEditor(int timeoutMs, ShownBox* box) const {
    const DWORD start = GetTickCount();
    ShownBox shown;
    for (;;) {
        if (HWND editor = StageEditor()) return editor;
        if (FindBox(&shown)) {
            if (box) *box = shown;
            return nullptr;
        }
        if (!Running() || static_cast<int>(GetTickCount() - start) >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

bool EditorProcess::CloseWithYes(int timeoutMs) {
    HWND app = AppWindow();
    if (!app || !PostMessageA(app, WM_CLOSE, 0, 0)) return false;
    ShownBox box;
    if (!WaitBox(&box, timeoutMs) || box.text != "終了しますか？\n") return false;
    AnswerBox(box, IDYES);
    return WaitExit(timeoutMs);
}
