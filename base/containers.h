// Checked containers. A bad index is never undefined behaviour: it is logged
// ("err V[%d] ( %d , %d )" / "err L[%d] ( %d , %d )" to the error log and the
// report log), the application is made to close, and the caller carries on
// with the first element (a list: its default element).
//
// How the application closes depends on the calling module, and the caller
// says so explicitly: operator[] destroys the application window at once
// (every module but the base library); the base library's own modules call
// At(i, kClosePost), which posts WM_CLOSE instead.
#pragma once

#include <cstdint>
#include <iterator>
#include <list>
#include <vector>

#include "base/platform.h"

class cRecFile;

// Logs the bad index and closes the application window as mode says.
void ReportBadIndex(char kind, int index, int size, int elemSize, eCloseMode mode);

// A default element per type, handed out for a bad index when there is no
// first element to give. It is reset before every use, so a caller that writes
// to it cannot leave garbage for the next one.
template <class T>
T& FallbackElement() {
    static T value;
    value = T();
    return value;
}

template <class T>
class cVector : public std::vector<T> {
    using Base = std::vector<T>;

public:
    using Base::Base;
    cVector() = default;
    cVector(const cVector&) = default;
    cVector(cVector&&) = default;

    T& operator[](int i) { return At(i, kCloseDestroy); }
    const T& operator[](int i) const { return const_cast<cVector*>(this)->At(i, kCloseDestroy); }

    T& At(int i, eCloseMode mode) {
        if (i >= 0 && static_cast<size_t>(i) < Base::size()) return Base::data()[i];
        ReportBadIndex('V', i, static_cast<int>(Base::size()), static_cast<int>(sizeof(T)), mode);
        if (Base::empty()) return FallbackElement<T>();
        return Base::front();
    }

    // Inserts before element i; appends when i is not below the size.
    void InsertAt(int i, const T& x) {
        if (i >= 0 && static_cast<size_t>(i) < Base::size()) {
            Base::insert(Base::begin() + i, x);
        } else if (i < 0 && !Base::empty()) {
            // the checked access of a negative index reports it and gives element 0
            At(i, kCloseDestroy);
            Base::insert(Base::begin(), x);
        } else {
            Base::push_back(x);
        }
    }

    bool EraseAt(int i) {
        if (static_cast<uint32_t>(i) >= Base::size()) return false;
        Base::erase(Base::begin() + i);
        return true;
    }

    bool EraseAt(int i, int count) {
        for (int n = 0; n < count; ++n) {
            if (!EraseAt(i)) return false;
        }
        return true;
    }

    typename Base::iterator IterAt(int n) { return Base::begin() + n; }

    cVector& operator=(const cVector& src) {
        if (this == &src) return *this;
        Base::resize(src.size(), T());
        for (size_t i = 0; i < src.size(); ++i) Base::data()[i] = src.data()[i];
        return *this;
    }
    cVector& operator=(cVector&&) = default;

    void Fill(const T& value) {
        for (int i = 0; i < static_cast<int>(Base::size()); ++i) (*this)[i] = value;
    }

    void Reset(int n) { Base::assign(n > 0 ? static_cast<size_t>(n) : 0, T()); }

    // Record-file operations (record.h): a vector of records as a whole-file
    // body, and a vector of plain values.
    void Read(cRecFile* f);
    void Write(cRecFile* f);
    void ReadRaw(cRecFile* f);
    void WriteRaw(cRecFile* f) const;
};

template <class T>
class cList : public std::list<T> {
    using Base = std::list<T>;

public:
    using Base::Base;

    T& operator[](int i) {
        if (i >= 0 && static_cast<size_t>(i) < Base::size()) {
            auto it = Base::begin();
            std::advance(it, i);
            return *it;
        }
        ReportBadIndex('L', i, static_cast<int>(Base::size()), static_cast<int>(sizeof(T)), kCloseDestroy);
        static T defaultElement;  // the same object for every bad index
        return defaultElement;
    }
};
