// The packet collector, fed chunk by chunk: what the receive handler sees
// at every boundary of the module's answers.

#include "TComDataPacket.h"
#include "VelotarError.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Texts = std::vector<QByteArray>;

// A collector whose handler records every text it is given.
struct Recorder {
    TComDataPacket packet;
    Texts seen;
    Recorder() {
        packet.SetOnCustomStop([this](const QByteArray& text) { seen.push_back(text); });
    }
};

struct ChunkCase {
    const char* name;
    Texts chunks;
    Texts seen;        // every call of the handler, in order
    QByteArray left;   // the buffer afterwards
};

void PrintTo(const ChunkCase& c, std::ostream* os) { *os << c.name; }

class CollectorChunks : public ::testing::TestWithParam<ChunkCase> {};

TEST_P(CollectorChunks, HandlerSeesWholeBufferAndOneCallAfterEachCut) {
    Recorder r;
    for (const QByteArray& chunk : GetParam().chunks)
        r.packet.AddChunk(chunk);
    EXPECT_EQ(r.seen, GetParam().seen);
    EXPECT_EQ(r.packet.Buffer(), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CollectorChunks,
    ::testing::Values(
        ChunkCase{"OkInTwoChunks", {"OK", "*1"}, {"OK", "OK*1", ""}, ""},
        ChunkCase{"TwoAnswersInOneChunk", {"OK*1OK*1"}, {"OK*1OK*1", "OK*1", ""}, ""},
        ChunkCase{"StopSplitOverChunks", {"OK*", "1xy"}, {"OK*", "OK*1xy", "xy"}, "xy"},
        ChunkCase{"BareStop", {"*1"}, {"*1", ""}, ""},
        ChunkCase{"NoStopKeepsBuffer", {"ab", "cd"}, {"ab", "abcd"}, "abcd"},
        ChunkCase{"BinaryBytesPassUnchanged",
                  {QByteArray("\0*1\0\xff", 5)},
                  {QByteArray("\0*1\0\xff", 5), QByteArray("\0\xff", 2)},
                  QByteArray("\0\xff", 2)},
        ChunkCase{"StopIsCaseAndByteExact", {"OK*I", "*2"}, {"OK*I", "OK*I*2"}, "OK*I*2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Collector, TextWithoutStopGrowsUntilLimitThenIsEmptied) {
    Recorder r;
    const QByteArray chunk(100, 'x');
    for (int i = 0; i < 11; ++i)
        r.packet.AddChunk(chunk);
    ASSERT_EQ(r.seen.size(), 11u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(r.seen[i].size(), 100 * (i + 1)) << "call " << i;
    EXPECT_EQ(r.seen[10].size(), 1100); // seen whole, then dropped
    EXPECT_TRUE(r.packet.Buffer().isEmpty());

    r.packet.AddChunk("OK*1");
    EXPECT_EQ(r.seen[11], "OK*1");
}

TEST(Collector, DiscardInHandlerIsFollowedByOneEmptyCall) {
    TComDataPacket packet;
    Texts seen;
    packet.SetOnCustomStop([&](const QByteArray& text) {
        seen.push_back(text);
        if (!text.contains("*1"))
            packet.DiscardBuffer(); // as the reading branch does with a partial answer
        EXPECT_EQ(seen.back(), text) << "the handler's text must survive the discard";
    });
    packet.AddChunk("abc");
    packet.AddChunk("de*1fg");
    EXPECT_EQ(seen, (Texts{"abc", "", "de*1fg", "fg", ""}));
    EXPECT_TRUE(packet.Buffer().isEmpty());
}

TEST(Collector, DiscardOutsideHandlerEmptiesWithoutACall) {
    Recorder r;
    r.packet.AddChunk("stale");
    r.packet.DiscardBuffer();
    EXPECT_TRUE(r.packet.Buffer().isEmpty());
    r.packet.AddChunk("OK*1");
    EXPECT_EQ(r.seen, (Texts{"stale", "OK*1", ""}));
}

TEST(Collector, HandlerFailureGoesToErrorCallbackNotToCaller) {
    TComDataPacket packet;
    QString reported;
    packet.SetOnCustomStop([](const QByteArray&) { throw VelotarError("zapis nieudany"); });
    packet.SetOnError([&](const QString& message) { reported = message; });
    EXPECT_NO_THROW(packet.AddChunk("OK*1"));
    EXPECT_EQ(reported, QStringLiteral("zapis nieudany"));
}

} // namespace
