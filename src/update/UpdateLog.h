// The update log: res\update.log in the data folder, UTF-16LE without byte-order mark, one
// time-stamped CRLF-ended line per event. It is only ever appended to.
#pragma once
#include <windows.h>
#include <string>

constexpr ULONGLONG kUpdateLogSizeLimit = 10485760;  // bytes
extern const wchar_t kUpdateLogSeparator[];          // closes the record of one update run

// "yyyy-mm-dd hh:mm:ss : \tUpdateModule\t<message>", the fields blank-padded to two places.
std::wstring FormatUpdateLogLine(const SYSTEMTIME& time, const std::wstring& message);

// Appends one line stamped with the local time: 0 when written, -1 otherwise. Never creates the
// res folder and never replaces an existing log.
int WriteUpdateLog(const std::wstring& message);

// Deletes the log when it has grown past the size limit; a log of exactly the limit is kept.
void TrimUpdateLog();
