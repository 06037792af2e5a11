#pragma once
// Host names (node names, group names, bitmap file names) become engine
// object names: the engine reads '.' as a package separator and ',' '[' ']'
// and blanks as syntax, so they become '_' and '+' becomes 'P'. Quotes,
// path separators and the other characters a file name or a console command
// cannot carry become '_' as well: a name ends up inside quoted EXEC
// commands and in the path of its mesh file. Bytes 0x80 and above are
// Windows-1252 letters and stay.

#include <string>

void Sanitize(std::string& name);
