#pragma once

#include <functional>
#include <vector>

// Flushes to the disk asked for together.
namespace Flushes {

// Flushes every one of the open files and folders `fds` to the disk, asked
// for all at once, so that the file system can put them there in one go;
// returns when every one is there. Each one's errno, in the order of
// `fds`: 0 when it is on the disk. Where the system takes no such request
// (or not for some file), those are flushed one after the other.
std::vector<int> together(const std::vector<int> &fds);
// The same, one after the other: on a file system held in memory, whose
// flushes wait for no disk, asking for them at once costs more than it
// gains.
std::vector<int> oneByOne(const std::vector<int> &fds);

// For tests: `answers` sees the descriptors and answers of every call of
// the two above before they return, and may change the answers (a disk
// that fails); none to stop. Set it while nothing flushes.
using Answers = std::function<void(const std::vector<int> &fds, std::vector<int> &errors)>;
void watchForTests(Answers answers);

} // namespace Flushes
