// The command selection dialog "コマンド" (dialog 205): one button per
// command kind of character flows. For a new command the pressed button
// fixes the command's kind and runs that kind's page; an existing command
// opens its page at once and the dialog is never seen. The result is the
// page's (1 after OK, 0 after cancel), 0 when closed without a choice.
#pragma once

#include <cstdint>

#include "base/containers.h"
#include "cmdedit/cmd_dlg.h"
#include "model/cmd_tables.h"
#include "ui/ctrlbutton.h"
#include "ui/dlg.h"

// One row of the selection table: the button, the page dialog (0 none),
// the holder of the page object while it runs and whether the row is
// offered.
struct cCmdEntry {
    uint16_t m_nButton = 0;
    uint16_t m_nPage = 0;
    cCmdDlg** m_lpHolder = nullptr;
    int32_t m_bEnabled = 0;
    // Setting a row clears the holder it points to.
    void Set(int button, int page, cCmdDlg** holder, int enabled);
};

const int kCmdSelectRows = 46;  // row 0 empty, 1 .. 36 the kinds, 37 .. 45 unused buttons

// The button and the page dialog of a character-flow kind (0 and 0 for a
// kind outside 1 .. 36).
int CmdKindButton(int kind);
int CmdKindPageId(int kind);

// What the two command selection dialogs share: the table of rows, the
// buttons named after the kinds, the jump of an existing command straight to
// its page and the run of the chosen kind's page. A dialog fills its table
// with InitTable in its constructor and builds its pages in OpenCmdDlg.
class cCmdSelectBase : public cDlg {
public:
    LRESULT MsgProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void OnInitDialog(WPARAM wp, LPARAM lp) override;
    void OnCommand(WPARAM wp, LPARAM lp) override;

    // Builds the kind's page into the holder, runs it modal and destroys it;
    // the page's result.
    virtual int OpenCmdDlg(cCmdDlg** holder, int kind, int pageId) = 0;

    cEditReq m_Req;
    cVector<cCmdEntry> m_Table;
    cVector<cCtrlButtonItem> m_Buttons;
    int m_bLive = 0;

protected:
    // kinds: the command set's kind table (names) with kindCount entries;
    // cmdSet: the set a chosen command is stored under; screenColorKind: the
    // kind whose button is off in 24-bit colour mode.
    cCmdSelectBase(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                   cCtrl* ownerCtrl, int centre, const cCmdKindEntry* kinds, int kindCount, int8_t cmdSet,
                   int screenColorKind);
    // Rows 1 .. kindCount-1 get {button, page} from kindUi and hold their page
    // in pages[kind]; the rows after them get the spare buttons (never shown).
    void InitTable(const uint16_t (*kindUi)[2], cCmdDlg** pages, const uint16_t* spareButtons);
    bool IsKindRow(int kind) const { return kind >= 1 && kind < m_nKindCount; }

    const cCmdKindEntry* m_lpKinds;
    int m_nKindCount;
    int8_t m_nCmdSet;
    int m_nScreenColorKind;
};

class cCmdSelectDlg : public cCmdSelectBase {
public:
    cCmdSelectDlg(int templateId, cDlg* parent, int kind, const cEditReq* req, cWndRegistry* registry,
                  cCtrl* ownerCtrl, int centre);
    ~cCmdSelectDlg() override;

    // Keeps the parent's lists painted while the selection runs.
    void Draw() override;

    // Builds the kind's page into the holder, runs it modal over the command
    // list and destroys it; the page's result (0 when it could not be made).
    int OpenCmdDlg(cCmdDlg** holder, int kind, int pageId) override;

    cCmdDlg* m_pPages[kCmdKindCount] = {};
};
