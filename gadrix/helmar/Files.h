#pragma once
// Folder and stream helpers of the base library.
//
// Paths are UTF-8. Both the slash and the backslash separate path components, so that paths
// written in either convention can be taken apart on every platform.

#include <istream>
#include <string>

namespace gadrix {

// True when Path names an existing folder (a trailing separator is allowed). False for an empty
// path and whenever the file system cannot be asked.
bool DirExists(const std::string& Path);

// The folder that holds Path, with its trailing separator: "C:\data\2024\" and "C:\data\2024"
// both give "C:\data\"; "/home/ann/" gives "/home/". Empty at a root ("C:\", "C:", "/", "\"),
// for an empty path and for a bare name without any separator.
std::string ParentDir(const std::string& Path);

// Reads the next line of Stream and returns it without its line end. A line ends at a line feed,
// a carriage return, or both in that order ("\r\n"), or at the end of the stream. Eof becomes true
// when nothing is left to read after this line, also when the stream is already at its end or
// unreadable (the result is then empty). MaxLength limits the result to that many characters and
// skips the rest of the line; 0 or below means no limit. The stream is left right after the line
// end, so a caller may go on reading from there.
std::string ReadLnStream(std::istream& Stream, bool& Eof, int MaxLength = 0);

}  // namespace gadrix
