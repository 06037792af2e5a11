#pragma once
// What a plug-in object writes into an export's writer, as the map carries it.

#include "common/T3dWriter.h"
#include "tests/common/ScratchFolder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

// The map text that write puts into a freshly opened writer. The writer is
// inside the map block (depth 1), and must be left there.
inline std::string WrittenText(const std::function<void(T3dWriter&)>& write) {
    ScratchFolder folder;
    T3dWriter writer;
    EXPECT_TRUE(writer.Open(folder / "Level.t3d"));
    write(writer);
    EXPECT_EQ(writer.Depth(), 1) << "the plug-in changed the writer's depth";
    writer.Close();
    return FileContents(folder / "Level._3d");
}

// Each line at depth 1, ended with CR LF.
inline std::string MapLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += "\t" + line + "\r\n";
    return text;
}
