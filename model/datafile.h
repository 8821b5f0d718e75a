// Helpers for the project's data files: the "data\" file with its "default\"
// copy, and vectors of strings inside a file.
#pragma once

#include "base/containers.h"
#include "base/record.h"
#include "base/str.h"

// Where a project file came from.
enum eLoadSource {
    kLoadedData,     // the project's own file
    kLoadedDefault,  // its copy under "default\"
    kLoadedNone,     // neither loaded: the object was set to its defaults
};

// Moves a data file that exists but did not load to path + ".bad" (replacing
// an older one), so that writing the fallback over it loses nothing.
void KeepBrokenFile(const char* path);

// Loads obj from dataPath; when that fails, from defaultPath, and when that
// fails too, sets obj to its defaults. In both failure cases the result is
// written to dataPath at once, so the project holds the file from then on.
template <class T>
eLoadSource LoadProjectFile(T& obj, const char* dataPath, const char* defaultPath) {
    if (obj.Load(dataPath)) return kLoadedData;
    KeepBrokenFile(dataPath);
    eLoadSource source = kLoadedDefault;
    if (!obj.Load(defaultPath)) {
        obj.SetDefault();
        source = kLoadedNone;
    }
    obj.Save(dataPath);
    return source;
}

// A vector of strings: a 4-byte count, then each string as a 4-byte length
// L (bytes + 1) followed, unless L is 1, by the bytes and a NUL. Reading
// replaces the vector; a count or length that the file cannot hold fails the
// file and leaves the strings read so far.
void ReadStringVector(cVector<cString>& v, cRecFile* f);
void WriteStringVector(cVector<cString>& v, cRecFile* f);
