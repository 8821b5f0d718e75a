// Every global object of the editor, in the one order in which they are
// built before WinMain runs. C++ builds the objects of one file in the order
// of their definitions and destroys them in the reverse order, so the
// background music is released first and the start folder last, and the
// worker thread object (which stops a running thread) goes after the project
// data. No constructor here reads a file or makes a window: start-up fills
// the objects.
//
// The host build of the data model defines its own part of this list in
// model/globals_host.cpp, in the same order.
#include "app/globals.h"

#include <cstdint>

#include "app/mainframe.h"
#include "app/shell.h"
#include "app/stage_edit.h"
#include "base/bgm.h"
#include "base/msgbox.h"
#include "base/sysreport.h"
#include "base/thread.h"
#include "model/database.h"
#include "model/debugbox.h"
#include "model/palette.h"
#include "model/prjoption.h"
#include "model/system.h"
#include "model/worldmap.h"
#include "model/worldmap_edit.h"
#include "ui/registry.h"
#include "ui/stage_load.h"

cString g_StartDir;
cStateStack g_StateStack;
cStageEdit g_StageEdit;
cEditConfig EditConfig;
cPrjOption g_PrjOption;
cVector<cEdValInfo> g_GValInfo;
// Built before the world map, which therefore holds nothing yet.
cWorldMapEdit g_WorldMapEdit(nullptr);
cWndRegistry g_WndRegistry;
cMainFrame g_AppWnd;
cThread g_WorkerThread;
cAppInfo g_AppInfo;
cEdStage g_Stage;
cEdWorldMap g_WorldMap;
cEdCommonPalette g_CommonPalette;
cEdSystem g_System;
cEdDatabase g_Database;
cVector<cDib> g_CharaBitmaps;
cDib g_Bitmaps[kBitmapCount];
cAnimeSequencer g_AnimePreview;
cBgmManager g_BgmManager;

namespace {

class cProjectRecordRefs : public cRecordRefs {
public:
    int TableSize(eDatabaseTable table) const override {
        int size = 0;
        g_Database.ForEachTable([&](const auto& v, eDatabaseTable t) {
            if (t == table) size = static_cast<int>(v.size());
        });
        return size;
    }

    int16_t SwordTime(int index) const override {
        if (index < 0 || index > INT16_MAX || index >= static_cast<int>(g_Database.m_SwordType.size())) return 0;
        return g_Database.GetSwordTime(static_cast<int16_t>(index));
    }

    // The stage palette is the one links of kind 2 go to: while a stage is
    // read or validated that is its own palette (a stage read into a spare
    // object is checked against what it holds, not against g_Stage).
    int PaletteSize(ePaletteKind palette, eObjType type) const override {
        const bool common = palette == kPaletteCommon;
        switch (type) {
            case kObjBlock:
                return common ? Size(&g_CommonPalette.m_Blocks) : StageSize(&g_Stage.m_PalBlocks);
            case kObjChara:
                return common ? Size(&g_CommonPalette.m_Charas) : StageSize(&g_Stage.m_PalCharas);
            case kObjItem:
                return common ? Size(&g_CommonPalette.m_Items) : StageSize(&g_Stage.m_PalItems);
        }
        return 0;
    }

private:
    template <class T>
    static int Size(const cVector<T>* v) {
        return static_cast<int>(v->size());
    }
    template <class T>
    static int StageSize(const cVector<T>* fallback) {
        const cVector<T>* v = PaletteVector<T>(2);
        return Size(v ? v : fallback);
    }
};

const cProjectRecordRefs s_ProjectRefs;

int BgmCount() {
    return static_cast<int>(g_Database.m_Bgm.size());
}

void ShowDebugBox(const char* text) {
    DebugErrorBoxF("%s", text);
}

}  // namespace

const cRecordRefs& ProjectRecordRefs() {
    return s_ProjectRefs;
}

void InstallModelHooks() {
    SetRecordRefs(&s_ProjectRefs);
    SetBgmCountSource(BgmCount);
    SetDebugBoxHandler(ShowDebugBox);
    SetWorldFreeMemorySource(GetFreePhysMemory);
}
