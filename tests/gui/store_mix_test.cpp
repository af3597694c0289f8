#include <FL/Fl.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Input.H>
#include <FL/Fl_Output.H>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/control.h"
#include "state/status_message.h"
#include "gui_harness.h"
#include "prefs/prefs.h"
#include "state/effects.h"
#include "state/mix_state.h"

namespace {

const char *const project_files[] = {"faders.txt", "tracks.txt", "prefs.txt"};

std::string Slurp(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool Exists(const std::string &path)
{
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

// The folders the tests made, removed when the test program ends.
struct ScratchFolders {
    std::vector<std::string> paths;
    ~ScratchFolders()
    {
        std::error_code ignored;
        for (const std::string &path : paths)
            std::filesystem::remove_all(path, ignored);
    }
} scratch_folders;

std::string MakeScratch(const char *kind)
{
    std::string pattern = std::string("/tmp/veltrane-") + kind + "-XXXXXX";
    EXPECT_NE(mkdtemp(&pattern[0]), nullptr);
    scratch_folders.paths.push_back(pattern);
    return pattern;
}

// A new empty folder, made the working directory.
std::string EnterScratch()
{
    std::string dir = MakeScratch("store");
    EXPECT_EQ(chdir(dir.c_str()), 0);
    return dir;
}

// The folder of this executable, where the build also puts the stand-in engine.
std::string BuildDirectory()
{
    char path[PATH_SIZE] = "";
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    std::string exe(path, length > 0 ? length : 0);
    return exe.substr(0, exe.rfind('/') + 1);
}

// An engine that is a small script in its own folder; returns the folder with a "/".
std::string ScriptEngine(const char *body)
{
    std::string dir = MakeScratch("engine") + "/";
    std::ofstream(dir + "tolvex") << "#!/bin/sh\n" << body << "\n";
    chmod((dir + "tolvex").c_str(), 0755);
    return dir;
}

void SetAt(float *table, int slot, int index, float value)
{
    table[Cell(slot, index)] = value;
    ChanActive[Cell(slot, index)] = 1;
}

// A mix that touches every part of the three files.
void BuildRichMix()
{
    CopyText(MixName, NAME_SIZE, "Evening Session");
    for (int index : {0, 3, 40}) {
        IndexActiveArray[index] = 1;
        IndexMin[index] = float(index / 10);
        IndexSec[index] = 2.5f + index;
        IndexMsec[index] = 7;
    }
    CopyText(CueNameBuffer[3], CUE_SIZE, "Verse one");
    CopyText(CueNameBuffer[40], CUE_SIZE, "Outro");
    SetAt(Volume, 1, 0, -3.5f);
    SetAt(Volume, 2, 3, -6.25f);
    Offset[Cell(2, 3)] = 1.5f;
    Ramp[Cell(2, 3)] = 2;
    Shape[Cell(2, 3)] = 0.5f;
    SetAt(Volume, SubmixSlot(2), 3, -1);
    SetAt(Volume, VcaSlot(1), 40, -9);
    SetAt(Volume, MasterSlot(), 40, -0.5f);
    const char *names[] = {"Kick", "Snare", "Bass", "Vox"};
    for (int channel = 1; channel <= 4; channel++)
        CopyText(NameBuffer[channel], NAME_SIZE, names[channel - 1]);
    SoloArray[2] = 1;
    MuteArray[3] = 1;
    MuteArray[SubmixSlot(2)] = 1;
    SoloArray[SubmixSlot(1)] = 1;
    SubOn[1] = 1;
    SubAsn[RouteCell(1, 2)] = SubAsn[RouteCell(2, 2)] = 1;
    CopyText(NameBuffer[SubmixSlot(2)], NAME_SIZE, "Drums");
    VcaOn[0] = 1;
    VcaAsn[RouteCell(4, 1)] = 1;
    Pcomp[1][0] = 1;
    Pcomp[1][1] = -12;
    Php[SubmixSlot(2)][0] = 1;
    Prev[2][0] = 1;
    Prev[2][1] = -6;
    Plim[MasterSlot()][0] = 1;
    Prlp[0] = 1;
    Pan[2] = -30;
    Pan[MasterSlot()] = 10;
    PreviewOn = 1;
    PreviewArray[1] = 12;
    PreviewArray[3] = 30;
    XinArray[2] = 0.5f;
    HeadTailArray[0] = 1.25f;
    CopyText(WavDirName, PATH_SIZE, "/audio/takes");
    CopyText(LaunchCommand, PATH_SIZE, "play -q");
    OutbitsStore = 16;
    DitherBits = 2;
    monoOn = 1;
    PanlawStore = 4.5f;
    UpdateGUI();
}

} // namespace

// Runs only as the fresh process of StoreAllThenRecallAllInAFreshProcess.
TEST(StoreAll, FreshProcessRecallsThenStores)
{
    const char *from = getenv("VELTRANE_RECALL_FROM");
    const char *to = getenv("VELTRANE_STORE_TO");
    if (!from || !to)
        GTEST_SKIP() << "started by StoreAllThenRecallAllInAFreshProcess";
    StartVeltrane();
    ASSERT_EQ(chdir(from), 0);
    RecallAll();
    ASSERT_EQ(chdir(to), 0);
    EXPECT_TRUE(SaveAll());
}

TEST(StoreAll, StoreAllThenRecallAllInAFreshProcess)
{
    StartVeltrane();
    BuildRichMix();
    std::string stored = EnterScratch();
    ASSERT_TRUE(SaveAll());
    EXPECT_STREQ(tbuffer, "Save Complete");

    std::string restored = EnterScratch();
    pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        setenv("VELTRANE_RECALL_FROM", stored.c_str(), 1);
        setenv("VELTRANE_STORE_TO", restored.c_str(), 1);
        execl(TestProgram, "store_mix_test", "--gtest_filter=StoreAll.FreshProcessRecallsThenStores",
              (char *)nullptr);
        _exit(127);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    for (const char *name : project_files) {
        std::string original = Slurp(stored + "/" + name);
        EXPECT_GT(original.size(), 20u) << name;
        EXPECT_EQ(Slurp(restored + "/" + name), original) << name;
    }
}

TEST(StoreAll, AFailingStoreKeepsItsMessageAndTheOthersAreStored)
{
    StartVeltrane();
    BuildRichMix();
    EnterScratch();
    ASSERT_EQ(mkdir("prefs.txt", 0755), 0);   // cannot be replaced by a file, even by root
    EXPECT_FALSE(SaveAll());
    EXPECT_STRNE(tbuffer, "Save Complete");
    EXPECT_NE(strstr(tbuffer, "prefs.txt"), nullptr) << tbuffer;
    EXPECT_NE(Slurp("tracks.txt").find("Kick"), std::string::npos);
    EXPECT_NE(Slurp("faders.txt").find("Evening Session"), std::string::npos);

    // Mix then stores again, fails again and does not start the engine.
    std::string engine = ScriptEngine("touch ENGINE_RAN");
    CopyText(Path, PATH_SIZE, engine.c_str());
    Mix();
    EXPECT_FALSE(Exists("ENGINE_RAN"));
    EXPECT_NE(strstr(tbuffer, "prefs.txt"), nullptr) << tbuffer;
}

TEST(Mix, StoresTheMixAndRunsTheEngineInTheWorkingDirectory)
{
    StartVeltrane();
    BuildRichMix();
    std::string saved = EnterScratch();
    ASSERT_TRUE(SaveAll());

    std::string mixed = EnterScratch();
    CopyText(Path, PATH_SIZE, BuildDirectory().c_str());
    Mix();
    EXPECT_STREQ(tbuffer, "Mix Complete");
    EXPECT_STREQ(TextResponse->value(), "Mix Complete");
    // The files hold the state at the press (only prefs.txt differs: it names the engine).
    EXPECT_EQ(Slurp("faders.txt"), Slurp(saved + "/faders.txt"));
    EXPECT_EQ(Slurp("tracks.txt"), Slurp(saved + "/tracks.txt"));
    EXPECT_NE(Slurp("prefs.txt").find("path\t" + BuildDirectory()), std::string::npos);
    std::string log = Slurp(mixed + "/tolvex.log");
    EXPECT_NE(log.find("mix \"Evening Session\""), std::string::npos) << log;
    EXPECT_NE(log.find("\"Outro\""), std::string::npos) << log;
}

TEST(Mix, EngineFailuresAreReportedAndPathsAreNeverCommands)
{
    StartVeltrane();
    std::string failing = ScriptEngine("exit 3");
    std::string killed = ScriptEngine("kill -9 $$");
    std::string ran_here = ScriptEngine("pwd > engine_ran_in");
    const struct { std::string path; std::string message; } cases[] = {
        {"/nonexistent/engine/", "Mix failed: tolvex not found at /nonexistent/engine/tolvex"},
        {failing, "Mix failed: tolvex exited with status 3"},
        {killed, "Mix failed: tolvex ended by signal 9"},
        {"x; touch PWNED; ", "Mix failed: tolvex not found at x; touch PWNED; tolvex"},
        {"$(touch PWNED)/", "Mix failed: tolvex not found at $(touch PWNED)/tolvex"},
        {"`touch PWNED` ; " + ran_here, "Mix failed: tolvex not found at `touch PWNED` ; " + ran_here + "tolvex"},
        {ran_here, "Mix Complete"},
    };
    // An engine that is not found: the preferences show where to set it.
    auto shows_path = [] { return PrefsWindow->shown() && Fl::focus() == PathDisplay; };
    for (const auto &c : cases) {
        std::string dir = EnterScratch();
        CopyText(Path, PATH_SIZE, c.path.c_str());
        HidePrefs();
        Mix();
        EXPECT_EQ(std::string(tbuffer).substr(0, c.message.size()), c.message) << c.path;
        EXPECT_EQ(shows_path(), c.message.find("not found") != std::string::npos) << c.path;
        EXPECT_FALSE(Exists("PWNED")) << c.path;
        EXPECT_EQ(Exists("engine_ran_in"), c.message == "Mix Complete") << c.path;
    }

    // An empty Path looks the engine up on the search path.
    std::string search = getenv("PATH") ? getenv("PATH") : "";
    Path[0] = 0;
    setenv("PATH", "/nonexistent", 1);
    EnterScratch();
    HidePrefs();
    Mix();
    EXPECT_STREQ(tbuffer, "Mix failed: tolvex not found on the search path");
    EXPECT_TRUE(shows_path());
    HidePrefs();
    setenv("PATH", ran_here.c_str(), 1);
    std::string dir = EnterScratch();
    Mix();
    EXPECT_STREQ(tbuffer, "Mix Complete");
    EXPECT_EQ(Slurp("engine_ran_in"), dir + "\n");
    setenv("PATH", search.c_str(), 1);
}
