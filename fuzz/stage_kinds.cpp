// The stage file and the stage palette file.
#include "fuzz/fuzz_kinds.h"
#include "model/stage.h"

namespace {

// A small stage with objects on every layer, a linked palette entry, flows
// and a held item, so that mutations reach the layer sections.
std::string SeedStage() {
    cEdStage stage;
    stage.SetSize(4, 4, 0, 0);
    stage.Validate();
    stage.m_PalCharas.resize(3);
    stage.m_PalCharas[2].m_Graphic = 3;
    stage.m_PalCharas[2].m_Flows.resize(1);
    stage.m_PalCharas[2].m_Flows[0].m_Commands.resize(1);
    stage.m_Blocks[stage.CellIndex(1, 2)].m_Graphic = 2;
    cEdChara& c = stage.m_Charas[stage.CellIndex(3, 3)];
    c.m_Graphic = 3;
    c.m_InheritKind = 2;
    c.m_InheritIndex = 2;
    c.m_Flows.resize(1);
    stage.m_Items[stage.CellIndex(3, 3)].m_Graphic = 1;
    stage.m_Items[stage.CellIndex(0, 1)].m_Effects.resize(1);
    stage.m_Vars.resize(2);
    return FuzzFileOf(stage);
}

// The stage palette file: the version word and three vectors, read into a
// small stage whose layers link to them; then the whole stage is written.
void LoadStagePalette(const uint8_t* data, size_t size) {
    cEdStage stage;
    stage.SetSize(4, 4, 0, 0);
    stage.m_Charas[5].m_Graphic = 1;
    stage.m_Charas[5].m_InheritKind = 2;
    stage.m_Charas[5].m_InheritIndex = 1;
    stage.m_Charas[5].m_bbInherit.Fill(1);
    cRecFile* f = OpenReadBuffer(data, size);
    if (!f) return;
    stage.ReadPalette(f);
    CloseFile(f);
    cRecFile* out = cRecFile::OpenMemoryWrite();
    stage.Write(out);
    delete out;
}

std::string SeedStagePalette() {
    cEdStage stage;
    stage.Validate();
    stage.m_PalBlocks[1].m_AppearConds.resize(1);
    stage.m_PalCharas[1].m_Flows.resize(1);
    stage.m_PalItems[1].m_Effects.resize(1);
    cRecFile* out = cRecFile::OpenMemoryWrite();
    out->WriteInt(static_cast<int32_t>(g_DataVersion));
    stage.WritePalette(out);
    std::string bytes = out->MemoryData();
    delete out;
    return bytes;
}

}  // namespace

FUZZ_KIND("stage", FuzzLoadObject<cEdStage>, SeedStage);
FUZZ_KIND("stage-palette", LoadStagePalette, SeedStagePalette);
