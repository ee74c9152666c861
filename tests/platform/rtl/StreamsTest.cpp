#include "platform/rtl/Streams.h"

#include <gtest/gtest.h>

#include "platform/rtl/Exceptions.h"
#include "tests/support/TempDir.h"

namespace {

using namespace rtl;
using testsupport::ReadFileBytes;
using testsupport::TempDir;
using testsupport::WriteFileBytes;

TEST(Streams, MemoryStreamReadsWritesSeeksAndGrows)
{
    TMemoryStream m;
    m.WriteBuffer("hello", 5);
    EXPECT_EQ(m.Size(), 5);
    EXPECT_EQ(m.Position(), 5);
    m.Seek(-2, soEnd);
    char two[2];
    m.ReadBuffer(two, 2);
    EXPECT_EQ(std::string(two, 2), "lo");
    EXPECT_EQ(m.Read(two, 2), 0);  // at the end
    EXPECT_THROW(m.ReadBuffer(two, 1), EReadError);

    m.SetPosition(7);              // past the end: the gap fills with zeros
    m.WriteBuffer("!", 1);
    EXPECT_EQ(m.Size(), 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(m.Memory()), 8), std::string("hello\0\0!", 8));
    m.SetSize(2);
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(m.Seek(-10, soCurrent), 0);
    m.Clear();
    EXPECT_EQ(m.Size(), 0);
}

TEST(Streams, ReadBufferFailureCarriesTheClassLibraryText)
{
    TMemoryStream m;
    try {
        char c;
        m.ReadBuffer(&c, 1);
        FAIL() << "no exception";
    } catch (const EReadError& e) {
        EXPECT_EQ(e.Message(), "Stream read error");
    }
}

TEST(Streams, FileStreamCreatesOpensAndAppends)
{
    TempDir dir;
    const std::string name = dir.File("data.bin");
    {
        TFileStream f(name, fmCreate);
        f.WriteBuffer("abcdef", 6);
        EXPECT_EQ(f.Size(), 6);
    }
    {
        TFileStream f(name, fmOpenReadWrite | fmShareDenyWrite);
        f.Seek(0, soEnd);
        f.WriteBuffer("gh", 2);
        f.SetPosition(2);
        char buf[3];
        f.ReadBuffer(buf, 3);
        EXPECT_EQ(std::string(buf, 3), "cde");
        f.SetSize(4);
    }
    EXPECT_EQ(ReadFileBytes(name), "abcd");
    TFileStream readOnly(name, fmOpenRead);
    EXPECT_THROW(readOnly.WriteBuffer("x", 1), EWriteError);  // opened for reading only
}

TEST(Streams, FileStreamErrorsNameTheFileAndReason)
{
    TempDir dir;
    try {
        TFileStream f(dir.File("none.bin"), fmOpenRead);
        FAIL() << "no exception";
    } catch (const EFOpenError& e) {
        EXPECT_EQ(e.Message(), "Cannot open file \"" + dir.File("none.bin") + "\". No such file or directory");
    }
    try {
        TFileStream f(dir.File("no/dir/x.bin"), fmCreate);
        FAIL() << "no exception";
    } catch (const EFCreateError& e) {
        EXPECT_EQ(e.Message(), "Cannot create file \"" + dir.File("no/dir/x.bin") + "\". No such file or directory");
    }
    EXPECT_THROW(TFileStream(dir.Path().string(), fmOpenRead), EFOpenError);  // a folder is no file
}

TEST(Streams, CopyFromCopiesAPartOrTheWholeSource)
{
    TStringStream source("0123456789");
    TMemoryStream target;
    source.SetPosition(3);
    EXPECT_EQ(target.CopyFrom(source, 4), 4);
    EXPECT_EQ(source.Position(), 7);
    EXPECT_EQ(target.CopyFrom(&source, 0), 10);  // 0: the whole source from its start
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(target.Memory()), 14), "34560123456789");
    source.SetPosition(8);
    EXPECT_THROW(target.CopyFrom(source, 5), EReadError);
}

TEST(Streams, MemoryStreamLoadsAndSavesFiles)
{
    TempDir dir;
    const std::string name = dir.File("m.bin");
    WriteFileBytes(name, std::string("a\0b", 3));
    TMemoryStream m;
    m.LoadFromFile(name);
    EXPECT_EQ(m.Size(), 3);
    EXPECT_EQ(m.Position(), 0);
    m.Seek(0, soEnd);
    m.WriteBuffer("c", 1);
    m.SaveToFile(dir.File("copy.bin"));
    EXPECT_EQ(ReadFileBytes(dir.File("copy.bin")), std::string("a\0bc", 4));
    EXPECT_THROW(m.LoadFromFile(dir.File("missing.bin")), EFOpenError);
}

TEST(Streams, StringAndBytesStreamsExposeTheirData)
{
    TStringStream s("Ősz");
    EXPECT_EQ(s.Size(), 4);  // bytes of the UTF-8 text
    EXPECT_EQ(s.ReadString(2), "Ő");
    s.Seek(0, soEnd);
    s.WriteString(" °C");
    EXPECT_EQ(s.DataString(), "Ősz °C");
    s.SetPosition(0);
    EXPECT_EQ(s.ReadString(100), "Ősz °C");

    TBytesStream b({1, 2, 3});
    b.Seek(0, soEnd);
    const std::uint8_t four = 4;
    b.WriteBuffer(&four, 1);
    EXPECT_EQ(b.Bytes(), (std::vector<std::uint8_t>{1, 2, 3, 4}));
}

}  // namespace
