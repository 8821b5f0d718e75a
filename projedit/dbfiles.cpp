#include "projedit/dbfiles.h"

#include "app/services.h"
#include "base/bgm.h"
#include "base/mcisound.h"
#include "base/msgbox.h"
#include "model/graphic_kinds.h"

namespace {

const sDbFileDialog kBmpFile = {"bmp\\chara_sp\\", "専用bmpの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const sDbFileDialog kPictureFile = {"bmp\\picture\\", "ビットマップの選択", "BitmapFile ( *.bmp )\0*.bmp\0", "bmp"};
const sDbFileDialog kSoundFile = {"wave", "効果音の選択", "WaveFile ( *.wav )\0*.wav\0", "wav"};
const sDbFileDialog kBgmFile = {"bgm\\", "BGMの選択", "BgmFile ( *.mid;*.ogg )\0*.mid;*.ogg\0", "mid;ogg"};

}  // namespace

cDbPageBmpCharaExc::cDbPageBmpCharaExc(cDlg* parent, cWndRegistry* registry)
    : cDbFilePage(IDD_DB_BMPCHARAEXC, parent, registry, &g_Database.m_BmpCharaExc, IDC_DB_LIST_BMPCHARAEXC,
                  &kBmpFile) {
    AddCheck(IDC_BMP_GIANT, &m_Edit.m_Giant);
    AddCombo(IDC_BMP_GIANT_SIZE, &m_Edit.m_GiantSize, g_GiantSizeNames, 2);
}

void cDbPageBmpCharaExc::UpdateCtrls(bool init) {
    SyncName();
    auto* giant = FindCtrl(m_Checks, IDC_BMP_GIANT);
    auto* size = FindCtrl(m_Combos, IDC_BMP_GIANT_SIZE);
    if (giant && size) size->m_Ctrl.Enable(giant->m_Ctrl.GetCheck() ? 1 : 0);
}

void cDbPageBmpCharaExc::Commit() {
    cDbFilePage::Commit();
    if (!BuildCharaBitmaps()) ErrorBoxF("キャラの専用bmpの生成に失敗しました！");
}

cDbPagePicture::cDbPagePicture(cDlg* parent, cWndRegistry* registry)
    : cDbFilePage(IDD_DB_PICTURE, parent, registry, &g_Database.m_Picture, IDC_DB_LIST_PICTURE, &kPictureFile) {}

cDbPageSound::cDbPageSound(cDlg* parent, cWndRegistry* registry)
    : cDbFilePage(IDD_DB_SOUND, parent, registry, &g_Database.m_Sound, IDC_DB_LIST_SOUND, &kSoundFile) {
    AddButton(IDC_DB_PLAY);
}

void cDbPageSound::AttachOwn() {
    cDbFilePage::AttachOwn();
}

bool cDbPageSound::OwnCommand(int id, int code) {
    if (id == IDC_DB_PLAY && code == BN_CLICKED && !m_Edit.m_File.empty()) {
        cString path = m_Edit.m_File;
        if (!PlaySoundFile(m_hWnd, &g_MciSound, 0, &path[0], 0)) ErrorBoxF("読み込み失敗！");
    }
    return true;
}

cDbPageBgm::cDbPageBgm(cDlg* parent, cWndRegistry* registry)
    : cDbFilePage(IDD_DB_BGM, parent, registry, &g_Database.m_Bgm, IDC_DB_LIST_BGM, &kBgmFile) {
    AddButton(IDC_DB_PLAY);
}

void cDbPageBgm::AttachOwn() {
    cDbFilePage::AttachOwn();
}

bool cDbPageBgm::OwnCommand(int id, int code) {
    if (id == IDC_DB_PLAY && code == BN_CLICKED && !m_Edit.m_File.empty()) {
        g_BgmManager.SetFile(0, m_Edit.m_File.c_str());
        if (!g_BgmManager.Play(0, 0, 1, 0, 1)) {
            ErrorBoxF("読み込み失敗！");
            return false;
        }
    }
    return true;
}
