// brevallo-hofd's log on standard error, which never keeps its caller waiting:
// lines are handed to a thread of their own that writes them in order. While
// standard error is not read (a full pipe), up to kLogQueueBytes of lines wait;
// past that, lines are dropped and counted, and a line saying how many follows
// once the writing goes on. Anything that looks like an e-mail address in a line
// is written as "(address)". Qt's own warnings come here too. Lines that cannot
// be written at all (standard error closed) are lost.
#pragma once

#include <QString>

namespace hofd {

constexpr qsizetype kLogQueueBytes = 64 * 1024;

// Starts the writing thread and takes Qt's messages; once, before any line.
void startLog();
// Queues one line (a newline is added). Never waits.
void logText(const QString& line);
// Waits up to waitMs for the lines queued to be written. False when they were not.
bool flushLog(int waitMs);

} // namespace hofd
