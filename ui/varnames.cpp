#include "ui/varnames.h"

#include "base/msgbox.h"
#include "ui/inputdlg.h"

void MakeVarNameList(cVector<cString>* out, const cVector<cEdValInfo>& vars) {
    out->clear();
    for (int i = 1; i < static_cast<int>(vars.size()); ++i) {
        cString text;
        text.Format("%03d %s", i, vars[i].m_Name.CStr());
        out->push_back(text);
    }
}

bool InputVariableName(cDlg* owner, cVector<cEdValInfo>* vars, int var, cCtrl* over) {
    if (!vars || var <= 0 || var >= static_cast<int>(vars->size())) {
        MessageBeep(0);
        return false;
    }
    cString name = (*vars)[var].m_Name;
    if (InputString(owner, owner ? owner->m_lpRegistry : nullptr, &name, 12, 0, "変数名の入力", over, 1) != 1)
        return false;
    (*vars)[var].m_Name = name;
    return true;
}

bool RenameCommonVariable(cDlg* owner, cVector<cEdValInfo>* vars, int var, cCtrl* over, bool (*save)()) {
    if (!InputVariableName(owner, vars, var, over)) return false;
    if (save && !save()) ErrorBoxF("data\\GValInfo.dat の保存に失敗！");
    return true;
}
