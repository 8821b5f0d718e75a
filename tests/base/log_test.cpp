#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "base/log.h"
#include "base/sysreport.h"
#include "tests/support/test_env.h"

namespace {

std::vector<std::string> LinesOf(const char* path) {
    std::vector<std::string> lines;
    std::string cur;
    for (char c : ReadWholeFile(path)) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.empty()) lines.push_back(cur);
    return lines;
}

double FakeClock() { return 2.4e9; }

}  // namespace

TEST(ReportLog, FreshStartReplacesTheOldLog) {
    ASSERT_TRUE(WriteWholeFile("Report_Editor.txt", "old run\n"));
    ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    ASSERT_EQ(1, ReportLog("App : ver %s", "248"));
    SetCpuClockMeasure(FakeClock);
    ASSERT_EQ(1, WriteSystemReport());
    SetCpuClockMeasure(nullptr);

    std::vector<std::string> lines = LinesOf("Report_Editor.txt");
    ASSERT_EQ(9u, lines.size());
    EXPECT_EQ("App : ver 248", lines[0]);
    const char* prefixes[] = {"OS : ", "DirectX : ", "CPU : ", "Mem Total : ", "Mem Free : ",
                              "Vir Total : ", "Vir Free : ", "HD Free : "};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(0u, lines[i + 1].find(prefixes[i])) << lines[i + 1];
        if (i >= 3) {
            EXPECT_EQ("MB", lines[i + 1].substr(lines[i + 1].size() - 2)) << lines[i + 1];
        }
    }
    EXPECT_NE(std::string::npos, lines[3].find(" 2400")) << lines[3];
    // The log lines are text lines of the platform.
    EXPECT_NE(std::string::npos, ReadWholeFile("Report_Editor.txt").find("App : ver 248\r\n"));
}

TEST(ReportLog, LinesAreWrittenUnchangedAndBounded) {
    ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    SetErrorLog(1, "RI_Zedevu.txt");
    ASSERT_EQ(1, ReportLogE("%s", "100% sure"));
    std::string longText(3000, 'y');
    ASSERT_EQ(1, ReportLogE("%s", longText.c_str()));
    SetErrorLog(0, "RI_Zedevu.txt");
    std::vector<std::string> lines = LinesOf("Report_Editor.txt");
    ASSERT_EQ(2u, lines.size());
    EXPECT_EQ("100% sure", lines[0]);
    EXPECT_EQ(1023u, lines[1].size());
    EXPECT_EQ(lines, LinesOf("RI_Zedevu.txt"));
}

TEST(ReportLog, MissingLogLosesTheLine) {
    ASSERT_EQ(0, CreateReportLog("no such folder\\Report_Editor.txt"));
    ASSERT_EQ(1, CreateReportLog("missing.txt"));
    ASSERT_TRUE(DeleteFileA("missing.txt"));
    EXPECT_EQ(0, ReportLog("lost"));
    EXPECT_EQ(0, ReportLogE("lost"));
    EXPECT_FALSE(FileExists("missing.txt"));
}

TEST(ErrorLog, OffWritesNothingOnTruncatesOnceThenAppends) {
    DeleteFileA("RI_Zedevu.txt");
    g_ErrorLog.writtenOnce = 0;
    SetErrorLog(0, "RI_Zedevu.txt");
    ErrorLog("hidden");
    EXPECT_EQ(0, ErrorLogF("%d", 1));
    EXPECT_FALSE(FileExists("RI_Zedevu.txt"));

    ASSERT_TRUE(WriteWholeFile("RI_Zedevu.txt", "earlier run\n"));
    SetErrorLog(1, "RI_Zedevu.txt");
    ErrorLog("first %d");
    EXPECT_EQ(1, ErrorLogF("second %d", 2));
    SetErrorLog(0, "RI_Zedevu.txt");
    EXPECT_EQ((std::vector<std::string>{"first %d", "second 2"}), LinesOf("RI_Zedevu.txt"));
}

TEST(ReportLog, LinesOfSeveralThreadsNeverOverwriteEachOther) {
    // The UI thread, the worker and the MIDI callbacks all log; each line
    // must arrive whole, none lost.
    ASSERT_EQ(1, CreateReportLog("Report_Editor.txt"));
    SetErrorLog(1, "RI_Zedevu.txt");
    g_ErrorLog.writtenOnce = 0;
    const int kThreads = 4;
    const int kLines = 60;
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t] {
            for (int i = 0; i < kLines; ++i) {
                if (i % 3 == 0) ReportLogE("thread %d line %03d ------------------------------------", t, i);
                else ReportLog("thread %d line %03d ------------------------------------", t, i);
                ErrorLogF("thread %d error %03d", t, i);
            }
        });
    }
    for (auto& th : threads) th.join();
    SetErrorLog(0, "RI_Zedevu.txt");

    std::vector<std::string> report = LinesOf("Report_Editor.txt");
    std::vector<std::string> errors = LinesOf("RI_Zedevu.txt");
    ASSERT_EQ(static_cast<size_t>(kThreads * kLines), report.size());
    std::sort(report.begin(), report.end());
    std::vector<std::string> want;
    std::vector<std::string> wantErrors;
    char line[128];
    for (int t = 0; t < kThreads; ++t) {
        for (int i = 0; i < kLines; ++i) {
            snprintf(line, sizeof line, "thread %d line %03d ------------------------------------", t, i);
            want.push_back(line);
            if (i % 3 == 0) wantErrors.push_back(line);
            snprintf(line, sizeof line, "thread %d error %03d", t, i);
            wantErrors.push_back(line);
        }
    }
    std::sort(want.begin(), want.end());
    EXPECT_EQ(want, report);
    std::sort(errors.begin(), errors.end());
    std::sort(wantErrors.begin(), wantErrors.end());
    EXPECT_EQ(wantErrors, errors);
}

TEST(SystemReport, OperatingSystemNames) {
    struct Case {
        DWORD platform, major, minor;
        const char* name;
    };
    const Case cases[] = {
        {0, 9, 9, "Windows 3.1"},    {1, 4, 0, "Windows 95"},          {1, 4, 10, "Windows 98"},
        {1, 4, 90, "Windows Me"},    {1, 4, 3, ""},                    {2, 3, 51, "Windows NT 3.51"},
        {2, 4, 0, "Windows NT 4.0"}, {2, 5, 0, "Windows 2000"},        {2, 5, 1, "Windows XP"},
        {2, 5, 2, "Windows XP Professional x64 Edition ?"},            {2, 6, 0, "Windows Vista"},
        {2, 6, 1, ""},               {2, 10, 0, ""},                   {3, 5, 1, ""},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(c.name, OsNameFor(c.platform, c.major, c.minor)) << c.platform << c.major << c.minor;
    }
}

TEST(SystemReport, DirectXVersionText) {
    EXPECT_EQ(0x900, ParseDirectXVersion("4.09.00.0904"));
    EXPECT_EQ(0x801, ParseDirectXVersion("4.08.01.0810"));
    EXPECT_EQ(0, ParseDirectXVersion("garbage"));
}

TEST(SystemReport, CpuNameHasVendorAndInjectedClock) {
    SetCpuClockMeasure(FakeClock);
    sCpuInfo info;
    GetCpuName(&info);
    SetCpuClockMeasure(nullptr);
    EXPECT_EQ(12u, strlen(info.vendor));
    EXPECT_EQ(2.4e9, info.clock);
}
