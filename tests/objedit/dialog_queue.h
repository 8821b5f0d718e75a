// Scripts for modal dialogs that the code under test opens itself: each
// script runs once, in order, on the first visible dialog of this thread
// with its caption, from inside whatever modal loop shows it. A script may
// open the next dialog of the queue in turn.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

class DialogQueue {
public:
    DialogQueue();
    ~DialogQueue();
    void Add(const char* caption, std::function<void(HWND)> script);
    // Scripts still waiting for their dialog.
    int Pending() const;
};

// The text of a dialog's control; of a list box, its row.
std::string ItemText(HWND dlg, int id);
std::string RowText(HWND list, int row);
int RowCount(HWND list);
// Chooses the combo item at the position as the user would (selection change notified).
void ChooseItem(HWND dlg, int id, int pos);
// Replaces an edit's text by typing.
void TypeInto(HWND dlg, int id, const char* keys);
void ClickItem(HWND dlg, int id);
