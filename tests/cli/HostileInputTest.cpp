// daq-cli run as a user runs it, as its own process, on inputs meant to break
// it: folders and /proc files to read, devices, FIFOs and links to write,
// a full or closed standard output, signals in the middle of a capture,
// arguments of thousands of characters. Each row says the exit status and
// the gist of the one line on standard error.

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>
#include <thread>

#include "CliExit.h"
#include "CliTestSupport.h"
#include "SigrokSession.h"
#include "SigrokTestSupport.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

// The program under test: $DAQ_CLI_PROGRAM, else the one built with the tests.
std::string Program() {
    const char* given = std::getenv("DAQ_CLI_PROGRAM");
    return given != nullptr ? given : DAQ_CLI_PROGRAM;
}

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

constexpr const char* kClosed = "(closed)";
constexpr const char* kOut = "out.txt";
constexpr const char* kNoOut = "standard output: cannot be written";

struct Row {
    const char* what = "";
    std::vector<std::string> args = {};  // run in the row's folder
    int status = kExitOk;
    const char* gist = "";   // in the one line on standard error; "" for none
    const char* keeps = "";  // a name in the folder that stays what it was
    const char* out = kOut;  // standard output, or kClosed
    // Sent once the capture is writing cut.csv, which with cut.wav must then
    // be valid.
    std::vector<int> signals = {};
    const char* in = "/dev/null";  // standard input
};

struct Ran {
    int status = -1;  // 128 + N when killed by signal N
    std::string err;
};

// Waits until the capture has written rows, so the signals come mid-write.
bool WaitForRows(const fs::path& csv, pid_t pid) {
    for (int i = 0; i < 3000; ++i) {
        std::error_code error;
        if (fs::file_size(csv, error) > 100 && !error) {
            return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

Ran RunIn(const fs::path& dir, const Row& row) {
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addchdir_np(&files, dir.c_str());
    posix_spawn_file_actions_addopen(&files, 0, row.in, O_RDONLY, 0);
    if (std::string_view(row.out) == kClosed) {
        posix_spawn_file_actions_addclose(&files, 1);
    } else {
        posix_spawn_file_actions_addopen(&files, 1, row.out, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&files, 2, "err.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const std::string program = Program();
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : row.args) {
        argv.push_back(const_cast<char*>(arg.c_str()));
    }
    argv.push_back(nullptr);
    // calibration.ini is not looked for in the user's folder.
    const std::string config = "XDG_CONFIG_HOME=" + dir.string();
    std::vector<char*> env{const_cast<char*>(config.c_str())};
    for (char** e = environ; *e != nullptr; ++e) {
        if (!std::string_view(*e).starts_with("XDG_CONFIG_HOME=")) {
            env.push_back(*e);
        }
    }
    env.push_back(nullptr);
    pid_t pid = 0;
    Ran ran;
    const int spawned = posix_spawn(&pid, program.c_str(), &files, nullptr, argv.data(), env.data());
    posix_spawn_file_actions_destroy(&files);
    if (spawned != 0) {
        ADD_FAILURE() << program << ": " << std::strerror(spawned);
        return ran;
    }
    if (!row.signals.empty()) {
        EXPECT_TRUE(WaitForRows(dir / "cut.csv", pid)) << "the capture never wrote rows";
        for (const int signal : row.signals) {
            kill(pid, signal);
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    ran.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    ran.err = Slurp(dir / "err.txt");
    return ran;
}

// What a cut capture must leave: a CSV of whole rows, a WAV file and a
// sigrok session holding one sample per row.
void ValidCut(const fs::path& dir) {
    const auto rows = ReadCsv((dir / "cut.csv").string());
    ASSERT_GT(rows.size(), 1u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
    }
    const std::optional<Wav> wav = ReadWav((dir / "cut.wav").string());
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->bytes.size(), rows.size() - 1);
    const SigrokChannelRead session =
        ReadSigrokChannel((dir / "cut.sr").string(), SigrokChannelChoice{0, ""});
    ASSERT_TRUE(session.ok) << session.error;
    EXPECT_EQ(session.samples.size(), rows.size() - 1);
}

// The start of an executable: NULs and bytes that are not UTF-8.
const std::string kGarbage(
    "\x7f"
    "ELF\x02\x01\x01\0\0\0\xff\xfe",
    12);

const std::vector<std::string> kLong{"capture", "--rate", "6.25k",   "--duration", "60",     "--csv",
                                     "cut.csv", "--wav",  "cut.wav", "--sr",       "cut.sr", "--simulate"};

// Sessions meant to break a reader, made once and linked into each row's
// folder under these names.
void MakeHostileSessions(const fs::path& dir) {
    const std::string meta = "[global]\nsigrok version=0.5.2\n\n[device 1]\n";
    const std::string analog = meta + "samplerate=100 kHz\ntotal analog=1\nanalog1=CH0\n";
    const std::string samples = Floats({0.5f, -0.5f, 0.25f, 1.0f});
    auto session = [&](const char* name, const std::string& metadata, std::vector<ZipEntry> data) {
        std::vector<ZipEntry> entries{{"version", "2"}, {"metadata", metadata}};
        entries.insert(entries.end(), data.begin(), data.end());
        ASSERT_TRUE(WriteZip((dir / name).string(), entries)) << name;
    };
    // A good session of noise, whose deflated samples fill most of the file.
    std::vector<float> noise(50000);
    std::uint32_t state = 7;
    for (float& value : noise) {
        state = state * 1664525u + 1013904223u;
        value = static_cast<float>(state >> 9) / 8388608.0f;
    }
    ASSERT_EQ(WriteSigrokSession((dir / "good.sr").string(), 100000, {"CH0"}, {noise}), "");
    std::string good;
    {
        std::ifstream in(dir / "good.sr", std::ios::binary);
        good.assign(std::istreambuf_iterator<char>(in), {});
    }
    std::string damaged = good;
    for (std::size_t i = damaged.size() / 2; i < damaged.size() / 2 + 64; ++i) {
        damaged[i] = static_cast<char>(~damaged[i]);
    }
    std::ofstream(dir / "damaged.sr", std::ios::binary) << damaged;
    std::ofstream(dir / "truncated.sr", std::ios::binary) << good.substr(0, good.size() / 2);
    std::ofstream(dir / "text.sr", std::ios::binary) << "time_s,ch0_v\n0,1\n";
    std::ofstream(dir / "empty.sr", std::ios::binary);
    session("hugemeta.sr", analog + "comment=" + std::string(10 << 20, 'x') + "\n",
            {{"analog-1-1-1", samples}});
    // 300 MB of zeros in 300 kB: more samples than a channel is read with.
    session("bomb.sr", analog, {{"analog-1-1-1", "", 300000000}});
    session("gap.sr", analog, {{"analog-1-1-1", samples}, {"analog-1-1-3", samples}});
    session("rate0.sr", meta + "samplerate=0\ntotal analog=1\nanalog1=CH0\n", {{"analog-1-1-1", samples}});
    session("noanalog.sr", meta + "samplerate=1 kHz\n", {});
    session(
        "logic.sr",
        meta + "capturefile=logic-1\ntotal probes=2\nsamplerate=1 kHz\nprobe1=D0\nprobe2=D1\nunitsize=1\n",
        {{"logic-1-1", "\x01\x02\x03\x00"}});
    session("nounit.sr",
            meta + "capturefile=logic-1\ntotal probes=2\nsamplerate=1 kHz\ntotal analog=1\nanalog3=CH0\n",
            {{"logic-1-1", "\x01\x02\x03"}, {"analog-1-3-1", samples}});
    session("channels.sr", meta + "samplerate=1 kHz\ntotal analog=200000000\nanalog1=CH0\n",
            {{"analog-1-1-1", samples}});
    session("forged.sr", analog, {{"analog-1-1-1", "", 40000000}});
    ASSERT_TRUE(ForgeStatedSize((dir / "forged.sr").string(), "analog-1-1-1", 4000));
    fs::create_directory(dir / "folder.sr");
}

const char* const kHostileSessions[] = {
    "good.sr", "damaged.sr", "truncated.sr", "text.sr",  "empty.sr",  "hugemeta.sr", "bomb.sr",
    "gap.sr",  "rate0.sr",   "noanalog.sr",  "logic.sr", "nounit.sr", "channels.sr", "forged.sr"};

std::vector<std::string> Capture(std::vector<std::string> more) {
    std::vector<std::string> args{"capture", "--rate", "64", "--duration", "1", "--simulate"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(HostileInputTest, EachEndsWithItsStatusAndOneLine) {
    const std::string longText(5000, 'x');
    const Row rows[] = {
        // Files that cannot be read.
        {"a folder", {"spectrum", "folder"}, kExitFile, "folder: cannot be read: Is a directory"},
        {"/proc/self/mem", {"spectrum", "/proc/self/mem"}, kExitFile, "cannot be read: "},
        {"a folder as input",
         {"spectrum", "-"},
         kExitFile,
         "standard input: cannot be read: Is a directory",
         "",
         kOut,
         {},
         "folder"},
        {"a line break in the name",
         {"spectrum", "a\nb"},
         kExitFile,
         "a\\x0Ab: cannot be read: No such file"},
        // Files measure cannot take, and values it must.
        {"measure a folder", {"measure", "folder"}, kExitFile, "folder: cannot be read: Is a directory"},
        {"measure /dev/null", {"measure", "/dev/null"}, kExitFile, "/dev/null: empty file"},
        {"measure /dev/zero", {"measure", "/dev/zero"}, kExitFile, "/dev/zero:1: binary data"},
        {"measure garbage", {"measure", "garbage.bin"}, kExitFile, "garbage.bin:1: binary data"},
        {"measure a missing file",
         {"measure", "missing.csv"},
         kExitFile,
         "missing.csv: cannot be read: No such"},
        {"measure huge values", {"measure", "huge.csv", "--json", "--rate", "64"}, kExitOk, ""},
        {"measure beyond a double",
         {"measure", "over.csv"},
         kExitFile,
         "over.csv:3: \"-1e400\" is not a number"},
        {"measure --rate 0", {"measure", "in.csv", "--rate", "0"}, kExitUsage, "--rate \"0\""},
        {"measure --rate -1", {"measure", "in.csv", "--rate=-1"}, kExitUsage, "--rate \"-1\""},
        {"measure --rate nan", {"measure", "in.csv", "--rate", "nan"}, kExitUsage, "--rate \"nan\""},
        {"measure --rate 1e400", {"measure", "in.csv", "--rate", "1e400"}, kExitUsage, "--rate \"1e400\""},
        {"measure > /dev/full", {"measure", "in.csv"}, kExitFile, kNoOut, "", "/dev/full"},
        {"measure --json >&-", {"measure", "in.csv", "--json"}, kExitFile, kNoOut, "", kClosed},
        // Paths --wav must not delete.
        {"--wav FIFO", Capture({"--wav", "fifo"}), kExitFile, "fifo: cannot be written: it is a FIFO",
         "fifo"},
        {"--wav device", Capture({"--wav", "device"}), kExitFile, "it is a device", "device"},
        {"--wav folder", Capture({"--wav", "folder"}), kExitFile, "it is a folder", "folder"},
        {"--wav link", Capture({"--wav", "link.wav"}), kExitOk, "", "link.wav"},
        // Paths --sr must not replace.
        {"--sr FIFO", Capture({"--sr", "fifo"}), kExitFile, "fifo: cannot be written: it is a FIFO", "fifo"},
        {"--sr device", Capture({"--sr", "device"}), kExitFile, "it is a device", "device"},
        {"--sr folder", Capture({"--sr", "folder"}), kExitFile, "it is a folder", "folder"},
        {"--sr link", Capture({"--sr", "link.sr"}), kExitOk, "", "link.sr"},
        {"--sr in a missing folder", Capture({"--sr", "none/x.sr"}), kExitFile,
         "none/x.sr: cannot be written: No such file or directory"},
        // Sessions that are damaged, forged or no sessions at all.
        {"damaged.sr", {"spectrum", "damaged.sr"}, kExitFile, "damaged.sr: damaged"},
        {"truncated.sr",
         {"spectrum", "truncated.sr"},
         kExitFile,
         "damaged or truncated: its zip archive cannot be opened"},
        {"text named .sr", {"spectrum", "text.sr"}, kExitFile, "not a sigrok session: not a zip archive"},
        {"empty.sr", {"spectrum", "empty.sr"}, kExitFile, "not a sigrok session: not a zip archive"},
        {"a folder named .sr",
         {"spectrum", "folder.sr"},
         kExitFile,
         "folder.sr: cannot be read: Is a directory"},
        {"10 MB metadata line", {"spectrum", "hugemeta.sr"}, kExitFile, "its metadata holds 10485"},
        {"zip bomb",
         {"spectrum", "bomb.sr"},
         kExitFile,
         "daq-cli reads at most 67108864 samples of a channel"},
        {"zip bomb, first points", {"spectrum", "bomb.sr", "--points", "4096"}, kExitOk},
        {"chunks out of order", {"spectrum", "gap.sr"}, kExitFile, "chunk analog-1-1-2 is missing"},
        {"sample rate 0", {"spectrum", "rate0.sr"}, kExitFile, "sample rate of 0: give --rate"},
        {"sample rate 0 given", {"spectrum", "rate0.sr", "--rate", "100"}, kExitOk},
        {"no analog channel", {"spectrum", "noanalog.sr"}, kExitFile, "no analog channel"},
        {"logic only", {"spectrum", "logic.sr"}, kExitFile, "logic channels only"},
        {"logic without a unit size",
         {"spectrum", "nounit.sr", "--rate", "100"},
         kExitFile,
         "without their unit size"},
        {"200 million channels", {"spectrum", "channels.sr"}, kExitFile, "\"total analog\" as \"200000000\""},
        {"sizes forged small",
         {"spectrum", "forged.sr"},
         kExitFile,
         "more samples than its zip directory states"},
        {"no such channel",
         {"spectrum", "good.sr", "--channel", "A7"},
         kExitUsage,
         "no analog channel \"A7\""},
        {"measure a zip bomb", {"measure", "bomb.sr"}, kExitFile, "daq-cli reads at most 67108864 samples"},
        {"measure sample rate 0", {"measure", "rate0.sr"}, kExitFile, "sample rate of 0: give --rate"},
        // Output onto the input.
        {"--bins the input", {"spectrum", "in.csv", "--bins", "in.csv"}, kExitUsage, "input file"},
        {"--bins ./the input", {"spectrum", "in.csv", "--bins", "./in.csv"}, kExitUsage, "input"},
        {"--bins a link to it",
         {"spectrum", "in.csv", "--bins", "link.csv"},
         kExitUsage,
         "input",
         "link.csv"},
        {"--bins a hard link", {"spectrum", "in.csv", "--bins", "hard.csv"}, kExitUsage, "input"},
        // Signals during a capture, however many and whichever.
        {"SIGINT x3", kLong, kExitInterrupted, "interrupted", "", kOut, {SIGINT, SIGINT, SIGINT}},
        {"SIGINT HUP TERM", kLong, kExitInterrupted, "interrupted", "", kOut, {SIGINT, SIGHUP, SIGTERM}},
        {"SIGTERM", kLong, kExitInterrupted, "interrupted", "", kOut, {SIGTERM}},
        {"SIGHUP", kLong, kExitInterrupted, "interrupted", "", kOut, {SIGHUP}},
        // Standard output that takes nothing.
        {"demo > /dev/full", {"demo", "1"}, kExitFile, "cannot be written: No space", "", "/dev/full"},
        {"spectrum > /dev/full", {"spectrum", "in.csv"}, kExitFile, kNoOut, "", "/dev/full"},
        {"list > /dev/full", {"list", "--simulate"}, kExitFile, kNoOut, "", "/dev/full"},
        {"--help > /dev/full", {"--help"}, kExitFile, kNoOut, "", "/dev/full"},
        {"--csv - > /dev/full", Capture({"--csv", "-"}), kExitFile, kNoOut, "", "/dev/full"},
        {"demo >&-", {"demo", "1"}, kExitFile, kNoOut, "", kClosed},
        // Arguments of thousands of characters are quoted short.
        {"--sim-identity of 5000",
         {"list", "--simulate", "--sim-identity=" + longText},
         kExitUsage,
         "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"... (5000 characters)"},
        {"--simulate of 5000", {"list", "--simulate=" + longText}, kExitUsage, "(5000 characters)"},
    };
    const std::string samples = "time_s,ch0_v\n0,1\n0.015625,2\n0.03125,1\n";
    CliRun shared;
    const fs::path sessions = shared.Path("sessions");
    fs::create_directory(sessions);
    MakeHostileSessions(sessions);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        CliRun cli;
        const fs::path dir = cli.Path("");
        fs::create_directory(dir / "folder");
        ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0644), 0);
        if (mknod((dir / "device").c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0 &&
            row.gist == std::string("it is a device")) {
            continue;  // only root makes device nodes
        }
        WriteFile((dir / "in.csv").string(), samples);
        WriteFile((dir / "garbage.bin").string(), kGarbage);
        WriteFile((dir / "huge.csv").string(), "ch0_v\n1e308\n-1.7976931348623157e308\n4.9e-324\n");
        WriteFile((dir / "over.csv").string(), "ch0_v\n1\n-1e400\n");
        fs::create_symlink("in.csv", dir / "link.csv");
        fs::create_hard_link(dir / "in.csv", dir / "hard.csv");
        WriteFile((dir / "target.wav").string(), "not yet a recording");
        fs::create_symlink("target.wav", dir / "link.wav");
        WriteFile((dir / "target.sr").string(), "not yet a session");
        fs::create_symlink("target.sr", dir / "link.sr");
        for (const char* name : kHostileSessions) {
            fs::create_hard_link(sessions / name, dir / name);
        }
        fs::create_directory(dir / "folder.sr");

        const fs::file_type kind = fs::symlink_status(dir / row.keeps).type();

        const Ran ran = RunIn(dir, row);
        EXPECT_EQ(ran.status, row.status) << ran.err;
        if (*row.gist == '\0') {
            EXPECT_EQ(ran.err, "");
        } else {
            EXPECT_EQ(ran.err.rfind("daq-cli: ", 0), 0u) << ran.err;
            EXPECT_NE(ran.err.find(row.gist), std::string::npos) << ran.err;
            EXPECT_EQ(ran.err.find('\n'), ran.err.size() - 1) << ran.err;
            EXPECT_LT(ran.err.size(), 200u) << ran.err;
        }
        EXPECT_EQ(fs::symlink_status(dir / row.keeps).type(), kind);
        EXPECT_EQ(Slurp(dir / "in.csv"), samples);
        if (!row.signals.empty()) {
            ValidCut(dir);
        }
        // A link leads the recording to the file it points to.
        if (row.status == kExitOk && row.args.size() > 7 && row.args[6] == "--wav") {
            const std::optional<Wav> wav = ReadWav((dir / row.args[7]).string());
            ASSERT_TRUE(wav);
            EXPECT_EQ(wav->bytes.size(), 64u);
        }
        if (row.status == kExitOk && row.args.size() > 7 && row.args[6] == "--sr") {
            const SigrokChannelRead session =
                ReadSigrokChannel((dir / "target.sr").string(), SigrokChannelChoice{1, ""});
            ASSERT_TRUE(session.ok) << session.error;
            EXPECT_EQ(session.samples.size(), 64u);
        }
    }
}

}  // namespace
