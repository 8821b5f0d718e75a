#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/cmd_tables.h"
#include "model/flow.h"
#include "model/record_refs.h"
#include "tests/model/flow_layouts.h"
#include "tests/support/test_env.h"

using namespace recbytes;

namespace {

// Database tables of three records each (sword type i runs 10 * (i + 1)),
// palettes of five entries.
class FakeRefs : public cRecordRefs {
public:
    int tableSize = 3;
    int paletteSize = 5;
    int TableSize(eDatabaseTable) const override { return tableSize; }
    int16_t SwordTime(int index) const override { return static_cast<int16_t>(10 * (index + 1)); }
    int PaletteSize(ePaletteKind, eObjType) const override { return paletteSize; }
};

class FlowRecords : public testing::Test {
protected:
    void SetUp() override { SetRecordRefs(&m_Refs); }
    void TearDown() override {
        SetRecordRefs(nullptr);
        EXPECT_FALSE(m_Wnd.TakeCloseRequest()) << "a checked access failed";
    }
    FakeRefs m_Refs;
    TestAppWindow m_Wnd;
};

std::string EmptyFlow(uint32_t version = 248) { return Flow(version, {}, {}, {}, {}); }

// ---------------------------------------------------------------------------
// Golden bytes

TEST_F(FlowRecords, DefaultRecordsWriteTheirLayouts) {
    cEdMove move;
    cEdShot shot;
    cEdCond cond;
    cEdKeyCond key;
    cEdFlow flow;
    cEdCommand command;
    EXPECT_EQ(Record(MoveLayout(), 248), WrittenBytes(move));
    EXPECT_EQ(Record(ShotLayout(), 248), WrittenBytes(shot));
    EXPECT_EQ(Record(CondLayout(), 248), WrittenBytes(cond));
    EXPECT_EQ(Record(KeyCondLayout(), 248) + KeyStates(std::vector<int>(19, 0)), WrittenBytes(key));
    EXPECT_EQ(EmptyFlow(), WrittenBytes(flow));
    EXPECT_EQ(Command(248, {}, "", "", "", {}, {}), WrittenBytes(command));
}

// A flow with a condition, a key condition and a command that holds a move,
// a shot and a nested flow.
struct Populated {
    cEdFlow flow;
    std::string bytes;
};

Populated MakePopulated() {
    Populated p;
    cEdFlow& flow = p.flow;
    flow.m_nId = 3;
    flow.m_nGroup = 2;
    flow.m_nTiming = 0;
    flow.m_nInputEase = 5;
    flow.m_bRepeat = 1;

    cEdCond cond;
    cond.m_nKind = kCondStatus;
    cond.m_nValue = -123456;
    cond.m_nRandMax = 70000;
    cond.m_nItem = 12;
    cond.m_nVar = -300;
    cond.m_nRightVar = 1234;
    cond.m_bPercent = 1;
    cond.m_nAxis = 6;
    flow.m_Conds.push_back(cond);

    cEdKeyCond key;
    key.m_nPressMin = 2;
    key.m_nPressMax = 999;
    key.m_nRule = 2;
    key.m_bbKeys[0] = 1;
    key.m_bbKeys[18] = 2;
    flow.m_KeyConds.push_back(key);

    cEdCommand cmd;
    cmd.m_nKind = 19;  // "メッセージ"
    cmd.m_Text = "こんにちは";
    cmd.m_nTime = 9999;
    cmd.m_nTimeClone = -500;
    cmd.m_bParallel = 1;
    cmd.m_nSound = 2;
    cmd.m_bMuteOffScreen = 0;
    cmd.m_nAnime = 1;
    for (int i = 0; i < 10; ++i) cmd.m_Params.push_back(i * 1000 - 3);
    NewShared(cmd.m_spMove);
    cmd.m_spMove->m_nAngle = -7200;
    cmd.m_spMove->m_nDistanceUnit = 1;
    cmd.m_spMove->m_dTurnSpeedRate = 0.1;
    cmd.m_spMove->m_bNoMoveAnime = 1;
    NewShared(cmd.m_spShot);
    cmd.m_spShot->m_nFormationParam[2] = 50;
    cmd.m_spShot->m_nPower = -999999;
    cmd.m_spShot->m_nSpare3 = 7;
    cmd.m_spShot->m_bReverseDir = 1;
    cEdFlow nested;
    nested.m_nId = 26;
    nested.m_nTiming = 19;
    cmd.m_Flows.push_back(nested);
    flow.m_Commands.push_back(cmd);

    const std::string condBytes =
        Record(CondLayout(), 248,
               {{CondField(1), {4}}, {CondField(2), {-123456}}, {CondField(4), {70000}}, {CondField(6), {12}},
                {CondField(9), {-300}}, {CondField(14), {1234}}, {CondField(16), {1}}, {CondField(17), {6}}});
    std::vector<int> states(19, 0);
    states[0] = 1;
    states[18] = 2;
    const std::string keyBytes = Record(KeyCondLayout(), 248, {{2, {2}}, {3, {999}}, {5, {2}}}) + KeyStates(states);
    const std::string moveBytes = Record(MoveLayout(), 248, {{3, {-7200}}, {26, {1}}, {31, {0.1}}, {32, {1}}});
    const std::string shotBytes = Record(ShotLayout(), 248, {{3, {0, 0, 50}}, {45, {-999999}}, {46, {7}}, {58, {1}}});
    std::vector<int32_t> params;
    for (int i = 0; i < 10; ++i) params.push_back(i * 1000 - 3);
    const std::string cmdBytes =
        Command(248, {{2, {19}}, {3, {9999}}, {4, {-500}}, {5, {1}}, {6, {2}}, {7, {0}}, {8, {1}}}, "こんにちは",
                moveBytes, shotBytes, {Flow(248, {{1, {26}}, {6, {19}}}, {}, {}, {})}, params);
    p.bytes = Flow(248, {{1, {3}}, {2, {2}}, {7, {5}}, {8, {1}}}, {condBytes}, {keyBytes}, {cmdBytes});
    return p;
}

TEST_F(FlowRecords, PopulatedFlowWritesAndReadsBackByteForByte) {
    Populated p = MakePopulated();
    EXPECT_EQ(p.bytes, WrittenBytes(p.flow));

    cEdFlow read;
    ASSERT_TRUE(ReadBytes(read, p.bytes, 248));
    EXPECT_TRUE(read == p.flow);
    EXPECT_EQ(p.bytes, WrittenBytes(read));
    // the double goes through bit for bit
    EXPECT_EQ(0.1, read.m_Commands[0].m_spMove->m_dTurnSpeedRate);
}

// ---------------------------------------------------------------------------
// Copies and equality

TEST_F(FlowRecords, CopiesOwnTheirMoveShotAndFlows) {
    Populated p = MakePopulated();
    const cEdCommand& src = p.flow.m_Commands[0];
    cEdCommand constructed(src);
    cEdCommand assigned;
    NewShared(assigned.m_spMove);  // replaced by the copy of the source's
    assigned = src;
    cEdFlow flowCopy(p.flow);

    for (cEdCommand* copy : {&constructed, &assigned, &flowCopy.m_Commands[0]}) {
        ASSERT_TRUE(*copy == src);
        ASSERT_TRUE(copy->m_spMove && copy->m_spShot);
        EXPECT_NE(src.m_spMove.get(), copy->m_spMove.get());
        EXPECT_NE(src.m_spShot.get(), copy->m_spShot.get());
        EXPECT_EQ(1, copy->m_spMove.use_count());
        copy->m_spMove->m_nAngle = 1;
        copy->m_spShot->m_nPower = 1;
        copy->m_Flows[0].m_nId = 1;
        EXPECT_EQ(-7200, src.m_spMove->m_nAngle);
        EXPECT_EQ(-999999, src.m_spShot->m_nPower);
        EXPECT_EQ(26, src.m_Flows[0].m_nId);
        EXPECT_FALSE(*copy == src);
    }
    EXPECT_EQ(p.bytes, WrittenBytes(p.flow));

    cEdCommand empty;
    assigned = empty;
    EXPECT_FALSE(assigned.m_spMove);
    EXPECT_FALSE(assigned.m_spShot);
}

TEST_F(FlowRecords, RecordsDifferingInOnePlaceAreNotEqual) {
    const std::vector<std::pair<const char*, std::function<void(cEdFlow&)>>> changes = {
        {"a command parameter", [](cEdFlow& f) { f.m_Commands[0].m_Params[9] = 0; }},
        {"the third pattern parameter", [](cEdFlow& f) { f.m_Commands[0].m_spShot->m_nFormationParam[2] = 0; }},
        {"a field nothing edits", [](cEdFlow& f) { f.m_Commands[0].m_spShot->m_nSpare3 = 0; }},
        {"no shot", [](cEdFlow& f) { f.m_Commands[0].m_spShot.reset(); }},
        {"no move", [](cEdFlow& f) { f.m_Commands[0].m_spMove.reset(); }},
        {"a move field", [](cEdFlow& f) { f.m_Commands[0].m_spMove->m_dTurnSpeedRate = 0.2; }},
        {"the text", [](cEdFlow& f) { f.m_Commands[0].m_Text = "x"; }},
        {"a nested flow", [](cEdFlow& f) { f.m_Commands[0].m_Flows[0].m_nTiming = 0; }},
        {"one more nested flow", [](cEdFlow& f) { f.m_Commands[0].m_Flows.emplace_back(); }},
        {"the 19th key state", [](cEdFlow& f) { f.m_KeyConds[0].m_bbKeys[18] = 0; }},
        {"a key state count", [](cEdFlow& f) { f.m_KeyConds[0].m_bbKeys.push_back(0); }},
        {"a condition", [](cEdFlow& f) { f.m_Conds[0].m_nAxis = 0; }},
        {"a flow field", [](cEdFlow& f) { f.m_bTestOnly = 1; }},
    };
    const Populated p = MakePopulated();
    for (const auto& c : changes) {
        cEdFlow changed = p.flow;
        ASSERT_TRUE(changed == p.flow);
        c.second(changed);
        EXPECT_TRUE(changed != p.flow) << c.first;
    }
    // A shot at its defaults still differs from none.
    cEdCommand a, b;
    a.m_nKind = b.m_nKind = 1;
    NewShared(a.m_spShot);
    EXPECT_FALSE(a == b);
}

// ---------------------------------------------------------------------------
// Conversions of older files: one fixture each side of every threshold.

TEST_F(FlowRecords, MoveFixUps) {
    struct Case {
        int fieldNo;
        int8_t cEdMove::*field;
        uint32_t since;
    } cases[] = {
        {5, &cEdMove::m_bMirrorSpin, 158},
        {26, &cEdMove::m_nDistanceUnit, 159},
        {20, &cEdMove::m_bKeepFacing, 162},
        {32, &cEdMove::m_bNoMoveAnime, 162},
    };
    for (const Case& c : cases) {
        for (uint32_t version : {c.since - 1, c.since}) {
            SCOPED_TRACE(testing::Message() << "version " << version << " field " << c.fieldNo);
            cEdMove move;
            move.*c.field = 1;  // a file that lacks the field would leave this value
            ASSERT_TRUE(ReadBytes(move, Record(MoveLayout(), version, {{22, {-33}}, {c.fieldNo, {1}}}), version));
            EXPECT_EQ(version < c.since ? 0 : 1, move.*c.field);
            EXPECT_EQ(-33, move.m_nSpeed);
        }
    }
}

TEST_F(FlowRecords, ShotFixUps) {
    struct Case {
        uint32_t version;
        Values stored;
        std::function<void(const cEdShot&)> check;
    } cases[] = {
        {157, {}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bMirrorSpin); }},
        {158, {{8, {1}}}, [](const cEdShot& s) { EXPECT_EQ(1, s.m_bMirrorSpin); }},
        {196, {{52, {1}}}, [](const cEdShot& s) { EXPECT_EQ(1, s.m_bFailOnEnemy); }},
        {196, {{52, {0}}}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bFailOnEnemy); }},
        {197, {{52, {1}}, {53, {0}}}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bFailOnEnemy); }},
        {210, {{26, {4}}}, [](const cEdShot& s) { EXPECT_EQ(1, s.m_bScrollSync); }},
        {211, {{26, {5}}, {28, {0}}}, [](const cEdShot& s) { EXPECT_EQ(1, s.m_bScrollSync); }},
        {211, {{26, {8}}, {28, {1}}}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bScrollSync); }},
        {212, {{26, {5}}, {28, {0}}}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bScrollSync); }},
        {212, {}, [](const cEdShot& s) { EXPECT_EQ(0, s.m_bAccel + s.m_nAccel + s.m_nAccelClone); }},
        {213, {{31, {1}}, {32, {-200}}, {33, {5}}},
         [](const cEdShot& s) { EXPECT_EQ(1 - 200 + 5, s.m_bAccel + s.m_nAccel + s.m_nAccelClone); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        cEdShot shot;
        shot.m_bFailOnEnemy = shot.m_bScrollSync = shot.m_bAccel = 1;
        shot.m_nAccel = shot.m_nAccelClone = 9;
        Values v = c.stored;
        v[45] = {4321};
        ASSERT_TRUE(ReadBytes(shot, Record(ShotLayout(), c.version, v), c.version));
        c.check(shot);
        EXPECT_EQ(4321, shot.m_nPower);
    }
}

TEST_F(FlowRecords, ShotChecksEnlargementAndEffect) {
    struct Case {
        int scale, effect, wantScale, wantEffect;
    } cases[] = {{0, -1, 1, 0}, {-3, 3, 1, 0}, {10, 2, 10, 2}};
    for (const Case& c : cases) {
        cEdShot shot;
        shot.m_nScale = static_cast<int8_t>(c.scale);
        shot.m_nEffect = static_cast<int16_t>(c.effect);
        EXPECT_EQ(Record(ShotLayout(), 248, {{24, {double(c.wantScale)}}, {48, {double(c.wantEffect)}}}),
                  WrittenBytes(shot));
    }
}

// A condition of an older file: its kind and the given record fields.
cEdCond ReadCond(uint32_t version, std::map<int, double> fields) {
    Values v;
    for (const auto& f : fields) v[CondField(f.first)] = {f.second};
    cEdCond cond;
    EXPECT_TRUE(ReadBytes(cond, Record(CondLayout(), version, v), version));
    return cond;
}

TEST_F(FlowRecords, ConditionFixUps) {
    struct Case {
        uint32_t version;
        std::map<int, double> stored;
        int8_t cEdCond::*field;
        int expected;
    } cases[] = {
        {150, {{1, 5}}, &cEdCond::m_nKind, kCondDistance},
        {150, {{1, 2}}, &cEdCond::m_nKind, kCondStageVar},
        {160, {{1, 5}}, &cEdCond::m_nKind, 5},
        {160, {{1, 6}, {6, 2}, {15, 0}}, &cEdCond::m_nCompare, 1},
        {160, {{1, 6}, {6, 2}, {15, 1}}, &cEdCond::m_nCompare, 0},
        {160, {{1, 6}, {6, 1}, {15, 0}}, &cEdCond::m_nCompare, 0},
        {161, {{1, 6}, {6, 2}, {15, 0}}, &cEdCond::m_nCompare, 0},
        {160, {{1, 4}, {6, 12}}, &cEdCond::m_nItem, 14},
        {160, {{1, 4}, {5, 2}, {6, 12}}, &cEdCond::m_nItem, 12},
        {160, {{1, 4}, {7, 1}, {6, 12}}, &cEdCond::m_nItem, 12},
        {167, {{1, 4}, {10, 2}, {12, 10}}, &cEdCond::m_nRightItem, 12},
        {167, {{1, 4}, {10, 2}, {12, 9}}, &cEdCond::m_nRightItem, 10},
        {168, {{1, 4}, {6, 10}}, &cEdCond::m_nItem, 11},
        {202, {{1, 4}, {10, 2}, {11, 2}, {12, 6}}, &cEdCond::m_nRightItem, 6},
        {203, {{1, 4}, {6, 10}}, &cEdCond::m_nItem, 10},
        {209, {{1, 5}, {6, 6}}, &cEdCond::m_nItem, 7},
        {209, {{1, 5}, {5, 2}, {6, 1}}, &cEdCond::m_nItem, 1},
        {210, {{1, 5}, {6, 6}}, &cEdCond::m_nItem, 6},
        {150, {{1, 6}}, &cEdCond::m_nKind, 0},
        {248, {{1, 8}}, &cEdCond::m_nKind, 0},
        {248, {{1, -1}}, &cEdCond::m_nKind, 0},
        {42, {{1, 1}}, &cEdCond::m_bPercent, 0},
        {43, {{1, 1}, {16, 1}}, &cEdCond::m_bPercent, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " kind " << c.stored.at(1));
        EXPECT_EQ(c.expected, ReadCond(c.version, c.stored).*c.field);
    }
}

TEST_F(FlowRecords, ConditionBefore110KeepsWhatTheFileLacks) {
    cEdCond cond;
    cond.m_nRandMin = 5;
    cond.m_nRightVar = 6;
    cond.m_bPercent = 1;
    // kind, value, two dropped 16-bit values, relation, axis
    const std::string bytes = I32(6) + I8(1) + I32(77) + I16(-1) + I16(-2) + I8(3) + I8(4) + I32(0);
    ASSERT_TRUE(ReadBytes(cond, bytes, 42));
    EXPECT_EQ(77, cond.m_nValue);
    EXPECT_EQ(3, cond.m_nCompare);
    EXPECT_EQ(4, cond.m_nAxis);
    EXPECT_EQ(5, cond.m_nRandMin);
    EXPECT_EQ(6, cond.m_nRightVar);
    EXPECT_EQ(1, cond.m_bPercent);

    // the last version without the fields, and the first with them
    for (uint32_t version : {109u, 110u}) {
        cEdCond c;
        c.m_nRandMin = 5;
        ASSERT_TRUE(ReadBytes(c, Record(CondLayout(), version, {{CondField(2), {77}}, {CondField(16), {1}}}), version));
        EXPECT_EQ(77, c.m_nValue);
        EXPECT_EQ(1, c.m_bPercent);
        EXPECT_EQ(version < 110 ? 5 : 0, c.m_nRandMin) << version;
    }
}

// Old status tables are today's without the entries that later versions
// inserted; an index read from an old file must name the same entry.
TEST_F(FlowRecords, StatusIndexesOfOldFilesNameTheSameEntries) {
    std::vector<std::string> now, at168, before168, before210;
    for (const auto& e : g_CharaStatus) now.push_back(e.m_Name);
    for (const std::string& n : now) {
        if (n != "キャラID") at168.push_back(n);
        if (n != "キャラID" && n != "防御力") before168.push_back(n);
    }
    for (const auto& e : g_StateFlag) {
        if (e.m_Name != "オートスクロールとシンクロ") before210.push_back(e.m_Name);
    }
    struct Case {
        uint32_t version;
        int kind;
        const std::vector<std::string>* oldTable;
        bool state;
    } cases[] = {{167, kCondStatus, &before168, false}, {202, kCondStatus, &at168, false},
                 {209, kCondStatus2, &before210, true}};
    for (const Case& c : cases) {
        for (size_t i = 0; i < c.oldTable->size(); ++i) {
            SCOPED_TRACE(testing::Message() << c.version << ": " << (*c.oldTable)[i]);
            const cEdCond cond = ReadCond(c.version, {{1, double(c.kind)}, {6, double(i)}});
            const std::string name = c.state ? std::string(g_StateFlag[cond.m_nItem].m_Name)
                                             : std::string(g_CharaStatus[cond.m_nItem].m_Name);
            EXPECT_EQ((*c.oldTable)[i], name);

            // the command that sets the same status or state
            cEdCommand cmd;
            std::vector<int32_t> params(c.state ? 3 : 18, 0);
            params[c.state ? 1 : 4] = static_cast<int32_t>(i);
            const int kind = c.state ? kCmdStatusOp2 : kCmdStatusOp;
            ASSERT_TRUE(ReadBytes(cmd, Command(c.version, {{2, {double(kind)}}}, "", "", "", {}, params), c.version));
            const int item = cmd.m_Params[c.state ? 1 : 4];
            EXPECT_EQ((*c.oldTable)[i], c.state ? std::string(g_StateFlag[item].m_Name)
                                                : std::string(g_CharaStatus[item].m_Name));
        }
    }
}

TEST_F(FlowRecords, FlowFixUps) {
    struct Case {
        uint32_t version;
        int timing, group;
        int wantTiming, wantGroup;
    } cases[] = {
        {131, 12, 0, 15, 0}, {132, 12, 0, 14, 0}, {131, 10, 0, 12, 0}, {163, 12, 0, 14, 0}, {164, 12, 0, 12, 0},
        {162, 1, 3, 1, 0},   {162, 0, 3, 0, 3},   {163, 1, 3, 1, 3},   {163, 4, 0, 4, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " timing " << c.timing);
        cEdFlow flow;
        ASSERT_TRUE(ReadBytes(flow, Flow(c.version, {{2, {double(c.group)}}, {6, {double(c.timing)}}}, {}, {}, {}),
                              c.version));
        EXPECT_EQ(c.wantTiming, flow.m_nTiming);
        EXPECT_EQ(c.wantGroup, flow.m_nGroup);
    }
}

TEST_F(FlowRecords, KeyConditionTakesItsNumberOfStatesFromAnyFile) {
    // A short file is padded with released keys; a long one keeps every
    // state it holds, and writes them all back.
    for (int count : {5, kKeyStateCount, kKeyStateCount + 6}) {
        SCOPED_TRACE(count);
        std::vector<int> states(static_cast<size_t>(count), 2);
        states[0] = 1;
        cEdKeyCond key;
        const std::string bytes = Record(KeyCondLayout(), 248, {{4, {1}}}) + KeyStates(states);
        ASSERT_TRUE(ReadBytes(key, bytes, 100));
        const int want = count < kKeyStateCount ? kKeyStateCount : count;
        ASSERT_EQ(static_cast<size_t>(want), key.m_bbKeys.size());
        EXPECT_EQ(1, key.m_bNoMax);
        EXPECT_EQ(1, key.m_bbKeys[0]);
        EXPECT_EQ(2, key.m_bbKeys[4]);
        EXPECT_EQ(count >= kKeyStateCount ? 2 : 0, key.m_bbKeys[kKeyStateCount - 1]);
        if (count >= kKeyStateCount) {
            EXPECT_EQ(bytes, WrittenBytes(key));
        }
    }
}

struct CommandCase {
    uint32_t version;
    int set;
    int kind;
    std::vector<int32_t> stored;
    std::vector<int32_t> expected;
};

TEST_F(FlowRecords, CommandParameterConversions) {
    std::vector<int32_t> status(18, 0), statusRaised(18, 0), statusSystem(18, 0);
    status[4] = 12;
    status[6] = 2;
    status[13] = 5;
    statusRaised = status;
    statusRaised[4] = 14;
    statusRaised[13] = 6;
    statusSystem = status;
    statusSystem[3] = 2;
    statusSystem[12] = 2;
    std::vector<int32_t> status202 = status, status202Raised = status;
    status202Raised[4] = 13;
    status202Raised[13] = 6;

    const std::vector<CommandCase> cases = {
        {144, 0, kCmdStageClear, {1, 2}, {1, 2, 0, 0, 0}},
        {145, 0, kCmdStageClear, {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5}},
        {144, 1, kCmdStageClear - kCmd2Offset, {7}, {7, 0, 0, 0, 0}},
        {165, 0, kCmdBgm, {2}, {2, 1}},
        {165, 1, kCmdBgm - kCmd2Offset, {2, 0}, {2, 1}},
        {166, 0, kCmdBgm, {2}, {2, 0}},
        {167, 0, kCmdStatusOp, status, statusRaised},
        {167, 0, kCmdStatusOp, statusSystem, statusSystem},
        {202, 0, kCmdStatusOp, status202, status202Raised},
        {203, 0, kCmdStatusOp, status, status},
        {188, 0, kCmdTarget, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}},
        {188, 1, kCmdTarget - kCmd2Offset, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 0, 3, 4, 5, 6, 7, 8, 9}},
        {189, 0, kCmdTarget, {1, 2, 3, 4, 5, 6, 7, 8, 9}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {193, 0, kCmdPicture, {2, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {2, 1, 2, 3, 4, 5, 1, 6, 7, 8, 9}},
        {194, 0, kCmdPicture, {2, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {2, 1, 2, 3, 4, 5, 6, 7, 8, 9, 0}},
        {194, 0, kCmdCharaEffect, {2, 5}, {2, 0, 5}},
        {194, 0, kCmdScrEffect, {1, 5}, {1, 0, 5}},
        {195, 0, kCmdScrEffect, {1, 5}, {1, 5, 0}},
        {202, 0, kCmdSummonChara, {1, 2, 3}, {}},
        {202, 0, kCmdFlowOp, {1, 2, 3, 4}, {1, 2, 3}},
        {209, 0, kCmdStatusOp2, {0, 6, 1}, {0, 7, 1}},
        {209, 0, kCmdStatusOp2, {2, 6, 1}, {2, 6, 1}},
        {210, 0, kCmdStatusOp2, {0, 6, 1}, {0, 6, 1}},
        {218, 0, kCmdGraphic, {3, 40, 0}, {3, 41, 0}},
        {218, 0, kCmdGraphic, {3, 119, 0}, {3, 119, 0}},
        {218, 0, kCmdGraphic, {3, INT32_MAX, 0}, {3, 119, 0}},
        {209, 0, kCmdStatusOp2, {0, INT32_MAX, 1}, {0, INT32_MAX, 1}},
        {218, 0, kCmdGraphic, {2, 40, 0}, {2, 40, 0}},
        {219, 0, kCmdGraphic, {3, 40, 0}, {3, 40, 0}},
        {218, 1, kCmdGraphic - kCmd2Offset, {3, 40, 0}, {3, 41, 0}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " set " << c.set << " kind " << c.kind);
        const bool summon = (c.kind == kCmdSummonChara && c.set == 0);
        const std::string shot = summon ? Record(ShotLayout(), c.version, {{55, {3}}}) : "";
        cEdCommand cmd;
        ASSERT_TRUE(ReadBytes(cmd, Command(c.version, {{1, {double(c.set)}}, {2, {double(c.kind)}}}, "", "", shot, {},
                                           c.stored),
                              c.version));
        EXPECT_EQ(c.expected, static_cast<std::vector<int32_t>&>(cmd.m_Params));
        if (summon) {
            EXPECT_EQ(3, cmd.m_spShot->m_nSummonIndex);
        }
    }
}

TEST_F(FlowRecords, ShotGraphicOfOldShotCommands) {
    struct Case {
        uint32_t version;
        int stored, expected;
    } cases[] = {{219, 40, 41}, {219, 119, 119}, {220, 40, 40}};
    for (const Case& c : cases) {
        cEdCommand cmd;
        const std::string shot = Record(ShotLayout(), c.version, {{18, {double(c.stored)}}});
        ASSERT_TRUE(ReadBytes(cmd, Command(c.version, {{2, {double(kCmdShot)}}}, "", "", shot, {}, {}), c.version));
        EXPECT_EQ(c.expected, cmd.m_spShot->m_nGraphic) << c.version;
    }
}

// ---------------------------------------------------------------------------
// Checks

TEST_F(FlowRecords, CommandChecksDatabaseIndexes) {
    struct Case {
        int kind;
        int16_t anime, sound;
        int32_t param0;
        int wantAnime, wantSound, wantParam0;
    } cases[] = {
        {kCmdAnimeSet, -1, 3, -1, 0, 0, 0}, {kCmdAnimeSet, 2, 2, 3, 2, 2, 0},
        {kCmdAnime, 0, -5, 3, 0, 0, 1},     {kCmdSound, 1, 1, -1, 1, 1, 1},
        {kCmdBgm, 1, 1, 2, 1, 1, 2},        {kCmdPicture, 1, 1, 99, 1, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        cEdCommand cmd;
        cmd.m_nKind = static_cast<int8_t>(c.kind);
        cmd.m_nAnime = c.anime;
        cmd.m_nSound = c.sound;
        cmd.m_Params.resize(static_cast<size_t>(g_CmdKind[c.kind].m_nParams));
        cmd.m_Params[0] = c.param0;
        cmd.Validate();
        EXPECT_EQ(c.wantAnime, cmd.m_nAnime);
        EXPECT_EQ(c.wantSound, cmd.m_nSound);
        EXPECT_EQ(c.wantParam0, cmd.m_Params[0]);

        cEdCommand item;  // the same kind in the item effect set
        item.m_nCmdSet = 1;
        item.m_nKind = static_cast<int8_t>(c.kind - kCmd2Offset);
        item.m_Params.push_back(c.param0);
        item.Validate();
        EXPECT_EQ(c.wantParam0, item.m_Params[0]);
    }
}

TEST_F(FlowRecords, CommandKeepsParameterCountOfItsKind) {
    cEdCommand cmd;
    cmd.m_nKind = kCmdFlowOp;
    ASSERT_TRUE(ReadBytes(cmd, Command(248, {{2, {double(kCmdFlowOp)}}}, "", "", "", {}, {1, 2, 3, 4, 5}), 248));
    EXPECT_EQ(3u, cmd.m_Params.size());
}

TEST_F(FlowRecords, KindOutsideItsTableBecomesNoCommand) {
    struct Case {
        int set, kind;
    } cases[] = {{0, kCmdKindCount}, {0, -1}, {1, kCmdKind2Count}, {1, 36}, {5, -128}, {0, 127}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.set << "/" << c.kind);
        cEdCommand cmd;
        ASSERT_TRUE(ReadBytes(cmd, Command(167, {{1, {double(c.set)}}, {2, {double(c.kind)}}}, "", "", "", {},
                                           std::vector<int32_t>(20, 12)),
                              167));
        EXPECT_EQ(0, cmd.m_nKind);
        EXPECT_TRUE(cmd.m_Params.empty());
    }
}

TEST_F(FlowRecords, ConversionsThatReadParametersSizeThemFirst) {
    const CommandCase cases[] = {
        {167, 0, kCmdStatusOp, {0}, std::vector<int32_t>(18, 0)},
        {202, 1, kCmdStatusOp - kCmd2Offset, {}, std::vector<int32_t>(18, 0)},
        {209, 0, kCmdStatusOp2, {}, {0, 0, 0}},
        {209, 0, kCmdStatusOp2, {1}, {1, 0, 0}},
        {218, 0, kCmdGraphic, {3}, {3, 1, 0}},
        {165, 0, kCmdBgm, {}, {0, 1}},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.version << " kind " << c.kind);
        cEdCommand cmd;
        ASSERT_TRUE(ReadBytes(cmd, Command(c.version, {{1, {double(c.set)}}, {2, {double(c.kind)}}}, "", "", "", {},
                                           c.stored),
                              c.version));
        EXPECT_EQ(c.expected, static_cast<std::vector<int32_t>&>(cmd.m_Params));
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }
}

TEST_F(FlowRecords, ShotKindsWithoutAShotGetADefaultOne) {
    for (int kind = kCmdShot; kind <= kCmdSummonItem; ++kind) {
        SCOPED_TRACE(kind);
        cEdCommand cmd;
        ASSERT_TRUE(ReadBytes(cmd, Command(248, {{2, {double(kind)}}}, "", "", "", {}, {}), 248));
        ASSERT_TRUE(cmd.m_spShot);
        cEdShot def;
        EXPECT_TRUE(*cmd.m_spShot == def || kind == kCmdSword);
        const int time = (kind == kCmdSword) ? 10 : 0;  // sword type 0 runs 10
        EXPECT_EQ(Command(248, {{2, {double(kind)}}, {3, {double(time)}}}, "", "", Record(ShotLayout(), 248), {}, {}),
                  WrittenBytes(cmd));
    }
    cEdCommand other;
    other.m_nCmdSet = 1;
    other.m_nKind = kCmdShot;  // "基本アニメセットの変更" in the item set
    other.Validate();
    EXPECT_FALSE(other.m_spShot);
}

TEST_F(FlowRecords, MoveKindsWithoutAMoveGetADefaultOne) {
    struct Case {
        int set, kind;
        bool move;
    } cases[] = {
        {0, kCmdMoveFirst, true}, {0, 5, true},  {0, kCmdMoveLast, true}, {0, kCmdWarp, true},
        {1, kCmdWarp - kCmd2Offset, true},        // the warp of item effects
        {0, 1, false},  {0, kCmdShot, false}, {0, kCmdTarget, false}, {1, kCmdMoveFirst, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "set " << c.set << " kind " << c.kind);
        cEdCommand cmd;
        ASSERT_TRUE(ReadBytes(cmd, Command(248, {{1, {double(c.set)}}, {2, {double(c.kind)}}}, "", "", "", {}, {}),
                              248));
        ASSERT_EQ(c.move, static_cast<bool>(cmd.m_spMove));
        if (!c.move) continue;
        cEdMove def;
        EXPECT_TRUE(*cmd.m_spMove == def);
        EXPECT_EQ(Command(248, {{1, {double(c.set)}}, {2, {double(c.kind)}}}, "", Record(MoveLayout(), 248), "", {}, {}),
                  WrittenBytes(cmd));
        EXPECT_FALSE(m_Wnd.TakeCloseRequest());
    }
}

TEST_F(FlowRecords, SwordTakesTheTimeOfItsSwordType) {
    struct Case {
        int type, wantType, wantTime;
    } cases[] = {{2, 2, 30}, {3, 0, 10}, {-1, 0, 10}};
    for (const Case& c : cases) {
        cEdCommand cmd;
        cmd.m_nKind = kCmdSword;
        NewShared(cmd.m_spShot);
        cmd.m_spShot->m_nMoveType = static_cast<int8_t>(c.type);
        cmd.m_nTime = 500;
        cmd.Validate();
        EXPECT_EQ(c.wantType, cmd.m_spShot->m_nMoveType) << c.type;
        EXPECT_EQ(c.wantTime, cmd.m_nTime) << c.type;
    }
    // An empty SwordType table names no sword type: the time stays.
    m_Refs.tableSize = 0;
    cEdCommand cmd;
    cmd.m_nKind = kCmdSword;
    cmd.m_nTime = 500;
    cmd.Validate();
    EXPECT_EQ(500, cmd.m_nTime);
}

TEST_F(FlowRecords, ReferencesToPaletteEntriesStayInsideThePalettes) {
    struct Case {
        int set, kind;
        std::function<void(cEdCommand&)> setUp;
        std::function<void(const cEdCommand&)> check;
    };
    auto shotItem = [](int palette, int item) {
        return [=](cEdCommand& c) {
            NewShared(c.m_spShot);
            c.m_spShot->m_nItemPalette = static_cast<int8_t>(palette);
            c.m_spShot->m_nItem = static_cast<int16_t>(item);
        };
    };
    auto summon = [](int palette, int index) {
        return [=](cEdCommand& c) {
            NewShared(c.m_spShot);
            c.m_spShot->m_nSummonPalette = static_cast<int8_t>(palette);
            c.m_spShot->m_nSummonIndex = static_cast<int16_t>(index);
        };
    };
    auto getItem = [](int palette, int item) {
        return [=](cEdCommand& c) { c.m_Params = {palette, item}; };
    };
    auto item = [](int palette, int index) {
        return [=](const cEdCommand& c) {
            EXPECT_EQ(palette, c.m_spShot->m_nItemPalette);
            EXPECT_EQ(index, c.m_spShot->m_nItem);
        };
    };
    auto summoned = [](int index) { return [=](const cEdCommand& c) { EXPECT_EQ(index, c.m_spShot->m_nSummonIndex); }; };
    auto param1 = [](int v) { return [=](const cEdCommand& c) { EXPECT_EQ(v, c.m_Params[1]); }; };
    const std::vector<Case> cases = {
        {0, kCmdShot, shotItem(2, 5), item(0, 0)},      {0, kCmdSword, shotItem(1, -1), item(0, 0)},
        {0, kCmdShot, shotItem(1, 4), item(1, 4)},      {0, kCmdShot, shotItem(0, 9), item(0, 9)},
        {0, kCmdSummonBlock, summon(0, 5), summoned(1)}, {0, kCmdSummonChara, summon(1, -2), summoned(1)},
        {0, kCmdSummonItem, summon(1, 4), summoned(4)},  {0, kCmdSummonItem, summon(2, 9), summoned(9)},
        {0, kCmdGetItem, getItem(1, 7), param1(1)},      {1, kCmdGetItem - kCmd2Offset, getItem(0, -3), param1(1)},
        {0, kCmdGetItem, getItem(0, 4), param1(4)},      {0, kCmdGetItem, getItem(2, 7), param1(7)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.set << "/" << c.kind);
        cEdCommand cmd;
        cmd.m_nCmdSet = static_cast<int8_t>(c.set);
        cmd.m_nKind = static_cast<int8_t>(c.kind);
        c.setUp(cmd);
        // reached through a flow nested in a command of a flow
        cEdFlow inner;
        inner.m_Commands.push_back(cmd);
        cEdCommand carrier;
        carrier.m_Flows.push_back(inner);
        cEdFlow outer;
        outer.m_Commands.push_back(carrier);
        outer.ValidateRefs();
        c.check(outer.m_Commands[0].m_Flows[0].m_Commands[0]);
    }
}

// ---------------------------------------------------------------------------
// Nesting

// Flows nested through commands, depth flows deep.
std::string NestedFlows(int depth) {
    std::string inner = EmptyFlow();
    for (int i = 1; i < depth; ++i) inner = Flow(248, {}, {}, {}, {Command(248, {}, "", "", "", {inner}, {})});
    return inner;
}

TEST_F(FlowRecords, NestingDeeperThanTheLimitFailsTheFile) {
    const std::string ok = I32(248) + NestedFlows(kMaxFlowNesting);
    const std::string deep = I32(248) + NestedFlows(kMaxFlowNesting + 1);
    ASSERT_TRUE(WriteWholeFile("ok.dat", ok));
    ASSERT_TRUE(WriteWholeFile("deep.dat", deep));

    cEdFlow flow;
    EXPECT_EQ(1, flow.Load("ok.dat"));
    EXPECT_EQ(ok.substr(4), WrittenBytes(flow));

    Populated p = MakePopulated();
    EXPECT_EQ(0, p.flow.Load("deep.dat"));
    EXPECT_EQ(p.bytes, WrittenBytes(p.flow));
    // the depth count starts afresh after a failed file
    EXPECT_EQ(1, flow.Load("ok.dat"));

    cEdFlow huge;
    EXPECT_EQ(0, huge.Load("deep.dat"));
    ASSERT_TRUE(WriteWholeFile("huge.dat", I32(248) + NestedFlows(1000)));
    EXPECT_EQ(0, huge.Load("huge.dat"));
}

TEST_F(FlowRecords, NoLookupChecksOnlyNegativeIndexes) {
    SetRecordRefs(nullptr);
    cEdCommand cmd;
    cmd.m_nKind = kCmdAnime;
    cmd.m_nAnime = 500;
    cmd.m_nSound = -1;
    cmd.m_Params = {700};
    cmd.Validate();
    EXPECT_EQ(500, cmd.m_nAnime);
    EXPECT_EQ(0, cmd.m_nSound);
    EXPECT_EQ(700, cmd.m_Params[0]);
}

}  // namespace
