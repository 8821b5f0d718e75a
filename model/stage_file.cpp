// Loading, saving and recovering stage files.
#include <cstdio>
#include <memory>

#include "base/log.h"
#include "base/paths.h"
#include "base/platform.h"
#include "base/thread.h"
#include "model/stage.h"

int ReadStageFile(cEdStage& spare, const char* path, const cThread* stop, cString* why) {
    auto setWhy = [why](const char* text) {
        if (why) *why = text;
    };
    cRecFile* f = OpenRead(path);
    if (!f) {
        setWhy("the file does not open");
        return 0;
    }
    if (g_FileVersion > g_DataVersion) {
        CloseFile(f);
        setWhy("the file comes from a newer version");
        ReportLog("stage %s: version %u is newer than %u", path, g_FileVersion, g_DataVersion);
        return 0;
    }
    spare.m_pReadStop = stop;
    spare.Read(f);
    spare.m_pReadStop = nullptr;
    const bool stopped = stop && stop->StopRequested();
    if (!CloseFile(f)) {
        setWhy(stopped ? "the load was stopped" : "the file is damaged");
        ReportLog("stage %s: not loaded (%s)", path, stopped ? "stopped" : "damaged");
        return 0;
    }
    return 1;
}

void PrepareSpareStage(cEdStage& spare, const cEdStage& dst) {
    // Not stored in files: a file of a version that knew the option keeps the
    // value in use, an older one resets it while it is read.
    spare.m_WheelDir = dst.m_WheelDir;
}

int LoadStageFile(cEdStage& dst, const char* path, const cThread* stop, cString* why) {
    // A damaged file must not leave half a stage behind: it is read into a
    // spare stage, which replaces dst only when complete.
    std::unique_ptr<cEdStage> spare(new cEdStage);
    PrepareSpareStage(*spare, dst);
    if (!ReadStageFile(*spare, path, stop, why)) return 0;
    dst.TakeFrom(*spare);
    return 1;
}

cString StageBackupPath(const char* path) {
    cString name = path;
    GetFileName(&name);
    cString backup;
    backup.Format("%s%s", g_StageWorkFolder.c_str(), name.c_str());
    return backup;
}

namespace {

bool CopyWholeFile(const char* from, const char* to) {
    FILE* in = OpenFile(from, "rb");
    if (!in) return false;
    FILE* out = OpenFile(to, "wb");
    if (!out) {
        fclose(in);
        return false;
    }
    char buf[65536];
    bool ok = true;
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, in)) > 0) {
        if (fwrite(buf, 1, n, out) != n) {
            ok = false;
            break;
        }
    }
    if (ferror(in)) ok = false;
    fclose(in);
    if (fclose(out) != 0) ok = false;
    if (!ok) RemoveFile(to);
    return ok;
}

// The version word and the last 4 bytes of a file; false when it does not
// open or is too short to hold both.
bool ReadEnds(const char* path, int32_t* version, int32_t* last) {
    FILE* f = OpenFile(path, "rb");
    if (!f) return false;
    bool ok = fread(version, 4, 1, f) == 1 && fseek(f, -4, SEEK_END) == 0 && ftell(f) >= 4 &&
              fread(last, 4, 1, f) == 1;
    fclose(f);
    return ok;
}

}  // namespace

int SaveStageFile(cEdStage& stage, const char* path) {
    // The old file stays in "data\work\" until the new one is complete:
    // as a second name of the same bytes where the file system allows it
    // (the new file is written beside the target and then takes its name,
    // so those bytes are never overwritten), else as a copy.
    const cString backup = StageBackupPath(path);
    bool kept = false;
    if (PathExists(path)) {
        CreateFoldersOf(backup.c_str());
        RemoveFile(backup.c_str());  // the copy of an earlier save
        kept = LinkFile(path, backup.c_str()) || CopyWholeFile(path, backup.c_str());
    }
    CreateFoldersOf(path);
    const int ok = stage.Save(path);
    if (ok && kept) RemoveFile(backup.c_str());
    return ok;
}

eStageRecovery RecoverStageFile(const char* path) {
    int32_t version = 0;
    int32_t last = 0;
    FILE* probe = OpenFile(path, "rb");
    if (!probe) return kRecoverNone;
    fclose(probe);
    const bool ends = ReadEnds(path, &version, &last);
    if (ends && static_cast<uint32_t>(version) < kStageCheckedVersion) return kRecoverNone;
    if (ends && last == kStageTrailer) return kRecoverNone;
    // A file too short to hold a version word and a trailer counts as broken
    // too.
    const cString backup = StageBackupPath(path);
    if (!PathExists(backup.c_str())) {
        ReportLog("stage %s is broken and has no copy in %s", path, g_StageWorkFolder.c_str());
        return kRecoverNoBackup;
    }
    // A copy whose own write was cut short would only replace one broken
    // file by another: it counts as no copy.
    int32_t backupVersion = 0;
    int32_t backupLast = 0;
    if (!ReadEnds(backup.c_str(), &backupVersion, &backupLast) ||
        (static_cast<uint32_t>(backupVersion) >= kStageCheckedVersion && backupLast != kStageTrailer)) {
        ReportLog("stage %s is broken and its copy in %s is not complete", path, g_StageWorkFolder.c_str());
        return kRecoverNoBackup;
    }
    // The copy takes the broken file's place in one step; until then the
    // broken file stays.
    if (!ReplaceFileWith(backup.c_str(), path)) {
        ReportLog("stage %s: its copy could not replace it", path);
        return kRecoverFailed;
    }
    return kRecoverRestored;
}
