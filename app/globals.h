// The global objects of the editor that have no module of their own, and the
// wiring of the data model to the rest of the program. Every global object of
// the project is defined in globals.cpp, in one fixed order; see there.
#pragma once

#include "base/containers.h"
#include "base/dib.h"
#include "base/sequencer.h"
#include "base/str.h"
#include "model/record_refs.h"
#include "model/stage.h"

extern cString g_StartDir;  // the working folder of the start
extern cVector<cEdValInfo> g_GValInfo;  // the common variables
extern cVector<cDib> g_CharaBitmaps;
extern cDib g_Bitmaps[kBitmapCount];
extern cAnimeSequencer g_AnimePreview;

// Hands the data model what it looks up elsewhere: the sizes of the
// database tables and palettes and the running time of sword types
// (record_refs.h), the number of background-music entries, and the message
// box for its debugging messages. Start-up calls it before loading the
// project; calling it again does no harm.
void InstallModelHooks();

// The lookup that InstallModelHooks installs: it answers from g_Database,
// g_CommonPalette and the palette of g_Stage.
const cRecordRefs& ProjectRecordRefs();
