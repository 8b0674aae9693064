// The session writer and reader through libsigrok, checked against each
// other, against sigrok-cli, and on targets a writer must not harm.

#include "SigrokSession.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <bit>
#include <cfloat>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "SigrokTestSupport.h"

namespace fs = std::filesystem;

namespace {

class SigrokSessionTest : public ::testing::Test {
protected:
    fs::path dir = fs::temp_directory_path() / ("daq-sigrok-test-" + std::to_string(::getpid()));
    void SetUp() override {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string Path(const char* name) const { return (dir / name).string(); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Values a float carries that text or a careless conversion would lose.
std::vector<float> Awkward(std::size_t count, float scale) {
    const float special[] = {-0.0f, 1e-42f, FLT_MIN, FLT_MAX, -FLT_MAX, 0.1f, 1.0f / 3.0f, 14.33f};
    std::vector<float> values(count);
    for (std::size_t i = 0; i < count; ++i) {
        values[i] =
            i < std::size(special) ? special[i] : scale * static_cast<float>(i % 4096) / 409.7f - 5.0f;
    }
    return values;
}

void ExpectBitsEqual(const std::vector<double>& read, const std::vector<float>& written) {
    ASSERT_EQ(read.size(), written.size());
    for (std::size_t i = 0; i < read.size(); ++i) {
        ASSERT_EQ(std::bit_cast<std::uint32_t>(static_cast<float>(read[i])),
                  std::bit_cast<std::uint32_t>(written[i]))
            << "sample " << i;
    }
}

TEST_F(SigrokSessionTest, EverySampleReadsBackByPositionAndByName) {
    const struct {
        const char* what;
        std::uint64_t rate;
        std::vector<std::string> names;
        std::vector<std::size_t> lengths;
    } cases[] = {
        {"one sample each", 64, {"CH0", "CH1"}, {1, 1}},
        {"unequal lengths", 100000, {"CH0", "CH1"}, {3072, 17}},
        {"one channel across packets", 6250, {"CH1"}, {kSessionPacketSamples * 2 + 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::vector<float>> channels;
        for (std::size_t i = 0; i < c.lengths.size(); ++i) {
            channels.push_back(Awkward(c.lengths[i], static_cast<float>(i + 1)));
        }
        const std::string path = Path("run.sr");
        ASSERT_EQ(WriteSigrokSession(path, c.rate, c.names, channels), "");
        EXPECT_EQ(Names(), std::vector<std::string>{"run.sr"});
        for (std::size_t i = 0; i < c.names.size(); ++i) {
            const SigrokChannelRead byPosition = ReadSigrokChannel(path, SigrokChannelChoice{i, ""});
            ASSERT_TRUE(byPosition.ok) << byPosition.error;
            EXPECT_EQ(byPosition.analogChannels, c.names);
            EXPECT_EQ(byPosition.channel, c.names[i]);
            EXPECT_EQ(byPosition.sampleRate, c.rate);
            EXPECT_EQ(byPosition.channelSamples, c.lengths[i]);
            ExpectBitsEqual(byPosition.samples, channels[i]);
            const SigrokChannelRead byName = ReadSigrokChannel(path, SigrokChannelChoice{{}, c.names[i]}, 1);
            ASSERT_TRUE(byName.ok) << byName.error;
            ExpectBitsEqual(byName.samples, {channels[i].front()});
            EXPECT_EQ(byName.channelSamples, c.lengths[i]);
        }
        const SigrokChannelRead missing = ReadSigrokChannel(path, SigrokChannelChoice{{}, "CH7"});
        EXPECT_FALSE(missing.ok);
        EXPECT_TRUE(missing.channelMissing);
        EXPECT_NE(missing.error.find("\"CH7\""), std::string::npos) << missing.error;
    }
}

TEST_F(SigrokSessionTest, SigrokCliReadsTheChannelsTheRateAndEveryValue) {
    if (!HaveSigrokCli()) {
        GTEST_SKIP() << "sigrok-cli is not installed (scripts/deps installs it)";
    }
    const std::vector<std::vector<float>> channels{Awkward(5000, 1.0f), Awkward(5000, -3.0f)};
    const std::string path = Path("run.sr");
    ASSERT_EQ(WriteSigrokSession(path, 12500, {"CH0", "CH1"}, channels), "");
    int status = 0;
    const std::string shown = CommandOutput("sigrok-cli -i " + Quoted(path) + " --show 2>&1", &status);
    ASSERT_EQ(status, 0) << shown;
    EXPECT_NE(shown.find("Samplerate: 12500\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("- CH0: analog\n- CH1: analog\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Analog sample count: 5000\n"), std::string::npos) << shown;

    // Its WAV output carries the samples as 32-bit floats, frame by frame.
    const std::string wavPath = Path("run.wav");
    CommandOutput("sigrok-cli -i " + Quoted(path) + " -O wav -o " + Quoted(wavPath) + " 2>&1", &status);
    ASSERT_EQ(status, 0);
    const std::optional<FloatWav> wav = ReadFloatWav(wavPath);
    ASSERT_TRUE(wav);
    EXPECT_EQ(wav->channels, 2);
    EXPECT_EQ(wav->rate, 12500u);
    ASSERT_EQ(wav->samples.size(), 10000u);
    for (std::size_t i = 0; i < 5000; ++i) {
        for (std::size_t channel = 0; channel < 2; ++channel) {
            ASSERT_EQ(std::bit_cast<std::uint32_t>(wav->samples[2 * i + channel]),
                      std::bit_cast<std::uint32_t>(channels[channel][i]))
                << "CH" << channel << " sample " << i;
        }
    }
}

TEST_F(SigrokSessionTest, ASessionOfSigrokCliWithLogicAndAnalogChannels) {
    if (!HaveSigrokCli()) {
        GTEST_SKIP() << "sigrok-cli is not installed (scripts/deps installs it)";
    }
    // The demo device: eight logic channels D0..D7, then analog A0..A4.
    const std::string path = Path("demo.sr");
    int status = 0;
    CommandOutput("sigrok-cli -d demo --samples 3000 -o " + Quoted(path) + " 2>&1", &status);
    ASSERT_EQ(status, 0);
    const SigrokChannelRead third = ReadSigrokChannel(path, SigrokChannelChoice{2, ""});
    ASSERT_TRUE(third.ok) << third.error;
    EXPECT_EQ(third.analogChannels, (std::vector<std::string>{"A0", "A1", "A2", "A3", "A4"}));
    EXPECT_EQ(third.channel, "A2");
    EXPECT_EQ(third.sampleRate, 200000u);
    ASSERT_EQ(third.samples.size(), 3000u);
    const SigrokChannelRead named = ReadSigrokChannel(path, SigrokChannelChoice{{}, "A2"});
    ASSERT_TRUE(named.ok) << named.error;
    EXPECT_EQ(named.samples, third.samples);
    const SigrokChannelRead first = ReadSigrokChannel(path, SigrokChannelChoice{0, ""});
    ASSERT_TRUE(first.ok) << first.error;
    EXPECT_NE(first.samples, third.samples);

    CommandOutput("sigrok-cli -d demo --channels D0,D1 --samples 100 -o " + Quoted(path) + " 2>&1", &status);
    ASSERT_EQ(status, 0);
    const SigrokChannelRead logic = ReadSigrokChannel(path, SigrokChannelChoice{0, ""});
    EXPECT_FALSE(logic.ok);
    EXPECT_FALSE(logic.channelMissing);
    EXPECT_NE(logic.error.find("logic channels only"), std::string::npos) << logic.error;
}

// A target the writer may not replace, or one it reaches through a link.
TEST_F(SigrokSessionTest, TargetsFollowTheRulesOfEveryWriter) {
    const struct {
        const char* what;
        const char* name;
        const char* gist;          // "" when it is written
        const char* written = "";  // the file that then holds the session
    } cases[] = {
        {"a folder", "folder", "it is a folder"},
        {"a FIFO", "fifo", "it is a FIFO"},
        {"a device", "device", "it is a device"},
        {"no such folder", "none/run.sr", "No such file or directory"},
        {"a link to a file", "link.sr", "", "old.sr"},
        {"a link to nothing", "dangling.sr", "", "new.sr"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove_all(dir);
        fs::create_directories(dir / "folder");
        ASSERT_EQ(mkfifo(Path("fifo").c_str(), 0644), 0);
        const bool device = mknod(Path("device").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        if (!device && std::string(c.name) == "device") {
            continue;  // only root makes device nodes
        }
        std::ofstream(Path("old.sr")) << "old";
        fs::create_symlink("old.sr", dir / "link.sr");
        fs::create_symlink("new.sr", dir / "dangling.sr");
        const std::vector<std::string> before = Names();

        const std::string error = WriteSigrokSession(Path(c.name), 100, {"CH0"}, {{1.0f, 2.0f}});
        if (*c.gist != '\0') {
            EXPECT_NE(error.find(c.gist), std::string::npos) << error;
            EXPECT_EQ(error.find(Path(c.name) + ": cannot be written: "), 0u) << error;
            EXPECT_EQ(Names(), before);
            EXPECT_EQ(Slurp(Path("old.sr")), "old");
            continue;
        }
        EXPECT_EQ(error, "");
        EXPECT_TRUE(fs::is_symlink(dir / c.name));
        const SigrokChannelRead read = ReadSigrokChannel(Path(c.written), SigrokChannelChoice{0, ""});
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.samples, (std::vector<double>{1.0, 2.0}));
    }
}

TEST_F(SigrokSessionTest, TheTargetChangesOnlyWhenTheSessionIsComplete) {
    const std::string path = Path("run.sr");
    std::ofstream(path) << "previous";
    std::string error;
    for (const bool finish : {false, true}) {
        std::unique_ptr<SigrokSessionWriter> writer =
            SigrokSessionWriter::Create(path, 50000, {"CH0", "CH1"}, &error);
        ASSERT_NE(writer, nullptr) << error;
        // More than a packet, so libsigrok has written part of it already.
        const std::vector<float> frame{0.5f, -0.5f};
        for (std::size_t i = 0; i < kSessionPacketSamples + 10; ++i) {
            ASSERT_TRUE(writer->PutFrame(frame));
        }
        EXPECT_EQ(Slurp(path), "previous");
        EXPECT_EQ(Names().size(), 2u) << "the target and the session being built beside it";
        if (finish) {
            ASSERT_TRUE(writer->Finish()) << writer->Error();
        }
        writer.reset();
        EXPECT_EQ(Names(), std::vector<std::string>{"run.sr"});
        if (!finish) {
            EXPECT_EQ(Slurp(path), "previous");
        }
    }
    const SigrokChannelRead read = ReadSigrokChannel(path, SigrokChannelChoice{1, ""});
    ASSERT_TRUE(read.ok) << read.error;
    EXPECT_EQ(read.channelSamples, kSessionPacketSamples + 10);
    EXPECT_EQ(read.samples.back(), -0.5);
}

TEST_F(SigrokSessionTest, FailuresLeaveNoFileBehind) {
    const std::string path = Path("run.sr");
    // An empty channel: libsigrok would write a session nothing reads back.
    EXPECT_NE(WriteSigrokSession(path, 100, {"CH0", "CH1"}, {{1.0f}, {}}).find("no samples of CH1"),
              std::string::npos);
    EXPECT_NE(WriteSigrokSession(path, 0, {"CH0"}, {{1.0f}}), "");
    EXPECT_TRUE(Names().empty());

    // A disk that fills up: files may grow to 64 KiB only.
    struct rlimit previous {};
    getrlimit(RLIMIT_FSIZE, &previous);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = previous;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    std::vector<float> noise(200000);
    std::uint32_t state = 1;
    for (float& value : noise) {
        state = state * 1664525u + 1013904223u;
        value = static_cast<float>(state >> 8);
    }
    const std::string error = WriteSigrokSession(path, 100, {"CH0"}, {noise});
    setrlimit(RLIMIT_FSIZE, &previous);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error.find(path + ": cannot be written: "), 0u) << error;
    EXPECT_NE(error.find("File too large"), std::string::npos) << error;
    EXPECT_TRUE(Names().empty());
}

TEST(SigrokSessionNameTest, SessionsAreKnownByNameOrZipStart) {
    const struct {
        const char* name;
        std::string start;
        bool session;
    } cases[] = {
        {"run.sr", "", true},          {"RUN.SR", "time_s", true}, {"run.csv", "PK\x03\x04", true},
        {"run.csv", "time_s,", false}, {"sr", "", false},          {"run.srx", "PK\x05\x06", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LooksLikeSigrokSession(c.name, c.start), c.session) << c.name;
    }
}

}  // namespace
