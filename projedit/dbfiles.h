// The pages of the database sheet that name files: "キャラの専用bmp",
// "ピクチャー", "効果音" and "BGM".
#pragma once

#include "model/database.h"
#include "projedit/dbpage.h"

// A page with the name, path, "ファイル名と同じ" and "参照" and nothing else.
template <class T>
class cDbFilePage : public cDbPage<T> {
public:
    cDbFilePage(int dlgId, cDlg* parent, cWndRegistry* registry, cVector<T>* table, int listId,
                const sDbFileDialog* file)
        : cDbPage<T>(dlgId, parent, registry, table, listId, 999, 1, file) {
        this->AddFileCtrls(&this->m_Edit.m_File, &this->m_Edit.m_SameAsFile);
    }

protected:
    void AttachOwn() override { this->FindFileCtrls(IDC_DB_PATH); }
};

class cDbPageBmpCharaExc : public cDbFilePage<cEdBmpCharaExc> {
public:
    cDbPageBmpCharaExc(cDlg* parent, cWndRegistry* registry);
    // Also rebuilds the character bitmaps, whether the page was shown or not.
    void Commit() override;

protected:
    void UpdateCtrls(bool init) override;
};

class cDbPagePicture : public cDbFilePage<cEdPicture> {
public:
    cDbPagePicture(cDlg* parent, cWndRegistry* registry);
};

class cDbPageSound : public cDbFilePage<cEdSound> {
public:
    cDbPageSound(cDlg* parent, cWndRegistry* registry);

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
};

class cDbPageBgm : public cDbFilePage<cEdBgm> {
public:
    cDbPageBgm(cDlg* parent, cWndRegistry* registry);

protected:
    void AttachOwn() override;
    bool OwnCommand(int id, int code) override;
};
