// Settings files: round trips, files of an independent zlib, damaged files and
// failing saves.

#include "Udecl.h"
#include "Uplik.h"
#include "VelotarError.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <random>
#include <sys/resource.h>

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::size_t DataSize = sizeof(TSettings) + sizeof(TUserNotes);

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/velotar-files-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return (dir / name).string(); }

    static Bytes ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& path, const Bytes& data) {
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(data.data()), std::streamsize(data.size()));
    }
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir;
};

// Records with every byte set, stale character bytes and reserved bytes included.
template <typename Record>
Record Filled(unsigned seed) {
    Record r;
    std::mt19937 rng(seed);
    auto* raw = reinterpret_cast<Byte*>(&r);
    for (std::size_t i = 0; i < sizeof r; ++i)
        raw[i] = static_cast<Byte>(rng());
    return r;
}

TSettings SampleSettings() {
    auto s = Filled<TSettings>(1);
    s.SmsAccessCode.Len = 3;
    s.Pin.Len = 4;
    s.SmsCentre.Len = 12;
    for (auto& p : s.UserPhone) p.Len = 9;
    for (auto& t : s.InputSmsText) t[0].Len = 36, t[1].Len = 2;
    for (auto& t : s.SpecialSmsText) t[0].Len = 0, t[1].Len = 35;
    return s;
}

TUserNotes SampleNotes() {
    auto n = Filled<TUserNotes>(2);
    for (auto& u : n.User) u.Name.Len = 30, u.Notes.Len = 250;
    return n;
}

Bytes DataOf(const TSettings& s, const TUserNotes& n) {
    Bytes data(DataSize);
    std::memcpy(data.data(), &s, sizeof s);
    std::memcpy(data.data() + sizeof s, &n, sizeof n);
    return data;
}

Bytes Compress(const Bytes& data) {
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    compress(out.data(), &size, data.data(), uLong(data.size()));
    out.resize(size);
    return out;
}

bool SameBytes(const void* a, const void* b, std::size_t n) { return std::memcmp(a, b, n) == 0; }

TEST_F(SettingsFile, SavedFileOpensByteForByte) {
    const TSettings s = SampleSettings();
    const TUserNotes n = SampleNotes();
    SaveSettingsFile(s, n, Path("a.zmk"));

    const Bytes file = ReadAll(Path("a.zmk"));
    ASSERT_GE(file.size(), 2u);
    EXPECT_EQ(file[0], 0x78);
    EXPECT_EQ(file[1], 0x9C);

    TSettings s2{};
    TUserNotes n2{};
    LoadSettingsFile(Path("a.zmk"), s2, n2);
    EXPECT_TRUE(SameBytes(&s, &s2, sizeof s));
    EXPECT_TRUE(SameBytes(&n, &n2, sizeof n));

    // Saving what was read writes the same file again.
    SaveSettingsFile(s2, n2, Path("b.zmk"));
    EXPECT_EQ(ReadAll(Path("a.zmk")), ReadAll(Path("b.zmk")));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a.zmk", "b.zmk"}));
}

TEST_F(SettingsFile, TheGlobalNotesTravelWithTheSettings) {
    UserNotes = SampleNotes();
    SaveSettingsFile(SampleSettings(), Path("g.zmk"));
    const TUserNotes saved = UserNotes;
    UserNotes = TUserNotes{};
    TSettings s{};
    LoadSettingsFile(Path("g.zmk"), s);
    EXPECT_TRUE(SameBytes(&UserNotes, &saved, sizeof saved));
}

int RunPython(const std::string& script) {
    return std::system(("python3 -c '" + script + "'").c_str());
}

TEST_F(SettingsFile, AFileOfAnIndependentZlibOpens) {
    const Bytes data = DataOf(SampleSettings(), SampleNotes());
    WriteAll(Path("raw"), data);
    ASSERT_EQ(RunPython("import zlib; d=open(\"" + Path("raw") + "\",\"rb\").read(); open(\"" +
                        Path("py.zmk") + "\",\"wb\").write(zlib.compress(d, 9))"),
              0);
    TSettings s{};
    TUserNotes n{};
    LoadSettingsFile(Path("py.zmk"), s, n);
    EXPECT_EQ(DataOf(s, n), data);
}

TEST_F(SettingsFile, AnIndependentZlibDecompressesOurFileToTheRecords) {
    const TSettings s = SampleSettings();
    const TUserNotes n = SampleNotes();
    SaveSettingsFile(s, n, Path("ours.zmk"));
    ASSERT_EQ(RunPython("import zlib; d=zlib.decompress(open(\"" + Path("ours.zmk") +
                        "\",\"rb\").read()); open(\"" + Path("out") + "\",\"wb\").write(d)"),
              0);
    EXPECT_EQ(ReadAll(Path("out")), DataOf(s, n));
}

TEST_F(SettingsFile, WhatFollowsTheSettingsIsIgnored) {
    const Bytes data = DataOf(SampleSettings(), SampleNotes());
    Bytes longer = data;
    longer.resize(data.size() + 500, 0x77); // more data inside the stream
    Bytes file = Compress(longer);
    file.insert(file.end(), {'j', 'u', 'n', 'k'}); // and bytes after it
    WriteAll(Path("long.zmk"), file);
    TSettings s{};
    TUserNotes n{};
    LoadSettingsFile(Path("long.zmk"), s, n);
    EXPECT_EQ(DataOf(s, n), data);
}

struct BadFile {
    const char* name;
    std::function<Bytes()> content; // no file at all when it gives nothing and `missing`
    bool missing;
    const char* messagePart;
};

Bytes GoodFile() { return Compress(DataOf(SampleSettings(), SampleNotes())); }

const BadFile BadFiles[] = {
    {"Missing", [] { return Bytes{}; }, true, "No such file or directory"},
    {"TextFile", [] { return Bytes{'[', 'u', 's', 't', 'a', 'w', 'i', 'e', 'n', 'i', 'a', ']'}; },
     false, "Error"},
    {"Empty", [] { return Bytes{}; }, false, "jest pusty"},
    {"CutInTheMiddle",
     [] {
         Bytes f = GoodFile();
         f.resize(f.size() / 2);
         return f;
     },
     false, "jest urwany"},
    {"CutBeforeItsChecksum",
     [] {
         Bytes f = GoodFile();
         f.resize(f.size() - 2);
         return f;
     },
     false, "jest urwany"},
    {"StreamTooShort", [] { return Compress(Bytes(100, 1)); }, false, "zawiera 100 z 2356"},
    {"DamagedChecksum",
     [] {
         Bytes f = GoodFile();
         f.back() ^= 0x01;
         return f;
     },
     false, "Error"},
    {"OverlongText",
     [] {
         TSettings s = SampleSettings();
         s.InputSmsText[2][1].Len = 37;
         return Compress(DataOf(s, SampleNotes()));
     },
     false, "InputSmsText[3][2]"},
    {"OverlongNote",
     [] {
         TUserNotes n = SampleNotes();
         n.User[3].Notes.Len = 251;
         return Compress(DataOf(SampleSettings(), n));
     },
     false, "UserNotes[4].Notes"},
};

void PrintTo(const BadFile& f, std::ostream* os) { *os << f.name; }

class BadSettingsFile : public SettingsFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(BadSettingsFile, IsRefusedAndNothingChanges) {
    const std::string path = Path("bad.zmk");
    if (!GetParam().missing)
        WriteAll(path, GetParam().content());

    const TSettings keptSettings = Filled<TSettings>(7);
    const TUserNotes keptNotes = Filled<TUserNotes>(8);
    TSettings s = keptSettings;
    TUserNotes n = keptNotes;
    try {
        LoadSettingsFile(path, s, n);
        FAIL() << "the file was accepted";
    } catch (const VelotarError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().messagePart), std::string::npos)
            << e.what();
        if (std::string(e.what()) != "Error") {
            EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        }
    }
    EXPECT_TRUE(SameBytes(&s, &keptSettings, sizeof s));
    EXPECT_TRUE(SameBytes(&n, &keptNotes, sizeof n));
}

INSTANTIATE_TEST_SUITE_P(Files, BadSettingsFile, ::testing::ValuesIn(BadFiles),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsFile, SavingIntoAMissingFolderNamesThePath) {
    const std::string path = Path("nie-ma/plik.zmk");
    try {
        SaveSettingsFile(SampleSettings(), SampleNotes(), path);
        FAIL() << "the save succeeded";
    } catch (const VelotarError& e) {
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("No such file"), std::string::npos) << e.what();
    }
    EXPECT_TRUE(Entries().empty());
}

// A disk that fills up during the write: the file-size limit makes the write
// fail as a full disk would, and the previous file must survive whole.
TEST_F(SettingsFile, AFailingWriteKeepsThePreviousFileWhole) {
    const std::string path = Path("keep.zmk");
    SaveSettingsFile(Filled<TSettings>(3), SampleNotes(), path);
    const Bytes before = ReadAll(path);

    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 16;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tiny), 0);
    std::string message;
    try {
        SaveSettingsFile(SampleSettings(), SampleNotes(), path);
    } catch (const VelotarError& e) {
        message = e.what();
    }
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("File too large"), std::string::npos) << message;
    EXPECT_EQ(ReadAll(path), before);
    EXPECT_EQ(Entries(), std::vector<std::string>{"keep.zmk"});
}

TEST_F(SettingsFile, SavingReplacesAnExistingFile) {
    const std::string path = Path("old.zmk");
    WriteAll(path, Bytes(50, 'x'));
    SaveSettingsFile(SampleSettings(), SampleNotes(), path);
    TSettings s{};
    TUserNotes n{};
    LoadSettingsFile(path, s, n);
    const TSettings expected = SampleSettings();
    EXPECT_TRUE(SameBytes(&s, &expected, sizeof s));
}

} // namespace
