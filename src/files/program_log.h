// The programming log: one row per radio a `program` run worked on, appended to a
// comma-separated file, so that what was done to a fleet is on record. Rows of radios that
// finish at the same moment, in one process or several, never mix or replace each other.
#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace kol {

struct ProgramLogRow {
  std::string time;  // when the radio's run began, ISO 8601 with the offset from UTC
  std::string port;
  std::string productCode;
  std::string userMmsiBefore;
  std::string userMmsiAfter;
  std::string file;
  std::string imageSha256;  // of the image sent to the radio
  std::string result;       // "programmed", "failed", "cancelled"
  std::string verified;     // "yes", "no", "not checked", or empty when nothing was sent
  double seconds = 0;
  std::string note;  // what happened, in words, when it did not go through
};

// The column names, the first line of a new log.
std::vector<std::string> ProgramLogColumns();

// "2026-06-12T10:00:00+02:00": the local time now, to the second.
std::string IsoLocalTime();

class ProgramLog {
 public:
  ProgramLog() = default;
  ~ProgramLog();
  ProgramLog(const ProgramLog&) = delete;
  ProgramLog& operator=(const ProgramLog&) = delete;

  // Opens (or creates) the log for appending; false with the system's reason in `error`.
  bool Open(const std::string& path, std::string& error);
  // Appends one row, with the column names first when the log is empty: one write under an
  // exclusive lock of the file, then onto the disk; threads may share one log. False with
  // the reason in `error`.
  bool Append(const ProgramLogRow& row, std::string& error);

 private:
  std::mutex mutex_;  // the file's lock belongs to the opening, not to a thread
  int fd_ = -1;
};

}  // namespace kol
