// What the export must never do, whatever it is given: let a text break an
// output line, lose the previous export or the stored options, or claim a
// clipboard it did not reach.

#include "tests/common/WinePath.h"
#include "tests/corvatrix/RunProgram.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sys/mount.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ExampleScene() { return std::string(CORVATRIX_SOURCE_DIR) + "/examples/castle.json"; }

// Every file under folder with its bytes, by path relative to folder.
std::map<std::string, std::string> Snapshot(const std::string& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files[fs::relative(entry.path(), folder).string()] = FileContents(entry.path());
    }
    return files;
}

// Starts the program in folder with its output in files there; the pid.
pid_t StartProgram(const std::vector<std::string>& args, const std::string& folder) {
    const pid_t pid = ::fork();
    if (pid != 0) return pid;
    if (::chdir(folder.c_str()) != 0) ::_exit(127);
    ::dup2(::open(".stdout", O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
    ::dup2(::open(".stderr", O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>("corvatrix")};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(ProgramPath().c_str(), argv.data());
    ::_exit(127);
}

TEST(ExportSafety, TextsFromOptionsAndScenesCannotBreakAnOutputLine) {
    ScratchFolder folder;
    for (const char* option : {"--package 'My\"Pkg'", "--group \"$(printf 'a\\nMAP REBUILD')\"",
                               "--group \"$(printf 'tab\\there')\""}) {
        ProgramRun run = RunProgram("export '" + ExampleScene() + "' out/L.t3d --settings s.ini " + option,
                                    folder.Path());
        EXPECT_EQ(run.exitCode, 2) << option;
        EXPECT_NE(run.err.find("cannot hold a double quote or a control character"), std::string::npos) << run.err;
    }
    EXPECT_EQ(folder.Entries(), std::vector<std::string>{}) << "nothing written, not even the settings";

    // A stored value that holds one (an older settings file) is as good as none.
    std::ofstream(folder / "s.ini") << "[SOFTWARE\\corvatrix\\3.0]\n\"Package\"=\"a\\\"b\"\n\"Group\"=\"c\\nd\"\n";
    const std::string options = RunProgram("options --settings s.ini", folder.Path()).out;
    EXPECT_EQ(options.rfind("Package=myLevel\nGroup=3dsmax\n", 0), 0u) << options;

    // Free texts of the scene reach the map with their quotes and control
    // characters made harmless.
    std::ofstream(folder / "trigger.json")
        << R"({"nodes": [{"name": "Door", "object": {"type": "box"}},
                         {"name": "Switch", "object": {"type": "Trigger", "event": "Door",
                          "properties": {"Message": "say \"hi\"\r\nEnd Actor"}}}]})";
    ASSERT_EQ(RunProgram("export trigger.json L.t3d --settings s.ini", folder.Path()).exitCode, 0);
    const std::string map = FileContents(folder / "L.t3d");
    EXPECT_NE(map.find("\tMessage=\"say 'hi'  End Actor\"\r\n"), std::string::npos) << map;
    EXPECT_EQ(map.find("\nEnd Actor\""), std::string::npos);
}

TEST(ExportSafety, FailedOrInterruptedExportLeavesWholeFiles) {
    // Cancelled by a signal: a finished map of the nodes so far, exit 130
    // (143 for SIGTERM), no temporary file. The scene is large enough for
    // the signal to arrive during the walk.
    ScratchFolder folder;
    {
        std::ofstream big(folder / "big.json");
        big << "{\"nodes\": [";
        for (int i = 0; i < 20000; ++i)
            big << (i ? "," : "") << "{\"name\": \"B" << i << "\", \"object\": {\"type\": \"box\"}}";
        big << "]}";
    }
    for (const auto& [sig, exitCode] : {std::pair{SIGTERM, 143}, std::pair{SIGHUP, 130}, std::pair{SIGINT, 130}}) {
        const std::string out = "out" + std::to_string(sig);
        const pid_t pid = StartProgram({"export", "big.json", out + "/L.t3d", "--settings", "s.ini"}, folder.Path());
        // The actor file shows that the walk has begun.
        for (int wait = 0; wait < 60000 && !fs::exists(folder / (out + "/L._3d")); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ::kill(pid, sig);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, exitCode) << "signal " << sig;
        const std::string map = FileContents(folder / (out + "/L.t3d"));
        EXPECT_EQ(map.substr(map.size() - 9), "End Map\r\n");
        for (std::size_t end = 0, start = 0; (end = map.find('\n', start)) != std::string::npos; start = end + 1)
            ASSERT_EQ(map[end - 1], '\r') << "a line cut in half at " << end;
        // The signal may come before the first static mesh is written.
        std::vector<std::string> entries = folder.Entries(out);
        const bool meshes = std::find(entries.begin(), entries.end(), "ase_myLevel") != entries.end();
        if (meshes) entries.erase(std::find(entries.begin(), entries.end(), "ase_myLevel"));
        EXPECT_EQ(entries, (std::vector<std::string>{"L.exec", "L.t3d"}));
        for (const std::string& name : meshes ? folder.Entries(out + "/ase_myLevel") : std::vector<std::string>{})
            EXPECT_EQ(name.substr(name.size() - 4), ".ase") << name;
    }

    // A full disk: exit 1 with the reason; the previous export is untouched.
    if (::geteuid() != 0) GTEST_SKIP() << "a small disk needs root to mount a tmpfs";
    const std::string disk = folder / "disk";
    fs::create_directory(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=1m") != 0) GTEST_SKIP() << "cannot mount a tmpfs here";
    struct Unmount {
        std::string path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{disk};
    const std::string exportCastle = "export '" + ExampleScene() + "' disk/Castle.t3d --settings s.ini";
    ASSERT_EQ(RunProgram(exportCastle, folder.Path()).exitCode, 0);
    const auto previous = Snapshot(disk);
    ASSERT_NE(::system(("dd if=/dev/zero of='" + disk + "/filler' bs=4k 2>/dev/null").c_str()), -1);
    ProgramRun full = RunProgram(exportCastle + " --no-bound-brush", folder.Path());
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_NE(full.err.find("No space left on device"), std::string::npos) << full.err;
    fs::remove(disk + "/filler");
    EXPECT_EQ(Snapshot(disk), previous) << "files changed, or a temporary file is left";
}

TEST(ExportSafety, StoredOptionsAreNeverLostAndOnlyWrittenWhenTheyChange) {
    ScratchFolder folder;
    // A hand-written file that any rewrite would change.
    const std::string handWritten = "; kept by hand\n[SOFTWARE\\corvatrix\\3.0]\n\"Package\"=\"Keep\"\n";
    std::ofstream(folder / "s.ini") << handWritten;
    std::ofstream(folder / "bad.json") << "{\"nodes\": 5}";
    for (const char* args : {"options", "classes", "--help", "export bad.json out/L.t3d"}) {
        EXPECT_NE(RunProgram(args, folder.Path(), "CORVATRIX_SETTINGS=s.ini").exitCode, -1);
        EXPECT_EQ(FileContents(folder / "s.ini"), handWritten) << args;
    }

    // A link stays a link; the file it leads to gets the options.
    fs::create_symlink("real.ini", folder / "link.ini");
    ASSERT_EQ(RunProgram("export '" + ExampleScene() + "' L.t3d --settings link.ini --package Linked", folder.Path())
                  .exitCode,
              0);
    EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
    EXPECT_NE(FileContents(folder / "real.ini").find("\"Package\"=\"Linked\""), std::string::npos);

    // Options that cannot be stored: the export runs and says so.
    fs::create_directory(folder / "folder.ini");
    ProgramRun unsaved = RunProgram("export '" + ExampleScene() + "' M.t3d --settings folder.ini", folder.Path());
    EXPECT_EQ(unsaved.exitCode, 0);
    EXPECT_NE(unsaved.err.find("options were not saved to folder.ini"), std::string::npos) << unsaved.err;
    EXPECT_TRUE(os::FileExists(folder / "M.t3d"));
}

TEST(ExportSafety, CompletionMessageSaysWhetherTheClipboardTookTheCommand) {
    ScratchFolder folder;
    fs::create_directory(folder / "bin");
    const std::string env = "env -u WAYLAND_DISPLAY DISPLAY=:0 PATH='" + folder.Path() + "/bin':\"$PATH\"";
    const std::string exportArgs = "export '" + ExampleScene() + "' L.t3d --settings s.ini";
    const std::string command = "EXEC \"" + WinePath(folder.Path() + "/L.exec") + "\"\n";
    const std::string notCopied = "No desktop clipboard was reachable; the EXEC console command is printed below.\n";

    // A clipboard tool that takes the text, then one that fails.
    const std::string copied = "The EXEC console command has been copied to the clipboard...\n";
    for (const auto& [tool, takes] :
         {std::pair{"#!/bin/sh\ncat > clipboard\n", true}, std::pair{"#!/bin/sh\nexit 1\n", false}}) {
        std::ofstream(folder / "bin/xclip") << tool;
        fs::permissions(folder / "bin/xclip", fs::perms::owner_all);
        ProgramRun run = RunProgram(exportArgs, folder.Path(), env);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        // The summary, then the message and the command.
        const std::string tail = (takes ? copied : notCopied) + command;
        EXPECT_EQ(run.out.substr(run.out.size() - std::min(run.out.size(), tail.size())), tail) << run.out;
        if (takes) {
            EXPECT_EQ(FileContents(folder / "clipboard") + "\n", command);
        }
    }
    const std::string out = RunProgram(exportArgs, folder.Path(), "env -u DISPLAY -u WAYLAND_DISPLAY").out;
    EXPECT_EQ(out.substr(out.size() - std::min(out.size(), (notCopied + command).size())), notCopied + command);
}

}  // namespace
