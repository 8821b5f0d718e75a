// The editor program itself, driven from outside: each test copies the sample
// project into a fresh folder, starts the built editor there, answers its
// message boxes, sends its application window what the system or the game
// program would send, and checks the windows, the exit code and the files.
#include <gtest/gtest.h>

#include <windows.h>

#include <sstream>
#include <string>
#include <vector>

#include "base/record.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/stage.h"
#include "tests/support/exe_driver.h"
#include "tests/support/test_env.h"

namespace {

// A start under a busy Wine may take long; a healthy one takes seconds.
const int kStartMs = 60000;
const int kAnswerMs = 20000;

const char kLoadFailed[] =
    "プロジェクトのロードに失敗しました！フォルダやファイルの位置や名称が変更された可能性があります！";
const char kExitQuestion[] = "終了しますか？\n";

std::string WinPath(std::string path) {
    for (char& c : path)
        if (c == '/') c = '\\';
    return path;
}

std::string Describe(const std::vector<ShownBox>& boxes) {
    std::ostringstream out;
    for (const ShownBox& b : boxes) out << "\n  [" << b.caption << "] " << b.text;
    return boxes.empty() ? std::string(" (no boxes)") : out.str();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

bool StartsWith(const std::string& s, const std::string& prefix) {
    return s.compare(0, prefix.size(), prefix) == 0;
}

// The last stage path an editor configuration file holds; "?" when it does
// not load.
std::string LastStageIn(const std::string& path) {
    cEditConfig cfg;
    cfg.m_strLastStage = "?";
    if (!cfg.Load(path.c_str())) return "?";
    return cfg.m_strLastStage.CStr();
}

class EditorRun : public testing::Test {
protected:
    void SetUp() override {
        SetDataVersion(248, 0);
        m_Dir = FullPathOf(testing::UnitTest::GetInstance()->current_test_info()->name());
        for (char& c : m_Dir)
            if (c == '/') c = '_';  // parameterised names
        RemoveTree(m_Dir);
        ASSERT_TRUE(CopyTree(WinPath(SAMPLE_PROJECT_DIR), m_Dir)) << m_Dir;
    }

    void TearDown() override {
        for (const std::string& fault : m_Editor.Faults()) ADD_FAILURE() << "the editor faulted: " << fault;
        if (m_Editor.Running()) {
            ShownBox box;
            const bool boxed = m_Editor.FindBox(&box);
            ADD_FAILURE() << "the editor still runs at the end of the test"
                          << (boxed ? " showing [" + box.caption + "] " + box.text : std::string());
            m_Editor.Kill();
        }
        RemoveTree(m_Dir);
    }

    std::string At(const char* rel) const { return m_Dir + "\\" + rel; }

    void Start() {
        std::string why;
        ASSERT_TRUE(m_Editor.Start(WinPath(EDITOR_EXE), m_Dir, &why, true)) << why;
    }

    // Starts the editor and waits for its stage editor window.
    HWND StartToEditor() {
        Start();
        ShownBox box;
        HWND editor = m_Editor.WaitStageEditor(kStartMs, &box);
        EXPECT_TRUE(editor) << (box.wnd ? "a box came first: [" + box.caption + "] " + box.text
                                        : std::string("no stage editor window"));
        return editor;
    }

    // Answers every box with OK until the editor ends; the boxes it showed.
    // A stage editor window coming up fails at once.
    std::vector<ShownBox> BoxesUntilExit() {
        std::vector<ShownBox> boxes;
        EXPECT_TRUE(m_Editor.AnswerUntilExit([](const ShownBox&) { return IDOK; }, kStartMs, &boxes,
                                             [&] { return m_Editor.StageEditor() != nullptr; }))
            << "the editor did not end" << (m_Editor.StageEditor() ? " but came up" : "") << "; boxes:"
            << Describe(boxes);
        return boxes;
    }

    void CloseWithYes() {
        ASSERT_TRUE(m_Editor.CloseWithYes(kAnswerMs)) << "no exit question, or no exit after Yes";
        EXPECT_EQ(0u, m_Editor.ExitCode());
    }

    // Asks the application window to build the stage editor anew (WM_USER
    // with 1); the new stage editor window once the old one has gone.
    HWND Rebuild(HWND old) {
        if (!PostMessageA(m_Editor.AppWindow(), WM_USER, 1, 0)) return nullptr;
        m_Editor.WaitWindow(
            [&](HWND) {
                HWND e = m_Editor.StageEditor();
                return e && e != old && !IsWindow(old);
            },
            kAnswerMs);
        HWND fresh = m_Editor.StageEditor();
        return fresh != old && !IsWindow(old) ? fresh : nullptr;
    }

    void WriteEditConfig(const std::string& lastStage) {
        CreateDirectoryA(At("e_data").c_str(), nullptr);
        cEditConfig cfg;
        cfg.m_strLastStage = lastStage.c_str();
        ASSERT_TRUE(cfg.Save(At("e_data\\EditConfig.dat").c_str()));
    }

    std::string m_Dir;
    EditorProcess m_Editor;
};

// What a start on a complete project writes and shows.
TEST_F(EditorRun, StartPreparesTheProjectAndShowsTheEditor) {
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    HWND app = m_Editor.AppWindow();
    RECT rc;
    GetWindowRect(app, &rc);
    EXPECT_EQ(9999, rc.left);
    EXPECT_EQ(9999, rc.top);
    EXPECT_EQ(app, GetWindow(editor, GW_OWNER));
    EXPECT_EQ(kEditorTitle, WindowText(editor)) << "no stage is open";

    const char* folders[] = {"e_data", "e_bmp", "user_data", "user_data\\story", "user_data\\challenge",
                             "user_data\\free", "user_data\\rpl4", "data", "data\\database", "data\\stg4",
                             "data\\stg4\\old_ver", "data\\work", "data\\plt4", "bmp", "bmp\\back", "bmp\\chara_sp",
                             "bmp\\effect", "bmp\\picture", "bmp\\sword", "bmp\\convert", "bmp\\plt", "bmp\\hbt",
                             "wave", "bgm"};
    for (const char* f : folders) EXPECT_TRUE(DirExists(At(f))) << f;

    const std::vector<std::string> lines = Lines(ReadWholeFile(At("Report_Editor.txt").c_str()));
    ASSERT_FALSE(lines.empty()) << "no Report_Editor.txt";
    EXPECT_EQ("App : ver 248", lines[0]);
    const char* report[] = {"OS : ",      "DirectX : ",  "CPU : ",     "Mem Total : ",
                            "Mem Free : ", "Vir Total : ", "Vir Free : ", "HD Free : "};
    size_t at = 1;
    for (const char* prefix : report) {
        while (at < lines.size() && !StartsWith(lines[at], prefix)) ++at;
        EXPECT_LT(at, lines.size()) << "no line \"" << prefix << "\" after the lines before it";
    }
    CloseWithYes();
    EXPECT_EQ("", LastStageIn(At("e_data\\EditConfig.dat"))) << "a stage never saved leaves no path";
}

// The project files missing from "data\" are written at the start.
TEST_F(EditorRun, StartWritesTheMissingDataFiles) {
    ASSERT_TRUE(StartToEditor());
    const char* files[] = {"data\\GValInfo.dat", "data\\System.dat", "data\\CommonPalette.cplt4",
                           "data\\PrjOption.dat", "data\\WorldMap.dat"};
    for (const char* f : files) EXPECT_TRUE(FileExists(At(f).c_str())) << f;
    const char* tables[] = {"AnimeSet", "Anime", "Bmp_CharaExc", "SwordType", "Effect",
                            "CharaEffect", "ScrEffect", "Picture", "Sound", "Bgm"};
    for (const char* t : tables) {
        const std::string f = std::string("data\\database\\") + t + ".dat";
        EXPECT_TRUE(FileExists(At(f.c_str()).c_str())) << f;
    }
    CloseWithYes();
}

// Esc on the application window and WM_CLOSE both ask before ending; No keeps
// the editor, Yes ends it after saving the configuration and the common
// variables.
struct ExitRequest {
    const char* name;
    UINT msg;
    WPARAM wp;
};

void PrintTo(const ExitRequest& r, std::ostream* out) {
    *out << r.name;
}

class ExitQuestion : public EditorRun, public testing::WithParamInterface<ExitRequest> {};

TEST_P(ExitQuestion, NoKeepsRunningYesSavesAndEnds) {
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    HWND app = m_Editor.AppWindow();
    const ExitRequest& req = GetParam();

    ASSERT_TRUE(PostMessageA(app, req.msg, req.wp, 0));
    ShownBox box;
    ASSERT_TRUE(m_Editor.WaitBox(&box, kAnswerMs)) << "no question";
    EXPECT_EQ(kExitQuestion, box.text);
    EXPECT_EQ("終了確認", box.caption);
    ASSERT_TRUE(AnswerBox(box, IDNO));
    EXPECT_FALSE(m_Editor.WaitExit(300));
    EXPECT_TRUE(ExeProcess::Responds(app, kAnswerMs));
    EXPECT_EQ(editor, m_Editor.StageEditor());

    // what the end writes is written again
    DeleteFileA(At("data\\GValInfo.dat").c_str());
    DeleteFileA(At("e_data\\EditConfig.dat").c_str());
    ASSERT_TRUE(PostMessageA(app, req.msg, req.wp, 0));
    ASSERT_TRUE(m_Editor.WaitBox(&box, kAnswerMs)) << "no question the second time";
    EXPECT_EQ(kExitQuestion, box.text);
    ASSERT_TRUE(AnswerBox(box, IDYES));
    ASSERT_TRUE(m_Editor.WaitExit(kAnswerMs)) << "no exit after Yes";
    EXPECT_EQ(0u, m_Editor.ExitCode());
    EXPECT_TRUE(FileExists(At("data\\GValInfo.dat").c_str()));
    EXPECT_EQ("", LastStageIn(At("e_data\\EditConfig.dat")));
}

const ExitRequest kExitRequests[] = {
    {"Close", WM_CLOSE, 0},
    {"Escape", WM_KEYDOWN, VK_ESCAPE},
};
INSTANTIATE_TEST_SUITE_P(Requests, ExitQuestion, testing::ValuesIn(kExitRequests),
                         [](const testing::TestParamInfo<ExitRequest>& i) { return std::string(i.param.name); });

// A second start while the editor runs says so and ends, leaving the running
// editor and its report alone.
TEST_F(EditorRun, SecondStartEndsAndLeavesTheFirstAlone) {
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    const std::string report = ReadWholeFile(At("Report_Editor.txt").c_str());
    ASSERT_TRUE(StartsWith(report, "App : ver 248"));

    EditorProcess second;
    std::string why;
    ASSERT_TRUE(second.Start(WinPath(EDITOR_EXE), m_Dir, &why)) << why;
    std::vector<ShownBox> boxes;
    EXPECT_TRUE(second.AnswerUntilExit([](const ShownBox&) { return IDOK; }, kStartMs, &boxes))
        << "the second editor did not end" << Describe(boxes);
    ASSERT_EQ(1u, boxes.size()) << Describe(boxes);
    EXPECT_EQ("既に起動しています", boxes[0].text);
    EXPECT_EQ("二重起動", boxes[0].caption);
    EXPECT_EQ(0u, second.ExitCode());

    const std::string after = ReadWholeFile(At("Report_Editor.txt").c_str());
    EXPECT_TRUE(StartsWith(after, report)) << "the running editor's report was rewritten:\n" << after;
    EXPECT_EQ(std::string::npos, after.find("App : ver", 1)) << "a second report was added:\n" << after;

    EXPECT_TRUE(ExeProcess::Responds(m_Editor.AppWindow(), kAnswerMs));
    EXPECT_EQ(editor, m_Editor.StageEditor());
    CloseWithYes();
}

// Without "data\" the editor offers to make it from "default\".
struct MissingData {
    const char* name;
    bool withDefault;
    int answer;        // to the question; 0 when none may come
    bool runs;         // the stage editor comes up
};

void PrintTo(const MissingData& c, std::ostream* out) {
    *out << c.name;
}

class NoDataFolder : public EditorRun, public testing::WithParamInterface<MissingData> {};

TEST_P(NoDataFolder, AsksToCopyTheDefaults) {
    const MissingData& c = GetParam();
    ASSERT_TRUE(RemoveTree(At("data")));
    if (c.withDefault) {
        ASSERT_TRUE(CreateDirectoryA(At("default").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA(At("default\\stg4").c_str(), nullptr));
        ASSERT_TRUE(WriteWholeFile(At("default\\stg4\\mark.txt").c_str(), "default data"));
    }
    Start();
    if (c.answer) {
        ShownBox box;
        ASSERT_TRUE(m_Editor.WaitBox(&box, kStartMs)) << "no question";
        EXPECT_EQ("データが存在しません！デフォルトデータを作成しますか？\n", box.text);
        EXPECT_EQ("デフォルトデータ作成の確認", box.caption);
        ASSERT_TRUE(AnswerBox(box, c.answer));
    }
    if (c.runs) {
        ShownBox box;
        ASSERT_TRUE(m_Editor.WaitStageEditor(kStartMs, &box)) << "[" << box.caption << "] " << box.text;
        EXPECT_EQ("default data", ReadWholeFile(At("data\\stg4\\mark.txt").c_str()));
        EXPECT_TRUE(FileExists(At("default\\stg4\\mark.txt").c_str())) << "the defaults stay";
        CloseWithYes();
    } else {
        const std::vector<ShownBox> boxes = BoxesUntilExit();
        EXPECT_TRUE(boxes.empty()) << Describe(boxes);
        EXPECT_EQ(0u, m_Editor.ExitCode());
        EXPECT_FALSE(DirExists(At("data")));
        EXPECT_FALSE(DirExists(At("e_data"))) << "no folder is made before the project is there";
    }
}

const MissingData kMissingData[] = {
    {"DefaultsCopiedOnYes", true, IDYES, true},
    {"EndsOnNo", true, IDNO, false},
    {"EndsSilentlyWithoutDefaults", false, 0, false},
};
INSTANTIATE_TEST_SUITE_P(Cases, NoDataFolder, testing::ValuesIn(kMissingData),
                         [](const testing::TestParamInfo<MissingData>& i) { return std::string(i.param.name); });

// A project whose palette or standard bitmaps are missing does not start: the
// loader's messages come first, then the project message, and the
// configuration is saved with no last stage.
struct BrokenProject {
    const char* name;
    const char* missing;
    const char* message;  // shown before the project message (possibly more than once)
};

void PrintTo(const BrokenProject& c, std::ostream* out) {
    *out << c.missing;
}

class MissingFile : public EditorRun, public testing::WithParamInterface<BrokenProject> {};

TEST_P(MissingFile, EndsAfterTheMessages) {
    const BrokenProject& c = GetParam();
    ASSERT_TRUE(DeleteFileA(At(c.missing).c_str()));
    WriteEditConfig("data\\stg4\\Last.stg4_248");
    Start();
    const std::vector<ShownBox> boxes = BoxesUntilExit();
    ASSERT_GE(boxes.size(), 2u) << Describe(boxes);
    EXPECT_EQ(kLoadFailed, boxes.back().text) << Describe(boxes);
    for (size_t i = 0; i + 1 < boxes.size(); ++i)
        EXPECT_EQ(c.message, boxes[i].text) << "box " << i << Describe(boxes);
    for (const ShownBox& b : boxes) EXPECT_EQ("エラー", b.caption);
    EXPECT_EQ(0u, m_Editor.ExitCode());
    EXPECT_EQ("", LastStageIn(At("e_data\\EditConfig.dat")));
}

const BrokenProject kBrokenProjects[] = {
    {"Mark", "bmp\\Mark.bmp", "bmp\\Mark.bmp が読み込めません！"},
    {"Character", "bmp\\Character3.bmp", "bmp\\Character3.bmp が読み込めません！"},
    {"Palette", "bmp\\plt\\Palette.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette.bmp が見つかりません！"},
    {"Palette2", "bmp\\plt\\Palette2.bmp", "パレットの生成に失敗！\nbmp\\plt\\Palette2.bmp が見つかりません！"},
};
INSTANTIATE_TEST_SUITE_P(Files, MissingFile, testing::ValuesIn(kBrokenProjects),
                         [](const testing::TestParamInfo<BrokenProject>& i) { return std::string(i.param.name); });

// The stage edited last is opened again; one that does not load leaves a new
// stage without a path.
TEST_F(EditorRun, OpensTheLastStage) {
    g_PrjOption.SetDefault();
    g_CommonPalette.SetDefault();
    g_CommonPalette.Validate();
    cEdStage stage;
    stage.SetSize(48, 24, 0, 0);
    const char path[] = "data\\stg4\\Last.stg4_248";
    ASSERT_TRUE(CreateDirectoryA(At("data\\stg4").c_str(), nullptr));
    ASSERT_TRUE(stage.Save(At(path).c_str()));
    WriteEditConfig(path);

    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(std::string(kEditorTitle) + "  " + path, WindowText(editor));
    // a rebuilt stage editor keeps the stage
    editor = Rebuild(editor);
    ASSERT_TRUE(editor) << "no new stage editor window";
    EXPECT_EQ(std::string(kEditorTitle) + "  " + path, WindowText(editor));
    CloseWithYes();
    EXPECT_EQ(path, LastStageIn(At("e_data\\EditConfig.dat")));
}

TEST_F(EditorRun, LastStageThatDoesNotLoadLeavesANewStage) {
    WriteEditConfig("data\\stg4\\Gone.stg4_248");
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    EXPECT_EQ(kEditorTitle, WindowText(editor));
    CloseWithYes();
    EXPECT_EQ("", LastStageIn(At("e_data\\EditConfig.dat")));
}

// Started in the editor's own build folder, the editor works on the game
// folder beside it: the report log, the folders and the data go there.
TEST_F(EditorRun, StartedInTheBuildFolderWorksOnTheGameFolder) {
    const std::string root = "C:\\vantor4";
    const std::string build = root + "\\editor\\build";
    const std::string game = root + "\\editor\\Game";
    RemoveTree(root);
    for (const std::string& d : {root, root + "\\editor", build}) CreateDirectoryA(d.c_str(), nullptr);
    ASSERT_TRUE(CopyTree(m_Dir, game));
    std::string why;
    ASSERT_TRUE(m_Editor.Start(WinPath(EDITOR_EXE), build, &why, true)) << why;
    ShownBox box;
    EXPECT_TRUE(m_Editor.WaitStageEditor(kStartMs, &box)) << box.caption << " " << box.text;
    CloseWithYes();
    EXPECT_TRUE(FileExists((game + "\\Report_Editor.txt").c_str()));
    EXPECT_TRUE(DirExists(game + "\\data\\database"));
    EXPECT_TRUE(FileExists((game + "\\e_data\\EditConfig.dat").c_str()));
    EXPECT_FALSE(FileExists((build + "\\Report_Editor.txt").c_str()));
    EXPECT_FALSE(DirExists(build + "\\data"));
    RemoveTree(root);
}

// WM_USER with 1 builds the stage editor window anew.
TEST_F(EditorRun, RebuildReplacesTheStageEditorWindow) {
    HWND old = StartToEditor();
    ASSERT_TRUE(old);
    HWND editor = Rebuild(old);
    ASSERT_TRUE(editor) << "no new stage editor window";
    EXPECT_EQ(m_Editor.AppWindow(), GetWindow(editor, GW_OWNER));
    EXPECT_EQ(kEditorTitle, WindowText(editor));
    CloseWithYes();
}

// Closing from the application window's system menu (or Alt+F4) does nothing.
TEST_F(EditorRun, SystemCloseIsIgnored) {
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    HWND app = m_Editor.AppWindow();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(app, WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, kAnswerMs, &result);
    ShownBox box;
    EXPECT_FALSE(m_Editor.WaitBox(&box, 500)) << "[" << box.caption << "] " << box.text;
    EXPECT_TRUE(m_Editor.Running());
    EXPECT_EQ(editor, m_Editor.StageEditor());
    CloseWithYes();
}

// The game program's report arrives as WM_COPYDATA; reports that are not one,
// or are cut short, change nothing and harm nothing. (A fault in the handler
// would not end the editor under Wine; the fault watch of the driver sees it.)
TEST_F(EditorRun, SurvivesMalformedGameReports) {
    HWND editor = StartToEditor();
    ASSERT_TRUE(editor);
    HWND app = m_Editor.AppWindow();
    int32_t one = 1, zero = 0;
    char shortData[2] = {1, 1};
    struct Report {
        const char* what;
        ULONG_PTR kind;
        DWORD bytes;
        void* data;
    } reports[] = {
        {"empty", 0, 0, nullptr},
        {"no data", 0, 8, nullptr},
        {"two bytes", 0, sizeof shortData, shortData},
        {"a zero", 0, sizeof zero, &zero},
        {"another kind", 7, sizeof one, &one},
        {"a report", 0, sizeof one, &one},
    };
    size_t faults = 0;
    for (const Report& r : reports) {
        COPYDATASTRUCT cds = {r.kind, r.bytes, r.data};
        DWORD_PTR result = 0;
        SendMessageTimeoutA(app, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&cds), SMTO_ABORTIFHUNG, kAnswerMs,
                            &result);
        ASSERT_TRUE(m_Editor.Running()) << "ended by " << r.what;
        EXPECT_EQ(faults, m_Editor.Faults().size()) << "faulted on " << r.what;
        faults = m_Editor.Faults().size();
        EXPECT_TRUE(ExeProcess::Responds(app, kAnswerMs)) << r.what;
        EXPECT_EQ(editor, m_Editor.StageEditor()) << r.what;
    }
    CloseWithYes();
}

}  // namespace
