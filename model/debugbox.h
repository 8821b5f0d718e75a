// Debugging messages of the data model. The model shows no windows: the
// application installs a handler that puts the text in a message box (only
// while the error log is on); until then the text goes to the report log.
#pragma once

typedef void (*tDebugBoxHandler)(const char* text);

// Installs the handler; null goes back to the report log.
void SetDebugBoxHandler(tDebugBoxHandler handler);

// Formats the text (at most 1023 bytes) and hands it to the handler.
void DebugBoxF(const char* fmt, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
