#include "listctrl/list_instances.h"

#include "listctrl/listctrl_res.h"

const sListKeyIds kAppearCondKeys = {
    IDA_LIST_INS_1, IDM_LIST_INS_1, {40009, 40001, 40007, 40032}, {40038, 40039, 40040, 40043}, 40033, 40042};
const sListKeyIds kFlowCondKeys = {
    IDA_LIST_INS_2, IDM_LIST_INS_2, {40019, 40012, 40017, 40035}, {40103, 40104, 40105, 40107}, 40034, 40106};
const sListKeyIds kKeyCondKeys = {
    IDA_LIST_INS_3, IDM_LIST_INS_3, {40029, 40022, 40027, 40037}, {40108, 40109, 40110, 40112}, 40036, 40111};
const sListKeyIds kFlowCmdKeys = {
    IDA_LIST_INS_4, IDM_LIST_INS_4, {40098, 40091, 40096, 40102}, {40115, 40116, 40117, 40120}, 40101, 40119};

void SetExplicitKeys(cCtrlListBase& list, const sListKeyIds& k) {
    list.SetAccelWithIds(k.m_nTable, k.m_Accel[0], k.m_Accel[1], k.m_Accel[2], 0, 0, 0, k.m_Accel[3]);
    list.SetPopupWithIds(k.m_nMenu, k.m_Popup[0], k.m_Popup[1], k.m_Popup[2], 0, 0, 0, k.m_Popup[3]);
}

void SetDbTableKeys(cCtrlListBase& list) {
    list.SetKeys(IDA_LIST_1, IDM_LIST_1, 0, 1);
}

void SetInsertListKeys(cCtrlListBase& list) {
    list.SetKeys(IDA_LIST_INS_1, IDM_LIST_INS_1, 1, 1);
}
