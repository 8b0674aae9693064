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

struct Row {
    const char* what = "";
    std::vector<std::string> args = {};  // run in the row's folder
    const char* in = "/dev/null";        // standard input
    const char* out = "out.txt";         // standard output, or kClosed
    std::vector<int> signals = {};       // sent once the capture is writing cut.csv
    int status = kExitOk;
    const char* gist = "";  // in the one line on standard error; "" for none
    std::function<void(const fs::path& dir)> check = {};
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

// What a cut capture must leave: a CSV of whole rows and a WAV file holding
// one sample per row.
void ValidCut(const fs::path& dir) {
    const auto rows = ReadCsv((dir / "cut.csv").string());
    ASSERT_GT(rows.size(), 1u);
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
    }
    const std::optional<Wav> wav = ReadWav((dir / "cut.wav").string());
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->bytes.size(), rows.size() - 1);
}

void LeftAlone(const fs::path& path, fs::file_type type) {
    EXPECT_EQ(fs::symlink_status(path).type(), type) << path;
}

const std::vector<std::string> kCapture{"capture", "--rate",  "6.25k", "--duration", "60",
                                        "--csv",   "cut.csv", "--wav", "cut.wav",    "--simulate"};

std::vector<std::string> Capture(std::vector<std::string> more) {
    std::vector<std::string> args{"capture", "--rate", "64", "--duration", "1", "--simulate"};
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(HostileInputTest, EachEndsWithItsStatusAndOneLine) {
    const std::string longText(5000, 'x');
    const Row rows[] = {
        // Files that cannot be read.
        {.what = "a folder",
         .args = {"spectrum", "folder"},
         .status = kExitFile,
         .gist = "folder: cannot be read: Is a directory"},
        {.what = "/proc/self/mem",
         .args = {"spectrum", "/proc/self/mem"},
         .status = kExitFile,
         .gist = "cannot be read: "},
        {.what = "a folder as input",
         .args = {"spectrum", "-"},
         .in = "folder",
         .status = kExitFile,
         .gist = "standard input: cannot be read: Is a directory"},
        {.what = "a line break in the name",
         .args = {"spectrum", "a\nb"},
         .status = kExitFile,
         .gist = "a\\x0Ab: cannot be read: No such file or directory"},
        // Paths --wav must not delete.
        {.what = "--wav FIFO",
         .args = Capture({"--wav", "fifo"}),
         .status = kExitFile,
         .gist = "fifo: cannot be written: it is a FIFO",
         .check = [](const fs::path& dir) { LeftAlone(dir / "fifo", fs::file_type::fifo); }},
        {.what = "--wav device",
         .args = Capture({"--wav", "device"}),
         .status = kExitFile,
         .gist = "it is a device",
         .check = [](const fs::path& dir) { LeftAlone(dir / "device", fs::file_type::character); }},
        {.what = "--wav folder",
         .args = Capture({"--wav", "folder"}),
         .status = kExitFile,
         .gist = "it is a folder",
         .check = [](const fs::path& dir) { LeftAlone(dir / "folder", fs::file_type::directory); }},
        {.what = "--wav link",
         .args = Capture({"--wav", "link.wav"}),
         .status = kExitOk,
         .gist = "",
         .check =
             [](const fs::path& dir) {
                 LeftAlone(dir / "link.wav", fs::file_type::symlink);
                 const std::optional<Wav> wav = ReadWav((dir / "target.wav").string());
                 ASSERT_TRUE(wav);
                 EXPECT_EQ(wav->bytes.size(), 64u);
             }},
        // Output onto the input.
        {.what = "--bins the input",
         .args = {"spectrum", "in.csv", "--bins", "in.csv"},
         .status = kExitUsage,
         .gist = "input file"},
        {.what = "--bins ./the input",
         .args = {"spectrum", "in.csv", "--bins", "./in.csv"},
         .status = kExitUsage,
         .gist = "input"},
        {.what = "--bins a link to it",
         .args = {"spectrum", "in.csv", "--bins", "link.csv"},
         .status = kExitUsage,
         .gist = "input"},
        {.what = "--bins a hard link",
         .args = {"spectrum", "in.csv", "--bins", "hard.csv"},
         .status = kExitUsage,
         .gist = "input"},
        // Signals during a capture, however many and whichever.
        {.what = "SIGINT x3",
         .args = kCapture,
         .signals = {SIGINT, SIGINT, SIGINT},
         .status = kExitInterrupted,
         .gist = "interrupted after",
         .check = ValidCut},
        {.what = "SIGINT SIGHUP SIGTERM",
         .args = kCapture,
         .signals = {SIGINT, SIGHUP, SIGTERM},
         .status = kExitInterrupted,
         .gist = "interrupted after",
         .check = ValidCut},
        {.what = "SIGTERM",
         .args = kCapture,
         .signals = {SIGTERM},
         .status = kExitInterrupted,
         .gist = "interrupted after",
         .check = ValidCut},
        {.what = "SIGHUP",
         .args = kCapture,
         .signals = {SIGHUP},
         .status = kExitInterrupted,
         .gist = "interrupted after",
         .check = ValidCut},
        // Standard output that takes nothing.
        {.what = "demo > /dev/full",
         .args = {"demo", "1"},
         .out = "/dev/full",
         .status = kExitFile,
         .gist = "standard output: cannot be written: No space left on device"},
        {.what = "spectrum > /dev/full",
         .args = {"spectrum", "in.csv"},
         .out = "/dev/full",
         .status = kExitFile,
         .gist = "standard output: cannot be written"},
        {.what = "list > /dev/full",
         .args = {"list", "--simulate"},
         .out = "/dev/full",
         .status = kExitFile,
         .gist = "standard output: cannot be written"},
        {.what = "--help > /dev/full",
         .args = {"--help"},
         .out = "/dev/full",
         .status = kExitFile,
         .gist = "standard output: cannot be written"},
        {.what = "--csv - > /dev/full",
         .args = Capture({"--csv", "-"}),
         .out = "/dev/full",
         .status = kExitFile,
         .gist = "standard output: cannot be written"},
        {.what = "demo >&-",
         .args = {"demo", "1"},
         .out = kClosed,
         .status = kExitFile,
         .gist = "standard output: cannot be written"},
        // Arguments of thousands of characters are quoted short.
        {.what = "--sim-identity of 5000",
         .args = {"list", "--simulate", "--sim-identity=" + longText},
         .status = kExitUsage,
         .gist = "\"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx\"... (5000 characters)"},
        {.what = "--simulate of 5000",
         .args = {"list", "--simulate=" + longText},
         .status = kExitUsage,
         .gist = "(5000 characters)"},
    };
    const std::string samples = "time_s,ch0_v\n0,1\n0.015625,2\n0.03125,1\n";
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
        fs::create_symlink("in.csv", dir / "link.csv");
        fs::create_hard_link(dir / "in.csv", dir / "hard.csv");
        WriteFile((dir / "target.wav").string(), "not yet a recording");
        fs::create_symlink("target.wav", dir / "link.wav");

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
        EXPECT_EQ(Slurp(dir / "in.csv"), samples);
        if (row.check) {
            row.check(dir);
        }
    }
}

}  // namespace
