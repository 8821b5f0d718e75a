// The one-line text of a command in the command lists: the execution-time
// prefix, " ◆", the kind name, " ◆" and a short rendering of the parameters
// that matter most for the kind. Nothing is stored; a list builds its rows
// through these operations whenever it refills.
//
// The texts read the command alone and, by index, the palettes, the variable
// names and the database tables. An index that names no entry (a table that
// shrank after the command was written, or a damaged file) shows an empty
// name; the row is still produced.
#pragma once

#include "base/str.h"
#include "model/cmd_tables.h"
#include "model/flow.h"

// Appends the text of one command kind to text; never clears it.
typedef void (*CmdSummaryFunc)(cString& text, const cEdCommand& cmd);

// The summary operations by kind byte, as the listing pages hold them:
// character flows (entry 0 empty, 1 .. 36 the kinds of g_CmdKind) and item
// effects (entry 0 empty, 1 "フローの変更", k = 2 .. 21 the character-flow
// operation of kind k + 15).
void FillCmdSummary(CmdSummaryFunc (&table)[kCmdKindCount]);
void FillCmdSummary2(CmdSummaryFunc (&table)[kCmdKind2Count]);

// The row text of a command: empties text, then calls the table's entry for
// the command's kind. An empty entry, or a kind outside the table, leaves
// the row empty.
void CmdSummaryRow(cString& text, const cEdCommand& cmd, const CmdSummaryFunc* table, int count);

// The row text of a command through the table of its own set.
cString CmdSummaryText(const cEdCommand& cmd);
