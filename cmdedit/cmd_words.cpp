#include "cmdedit/cmd_words.h"

#include "model/cmd_tables.h"

const char* const g_ChaVarNames[] = {
    "1 キャラ変数-1", "2 キャラ変数-2", "3 キャラ変数-3", "4 キャラ変数-4",
    "5 キャラ変数-5", "6 キャラ変数-6", "7 キャラ変数-7", "8 キャラ変数-8", "",
};
const char* const g_CalcWord[] = {"＝", "＋", "－", "×", "÷", "÷ X の余り", "X ％", ""};
const char* const g_CompareWord[] = {"である", "でない", "以上", "以下", "より上", "より下", ""};
const char* const g_CondThenWord[] = {"なら", "でないなら", ""};

const char* TableWord(const char* const* table, int index) {
    if (index < 0 || index >= TableCount(table)) return "";
    return table[index];
}
